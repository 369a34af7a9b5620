// The favourite games as the "F&avorites" menu lists them, read from the
// "Favorite Games" section of the settings: keys "Game0000", "Game0001", ...
// until the first missing one. Characters 1-2 of a value say whether the
// entry returns to the top of the menu, 3-7 hold the game id (negative for a
// folder) and 8-57 the caption.
#pragma once

#include <string>
#include <vector>

namespace jw {

class SettingsStore;

struct FavoriteMenuItem {
    bool folder = false;  // a folder: the following games go into it
    bool toRoot = false;  // the game goes back into the top of the menu
    int gameId = 0;
    std::string caption;
};

// Reads the entries in order; an entry whose id is not a number is skipped.
std::vector<FavoriteMenuItem> ReadFavoriteMenu(const SettingsStore& settings);

}  // namespace jw
