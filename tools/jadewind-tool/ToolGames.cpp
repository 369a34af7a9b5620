#include "ToolGames.h"

#include <filesystem>
#include <iostream>

#include "engine/GameCatalog.h"
#include "engine/GameNumber.h"
#include "engine/LayoutFile.h"
#include "engine/LayoutReader.h"
#include "platform/Text.h"
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

namespace {

// Whether `what` is written as a game id (digits, perhaps with a minus sign)
// rather than the name of a layout file.
bool LooksLikeGameId(const std::string& what) {
    const std::size_t digits = what.rfind('-', 0) == 0 ? 1 : 0;
    return what.size() > digits &&
           what.find_first_not_of("0123456789", digits) == std::string::npos;
}

}  // namespace

bool LoadGameLayout(const std::string& what, TMahJong_Base& engine, ToolHost& host) {
    const bool isId = LooksLikeGameId(what) && !std::filesystem::exists(what);
    if (isId) {
        const bool builtIn =
            what.size() <= 3 && what[0] != '-' && std::stoi(what) < kBuiltInGameCount;
        const bool custom =
            what.size() <= 5 && what[0] != '-' && std::stoi(what) >= kFirstCustomGameId;
        if (!builtIn && !custom) {
            std::cerr << "jadewind-tool: there is no game " << what << ": the built-in games are 0-"
                      << kBuiltInGameCount - 1 << ", custom layouts " << kFirstCustomGameId
                      << " and up; or name a layout file\n";
            return false;
        }
    }
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
            std::cerr << "jadewind-tool: " << what
                      << ": cannot be read (no such file, or it is not a layout file)\n";
            return false;
        }
        read = ReadLayoutText(engine, ReadMode::Preview, *text, -1);
    }
    if (!read || engine.board.CountAnchors() == 0) {
        std::cerr << "jadewind-tool: " << what << ": no layout was read\n";
        return false;
    }
    return true;
}

std::optional<std::string> ToolGameNumber(const std::string& text) {
    const TypedNumber number = ReadTypedGameNumber(text);
    if (number.status == TypedNumberStatus::NotDigits) {
        std::cerr << "jadewind-tool: " << kNumbersOnlyMessage << " A game number has up to "
                  << kGameNumberDigits << " digits.\n";
        return std::nullopt;
    }
    const std::string_view trimmed = Trim(text);
    const std::size_t significant = trimmed.find_first_not_of('0');
    if (significant != std::string_view::npos &&
        trimmed.size() - significant > static_cast<std::size_t>(kGameNumberDigits)) {
        std::cerr << "jadewind-tool: " << text << ": a game number has at most "
                  << kGameNumberDigits << " digits\n";
        return std::nullopt;
    }
    return number.status == TypedNumberStatus::Valid ? number.number : NormalizeGameNumber("");
}

}  // namespace jw::tool
