// Changes to the favourites tree made by the favourites windows: games put
// in name order, new folders in front of the top-level games, and the
// add-favourite dialog's placeholder folder, which is never stored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/GameLists.h"

namespace jw {

class Host;

inline constexpr std::string_view kPlaceholderFolder = "Favorite Layouts";
// The code of the placeholder folder (never stored).
inline constexpr int kPlaceholderFolderCode = -12;
inline constexpr std::string_view kNewFolderName = "New folder";
inline constexpr std::string_view kAlreadyFavorite =
    " game is already in the Favorites list. Do you want to add it again?";

// Where a node is: `folder` is the index of a top-level node, `child` the
// index inside it or -1 for the top-level node itself. A folder of -1 means
// nothing (the top level).
struct FavoritePlace {
    int folder = -1;
    int child = -1;
};

// The folder that a selection adds into: a folder itself, the folder of a
// game inside one, or -1 (the top level) for a top-level game or nothing.
int TargetFolder(const std::vector<FavoriteNode>& tree, FavoritePlace selected);

// Puts a game into the target (a folder index or -1) before the first node
// whose name comes after it (at the top level only games are compared, so the
// folders stay in front), else at the end. Returns where it went.
FavoritePlace InsertGame(std::vector<FavoriteNode>& tree, int targetFolder, FavoriteNode game);

// Puts a new folder before the first top-level game; returns its index.
int InsertFolder(std::vector<FavoriteNode>& tree, std::string name);

// Removes a node (a folder with its contents); false when there is none.
bool RemoveNode(std::vector<FavoriteNode>& tree, FavoritePlace place);

// Moves a node dropped onto another: onto a game it goes before that game,
// onto a folder to the end of that folder, onto nothing (folder -1) to the
// end of the top level. A folder takes its contents along and stays on the
// top level (before the folder it was dropped into). Returns where it went,
// or folder -1 when nothing moved.
FavoritePlace MoveNode(std::vector<FavoriteNode>& tree, FavoritePlace from, FavoritePlace onto);

// The tree shown by the add-favourite dialog: the placeholder folder when
// there are no favourites.
std::vector<FavoriteNode> WithPlaceholder(std::vector<FavoriteNode> tree);

// The add-favourite dialog's OK: drops the placeholder folder (a selection
// of it means the top level), asks before adding a game whose name the
// target already holds, and inserts it. Returns whether the game was added.
bool AddFavorite(std::vector<FavoriteNode>& tree, FavoritePlace selected, FavoriteNode game,
                 Host& host);

}  // namespace jw
