// The favourites windows' changes to the tree.
#include "records/FavoritesEdit.h"

#include <gtest/gtest.h>

#include "platform/ScriptedHost.h"

namespace jw {
namespace {

FavoriteNode Game(GameId id, const std::string& name) {
    FavoriteNode node;
    node.code = id;
    node.text = name;
    return node;
}

FavoriteNode Folder(const std::string& name, std::vector<FavoriteNode> children = {}) {
    FavoriteNode node;
    node.code = kStoredFolderCode;
    node.text = name;
    node.children = std::move(children);
    return node;
}

std::vector<std::string> Names(const std::vector<FavoriteNode>& nodes) {
    std::vector<std::string> names;
    for (const FavoriteNode& node : nodes) {
        names.push_back(node.text);
    }
    return names;
}

TEST(FavoritesEdit, GamesGoInNameOrderBehindTheFolders) {
    std::vector<FavoriteNode> tree = {Folder("Zeta", {Game(1, "Bravo"), Game(2, "delta")}),
                                      Game(3, "Alpha"), Game(4, "Echo")};
    const FavoritePlace top = InsertGame(tree, -1, Game(5, "charlie"));
    EXPECT_EQ(Names(tree), (std::vector<std::string>{"Zeta", "Alpha", "charlie", "Echo"}));
    EXPECT_EQ(top.folder, 2);
    EXPECT_EQ(top.child, -1);
    // "Aaa" sorts before the folder's name but stays behind the folder.
    InsertGame(tree, -1, Game(6, "Aaa"));
    EXPECT_EQ(tree[1].text, "Aaa");

    const FavoritePlace inside = InsertGame(tree, 0, Game(7, "Charlie"));
    EXPECT_EQ(Names(tree[0].children), (std::vector<std::string>{"Bravo", "Charlie", "delta"}));
    EXPECT_EQ(inside.folder, 0);
    EXPECT_EQ(inside.child, 1);
    InsertGame(tree, 0, Game(8, "Zulu"));
    EXPECT_EQ(tree[0].children.back().text, "Zulu");
}

TEST(FavoritesEdit, TargetFollowsTheSelection) {
    const std::vector<FavoriteNode> tree = {Folder("F", {Game(1, "In")}), Game(2, "Top")};
    EXPECT_EQ(TargetFolder(tree, {0, -1}), 0);
    EXPECT_EQ(TargetFolder(tree, {0, 0}), 0);
    EXPECT_EQ(TargetFolder(tree, {1, -1}), -1);
    EXPECT_EQ(TargetFolder(tree, {}), -1);
    EXPECT_EQ(TargetFolder(tree, {9, 0}), -1);
}

TEST(FavoritesEdit, NewFolderGoesBeforeTheFirstTopLevelGame) {
    std::vector<FavoriteNode> tree = {Folder("B"), Game(1, "A game")};
    EXPECT_EQ(InsertFolder(tree, "New folder"), 1);
    EXPECT_EQ(Names(tree), (std::vector<std::string>{"B", "New folder", "A game"}));
    EXPECT_TRUE(tree[1].IsFolder());
    std::vector<FavoriteNode> empty;
    EXPECT_EQ(InsertFolder(empty, "X"), 0);
}

TEST(FavoritesEdit, PlaceholderIsShownOnlyForNoFavouritesAndNeverKept) {
    test::ScriptedHost host;
    EXPECT_EQ(WithPlaceholder({Game(1, "A")}).size(), 1u);
    std::vector<FavoriteNode> tree = WithPlaceholder({});
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree[0].text, kPlaceholderFolder);
    EXPECT_TRUE(tree[0].IsFolder());

    // Chosen as the target, the placeholder means the top level.
    ASSERT_TRUE(AddFavorite(tree, {0, -1}, Game(7, "Seven"), host));
    EXPECT_EQ(Names(tree), std::vector<std::string>{"Seven"});

    // A real folder made beside it keeps its games when the placeholder goes.
    std::vector<FavoriteNode> withFolder = WithPlaceholder({});
    const int folder = InsertFolder(withFolder, "Mine");
    ASSERT_TRUE(AddFavorite(withFolder, {folder, -1}, Game(8, "Eight"), host));
    ASSERT_EQ(withFolder.size(), 1u);
    EXPECT_EQ(withFolder[0].text, "Mine");
    EXPECT_EQ(Names(withFolder[0].children), std::vector<std::string>{"Eight"});
    EXPECT_TRUE(host.messages.empty());
}

TEST(FavoritesEdit, ADuplicateIsAddedOnlyWhenThePlayerSaysYes) {
    test::ScriptedHost host;
    std::vector<FavoriteNode> tree = {Folder("F", {Game(1, "Dragon")}), Game(1, "Dragon")};
    host.answers = {MessageAnswer::No};
    EXPECT_FALSE(AddFavorite(tree, {}, Game(1, "Dragon"), host));
    EXPECT_EQ(tree.size(), 2u);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Dragon" + std::string(kAlreadyFavorite));
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);

    host.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(AddFavorite(tree, {0, 0}, Game(1, "Dragon"), host));
    EXPECT_EQ(tree[0].children.size(), 2u);
    // Another folder without that game is not asked about.
    tree.insert(tree.begin(), Folder("E"));
    EXPECT_TRUE(AddFavorite(tree, {0, -1}, Game(1, "Dragon"), host));
    EXPECT_EQ(host.messages.size(), 2u);
}

}  // namespace
}  // namespace jw

namespace jw {
namespace {

std::vector<FavoriteNode> Sample() {
    return {Folder("F", {Game(1, "f1"), Game(2, "f2")}), Folder("G", {Game(3, "g1")}),
            Game(4, "t1"), Game(5, "t2")};
}

TEST(FavoritesDrag, DroppedNodesLandWhereThePlayerLetGo) {
    // A game onto a game: before it, in another folder.
    auto tree = Sample();
    FavoritePlace at = MoveNode(tree, {0, 0}, {1, 0});
    EXPECT_EQ(Names(tree[0].children), std::vector<std::string>{"f2"});
    EXPECT_EQ(Names(tree[1].children), (std::vector<std::string>{"f1", "g1"}));
    EXPECT_EQ(at.folder, 1);
    EXPECT_EQ(at.child, 0);

    // A top-level game onto a folder: to its end.
    tree = Sample();
    at = MoveNode(tree, {3, -1}, {0, -1});
    EXPECT_EQ(Names(tree[0].children), (std::vector<std::string>{"f1", "f2", "t2"}));
    EXPECT_EQ(Names(tree), (std::vector<std::string>{"F", "G", "t1"}));
    EXPECT_EQ(at.child, 2);

    // A game of a folder onto empty space: the end of the top level.
    tree = Sample();
    MoveNode(tree, {1, 0}, {});
    EXPECT_TRUE(tree[1].children.empty());
    EXPECT_EQ(tree.back().text, "g1");

    // A game downwards within its folder: before the game it was dropped on.
    tree = {Folder("F", {Game(1, "a"), Game(2, "b"), Game(3, "c")})};
    MoveNode(tree, {0, 0}, {0, 2});
    EXPECT_EQ(Names(tree[0].children), (std::vector<std::string>{"b", "a", "c"}));
}

TEST(FavoritesDrag, FoldersTakeTheirGamesAndStayOnTop) {
    auto tree = Sample();
    // Onto a top-level game: before it, contents along.
    FavoritePlace at = MoveNode(tree, {0, -1}, {3, -1});
    EXPECT_EQ(Names(tree), (std::vector<std::string>{"G", "t1", "F", "t2"}));
    EXPECT_EQ(Names(tree[2].children), (std::vector<std::string>{"f1", "f2"}));
    EXPECT_EQ(at.folder, 2);

    // Onto another folder or a game inside one: before that folder.
    tree = Sample();
    MoveNode(tree, {1, -1}, {0, 1});
    EXPECT_EQ(Names(tree), (std::vector<std::string>{"G", "F", "t1", "t2"}));
    EXPECT_EQ(tree[1].children.size(), 2u);

    // Onto itself or its own games, or from nowhere: nothing moves.
    tree = Sample();
    EXPECT_EQ(MoveNode(tree, {0, -1}, {0, 1}).folder, -1);
    EXPECT_EQ(MoveNode(tree, {0, -1}, {0, -1}).folder, -1);
    EXPECT_EQ(MoveNode(tree, {7, -1}, {}).folder, -1);
    EXPECT_EQ(Names(tree), Names(Sample()));
}

TEST(FavoritesDrag, RemoveTakesAFolderWithItsGames) {
    auto tree = Sample();
    EXPECT_TRUE(RemoveNode(tree, {0, 1}));
    EXPECT_EQ(Names(tree[0].children), std::vector<std::string>{"f1"});
    EXPECT_TRUE(RemoveNode(tree, {0, -1}));
    EXPECT_EQ(Names(tree), (std::vector<std::string>{"G", "t1", "t2"}));
    EXPECT_FALSE(RemoveNode(tree, {5, -1}));
    EXPECT_FALSE(RemoveNode(tree, {0, 3}));
}

}  // namespace
}  // namespace jw
