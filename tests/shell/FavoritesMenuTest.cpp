#include "shell/FavoritesMenu.h"

#include <gtest/gtest.h>

#include "platform/MemorySettings.h"

namespace jw {
namespace {

TEST(FavoritesMenu, ReadsFoldersGamesAndReturnsToTheTop) {
    test::MemorySettings settings;
    settings.WriteString("Favorite Games", "Game0000", "00-0001Easy ones");
    settings.WriteString("Favorite Games", "Game0001", "0000081Leaf                ");
    settings.WriteString("Favorite Games", "Game0002", "0100000Standard");
    settings.WriteString("Favorite Games", "Game0003", "00abcdeBroken");
    settings.WriteString("Favorite Games", "Game0004", "0010003My Tower");
    const auto items = ReadFavoriteMenu(settings);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_TRUE(items[0].folder);
    EXPECT_EQ(items[0].caption, "Easy ones");
    EXPECT_FALSE(items[1].folder);
    EXPECT_EQ(items[1].gameId, 81);
    EXPECT_EQ(items[1].caption, "Leaf");
    EXPECT_FALSE(items[1].toRoot);
    EXPECT_TRUE(items[2].toRoot);
    EXPECT_EQ(items[2].gameId, 0);
    EXPECT_EQ(items[3].gameId, 10003);
}

TEST(FavoritesMenu, StopsAtTheFirstMissingKey) {
    test::MemorySettings settings;
    settings.WriteString("Favorite Games", "Game0000", "0000001Three Blocks");
    settings.WriteString("Favorite Games", "Game0002", "0000002Bridges");
    const auto items = ReadFavoriteMenu(settings);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].caption, "Three Blocks");
    EXPECT_TRUE(ReadFavoriteMenu(test::MemorySettings{}).empty());
}

}  // namespace
}  // namespace jw
