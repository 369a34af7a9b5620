#include "engine/GameCatalog.h"

#include <gtest/gtest.h>

#include "engine/FixedText.h"

namespace jw {
namespace {

class FakeCustomLayouts : public CustomLayoutIndex {
public:
    std::string LayoutNameById(GameId id) const override {
        return id == 10003 ? "My Tower" : "";
    }
    GameId LayoutIdByName(std::string_view name) const override {
        std::string lower(name);
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (lower == "my tower") {
            return 10003;
        }
        return lower == "standard" ? 10007 : -1;
    }
};

TEST(GameCatalog, RecordsAreFixedColumnLinesInIdOrder) {
    const GameCatalog catalog;
    const auto& records = catalog.Records();
    ASSERT_EQ(records.size(), 106u);
    EXPECT_EQ(records[0], std::string("Standard") + std::string(42, ' ') + "00000001001003011440" "5");
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].size(), 71u);
        EXPECT_EQ(ParseInteger(Columns(records[i], 51, 5)), static_cast<int>(i));
    }
}

TEST(GameCatalog, LooksUpNamesAndIds) {
    GameCatalog catalog;
    EXPECT_EQ(catalog.NameOf(0), "Standard");
    EXPECT_EQ(catalog.NameOf(105), "Venice Bridge");
    EXPECT_EQ(catalog.NameOf(52), "Rectangle (2 Levels) 48");
    EXPECT_EQ(catalog.NameOf(106), "");
    EXPECT_EQ(catalog.TypeOf(106), -1);
    EXPECT_EQ(catalog.NameOf(-1), "");
    EXPECT_EQ(catalog.IdOf("Standard"), 0);
    EXPECT_EQ(catalog.IdOf("Bow and Arrow"), 76);
    EXPECT_EQ(catalog.IdOf("standard"), -1);
    EXPECT_EQ(catalog.IdOf(""), -1);
}

TEST(GameCatalog, FallsBackOnTheCustomLayouts) {
    GameCatalog catalog;
    const FakeCustomLayouts custom;
    EXPECT_EQ(catalog.NameOf(10003), "");
    catalog.SetCustomLayouts(&custom);
    EXPECT_EQ(catalog.NameOf(10003), "My Tower");
    EXPECT_EQ(catalog.NameOf(10004), "");
    EXPECT_EQ(catalog.IdOf("MY TOWER"), 10003);
    // A name that differs only in case from a built-in game is not the built-in game.
    EXPECT_EQ(catalog.IdOf("STANDARD"), 10007);
    EXPECT_EQ(catalog.IdOf("Standard"), 0);
    // Custom layouts are not in the catalog's own fields.
    EXPECT_EQ(catalog.TypeOf(10003), -1);
}

TEST(GameCatalog, TypeDurationChanceTilesAndLevels) {
    const GameCatalog catalog;
    EXPECT_EQ(catalog.TypeOf(0), 1);
    for (GameId id : {50, 51, 52, 57, 88, 89, 90, 91, 92, 93}) {
        EXPECT_EQ(catalog.TypeOf(id), 2) << id;
    }
    EXPECT_EQ(catalog.DurationOf(46), 2);
    EXPECT_EQ(catalog.DurationOf(32), 0);
    EXPECT_FALSE(catalog.DurationOf(500).has_value());
    const auto frog = catalog.ChanceOf(43);
    ASSERT_TRUE(frog.has_value());
    EXPECT_EQ(frog->wins, 1);
    EXPECT_EQ(frog->tries, 200);
    EXPECT_EQ(frog->chanceClass, 4);
    EXPECT_FALSE(catalog.ChanceOf(106).has_value());
    EXPECT_EQ(catalog.TilesOf(102), 284);
    EXPECT_EQ(catalog.LevelsOf(0), 5);
}

TEST(GameCatalog, ChanceClassesAndTheirBoundaries) {
    EXPECT_EQ(ChanceClass(1, 3), 1);     // Standard
    EXPECT_EQ(ChanceClass(9, 10), 0);    // Leaf
    EXPECT_EQ(ChanceClass(1, 200), 4);   // Frog
    EXPECT_EQ(ChanceClass(1, 15), 3);    // Net
    EXPECT_EQ(ChanceClass(1, 5), 1);     // exactly 0.2 is the better class
    EXPECT_EQ(ChanceClass(1, 10), 2);    // exactly 0.1
    EXPECT_EQ(ChanceClass(1, 50), 3);    // exactly 0.02
    EXPECT_EQ(ChanceClass(2, 5), 0);
    EXPECT_EQ(ChanceClass(1, 0), -1);
    EXPECT_EQ(ChanceCaption(ChanceClass(1, 3)), "High");
    EXPECT_EQ(ChanceCaption(ChanceClass(9, 10)), "Very high");
    EXPECT_EQ(ChanceCaption(ChanceClass(1, 200)), "Very low");
    EXPECT_EQ(ChanceCaption(ChanceClass(1, 15)), "Low");
    EXPECT_EQ(ChanceCaption(ChanceClass(1, 5)), "High");
    EXPECT_EQ(ChanceCaption(-1), "");
}

TEST(GameCatalog, ChanceTextAndCaptions) {
    EXPECT_EQ(ChanceText(1, 3), "High (1 in 3  -  33.3%)");
    EXPECT_EQ(ChanceText(1, 2), "Very high (1 in 2  -  50%)");
    EXPECT_EQ(ChanceText(2, 3), "Very high (2 in 3  -  66.7%)");
    EXPECT_EQ(ChanceText(1, 200), "Very low (1 in 200  -  0.5%)");
    EXPECT_EQ(ChanceText(0, 0), "");
    EXPECT_EQ(DurationCaption(0), "Long");
    EXPECT_EQ(DurationCaption(2), "Quick");
    EXPECT_EQ(TypeCaption(2), "Memory-Up Games Type");
    EXPECT_EQ(TileCountClass(144), 0);
    EXPECT_EQ(TileCountClass(145), 1);
    EXPECT_EQ(TileCountClass(432), 2);
    EXPECT_EQ(TileCountClass(433), 3);
}

TEST(GameCatalog, LongNamesAreCutToFiftyCharacters) {
    const std::string record = MakeCatalogRecord(std::string(60, 'x'), 7, 1, 1, 3, 1, 144, 5);
    EXPECT_EQ(record.size(), 71u);
    EXPECT_EQ(record.substr(0, 50), std::string(50, 'x'));
    EXPECT_EQ(record.substr(50, 5), "00007");
}

}  // namespace
}  // namespace jw
