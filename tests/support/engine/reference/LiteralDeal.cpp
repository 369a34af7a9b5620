#include "engine/reference/LiteralDeal.h"

#include <algorithm>

#include "engine/FixedText.h"
#include "engine/GameNumber.h"
#include "engine/Permutation.h"

namespace jw::literal {

namespace {

// K(p): the two-character number at position p of the key string.
int K(std::string& key, const std::string& number, int p) {
    while (key.size() < static_cast<std::size_t>(p + 1)) {
        key += number;
    }
    return static_cast<int>(*ParseInteger(key.substr(static_cast<std::size_t>(p - 1), 2)));
}

std::vector<std::string> PickBatch(const Board& board, const DealRules& rules,
                                   const std::string& number, std::string& key, int firstLevel,
                                   int lastLevel) {
    const bool single = firstLevel == lastLevel;
    std::vector<std::string> records;
    for (int level = firstLevel; level <= lastLevel; ++level) {
        for (int column = 1; column <= kBoardColumns; ++column) {
            for (int row = 1; row <= kBoardRows; ++row) {
                const int cell = board.At(level, column, row);
                if (!(cell > 1000 && cell < 2000)) {
                    continue;
                }
                if (!single && !board.IsTileFree(level, column, row, false, rules.removeRule)) {
                    continue;
                }
                const int m = static_cast<int>(records.size());
                const int k = K(key, number, m + 1) + K(key, number, m + 5) + K(key, number, m + 8);
                records.push_back(FormatFixed(level, 2) + FormatFixed(k, 4) +
                                  FormatFixed(column, 3) + FormatFixed(row, 3));
            }
        }
    }
    const int count = static_cast<int>(records.size());
    const int ttm = std::max(1, rules.tilesToMatch);
    if (count >= 2) {
        for (int i = 1; i <= count; ++i) {
            int f = K(key, number, i);
            if (single) {
                f += firstLevel;
            }
            const int index = f % (count - 1);
            const std::string moved = records[static_cast<std::size_t>(index)];
            records.erase(records.begin() + index);
            records.insert(records.begin(), moved);
        }
    }
    if (count >= 2 && count < 2 * ttm) {
        std::sort(records.begin(), records.end());
        while (static_cast<int>(records.size()) > ttm) {
            records.erase(records.begin());
        }
    } else if (count % (ttm + 1) == 0) {
        std::sort(records.begin(), records.end());
        while (static_cast<int>(records.size()) > ttm) {
            records.erase(records.begin() + (ttm - 1));
        }
    }
    while (static_cast<int>(records.size()) > ttm) {
        records.pop_back();
    }
    return records;
}

int TilesOnLevels(const Board& board, int from, int to) {
    int total = 0;
    for (int level = from; level <= to; ++level) {
        for (int column = 1; column <= kBoardColumns; ++column) {
            for (int row = 1; row <= kBoardRows; ++row) {
                const int cell = board.At(level, column, row);
                if (cell > 0 && cell < 2000) {
                    ++total;
                }
            }
        }
    }
    return total;
}

}  // namespace

DealResult PlayableDeal(Board& board, const DealRules& rules, std::string_view gameNumber,
                        int firstLevel, int lastLevel, std::optional<std::vector<int>> ids) {
    DealResult result;
    const std::string number = NormalizeGameNumber(gameNumber);
    const int saved = board.tilesLeft;
    const bool single = firstLevel == lastLevel;

    int anchors = 0;
    for (int level = firstLevel; level <= lastLevel; ++level) {
        for (int column = 1; column <= kBoardColumns; ++column) {
            for (int row = 1; row <= kBoardRows; ++row) {
                const int cell = board.At(level, column, row);
                if (cell > 1000 && cell < 2000) {
                    ++anchors;
                }
            }
        }
    }
    if (anchors > kMaxTiles) {
        result.reports.emplace_back("Error STW-01");
    }

    std::vector<int> list;
    if (ids) {
        list = *ids;
    } else {
        list = Permutation(board.tileCount, number);
        if (static_cast<int>(list.size()) != std::max(board.tileCount, 0)) {
            result.reports.push_back(PermutationError(list.size(), board.tileCount));
        }
    }
    if (rules.tilesToMatch == 2) {
        for (std::size_t i = 0; i < list.size(); i += 2) {
            for (std::size_t j = i + 1; j < list.size(); ++j) {
                if (MatchGroupOf(list[j], rules.faces) == MatchGroupOf(list[i], rules.faces)) {
                    const int partner = list[j];
                    list.erase(list.begin() + static_cast<std::ptrdiff_t>(j));
                    list.insert(list.begin() + static_cast<std::ptrdiff_t>(i + 1), partner);
                    break;
                }
            }
        }
    }
    if (single) {
        const int below = TilesOnLevels(board, 1, firstLevel - 1);
        const int above = TilesOnLevels(board, firstLevel + 1, kTileLevels);
        const int own = TilesOnLevels(board, firstLevel, firstLevel);
        for (int k = 0; k < below && !list.empty(); ++k) {
            list.erase(list.begin());
        }
        for (int k = 0; k < above && !list.empty(); ++k) {
            list.pop_back();
        }
        if (static_cast<int>(list.size()) != own) {
            result.reports.emplace_back("Error TWDT01");
        }
    }

    std::string key = number;
    while (key.size() < static_cast<std::size_t>(std::max(board.tileCount, 0) *
                                                 std::max(rules.tilesToMatch, 1) * 2)) {
        key += number;
    }
    std::vector<std::string> batch;
    int batchNumber = -1;
    for (;;) {
        if (batch.empty()) {
            batch = PickBatch(board, rules, number, key, firstLevel, lastLevel);
            ++batchNumber;
            if (batch.empty()) {
                break;
            }
        }
        const std::string record = batch.front();
        batch.erase(batch.begin());
        if (list.empty()) {
            break;
        }
        const int level = static_cast<int>(*ParseInteger(record.substr(0, 2)));
        const int column = static_cast<int>(*ParseInteger(record.substr(6, 3)));
        const int row = static_cast<int>(*ParseInteger(record.substr(9, 3)));
        const int id = list.front();
        if (board.RemoveTile(level, column, row, !single, rules.removeRule, Removal::MarkRemoved)) {
            result.tiles.push_back({{level, column, row}, id, batchNumber});
        } else {
            result.reports.emplace_back("Error STW-02");
        }
        list.erase(list.begin());
    }
    for (const DealtTile& tile : result.tiles) {
        board.PlaceTile(tile.pos.level, tile.pos.column, tile.pos.row, tile.id);
    }
    board.tilesLeft = saved;
    if (!single && static_cast<int>(result.tiles.size()) != board.tilesLeft) {
        result.reports.emplace_back("Error STW-03");
    }
    return result;
}

FinderResult FindPairs(const Board& board, int removeRule, FaceRules faces) {
    FinderResult result;
    std::vector<std::string> counted;
    const int width = board.scanWidth >= 1 && board.scanWidth <= 200 ? board.scanWidth : 200;
    const int height = board.scanHeight >= 1 && board.scanHeight <= 200 ? board.scanHeight : 200;
    for (int la = 1; la <= kTileLevels; ++la) {
        for (int ca = 1; ca <= width; ++ca) {
            for (int ra = 1; ra <= height; ++ra) {
                const int a = board.At(la, ca, ra);
                if (!(a > 1000 && a < 2000)) {
                    continue;
                }
                ++result.tilesLeft;
                if (!board.IsTileFree(la, ca, ra, false, removeRule)) {
                    continue;
                }
                for (int lb = 1; lb <= kTileLevels; ++lb) {
                    for (int cb = 1; cb <= width; ++cb) {
                        for (int rb = 1; rb <= height; ++rb) {
                            const int b = board.At(lb, cb, rb);
                            if (!(b > 1000 && b < 2000) || (la == lb && ca == cb && ra == rb)) {
                                continue;
                            }
                            if (MatchGroupOf(a, faces) != MatchGroupOf(b, faces) ||
                                !board.IsTileFree(lb, cb, rb, false, removeRule)) {
                                continue;
                            }
                            const std::string codeA = FormatFixed(a, 4);
                            const std::string codeB = FormatFixed(b, 4);
                            if (std::find(counted.begin(), counted.end(), codeA) == counted.end() &&
                                std::find(counted.begin(), counted.end(), codeB) == counted.end()) {
                                ++result.available;
                                counted.push_back(codeA);
                                counted.push_back(codeB);
                            }
                            if (result.candidates.find("a" + codeA + "b" + codeB) ==
                                    std::string::npos &&
                                result.candidates.find("a" + codeB + "b" + codeA) ==
                                    std::string::npos) {
                                result.candidates += "a" + codeA + "b" + codeB;
                                ++result.possible;
                            }
                        }
                    }
                }
            }
        }
    }
    return result;
}

}  // namespace jw::literal
