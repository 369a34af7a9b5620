// jadewind-tool layout compile|show|check: the built-in layout pipeline for
// layout designers and the build.
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>

#include "Commands.h"
#include "ToolHost.h"
#include "engine/CustomLayouts.h"
#include "engine/FixedText.h"
#include "engine/Jong_class.h"
#include "engine/LayoutCompleteness.h"
#include "engine/LayoutFile.h"
#include "engine/LayoutReader.h"
#include "layouts/ForeignLayout.h"
#include "layouts/LayoutSource.h"
#include "platform/SaveFile.h"
#include "platform/TextFile.h"
#include "presentation/ResourceLibrary.h"
#include "records/C_App_Config.h"

namespace jw::tool {
namespace {

constexpr std::uintmax_t kMaxSourceBytes = 4u * 1024 * 1024;

bool IsLayoutFileText(const std::string& text) {
    return text.starts_with("01\r\n") || text.starts_with("01\n") || text == "01";
}

// Reads a layout file as the game would: a saved, held or bookmarked game
// with its state, a layout as a preview.
bool ReadFileText(TMahJong_Base& engine, const std::string& text) {
    const std::vector<std::string> lines = SplitLines(text);
    const std::string header = lines.size() > 1 ? UnscrambleLine(lines[1]) : std::string();
    const bool game = header.starts_with("2") || header.starts_with("3") || header.starts_with("5");
    return ReadLayoutText(engine, game ? ReadMode::OpenSaved : ReadMode::Preview, text, -1);
}

bool IsGameId(const std::string& text) {
    return !text.empty() && text.size() <= 5 &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

// Compiles one source file; prints its errors.
bool CompileFile(const std::string& path, const GameCatalog& catalog, CompiledLayout& out) {
    const auto text = ReadFileBytes(path, kMaxSourceBytes);
    if (!text) {
        std::cerr << path << ": cannot be read\n";
        return false;
    }
    std::vector<std::string> errors;
    if (!CompileLayoutSource(*text, path, catalog, out, errors)) {
        for (const std::string& error : errors) {
            std::cerr << error << "\n";
        }
        return false;
    }
    return true;
}

int Compile(const Args& args) {
    std::vector<std::string> sources;
    std::string outDir;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            outDir = args[++i];
        } else {
            sources.push_back(args[i]);
        }
    }
    if (sources.empty() || outDir.empty()) {
        return UsageError("layout compile SOURCE.txt... -o OUTDIR");
    }
    const GameCatalog catalog;
    std::map<GameId, std::pair<std::string, std::string>> files;  // id -> source, file text
    bool ok = true;
    for (const std::string& source : sources) {
        auto layout = std::make_unique<CompiledLayout>();
        if (!CompileFile(source, catalog, *layout)) {
            ok = false;
            continue;
        }
        if (const auto found = files.find(layout->id); found != files.end()) {
            std::cerr << source << ":1:1: game " << layout->id << " is also defined in "
                      << found->second.first << "\n";
            ok = false;
            continue;
        }
        files[layout->id] = {source, LayoutFileText(CompiledLayoutContent(*layout))};
    }
    if (!ok) {
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    for (const auto& [id, file] : files) {
        const std::string path = outDir + "/" + BuiltInLayoutName(id) + ".dat";
        if (!WriteFileAtomically(path, file.second)) {
            std::cerr << path << ": cannot be written\n";
            return 1;
        }
    }
    return 0;
}

// Reads a game id from MahJong.rgf beside the tool, a layout file or a
// source into the engine. Returns false (having said why) when nothing
// could be read.
bool Load(const std::string& what, TMahJong_Base& engine, std::unique_ptr<ResourceLibrary>& library,
          ToolHost& host) {
    if (IsGameId(what)) {
        const std::string path = ExecutableFolder() + "/MahJong.rgf";
        std::string error;
        library = ResourceLibrary::Open(path, &error);
        if (!library) {
            std::cerr << ResourceLibrary::CantLoadMessage(path) << " (" << error << ")\n";
            return false;
        }
        engine.resources = library.get();
        const std::size_t before = host.messages.size();
        ReadLayout(engine, ReadMode::Preview, "", static_cast<GameId>(std::stoi(what)));
        return engine.board.tileCount > 0 || host.messages.size() == before;
    }
    const auto text = ReadFileBytes(what, kMaxLayoutFileBytes);
    if (!text) {
        std::cerr << what << ": cannot be read\n";
        return false;
    }
    if (IsLayoutFileText(*text)) {
        ReadFileText(engine, *text);
        return true;
    }
    auto layout = std::make_unique<CompiledLayout>();
    if (!CompileFile(what, engine.catalog, *layout)) {
        return false;
    }
    ReadLayoutText(engine, ReadMode::Preview, LayoutFileText(CompiledLayoutContent(*layout)),
                   layout->id);
    return true;
}

int Show(const Args& args) {
    if (args.size() != 1) {
        return UsageError("layout show GAMEID|FILE");
    }
    ToolHost host;
    auto engine = std::make_unique<TMahJong_Base>(host);
    std::unique_ptr<ResourceLibrary> library;
    if (!Load(args[0], *engine, library, host)) {
        return 1;
    }
    const Board& board = engine->board;
    const LayoutRules& r = engine->rules;
    const CellExtent extent = CellExtentOf(board);
    std::cout << "Game " << engine->gameId << ": " << engine->gameName << "\n";
    std::cout << "Rules: TilesToMatch " << r.tilesToMatch << ", Repetition " << r.repetition
              << ", RemoveRule " << r.removeRule << ", SetCount " << r.setCount << ", Faceless "
              << r.faceless << ", FaceDown " << r.faceDown << "\n";
    std::cout << "Tiles: " << board.tileCount << " on " << board.levels << " levels (";
    for (int level = 1; level <= board.levels; ++level) {
        std::cout << (level > 1 ? ", " : "") << board.CountAnchors(level);
    }
    std::cout << ")\n";
    std::cout << "Extent: " << extent.columns << " x " << extent.rows << " cells\n";
    for (int level = 1; level <= board.levels; ++level) {
        std::cout << "\nLevel " << level << ": " << board.CountAnchors(level) << " tiles\n";
        for (const std::string& line : LevelPicture(board, level, extent.columns, extent.rows)) {
            std::cout << (line.empty() ? "." : line) << "\n";
        }
    }
    return 0;
}

int Check(const Args& args) {
    if (args.size() != 1) {
        return UsageError("layout check FILE");
    }
    const std::string& path = args[0];
    const auto text = ReadFileBytes(path, kMaxLayoutFileBytes);
    if (!text) {
        std::cerr << path << ": cannot be read\n";
        return 1;
    }
    if (!IsLayoutFileText(*text)) {
        auto layout = std::make_unique<CompiledLayout>();
        if (!CompileFile(path, GameCatalog{}, *layout)) {
            return 1;
        }
        std::cout << path << ": ok, game " << layout->id << ", " << layout->tiles << " tiles on "
                  << layout->levels << " levels\n";
        return 0;
    }
    ToolHost host;
    auto engine = std::make_unique<TMahJong_Base>(host);
    const bool read = ReadFileText(*engine, *text);
    if (read && host.messages.empty()) {
        CheckLayoutComplete(*engine);
    }
    if (!read || !host.messages.empty()) {
        std::cerr << path << ": not a sound layout file\n";
        return 1;
    }
    std::cout << path << ": ok, game " << engine->gameId << ", " << engine->board.tileCount
              << " tiles on " << engine->board.levels << " levels\n";
    return 0;
}

// Converts layouts of other programs' format: into one layout file with
// "--out FILE.mjl", else into the player's own layouts of the data folder
// (a layout of the same name is replaced). One line per file; the exit
// status is 1 when a file was refused.
int Import(const Args& args) {
    std::string out, data;
    Args files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--out" || args[i] == "--data") && i + 1 < args.size()) {
            (args[i] == "--out" ? out : data) = args[i + 1];
            ++i;
        } else if (args[i].starts_with("--")) {
            return UsageError("layout import FILE... [--data DIR] | FILE --out FILE.mjl");
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.empty() || (!out.empty() && (files.size() != 1 || !data.empty())))
        return UsageError("layout import FILE... [--data DIR] | FILE --out FILE.mjl");
    if (out.empty() && data.empty()) {
        ToolHost host;
        data = TApplication_Config(host, ExecutableFolder()).ResolveDataFolder();
    }
    if (!data.empty() && data.back() != '/')
        data += '/';
    int refused = 0;
    for (const std::string& file : files) {
        const std::string name = std::filesystem::path(file).stem().string();
        const auto text = ReadFileBytes(file, kMaxLayoutFileBytes);
        const ForeignLayoutResult result =
            text ? ConvertForeignLayout(*text)
                 : ForeignLayoutResult{{}, "The file cannot be read.", 0, 0};
        if (!result.refusal.empty()) {
            std::cout << file << ": not imported: " << result.refusal << '\n';
            ++refused;
            continue;
        }
        std::string target = out;
        if (target.empty()) {
            if (!IsValidLayoutName(name)) {
                std::cout << file << ": not imported: " << InvalidLayoutNameMessage(name) << '\n';
                ++refused;
                continue;
            }
            const CustomLayouts layouts(data);
            const GameId id = layouts.RegisterLayout(name);
            target = id >= 0 ? layouts.LayoutFileName(id) : std::string();
        }
        if (target.empty() || !WriteFileAtomically(target, result.fileText)) {
            std::cout << file << ": not imported: the layout could not be written\n";
            ++refused;
            continue;
        }
        std::cout << file << ": " << result.tiles << " tiles on " << result.levels << " levels -> "
                  << target << '\n';
    }
    return refused > 0 ? 1 : 0;
}

int RunLayout(const Args& args) {
    if (args.empty()) {
        return UsageError("layout compile|show|check ...");
    }
    const Args rest(args.begin() + 1, args.end());
    if (args[0] == "compile") {
        return Compile(rest);
    }
    if (args[0] == "show") {
        return Show(rest);
    }
    if (args[0] == "check") {
        return Check(rest);
    }
    if (args[0] == "import") {
        return Import(rest);
    }
    return UsageError("unknown layout command '" + args[0] + "'");
}

const Registrar kLayout{{"layout",
                         "compile SRC... -o DIR | show GAMEID|FILE | check FILE | import FILE... "
                         "[--data DIR] | import FILE --out FILE.mjl",
                         "compile, show, check or import layouts", RunLayout}};

}  // namespace
}  // namespace jw::tool
