// jadewind-tool render: a dealt board drawn as the game draws it, written as
// a PNG picture.
//
//   render GAMEID|FILE NUMBER --size LETTER --width W --height H [--set N]
//          [--select L,C,R ...] [--remove K] [--editor] --out FILE.png
//
// The board area is W x H pixels ("--size auto": the largest size at which
// the layout fits, as the game picks it with automatic tile size); the tile
// set comes from MahJong.rgf beside the tool (the family's default set
// unless --set is given). --remove takes away K groups of free matching
// tiles before --select picks tiles;
// "--select match" picks the first group of free tiles that match.
#include <iostream>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

#include "Commands.h"
#include "RenderBackground.h"
#include "ToolGames.h"
#include "engine/Deal.h"
#include "engine/GameNumber.h"
#include "engine/Jong_class_interface.h"
#include "platform/SettingsDefaults.h"
#include "presentation/BoardRenderer.h"
#include "presentation/PngWrite.h"

namespace jw::tool {
namespace {

struct RenderOptions {
    std::string game;
    std::string number;
    char size = 0;
    int width = 0;
    int height = 0;
    int set = 0;
    std::vector<BoardPos> selected;
    bool selectMatch = false;
    int remove = 0;
    bool editor = false;
    std::string out;
    std::optional<BackgroundChoice> background;
};

// The largest picture side the command draws.
constexpr int kMaxSide = 16384;

std::optional<int> Number(const std::string& text) {
    try {
        std::size_t used = 0;
        const int value = std::stoi(text, &used);
        return used == text.size() ? std::optional<int>(value) : std::nullopt;
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<BoardPos> Position(const std::string& text) {
    BoardPos pos;
    char comma1 = 0;
    char comma2 = 0;
    std::istringstream in(text);
    if (in >> pos.level >> comma1 >> pos.column >> comma2 >> pos.row && comma1 == ',' &&
        comma2 == ',' && in.peek() == EOF) {
        return pos;
    }
    return std::nullopt;
}

// Reads the options; an error text when they are wrong.
std::string Parse(const Args& args, RenderOptions& options) {
    std::vector<std::string> plain;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--editor") {
            options.editor = true;
        } else if (arg.rfind("--", 0) == 0 && !hasValue) {
            return arg + " needs a value";
        } else if (arg == "--size") {
            const std::string& value = args[++i];
            options.size = value == "auto"     ? 'A'
                           : value.size() == 1 ? NormalizeSizeLetter(value[0])
                                               : 0;
            if (options.size == 0) {
                return "--size takes one of the letters X T S C B P M N, or auto";
            }
        } else if (arg == "--width" || arg == "--height" || arg == "--set" || arg == "--remove") {
            const bool sideLength = arg == "--width" || arg == "--height";
            const int least = arg == "--remove" ? 0 : 1;
            const int most = sideLength ? kMaxSide : std::numeric_limits<int>::max();
            const std::optional<int> value = Number(args[++i]);
            if (!value || *value < least || *value > most) {
                return arg + (sideLength   ? " takes a number of pixels from 1 to 16384"
                              : least == 0 ? " takes a whole number, 0 or more"
                                           : " takes a whole number, 1 or more");
            }
            (arg == "--width"    ? options.width
             : arg == "--height" ? options.height
             : arg == "--set"    ? options.set
                                 : options.remove) = *value;
        } else if (arg == "--select" && args[i + 1] == "match") {
            options.selectMatch = true;
            ++i;
        } else if (arg == "--select") {
            const std::optional<BoardPos> pos = Position(args[++i]);
            if (!pos) {
                return "--select takes LEVEL,COLUMN,ROW or match";
            }
            options.selected.push_back(*pos);
        } else if (arg == "--background") {
            options.background = ParseBackgroundOption(args[++i]);
            if (!options.background) {
                return "--background takes a background code, a picture name or a file";
            }
        } else if (arg == "--out") {
            options.out = args[++i];
        } else if (arg.rfind("--", 0) == 0) {
            return "unknown option " + arg;
        } else {
            plain.push_back(arg);
        }
    }
    if (plain.size() != 2) {
        return "render takes a game id or layout file and a game number";
    }
    options.game = plain[0];
    options.number = plain[1];
    if (options.size == 0 || options.width == 0 || options.height == 0 || options.out.empty()) {
        return "render needs --size, --width, --height and --out";
    }
    return {};
}

// The first group of free tiles that match, in scan order of their match
// group; empty when there is none.
std::vector<BoardPos> FindMatch(TMahJong_interface& engine) {
    std::map<MatchGroup, std::vector<BoardPos>> free;
    for (int level = 1; level <= kTileLevels; ++level) {
        for (int row = 1; row < kBoardRows; ++row) {
            for (int column = 1; column < kBoardColumns; ++column) {
                const CellCode code = engine.board.At(level, column, row);
                if (IsAnchor(code) && engine.IsTileFree(level, column, row, false)) {
                    free[engine.MatchGroupOfTile(code)].push_back({level, column, row});
                }
            }
        }
    }
    const auto group = static_cast<std::size_t>(engine.rules.tilesToMatch);
    for (auto& [match, tiles] : free) {
        if (tiles.size() >= group) {
            tiles.resize(group);
            return tiles;
        }
    }
    return {};
}

// Takes away `count` groups of free tiles that match; returns how many.
int RemoveMatches(TMahJong_interface& engine, int count) {
    int removed = 0;
    for (; removed < count; ++removed) {
        const std::vector<BoardPos> tiles = FindMatch(engine);
        if (tiles.empty()) {
            break;
        }
        for (const BoardPos& pos : tiles) {
            engine.RemoveTileAt(pos.level, pos.column, pos.row, false);
        }
    }
    return removed;
}

int RunRender(const Args& args) {
    RenderOptions options;
    if (const std::string error = Parse(args, options); !error.empty()) {
        return UsageError(error);
    }
    const std::optional<std::string> number = ToolGameNumber(options.number);
    if (!number) {
        return 2;
    }
    const std::string& digits = *number;

    ToolHost host;
    auto engine = std::make_unique<TMahJong_interface>(host);
    if (!LoadGameLayout(options.game, *engine, host)) {
        return 1;
    }
    if (engine->resources == nullptr) {
        engine->resources = ToolLibrary();
    }
    const DealResult deal = DealNewGame(engine->board, engine->rules, digits);
    for (const std::string& report : deal.reports) {
        std::cerr << "deal error: " << report << "\n";
    }
    engine->mode = EngineMode::Playing;
    if (RemoveMatches(*engine, options.remove) < options.remove) {
        std::cerr << "note: fewer than " << options.remove << " matches could be removed\n";
    }
    if (options.selectMatch) {
        const std::vector<BoardPos> match = FindMatch(*engine);
        if (match.empty()) {
            std::cerr << "note: no free tiles match\n";
        }
        options.selected.insert(options.selected.end(), match.begin(), match.end());
    }
    for (const BoardPos& pos : options.selected) {
        const CellCode code = engine->board.At(pos.level, pos.column, pos.row);
        if (!IsAnchor(code)) {
            std::cerr << "jadewind-tool: no tile anchored at " << pos.level << "," << pos.column
                      << "," << pos.row << "\n";
            return 1;
        }
        engine->selection.Add(pos, code);
    }
    if (options.editor) {
        engine->mode = EngineMode::Editing;
    }

    BoardRenderer renderer(*engine);
    if (options.background) {
        UseBackground(renderer, *options.background, ToolLibrary(), host);
    }
    renderer.SetArea({options.width, options.height, 0, 0, false});
    const int set = options.set > 0 ? options.set : DefaultTileSetFor(engine->scoreType);
    const bool automatic = options.size == 'A';
    // A set that cannot be loaded is an error here, not a reason to fall
    // back to the default set as the game does.
    const std::size_t reported = host.messages.size();
    if (!renderer.LoadTileSet(set, automatic ? 'X' : options.size) ||
        host.messages.size() != reported) {
        std::cerr << "jadewind-tool: tile set " << set
                  << " cannot be loaded: there is no such set, or its pictures are missing or "
                     "damaged\n";
        return 1;
    }
    // "auto": the largest size at which the layout fits, as the game picks it.
    if (automatic && !renderer.FitLayout(true, true, true)) {
        std::cerr << "note: the layout does not fit even at size N\n";
    }
    renderer.PlaceLayout();
    renderer.FullRedraw();
    std::string error;
    if (!WritePng(renderer.BoardImage(), options.out, error)) {
        std::cerr << "jadewind-tool: " << error << "\n";
        return 1;
    }
    return 0;
}

const Registrar kRender{
    {"render",
     "GAMEID|FILE NUMBER --size L --width W --height H --out FILE.png [--set N] [--select "
     "L,C,R]...",
     "draw a dealt board to a PNG; L is a size letter X T S C B P M N or auto (also --remove K, "
     "--select match, --editor, --background B)",
     RunRender}};

}  // namespace
}  // namespace jw::tool
