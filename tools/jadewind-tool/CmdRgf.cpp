// jadewind-tool rgf list|extract: looking into a resource library.
#include <iostream>

#include "Commands.h"
#include "presentation/ResourceLibrary.h"

namespace jw::tool {
namespace {

int RunRgf(const Args& args) {
    if (args.size() < 2 || (args[0] == "list" && args.size() != 2) ||
        (args[0] == "extract" && args.size() != 3) || (args[0] != "list" && args[0] != "extract")) {
        return UsageError("rgf list FILE | rgf extract FILE KIND/NAME");
    }
    std::string error;
    const auto library = ResourceLibrary::Open(args[1], &error);
    if (!library) {
        std::cerr << ResourceLibrary::CantLoadMessage(args[1]) << " (" << error << ")\n";
        return 1;
    }
    if (args[0] == "list") {
        for (const std::string& name : library->EntryNames()) {
            std::cout << name << "\n";
        }
        return 0;
    }
    const std::string& entry = args[2];
    const std::size_t slash = entry.find('/');
    if (slash == std::string::npos) {
        return UsageError("an entry is named KIND/NAME");
    }
    const auto bytes = library->Find(entry.substr(0, slash), entry.substr(slash + 1));
    if (!bytes) {
        std::cerr << args[1] << ": no entry " << entry << "\n";
        return 1;
    }
    std::cout.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    return std::cout ? 0 : 1;
}

const Registrar kRgf{{"rgf", "list FILE | extract FILE KIND/NAME",
                      "list a resource library or write one entry to stdout", RunRgf}};

}  // namespace
}  // namespace jw::tool
