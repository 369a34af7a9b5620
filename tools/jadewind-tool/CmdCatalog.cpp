// jadewind-tool catalog: the built-in game records, one per line, as stored.
#include <iostream>

#include "Commands.h"
#include "engine/GameCatalog.h"

namespace jw::tool {
namespace {

int RunCatalog(const Args& args) {
    if (!args.empty()) {
        return UsageError("catalog takes no arguments");
    }
    const GameCatalog catalog;
    for (const std::string& record : catalog.Records()) {
        std::cout << record << "\n";
    }
    return 0;
}

const Registrar kCatalog{{"catalog", "", "print the 106 built-in game records", RunCatalog}};

}  // namespace
}  // namespace jw::tool
