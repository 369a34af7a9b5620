// The recent games, the typed game numbers and the favourites as the
// settings keep them.
#include "records/GameLists.h"

#include <gtest/gtest.h>

#include "platform/MemorySettings.h"
#include "platform/ScriptedHost.h"
#include "platform/Settings.h"

namespace jw {
namespace {

using test::MemorySettings;

std::vector<std::string> Slots(const MemorySettings& settings, const NumberedList& list) {
    std::vector<std::string> slots;
    for (int slot = 1; slot <= 20; ++slot) {
        slots.push_back(ReadEntry(settings, list, slot, "<missing>"));
    }
    return slots;
}

TEST(RecentGames, NewGameGoesFirstAndTheTwentyFirstDropsOut) {
    MemorySettings settings;
    for (int id = 0; id < 21; ++id) {
        AddRecentGame(settings, id);
    }
    const auto slots = Slots(settings, setting::kRecentGames);
    EXPECT_EQ(slots.front(), "00020");
    EXPECT_EQ(slots.back(), "00001");
    EXPECT_EQ(std::count(slots.begin(), slots.end(), "00000"), 0);
    // The keys are "Game001" .. "Game020".
    EXPECT_TRUE(settings.Has("Last Played Games", "Game001"));
    EXPECT_TRUE(settings.Has("Last Played Games", "Game020"));
}

TEST(RecentGames, ReplayedGameKeepsItsPlace) {
    MemorySettings settings;
    AddRecentGame(settings, 5);
    AddRecentGame(settings, 7);
    AddRecentGame(settings, 5);
    const auto slots = Slots(settings, setting::kRecentGames);
    EXPECT_EQ(slots[0], "00007");
    EXPECT_EQ(slots[1], "00005");
    EXPECT_EQ(slots[2], "");
}

TEST(RecentGames, RemoveShiftsUpAndWritesOnlyOnChange) {
    MemorySettings settings;
    AddRecentGame(settings, 1);
    AddRecentGame(settings, 2);
    AddRecentGame(settings, 3);
    RemoveRecentGame(settings, 2);
    auto slots = Slots(settings, setting::kRecentGames);
    EXPECT_EQ(slots[0], "00003");
    EXPECT_EQ(slots[1], "00001");
    EXPECT_EQ(slots[2], "");

    MemorySettings untouched;
    RemoveRecentGame(untouched, 9);
    EXPECT_TRUE(untouched.values.empty());
}

TEST(RecentGames, LoadSortsByNameAndSkipsJunkUntilTheFirstEmptySlot) {
    MemorySettings settings;
    GameCatalog catalog;
    WriteEntry(settings, setting::kRecentGames, 1, "00105");  // Venice Bridge
    WriteEntry(settings, setting::kRecentGames, 2, "abcde");  // junk: skipped
    WriteEntry(settings, setting::kRecentGames, 3, "00106");  // no such game
    WriteEntry(settings, setting::kRecentGames, 4, "00000");  // Standard
    WriteEntry(settings, setting::kRecentGames, 5, "00050");  // Rectangle 40
    WriteEntry(settings, setting::kRecentGames, 6, "");
    WriteEntry(settings, setting::kRecentGames, 7, "00001");  // after the gap: not read
    const auto items = LoadRecentGames(settings, catalog);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, "Rectangle 40");
    EXPECT_EQ(items[0].type, 2);
    EXPECT_EQ(items[1].name, "Standard");
    EXPECT_EQ(items[1].id, 0);
    EXPECT_EQ(items[2].name, "Venice Bridge");
}

TEST(GameNumberHistory, TypedNumberMovesToTheFront) {
    MemorySettings settings;
    AddGameNumber(settings, "0000000000001");
    AddGameNumber(settings, "0000000000002");
    AddGameNumber(settings, "0000000000001");
    EXPECT_EQ(LoadGameNumbers(settings),
              (std::vector<std::string>{"0000000000001", "0000000000002"}));
    for (int n = 10; n < 40; ++n) {
        AddGameNumber(settings, "00000000000" + std::to_string(n));
    }
    const auto numbers = LoadGameNumbers(settings);
    ASSERT_EQ(numbers.size(), 20u);
    EXPECT_EQ(numbers.front(), "0000000000039");
    EXPECT_EQ(numbers.back(), "0000000000020");
}

class Favorites : public ::testing::Test {
  protected:
    void Store(std::vector<std::string> values) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            WriteEntry(settings, setting::kFavorites, static_cast<int>(i), values[i]);
        }
    }
    std::vector<std::string> Stored() const {
        std::vector<std::string> values;
        for (int i = 0;; ++i) {
            const std::string value = ReadEntry(settings, setting::kFavorites, i, "<missing>");
            if (value == "<missing>") {
                return values;
            }
            values.push_back(value);
        }
    }
    MemorySettings settings;
    GameCatalog catalog;
};

TEST_F(Favorites, TreeReadsFoldersAndCurrentGameNames) {
    Store({"01-0011My folder", "0200000old name", "0200105Venice", "0100008Diamond"});
    const auto tree = LoadFavoritesTree(settings, catalog);
    ASSERT_EQ(tree.size(), 2u);
    EXPECT_TRUE(tree[0].IsFolder());
    EXPECT_EQ(tree[0].text, "My folder");
    ASSERT_EQ(tree[0].children.size(), 2u);
    EXPECT_EQ(tree[0].children[0].text, "Standard");  // the current name wins
    EXPECT_EQ(tree[0].children[1].text, "Venice Bridge");
    EXPECT_EQ(tree[1].code, 8);
    EXPECT_EQ(tree[1].type, 1);
}

TEST_F(Favorites, DamagedEntryIsSkippedAndTheRestSurvivesASave) {
    Store({"0100000Standard", "xx00001Broken", "01abcdeBroken too", "0100105Venice Bridge"});
    const auto tree = LoadFavoritesTree(settings, catalog);
    ASSERT_EQ(tree.size(), 2u);
    EXPECT_EQ(tree[1].text, "Venice Bridge");
    SaveFavoritesTree(settings, tree);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"0100000Standard", "0100105Venice Bridge"}));
}

TEST_F(Favorites, SaveWritesTreeOrderAndErasesTheOldEntries) {
    Store({"0100001a", "0100002b", "0100003c", "0100004d"});
    std::vector<FavoriteNode> tree;
    FavoriteNode folder{kNewFolderCode, "Folder", -1, {{0, "Standard", 1, {}}}};
    tree.push_back(folder);
    tree.push_back({105, "Venice Bridge", 1, {}});
    SaveFavoritesTree(settings, tree);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"01-0010Folder", "0200000Standard",
                                                  "0100105Venice Bridge"}));
    // Read back, the folder carries the stored folder code.
    EXPECT_EQ(LoadFavoritesTree(settings, catalog)[0].code, kStoredFolderCode);
}

TEST_F(Favorites, RandomFavoriteDrawsOnlyGames) {
    test::ScriptedHost host;
    EXPECT_EQ(PickRandomFavorite(settings, host), -1);
    Store({"01-0011Folder"});
    EXPECT_EQ(PickRandomFavorite(settings, host), -1);
    Store({"01-0011Folder", "0200007Empire", "0200009Labyrinth"});
    host.randomValues = {1, 0};
    EXPECT_EQ(PickRandomFavorite(settings, host), 9);
    EXPECT_EQ(PickRandomFavorite(settings, host), 7);
}

TEST_F(Favorites, ForgetGameRemovesEveryEntryRenumbersAndLeavesRecent) {
    Store({"0110000Mine", "01-0011Folder", "0210000Mine", "0200003Twins"});
    AddRecentGame(settings, 3);
    AddRecentGame(settings, 10000);
    ForgetGame(settings, 10000);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"01-0011Folder", "0200003Twins"}));
    EXPECT_EQ(Slots(settings, setting::kRecentGames)[0], "00003");
    EXPECT_EQ(Slots(settings, setting::kRecentGames)[1], "");
}

}  // namespace
}  // namespace jw
