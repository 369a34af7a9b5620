#include "engine/Deal.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "engine/GameNumber.h"
#include "engine/Permutation.h"

namespace jw {

namespace {

// A candidate of a batch. Its sort key orders candidates as the fixed-width
// text "level (2) key (4) column (3) row (3)" would sort.
struct Candidate {
    std::uint64_t sortKey = 0;
    BoardPos pos;
};

std::uint64_t SortKey(const BoardPos& pos, int key) {
    return ((static_cast<std::uint64_t>(pos.level) * 10000 + static_cast<std::uint64_t>(key)) *
                1000 +
            static_cast<std::uint64_t>(pos.column)) *
               1000 +
           static_cast<std::uint64_t>(pos.row);
}

// Picks the next batch of tiles out of `anchors` (the anchors of the dealt
// levels, in scan order). With `singleLevel` every remaining anchor is a
// candidate; otherwise only the free ones.
std::vector<BoardPos> PickBatch(const Board& board, const std::vector<BoardPos>& anchors,
                                const DealRules& rules, std::string_view number, int singleLevel,
                                std::vector<Candidate>& candidates) {
    candidates.clear();
    int m = 0;
    for (const BoardPos& pos : anchors) {
        if (!IsAnchor(board.At(pos.level, pos.column, pos.row))) {
            continue;  // already lifted off
        }
        if (singleLevel == 0 &&
            !board.IsTileFree(pos.level, pos.column, pos.row, false, rules.removeRule)) {
            continue;
        }
        const int key = KeyPair(number, m + 1) + KeyPair(number, m + 5) + KeyPair(number, m + 8);
        candidates.push_back({SortKey(pos, key), pos});
        ++m;
    }
    const int count = static_cast<int>(candidates.size());
    // A layout file may carry any number here; below 1 it deals one tile a batch.
    const int ttm = std::max(1, rules.tilesToMatch);
    if (count >= 2) {
        for (int i = 1; i <= count; ++i) {
            const int f = KeyPair(number, i) + singleLevel;
            const auto index = static_cast<std::ptrdiff_t>(f % (count - 1));
            std::rotate(candidates.begin(), candidates.begin() + index,
                        candidates.begin() + index + 1);
        }
    }
    const auto byKey = [](const Candidate& a, const Candidate& b) { return a.sortKey < b.sortKey; };
    if (count >= 2 && count < 2 * ttm) {
        std::sort(candidates.begin(), candidates.end(), byKey);
        if (count > ttm) {
            candidates.erase(candidates.begin(), candidates.begin() + (count - ttm));
        }
    } else if (count % (ttm + 1) == 0) {
        std::sort(candidates.begin(), candidates.end(), byKey);
        if (count > ttm) {
            // Keeps the first ttm - 1 records and the last one.
            candidates.erase(candidates.begin() + (ttm - 1), candidates.begin() + (count - 1));
        }
    }
    if (static_cast<int>(candidates.size()) > ttm) {
        candidates.resize(static_cast<std::size_t>(ttm));
    }
    std::vector<BoardPos> batch;
    batch.reserve(candidates.size());
    for (const Candidate& c : candidates) {
        batch.push_back(c.pos);
    }
    return batch;
}

int CountTiles(const Board& board, int fromLevel, int toLevel) {
    int total = 0;
    for (int level = std::max(fromLevel, 1); level <= std::min(toLevel, kTileLevels); ++level) {
        total += board.CountAnchors(level);
    }
    return total;
}

}  // namespace

void PairOrder(std::vector<int>& ids, FaceRules faces) {
    for (std::size_t i = 0; i < ids.size(); i += 2) {
        const MatchGroup group = MatchGroupOf(ids[i], faces);
        for (std::size_t j = i + 1; j < ids.size(); ++j) {
            if (MatchGroupOf(ids[j], faces) == group) {
                const int partner = ids[j];
                ids.erase(ids.begin() + static_cast<std::ptrdiff_t>(j));
                ids.insert(ids.begin() + static_cast<std::ptrdiff_t>(i + 1), partner);
                break;
            }
        }
    }
}

std::optional<std::vector<int>> LevelSlice(const std::vector<int>& ids, const Board& board,
                                           int level) {
    const auto below = static_cast<std::size_t>(CountTiles(board, 1, level - 1));
    const auto above = static_cast<std::size_t>(CountTiles(board, level + 1, kTileLevels));
    const auto own = static_cast<std::size_t>(CountTiles(board, level, level));
    std::vector<int> slice;
    if (below + above < ids.size()) {
        slice.assign(ids.begin() + static_cast<std::ptrdiff_t>(below),
                     ids.end() - static_cast<std::ptrdiff_t>(above));
    }
    if (slice.size() != own) {
        return std::nullopt;
    }
    return slice;
}

int KeyPair(std::string_view gameNumber, int p) {
    // The key string is the number repeated end to end, so position p is
    // digit (p - 1) mod length of the number.
    const auto length = static_cast<int>(gameNumber.size());
    if (length == 0 || p < 1) {
        return 0;
    }
    const auto digit = [&](int q) {
        const char c = gameNumber[static_cast<std::size_t>((q - 1) % length)];
        return c >= '0' && c <= '9' ? c - '0' : 0;
    };
    return digit(p) * 10 + digit(p + 1);
}

DealResult PlayableDeal(Board& board, const DealRules& rules, std::string_view gameNumber,
                        int firstLevel, int lastLevel, std::optional<std::vector<int>> ids) {
    DealResult result;
    const std::string number = NormalizeGameNumber(gameNumber);
    const int savedTilesLeft = board.tilesLeft;
    const int singleLevel = firstLevel == lastLevel ? firstLevel : 0;

    std::vector<BoardPos> anchors;
    for (const BoardPos& pos : board.OccupiedCells()) {
        if (pos.level >= firstLevel && pos.level <= lastLevel &&
            IsAnchor(board.At(pos.level, pos.column, pos.row))) {
            anchors.push_back(pos);
        }
    }
    if (anchors.size() > static_cast<std::size_t>(kMaxTiles)) {
        result.reports.emplace_back("Error STW-01");
    }

    std::vector<int> list;
    if (ids) {
        list = std::move(*ids);
    } else {
        list = Permutation(board.tileCount, number);
        if (list.size() != static_cast<std::size_t>(std::max(board.tileCount, 0))) {
            result.reports.push_back(PermutationError(list.size(), board.tileCount));
        }
    }
    if (rules.tilesToMatch == 2) {
        PairOrder(list, rules.faces);
    }
    if (singleLevel != 0) {
        const auto slice = LevelSlice(list, board, singleLevel);
        if (slice) {
            list = *slice;
        } else {
            result.reports.emplace_back("Error TWDT01");
            const auto below = static_cast<std::size_t>(CountTiles(board, 1, singleLevel - 1));
            const auto above =
                static_cast<std::size_t>(CountTiles(board, singleLevel + 1, kTileLevels));
            if (below + above < list.size()) {
                list = std::vector<int>(list.begin() + static_cast<std::ptrdiff_t>(below),
                                        list.end() - static_cast<std::ptrdiff_t>(above));
            } else {
                list.clear();
            }
        }
    }

    std::vector<Candidate> candidates;
    std::vector<BoardPos> batch;
    std::size_t batchNext = 0;
    std::size_t nextId = 0;
    int batchNumber = -1;
    for (;;) {
        if (batchNext >= batch.size()) {
            batch = PickBatch(board, anchors, rules, number, singleLevel, candidates);
            batchNext = 0;
            ++batchNumber;
            if (batch.empty()) {
                break;
            }
        }
        const BoardPos pos = batch[batchNext++];
        if (nextId >= list.size()) {
            break;
        }
        const int id = list[nextId++];
        if (board.RemoveTile(pos.level, pos.column, pos.row, singleLevel == 0, rules.removeRule,
                             Removal::MarkRemoved)) {
            result.tiles.push_back({pos, id, batchNumber});
        } else {
            result.reports.emplace_back("Error STW-02");
        }
    }

    for (const DealtTile& tile : result.tiles) {
        board.PlaceTile(tile.pos.level, tile.pos.column, tile.pos.row, tile.id);
    }
    board.tilesLeft = savedTilesLeft;
    if (singleLevel == 0 && static_cast<int>(result.tiles.size()) != board.tilesLeft) {
        result.reports.emplace_back("Error STW-03");
    }
    return result;
}

bool DealsLevelByLevel(const Board& board, const LayoutRules& rules) {
    if (rules.faceDown == 0 || rules.tilesToMatch < 1) {
        return false;
    }
    for (int level = 1; level <= kTileLevels; ++level) {
        if (board.CountAnchors(level) % rules.tilesToMatch != 0) {
            return false;
        }
    }
    return true;
}

DealResult DealNewGame(Board& board, const LayoutRules& rules, std::string_view gameNumber) {
    const DealRules dealRules = DealRules::Of(rules);
    if (!DealsLevelByLevel(board, rules)) {
        return PlayableDeal(board, dealRules, gameNumber, 1, kTileLevels);
    }
    int levels = 0;
    for (int level = 1; level <= kTileLevels; ++level) {
        if (board.CountAnchors(level) > 0) {
            levels = level;
        }
    }
    DealResult all;
    int batchOffset = 0;
    for (int level = 1; level <= levels; ++level) {
        DealResult one = PlayableDeal(board, dealRules, gameNumber, level, level);
        int batches = 0;
        for (DealtTile& tile : one.tiles) {
            batches = std::max(batches, tile.batch + 1);
            tile.batch += batchOffset;
            all.tiles.push_back(tile);
        }
        batchOffset += batches;
        all.reports.insert(all.reports.end(), one.reports.begin(), one.reports.end());
    }
    return all;
}

std::vector<std::string> PreviewDeal(Board& board, std::string_view gameNumber) {
    std::vector<std::string> reports;
    const std::vector<int> ids = Permutation(board.tileCount, NormalizeGameNumber(gameNumber));

    // Collect the tiles first and rewrite them afterwards: a cell rewritten
    // while scanning could carry the id of a tile still to come.
    struct Cell {
        BoardPos pos;
        bool anchor = false;
    };
    struct Tile {
        CellCode code = 0;
        std::vector<Cell> cells;
    };
    std::vector<Tile> tiles;
    std::map<CellCode, std::size_t> tileOfCode;
    for (const BoardPos& pos : board.OccupiedCells()) {
        if (pos.level > kTileLevels) {
            continue;
        }
        const std::int32_t value = board.At(pos.level, pos.column, pos.row);
        if (value <= kAnchorBase) {
            continue;
        }
        const bool anchor = value < kQuarterBase;
        const CellCode code = anchor ? value : value - kAnchorBase;
        auto [it, added] = tileOfCode.try_emplace(code, tiles.size());
        if (added) {
            tiles.push_back({code, {}});
        }
        tiles[it->second].cells.push_back({pos, anchor});
    }

    const std::size_t dealt = std::min(tiles.size(), ids.size());
    for (std::size_t k = 0; k < dealt; ++k) {
        for (const Cell& cell : tiles[k].cells) {
            board.Set(cell.pos.level, cell.pos.column, cell.pos.row,
                      cell.anchor ? AnchorCode(ids[k]) : QuarterCode(ids[k]));
        }
    }
    if (tiles.size() > ids.size()) {
        reports.emplace_back("E:ST01 - Error Tiles Count");
        return reports;
    }
    if (tiles.size() != ids.size()) {
        reports.emplace_back("E:ST02 - Error Tiles Count");
    }
    for (const Tile& tile : tiles) {
        if (tile.cells.size() != 4) {
            reports.push_back("E:ST03 - Error Tiles Count: " + std::to_string(tile.code) +
                              " n.: " + std::to_string(tile.cells.size()));
            break;
        }
    }
    return reports;
}

}  // namespace jw
