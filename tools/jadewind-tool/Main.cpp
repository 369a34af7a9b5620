// jadewind-tool: the command-line companion of the game. It serves players,
// layout designers and tests with the game's own core.
#include <algorithm>
#include <iostream>

#include "Commands.h"

namespace jw::tool {

std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

const std::vector<Command>& AllCommands() {
    auto& commands = Registry();
    std::stable_sort(commands.begin(), commands.end(), [](const Command& a, const Command& b) {
        return std::string(a.name) < b.name;
    });
    return commands;
}

int UsageError(const std::string& message) {
    std::cerr << "jadewind-tool: " << message << "\n";
    return 2;
}

namespace {

void PrintHelp(std::ostream& out) {
    out << "Usage: jadewind-tool COMMAND [ARGUMENTS]\n\n"
           "The command-line companion of Jadewind 2007.\n\nCommands:\n";
    for (const Command& command : AllCommands()) {
        const std::string synopsis = std::string(command.name) + " " + command.usage;
        out << "  " << synopsis;
        const std::size_t column = 34;
        if (synopsis.size() + 2 < column) {
            out << std::string(column - synopsis.size() - 2, ' ');
        } else {
            out << "\n" << std::string(column, ' ');
        }
        out << command.summary << "\n";
    }
}

}  // namespace
}  // namespace jw::tool

int main(int argc, char** argv) {
    using namespace jw::tool;
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h" ||
        std::string(argv[1]) == "help") {
        PrintHelp(std::cout);
        return argc < 2 ? 2 : 0;
    }
    const std::string name = argv[1];
    for (const Command& command : AllCommands()) {
        if (name == command.name) {
            return command.run(Args(argv + 2, argv + argc));
        }
    }
    return UsageError("unknown command '" + name + "' (see --help)");
}
