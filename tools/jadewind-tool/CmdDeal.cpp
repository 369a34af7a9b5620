// jadewind-tool deal GAMEID|FILE NUMBER: the board a game number deals.
//
// Prints the dealt board as the body line of a layout file, then one line
// per tile, "level column row tileid face", in scan order. Deal errors and
// batches that hold fewer tiles than a match go to standard error.
#include <iostream>
#include <map>

#include "Commands.h"
#include "ToolGames.h"
#include "engine/Deal.h"
#include "engine/GameNumber.h"
#include "engine/LayoutFile.h"

namespace jw::tool {
namespace {

int RunDeal(const Args& args) {
    if (args.size() != 2) {
        return UsageError("deal takes a game id or layout file and a game number");
    }
    const std::optional<std::string> number = ToolGameNumber(args[1]);
    if (!number) {
        return 2;
    }
    const std::string& digits = *number;
    ToolHost host;
    auto engine = std::make_unique<TMahJong_Base>(host);
    if (!LoadGameLayout(args[0], *engine, host)) {
        return 1;
    }
    const DealResult deal = DealNewGame(engine->board, engine->rules, digits);
    for (const std::string& report : deal.reports) {
        std::cerr << "deal error: " << report << "\n";
    }
    int shortBatches = 0;
    std::map<int, int> batchSizes;
    for (const DealtTile& tile : deal.tiles) {
        ++batchSizes[tile.batch];
    }
    for (const auto& [batch, size] : batchSizes) {
        shortBatches += size < engine->rules.tilesToMatch ? 1 : 0;
    }
    if (shortBatches > 0 && !DealsLevelByLevel(engine->board, engine->rules)) {
        std::cerr << "note: " << shortBatches << " batches hold fewer than "
                  << engine->rules.tilesToMatch << " tiles; the deal cannot be played out\n";
    }

    const Board& board = engine->board;
    std::cout << FormatBody(board) << "\n";
    for (const BoardPos& pos : board.OccupiedCells()) {
        const CellCode code = board.At(pos.level, pos.column, pos.row);
        if (pos.level <= kTileLevels && IsAnchor(code)) {
            const TileId id = code - kAnchorBase;
            std::cout << pos.level << " " << pos.column << " " << pos.row << " " << id << " "
                      << engine->FaceOfTile(id) << "\n";
        }
    }
    return deal.reports.empty() ? 0 : 1;
}

const Registrar kDeal{{"deal", "GAMEID|FILE NUMBER",
                       "the board game number NUMBER deals (body line, then the tiles)", RunDeal}};

}  // namespace
}  // namespace jw::tool
