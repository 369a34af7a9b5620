// Every built-in layout in the sources, dealt with many numbers: taking the
// batches off in the order they were picked clears the board with legal
// moves. Numbers whose last batches hold single tiles are listed.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "DealChecks.h"
#include "LayoutTestSupport.h"
#include "engine/LayoutReader.h"
#include "layouts/LayoutSource.h"
#include "platform/TextFile.h"

namespace jw {
namespace {

struct BuiltInLayout {
    std::string file;
    std::string text;  // the compiled layout file
};

std::vector<BuiltInLayout> BuiltInLayouts() {
    std::vector<BuiltInLayout> layouts;
    const GameCatalog catalog;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(JW_SOURCE_DIR) + "/assets/layouts")) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("g") || !name.ends_with(".txt")) {
            continue;
        }
        const auto source = ReadFileBytes(entry.path().string(), 1u << 22);
        CompiledLayout layout;
        std::vector<std::string> errors;
        if (source && CompileLayoutSource(*source, name, catalog, layout, errors)) {
            layouts.push_back({name, LayoutFileText(CompiledLayoutContent(layout))});
        } else {
            ADD_FAILURE() << name << " does not compile";
        }
    }
    std::sort(layouts.begin(), layouts.end(),
              [](const BuiltInLayout& a, const BuiltInLayout& b) { return a.file < b.file; });
    return layouts;
}

TEST(BuiltInDeals, BatchesClearEveryLayoutForFiftyNumbers) {
    const std::vector<BuiltInLayout> layouts = BuiltInLayouts();
    ASSERT_FALSE(layouts.empty());
    std::vector<std::string> unclearable;
    int dealt = 0;
    for (const BuiltInLayout& layout : layouts) {
        test::ScriptedHost host;
        auto engine = std::make_unique<TMahJong_Base>(host);
        ASSERT_TRUE(ReadLayoutText(*engine, ReadMode::Preview, layout.text, -1)) << layout.file;
        const Board start = engine->board;
        const bool byLevel = DealsLevelByLevel(start, engine->rules);
        int unclearableHere = 0;
        for (const std::string& number : test::RandomNumbers(50, 1000 + dealt)) {
            Board board = start;
            const DealResult deal = DealNewGame(board, engine->rules, number);
            ASSERT_TRUE(deal.reports.empty()) << layout.file << " " << deal.reports.front();
            ASSERT_EQ(static_cast<int>(deal.tiles.size()), start.tileCount) << layout.file;
            if (byLevel) {
                // Face-down levels dealt one by one hold whole pairs.
                for (int level = 1; level <= kTileLevels; ++level) {
                    std::map<MatchGroup, int> groups;
                    for (const test::LiveTile& tile : test::LiveTiles(board)) {
                        if (tile.pos.level == level) {
                            ++groups[MatchGroupOf(tile.id, engine->CurrentFaceRules())];
                        }
                    }
                    for (const auto& [group, count] : groups) {
                        EXPECT_EQ(count % engine->rules.tilesToMatch, 0) << layout.file;
                    }
                }
            } else if (test::ClearByBatches(board, deal, engine->rules) > 0) {
                unclearable.push_back(layout.file + " " + number);
                ++unclearableHere;
            }
            ++dealt;
        }
        // A layout where deals often end in a lone stacked pair needs a better shape.
        EXPECT_LE(unclearableHere, 1) << layout.file << " ends in batches of one too often";
    }
    for (const std::string& entry : unclearable) {
        std::cout << "[ note     ] batches of one: " << entry << "\n";
    }
    std::cout << "[ note     ] " << layouts.size() << " layouts, " << dealt << " deals, "
              << unclearable.size() << " ending in batches of one\n";
    EXPECT_LE(unclearable.size() * 50, static_cast<std::size_t>(dealt));  // rare, not common
}

// The number that leaves a matching pair stacked at the end of "Standard".
TEST(BuiltInDeals, TheKnownStandardNumberEndsInBatchesOfOne) {
    const std::vector<BuiltInLayout> layouts = BuiltInLayouts();
    const auto standard = std::find_if(layouts.begin(), layouts.end(), [](const BuiltInLayout& l) {
        return l.file == "g00000.txt";
    });
    ASSERT_NE(standard, layouts.end());
    test::ScriptedHost host;
    auto engine = std::make_unique<TMahJong_Base>(host);
    ASSERT_TRUE(ReadLayoutText(*engine, ReadMode::Preview, standard->text, -1));
    const DealResult deal = DealNewGame(engine->board, engine->rules, "5496294016368");
    EXPECT_TRUE(deal.reports.empty());
    std::map<int, int> sizes;
    for (const DealtTile& tile : deal.tiles) {
        ++sizes[tile.batch];
    }
    EXPECT_EQ(sizes.rbegin()->second, 1);
    EXPECT_EQ(std::next(sizes.rbegin())->second, 1);
}

}  // namespace
}  // namespace jw
