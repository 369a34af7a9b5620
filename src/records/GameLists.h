// The player's shortcuts to games, kept in the settings file: the recent
// games, the game numbers typed by hand and the favourite games.
//
//   "Last Played Games"  Game001 .. Game020: GameIds as 5 digits, most
//                        recent first, empty slots at the end
//   "Game_Numbers"       Game001 .. Game020: 13-digit game numbers, most
//                        recent first
//   "Favorite Games"     Game0000, Game0001, ...: level ("01" top, "02" in a
//                        folder), the code in 5 characters (negative for a
//                        folder) and the name as shown
//
// Every call reads the settings afresh and writes its change at once.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/GameCatalog.h"

namespace jw {

class Host;
class SettingsStore;

inline constexpr int kRecentGameSlots = 20;
inline constexpr int kGameNumberSlots = 20;
inline constexpr int kMaxFavoriteEntries = 10000;
// The code of a folder made by the player and of one read back.
inline constexpr int kNewFolderCode = -10;
inline constexpr int kStoredFolderCode = -11;

// A game in one of the lists: its id, its current name and its catalogue
// type (1 MahJong, 2 Memory-Up, -1 for a custom layout).
struct GameListItem {
    GameId id = 0;
    std::string name;
    int type = -1;
};

// Notes a started game: a game already among the recent ones keeps its place,
// another goes in front and the twenty-first drops out.
void AddRecentGame(SettingsStore& settings, GameId id);
// Removes a game from the recent ones; the others move up.
void RemoveRecentGame(SettingsStore& settings, GameId id);
// The recent games up to the first empty slot, sorted by name; ids that do
// not parse or have no name are left out.
std::vector<GameListItem> LoadRecentGames(const SettingsStore& settings,
                                          const GameCatalog& catalog);

// Puts a typed game number in front of the history (once only).
void AddGameNumber(SettingsStore& settings, std::string_view gameNumber);
// The non-empty slots of the history, most recent first.
std::vector<std::string> LoadGameNumbers(const SettingsStore& settings);

// A node of the favourites: a folder (negative code) with its games, or a
// game with its GameId.
struct FavoriteNode {
    int code = 0;
    std::string text;
    int type = -1;  // the game's catalogue type; -1 for folders and custom layouts
    std::vector<FavoriteNode> children;

    bool IsFolder() const { return code < 0; }
};

// The favourites as a two-level tree. Game names are the games' current
// names, folder names as stored. A damaged entry (level or code not a
// number) is skipped and the reading goes on, so that saving the tree again
// never loses the entries after it.
std::vector<FavoriteNode> LoadFavoritesTree(const SettingsStore& settings,
                                            const GameCatalog& catalog);
// Replaces the stored favourites with the tree, in tree order.
void SaveFavoritesTree(SettingsStore& settings, const std::vector<FavoriteNode>& tree);
// A GameId drawn uniformly among the favourite games (folders left out, an
// unreadable id counts as 0); -1 when there is none.
GameId PickRandomFavorite(const SettingsStore& settings, Host& host);
// Forgets a game that no longer exists: every favourite entry of it goes
// (the others are numbered again without gaps) and it leaves the recent games.
void ForgetGame(SettingsStore& settings, GameId id);

}  // namespace jw
