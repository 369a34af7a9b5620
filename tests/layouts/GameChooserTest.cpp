// The lists of the open-game dialog, the description of a game and what
// the dialog remembers, without a window.
#include "layouts/GameChooser.h"

#include <gtest/gtest.h>

#include "layouts/GameNumberChoice.h"
#include "platform/MemorySettings.h"
#include "platform/Settings.h"
#include "platform/Text.h"

namespace jw {
namespace {

CatalogEntry Game(int wins, int tries, int tiles = 144, int levels = 3, int type = 1) {
    CatalogEntry game;
    game.name = "Test";
    game.type = type;
    game.wins = wins;
    game.tries = tries;
    game.tiles = tiles;
    game.levels = levels;
    return game;
}

std::vector<std::string> Texts(const std::vector<ChooserNode>& nodes) {
    std::vector<std::string> texts;
    for (const ChooserNode& node : nodes) {
        texts.push_back(node.text);
    }
    return texts;
}

class Chooser : public ::testing::Test {
  protected:
    GameCatalog catalog;
    std::vector<CatalogEntry> sorted = SortedCatalog(catalog);
};

TEST_F(Chooser, SortedCatalogIgnoresLetterCaseAndReadsEveryField) {
    ASSERT_EQ(sorted.size(), 106u);
    EXPECT_EQ(sorted.front().name, "American Pyramid");
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        std::string a = sorted[i - 1].name, b = sorted[i].name;
        for (auto* s : {&a, &b}) {
            for (char& c : *s)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        EXPECT_LE(a, b);
    }
    const auto frog = std::find_if(sorted.begin(), sorted.end(),
                                   [](const CatalogEntry& g) { return g.name == "Frog"; });
    ASSERT_NE(frog, sorted.end());
    EXPECT_EQ(frog->id, 43);
    EXPECT_EQ(frog->wins, 1);
    EXPECT_EQ(frog->tries, 200);
    EXPECT_EQ(frog->duration, 0);
    EXPECT_EQ(frog->tiles, 288);
    EXPECT_EQ(frog->levels, 5);
}

TEST_F(Chooser, ChanceGroupsHaveTheirExactBoundaries) {
    const auto groupOf = [](const CatalogEntry& game) {
        std::vector<int> codes;
        for (int code = kCodeVeryLow; code >= kCodeVeryLow - 40; code -= 10) {
            if (GroupHolds(code, game))
                codes.push_back(code);
        }
        return codes;
    };
    const int veryLow = kCodeVeryLow, low = kCodeVeryLow - 10, medium = kCodeVeryLow - 20,
              high = kCodeVeryLow - 30, veryHigh = kCodeVeryLow - 40;
    EXPECT_EQ(groupOf(Game(1, 3)), std::vector<int>{high});
    EXPECT_EQ(groupOf(Game(1, 5)), std::vector<int>{high});
    EXPECT_EQ(groupOf(Game(1, 10)), std::vector<int>{medium});
    EXPECT_EQ(groupOf(Game(1, 50)), std::vector<int>{low});
    EXPECT_EQ(groupOf(Game(1, 100)), std::vector<int>{veryLow});
    EXPECT_EQ(groupOf(Game(2, 3)), std::vector<int>{veryHigh});
    EXPECT_TRUE(groupOf(Game(1, 0)).empty());  // no tries: in no chance group
}

TEST_F(Chooser, SetAndLevelGroupsByTileAndLevelCount) {
    EXPECT_TRUE(GroupHolds(kCodeOneSet, Game(1, 3, 144)));
    EXPECT_TRUE(GroupHolds(kCodeTwoSets, Game(1, 3, 145)));
    EXPECT_TRUE(GroupHolds(kCodeTwoSets, Game(1, 3, 288)));
    EXPECT_TRUE(GroupHolds(kCodeThreeSets, Game(1, 3, 300)));
    EXPECT_TRUE(GroupHolds(kCodeThreeSets, Game(1, 3, 432)));
    EXPECT_TRUE(GroupHolds(kCodeOtherSets, Game(1, 3, 433)));
    EXPECT_FALSE(GroupHolds(kCodeOneSet, Game(1, 3, 300)));
    EXPECT_TRUE(GroupHolds(kCodeOneLevel - 20, Game(1, 3, 144, 3)));
    EXPECT_FALSE(GroupHolds(kCodeOneLevel - 20, Game(1, 3, 144, 2)));
    EXPECT_TRUE(GroupHolds(kCodeMemoryUpType, Game(1, 3, 40, 1, 2)));
    EXPECT_FALSE(GroupHolds(kCodeMahJongType, Game(1, 3, 40, 1, 2)));
    // Headings are not filled from the catalogue.
    EXPECT_FALSE(IsFillableGroup(kCodeLevelsHeading));
    EXPECT_FALSE(IsFillableGroup(kCodePlaceholder));
    EXPECT_TRUE(IsFillableGroup(kCodeOneLevel - 40));
}

TEST_F(Chooser, AllGamesListHasTwoHeadingsAndEveryGame) {
    const auto list = AllGamesList(sorted);
    ASSERT_EQ(list.size(), 108u);
    EXPECT_EQ(list[0].text, "MahJong Games Type");
    EXPECT_EQ(list[0].code, kCodePlaceholder);
    EXPECT_EQ(list[0].image, kImageHeading);
    EXPECT_EQ(list[1].text, "American Pyramid");
    EXPECT_EQ(list[1].image, kImageMahJong);
    EXPECT_EQ(list[97].text, "Memory-Up Games Type");
    EXPECT_EQ(list[98].text, "Cross (2 Levels) 60");
    EXPECT_EQ(list[98].image, kImageMemoryUp);
}

TEST_F(Chooser, GroupTreeFillsItsPlaceholdersOnce) {
    auto tree = GameGroupsTree(sorted);
    const auto path = FindCode(tree, kCodeOneLevel - 20);  // "3 Levels"
    ASSERT_TRUE(path);
    ChooserNode* group = NodeAt(tree, *path);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->text, "3 Levels");
    EXPECT_TRUE(group->Unfilled());
    ASSERT_TRUE(FillGroup(*group, sorted));
    EXPECT_FALSE(FillGroup(*group, sorted));
    for (const ChooserNode& game : group->children) {
        EXPECT_EQ(catalog.LevelsOf(game.code), 3) << game.text;
    }
    EXPECT_EQ(group->children.front().text, "Amphitheater");
    // The parent heading and its parent.
    EXPECT_EQ(NodeAt(tree, NodePath{(*path)[0], (*path)[1]})->text, "Games by Levels");
    EXPECT_EQ(NodeAt(tree, NodePath{(*path)[0]})->text, "Games by Features");
}

TEST_F(Chooser, NewGamesHoldTheirGamesByVersion) {
    const auto tree = GameGroupsTree(sorted);
    const auto path = FindCode(tree, kCodeNewGames);
    ASSERT_TRUE(path);
    const ChooserNode& newGames = *NodeAt(tree, *path);
    EXPECT_EQ(newGames.image, kImageNewGames);
    ASSERT_EQ(newGames.children.size(), 27u);
    EXPECT_EQ(newGames.children[0].text, "Vers. 4.3");
    EXPECT_EQ(
        Texts(newGames.children[0].children),
        (std::vector<std::string>{"Birthday Cake", "Male and Female", "One Way", "Venice Bridge"}));
    EXPECT_EQ(newGames.children[5].text, "Vers. 3.4");
    EXPECT_EQ(Texts(newGames.children[5].children),
              (std::vector<std::string>{"Hexagon", "Telephone"}));
    EXPECT_EQ(newGames.children[3].children.size(), 9u);
    EXPECT_EQ(newGames.children[25].children[0].code, 42);
}

TEST_F(Chooser, FindGroupPrefersTheVersionHoldingTheGame) {
    auto tree = GameGroupsTree(sorted);
    const auto path = FindGroup(tree, kCodeVersion, 85, sorted);
    ASSERT_TRUE(path);
    EXPECT_EQ(NodeAt(tree, *path)->text, "Vers. 3.4");
    const auto levels = FindGroup(tree, kCodeOneLevel - 20, 0, sorted);
    ASSERT_TRUE(levels);
    EXPECT_EQ(NodeAt(tree, *levels)->text, "3 Levels");
}

TEST_F(Chooser, PositionsCountTheWholeTree) {
    auto tree = GameGroupsTree(sorted);
    for (int position = 0; position < 60; ++position) {
        const auto path = PathAtPosition(tree, position);
        ASSERT_TRUE(path) << position;
        EXPECT_EQ(AbsolutePosition(tree, *path), position);
    }
    EXPECT_EQ(AbsolutePosition(tree, {0}), 0);
    EXPECT_EQ(AbsolutePosition(tree, {1}), 2);  // past "MahJong type" and its placeholder
    EXPECT_FALSE(PathAtPosition(tree, 100000));
}

TEST_F(Chooser, CustomFavoriteAndRecentListsHaveTheirPlaceholders) {
    const auto none = CustomLayoutList({});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].text, "(Run Layout Manager)");
    EXPECT_EQ(none[0].code, kCodeRunLayoutManager);
    const std::string line = std::string("My Layout") + std::string(41, ' ') + "10003";
    const auto some =
        CustomLayoutList({line, std::string("Zero") + std::string(46, ' ') + "00000"});
    ASSERT_EQ(some.size(), 1u);
    EXPECT_EQ(some[0].text, "My Layout");
    EXPECT_EQ(some[0].code, 10003);
    EXPECT_EQ(some[0].image, kImageCustomLayout);

    const auto noFavorites = FavoritesList({});
    ASSERT_EQ(noFavorites.size(), 1u);
    EXPECT_EQ(noFavorites[0].code, kCodeAddFavorite);
    const auto favorites =
        FavoritesList({{kStoredFolderCode, "F", -1, {{50, "Rectangle 40", 2, {}}}}});
    EXPECT_EQ(favorites[0].image, kImageFolder);
    EXPECT_EQ(favorites[0].children[0].image, kImageMemoryUp);
    EXPECT_TRUE(RecentList({}).empty());
}

TEST_F(Chooser, DescriptionTexts) {
    const auto standard = DescribeGame(catalog, 0, 0, 0);
    EXPECT_EQ(standard.name, "Standard");
    EXPECT_EQ(standard.tiles, "144 Tiles - 1 Set");
    EXPECT_EQ(standard.levels, "5");
    EXPECT_EQ(standard.time, "Medium");
    EXPECT_EQ(standard.chance, "High (1 in 3  -  33.3%)");
    EXPECT_EQ(DescribeGame(catalog, 43, 0, 0).tiles, "288 Tiles - 2 Sets");
    EXPECT_EQ(DescribeGame(catalog, 32, 0, 0).tiles, "252");
    EXPECT_EQ(DescribeGame(catalog, 32, 0, 0).time, "Long");
    // Without a catalogue line the read layout counts, time and chance stay empty.
    const auto custom = DescribeGame(catalog, 10001, 88, 2);
    EXPECT_EQ(custom.tiles, "88");
    EXPECT_EQ(custom.levels, "2");
    EXPECT_TRUE(custom.time.empty());
    EXPECT_TRUE(custom.chance.empty());
}

TEST(ChooserSettings, ChoiceIsWrittenAndThePlaceReadBack) {
    test::MemorySettings settings;
    const ChooserPlace fresh = ReadChooserPlace(settings);
    EXPECT_EQ(fresh.list, ChooserList::AllGames);
    EXPECT_EQ(fresh.groupCode, -30);
    EXPECT_TRUE(fresh.preview);
    EXPECT_FALSE(fresh.showWonLost);

    ChooserChoice choice;
    choice.id = 12;
    choice.name = "Double X";
    choice.parentCode = kCodeOneLevel - 20;
    choice.position = 17;
    choice.list = ChooserList::GameGroups;
    choice.scoreType = "01";
    choice.preview = false;
    choice.showWonLost = true;
    WriteChooserChoice(settings, choice);
    EXPECT_EQ(Read(settings, setting::kGame), 12);
    EXPECT_EQ(Read(settings, setting::kGameName), "Double X");
    EXPECT_EQ(settings.ReadString("Preference", "Game_TreeNum", ""), "-205030");
    EXPECT_EQ(settings.ReadString("Preference", "Open_Preview_Game", ""), "N");
    EXPECT_EQ(settings.ReadString("Preference", "Open_Show_Won_Lost", ""), "Y");
    const ChooserPlace place = ReadChooserPlace(settings);
    EXPECT_EQ(place.list, ChooserList::GameGroups);
    EXPECT_EQ(place.groupCode, kCodeOneLevel - 20);
    EXPECT_EQ(place.favoritePosition, 17);

    // A stored list index out of range opens the all-games list.
    Write(settings, setting::kGameTreeType, 9);
    EXPECT_EQ(ReadChooserPlace(settings).list, ChooserList::AllGames);
}

TEST(NumberChoiceRules, TypedNumbersAndGridRows) {
    GameCatalog catalog;
    const auto ok = CheckNumberChoice("00012", "Bridges", false, catalog);
    EXPECT_EQ(ok.outcome, NumberChoice::Outcome::Start);
    EXPECT_EQ(ok.number, "0000000000012");
    EXPECT_EQ(ok.id, 2);
    const auto letters = CheckNumberChoice("12a", "Bridges", false, catalog);
    EXPECT_EQ(letters.outcome, NumberChoice::Outcome::Refuse);
    EXPECT_EQ(letters.message, "Numbers only are required.");
    EXPECT_EQ(CheckNumberChoice("0", "Bridges", false, catalog).outcome,
              NumberChoice::Outcome::Ignore);
    EXPECT_EQ(CheckNumberChoice("", "Bridges", false, catalog).outcome,
              NumberChoice::Outcome::Ignore);
    EXPECT_EQ(CheckNumberChoice("5", "No such game", false, catalog).outcome,
              NumberChoice::Outcome::Ignore);
    // Longer numbers keep their last 13 digits.
    EXPECT_EQ(CheckNumberChoice("991234567890123", "Bridges", false, catalog).number,
              "1234567890123");
    const auto emptyRow = CheckNumberChoice("", "Bridges", true, catalog);
    EXPECT_EQ(emptyRow.outcome, NumberChoice::Outcome::Refuse);
    EXPECT_EQ(emptyRow.message, "Select a correct game number.");
    EXPECT_EQ(CheckNumberChoice("12", "", true, catalog).message, "Select a correct game number.");
}

}  // namespace
}  // namespace jw
