// jadewind-tool scramble|unscramble: the line scramble of layout and game
// files, from standard input lines to standard output lines.
#include <iostream>
#include <iterator>

#include "Commands.h"
#include "engine/LayoutFile.h"
#include "platform/TextFile.h"

namespace jw::tool {
namespace {

// Every line is (un)scrambled; with --file the input is a whole layout or
// game file, whose line 0 stays plain and whose lines end in CR LF.
int Run(const Args& args, bool scramble) {
    const bool wholeFile = args.size() == 1 && args[0] == "--file";
    if (!args.empty() && !wholeFile) {
        return UsageError(std::string(scramble ? "scramble" : "unscramble") + " [--file]");
    }
    const std::string input{std::istreambuf_iterator<char>(std::cin),
                            std::istreambuf_iterator<char>()};
    const std::vector<std::string> lines = SplitLines(input);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool plain = wholeFile && i == 0;
        std::cout << (plain      ? lines[i]
                      : scramble ? ScrambleLine(lines[i])
                                 : UnscrambleLine(lines[i]))
                  << (wholeFile ? "\r\n" : "\n");
    }
    return std::cout ? 0 : 1;
}

const Registrar kScramble{{"scramble", "[--file]", "scramble stdin lines to stdout",
                           [](const Args& args) { return Run(args, true); }}};
const Registrar kUnscramble{{"unscramble", "[--file]", "unscramble stdin lines to stdout",
                             [](const Args& args) { return Run(args, false); }}};

}  // namespace
}  // namespace jw::tool
