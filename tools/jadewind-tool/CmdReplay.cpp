// jadewind-tool replay FILE: what a saved game, the held game or a bookmark
// holds, in plain text.
#include <iostream>

#include "Commands.h"
#include "engine/GameFileReport.h"
#include "engine/LayoutFile.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace jw::tool {
namespace {

int Run(const Args& args) {
    if (args.size() != 1) {
        return UsageError("replay FILE");
    }
    const std::optional<std::string> text = ReadFileBytes(args[0], kMaxLayoutFileBytes);
    if (!text) {
        std::cerr << "jadewind-tool: cannot read " << args[0] << "\n";
        return 1;
    }
    const std::optional<std::string> report = GameFileReport(*text);
    if (!report || !IsGameFileText(*text)) {
        std::cerr << "jadewind-tool: " << EscapeControlCharacters(args[0])
                  << " is not a saved game, held game, bookmark or layout file\n";
        return 1;
    }
    std::cout << EscapeControlCharacters(*report);
    return std::cout ? 0 : 1;
}

const Registrar kReplay{
    {"replay", "FILE", "show what a saved game, held game, bookmark or layout file holds", Run}};

}  // namespace
}  // namespace jw::tool
