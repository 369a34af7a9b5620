#include "ToolGames.h"

#include <iostream>

#include "engine/LayoutFile.h"
#include "engine/LayoutReader.h"
#include "platform/TextFile.h"
#include "records/C_App_Config.h"

namespace jw::tool {

const ResourceLibrary* ToolLibrary() {
    static std::unique_ptr<ResourceLibrary> library;
    static bool tried = false;
    if (!tried) {
        tried = true;
        const std::string path = ExecutableFolder() + "/MahJong.rgf";
        std::string error;
        library = ResourceLibrary::Open(path, &error);
        if (!library) {
            std::cerr << ResourceLibrary::CantLoadMessage(path) << " (" << error << ")\n";
        }
    }
    return library.get();
}

bool LoadGameLayout(const std::string& what, TMahJong_Base& engine, ToolHost& host) {
    const bool isId = !what.empty() && what.size() <= 5 &&
                      what.find_first_not_of("0123456789") == std::string::npos;
    bool read = false;
    if (isId) {
        const GameId id = std::stoi(what);
        if (id >= kFirstCustomGameId) {
            TApplication_Config config(host, ExecutableFolder());
            engine.dataFolder = config.ResolveDataFolder();
        } else {
            engine.resources = ToolLibrary();
            if (engine.resources == nullptr) {
                return false;
            }
        }
        read = ReadLayout(engine, ReadMode::Preview, "", id);
    } else {
        const auto text = ReadFileBytes(what, kMaxLayoutFileBytes);
        if (!text) {
            std::cerr << what << ": cannot be read\n";
            return false;
        }
        read = ReadLayoutText(engine, ReadMode::Preview, *text, -1);
    }
    if (!read || engine.board.CountAnchors() == 0) {
        std::cerr << what << ": no layout was read\n";
        return false;
    }
    return true;
}

}  // namespace jw::tool
