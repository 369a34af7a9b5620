// Checks shared by the tests of the deal: the live tiles of a board and the
// replay of a deal's batches as moves.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/Deal.h"
#include "engine/GameNumber.h"

namespace jw::test {

struct LiveTile {
    BoardPos pos;
    TileId id;
    friend bool operator==(const LiveTile&, const LiveTile&) = default;
};

// The live tiles of levels 1..5 in scan order.
inline std::vector<LiveTile> LiveTiles(const Board& board) {
    std::vector<LiveTile> tiles;
    for (int level = 1; level <= kTileLevels; ++level) {
        for (int column = 1; column <= kBoardColumns; ++column) {
            for (int row = 1; row <= kBoardRows; ++row) {
                const int cell = board.At(level, column, row);
                if (IsAnchor(cell)) {
                    tiles.push_back({{level, column, row}, cell - kAnchorBase});
                }
            }
        }
    }
    return tiles;
}

inline std::vector<std::string> RandomNumbers(int count, unsigned seed) {
    std::mt19937_64 random(seed);
    std::vector<std::string> numbers;
    for (int k = 0; k < count; ++k) {
        numbers.push_back(NormalizeGameNumber(std::to_string(random() % 10000000000000ULL)));
    }
    return numbers;
}

// Takes the dealt batches off the board in the order they were
// picked. Every tile must be free when its batch comes; a batch of
// `tilesToMatch` tiles must be a match. Returns the number of batches that
// held fewer tiles; fails the test on an illegal move or a tile left over.
inline int ClearByBatches(Board& board, const DealResult& deal, const LayoutRules& rules) {
    const FaceRules faces{rules.faceDown != 0, rules.faceless != 0};
    std::map<int, std::vector<DealtTile>> batches;
    for (const DealtTile& tile : deal.tiles) {
        batches[tile.batch].push_back(tile);
    }
    int shortBatches = 0;
    for (const auto& [number, batch] : batches) {
        for (const DealtTile& tile : batch) {
            EXPECT_TRUE(board.IsTileFree(tile.pos.level, tile.pos.column, tile.pos.row, false,
                                         rules.removeRule))
                << "batch " << number;
            EXPECT_EQ(board.At(tile.pos.level, tile.pos.column, tile.pos.row), AnchorCode(tile.id));
        }
        if (static_cast<int>(batch.size()) < rules.tilesToMatch) {
            ++shortBatches;
        } else {
            for (const DealtTile& tile : batch) {
                EXPECT_EQ(MatchGroupOf(tile.id, faces), MatchGroupOf(batch.front().id, faces))
                    << "batch " << number;
            }
        }
        for (const DealtTile& tile : batch) {
            board.RemoveTile(tile.pos.level, tile.pos.column, tile.pos.row, false, rules.removeRule,
                             Removal::MarkRemoved);
        }
    }
    EXPECT_EQ(board.CountAnchors(), 0);
    return shortBatches;
}

}  // namespace jw::test
