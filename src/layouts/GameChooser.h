// What the open-game dialog shows and remembers, without any window: the
// catalogue sorted by name, the five lists as trees of nodes, the game-group
// tree with its codes and conditions, the description of a chosen game and
// the settings written when a game is chosen.
//
// Every node carries a number: the GameId of a game (0 or more), a negative
// code otherwise. Groups of the game-group list first hold one placeholder
// (code -1) that is replaced by their games when they are first opened.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/GameCatalog.h"
#include "records/GameLists.h"

namespace jw {

class SettingsStore;

// The five lists, in the order of their buttons.
enum class ChooserList { AllGames = 0, GameGroups = 1, Custom = 2, Favorites = 3, Recent = 4 };
inline constexpr int kChooserListCount = 5;

// The node pictures, by index into kChooserImageNames (18 to 35 repeat 0 to 17).
inline constexpr int kImageHeading = 1;
inline constexpr int kImagePlaceholder = 4;
inline constexpr int kImageFeatures = 5;
inline constexpr int kImageSets = 7;
inline constexpr int kImageChance = 9;
inline constexpr int kImageNewGames = 11;
inline constexpr int kImageVersion = 12;
inline constexpr int kImageType = 13;
inline constexpr int kImageLevels = 15;
inline constexpr int kImageCustomLayout = 17;
inline constexpr int kImageMahJong = 36;
inline constexpr int kImageMemoryUp = 37;
inline constexpr int kImageFolder = 5;
extern const char* const kChooserImageNames[20];
// The resource name of a node picture index (0..37).
std::string_view ChooserImageName(int image);
// The picture of a game of catalogue type 1, 2 or another.
int ImageOfType(int type);

// Codes of the nodes that are not games.
inline constexpr int kCodePlaceholder = -1;
inline constexpr int kCodeAddFavorite = -2;
inline constexpr int kCodeRunLayoutManager = -3;
inline constexpr int kCodeMahJongType = -209030;
inline constexpr int kCodeMemoryUpType = -209040;
inline constexpr int kCodeSetsHeading = -2040;
inline constexpr int kCodeOneSet = -204010;
inline constexpr int kCodeTwoSets = -204020;
inline constexpr int kCodeThreeSets = -204030;
inline constexpr int kCodeOtherSets = -204040;
inline constexpr int kCodeChanceHeading = -2060;
inline constexpr int kCodeVeryLow = -206010;  // then -206020 .. -206050
inline constexpr int kCodeLevelsHeading = -2050;
inline constexpr int kCodeOneLevel = -205010;  // then -205020 .. -205050
inline constexpr int kCodeNewGames = -2080;
inline constexpr int kCodeVersion = -208010;

inline constexpr std::string_view kSelectGameMessage = "Select a game";
inline constexpr std::string_view kRunLayoutManagerText = "(Run Layout Manager)";
inline constexpr std::string_view kAddFavoriteText = "(Double click to add a game)";
inline constexpr std::string_view kStatisticsDisabledMessage =
    "The Statistics are disabled. To enable the Statistics, change the value in the "
    "\"Customize\" dialog box.";

// One catalogue line in fields.
struct CatalogEntry {
    std::string name;
    GameId id = 0;
    int type = 0;
    int wins = 0;
    int tries = 0;
    int duration = 0;
    int tiles = 0;
    int levels = 0;
};

// The catalogue's lines sorted by their text without regard to letter case.
std::vector<CatalogEntry> SortedCatalog(const GameCatalog& catalog);

struct ChooserNode {
    std::string text;
    int code = kCodePlaceholder;
    int image = kImagePlaceholder;
    std::vector<ChooserNode> children;

    bool IsGame() const { return code >= 0; }
    // Whether it still holds only its placeholder.
    bool Unfilled() const {
        return children.size() == 1 && children[0].code == kCodePlaceholder &&
               children[0].text.empty();
    }
};

// The all-games list: the MahJong heading and games, then the Memory-Up ones.
std::vector<ChooserNode> AllGamesList(const std::vector<CatalogEntry>& sorted);
// The game-group tree with its placeholders and the named "New games".
std::vector<ChooserNode> GameGroupsTree(const std::vector<CatalogEntry>& sorted);
// Whether a game belongs to the group of `code` (only fillable groups match).
bool GroupHolds(int code, const CatalogEntry& game);
// Whether `code` is a group that is filled from the catalogue.
bool IsFillableGroup(int code);
// The games of a fillable group, in name order.
std::vector<ChooserNode> GroupGames(int code, const std::vector<CatalogEntry>& sorted);
// Replaces the placeholder of `node` by its games; false when there was none.
bool FillGroup(ChooserNode& node, const std::vector<CatalogEntry>& sorted);
// The custom layouts from the registry lines (name in 50 columns, id in 5),
// or the single "(Run Layout Manager)".
std::vector<ChooserNode> CustomLayoutList(const std::vector<std::string>& registryLines);
// The favourites, or the single "(Double click to add a game)".
std::vector<ChooserNode> FavoritesList(const std::vector<FavoriteNode>& favorites);
// The recent games, sorted by name.
std::vector<ChooserNode> RecentList(const std::vector<GameListItem>& recent);

// Where a node stands: the path of child indexes from the top.
using NodePath = std::vector<int>;
// The first node with `code` (pre-order), or nothing.
std::optional<NodePath> FindCode(const std::vector<ChooserNode>& list, int code);
// The first group node with `code` that holds (or would hold) game `id`;
// else the first node with the code.
std::optional<NodePath> FindGroup(const std::vector<ChooserNode>& list, int code, GameId id,
                                  const std::vector<CatalogEntry>& sorted);
// The node at a path; nullptr when the path leads nowhere.
const ChooserNode* NodeAt(const std::vector<ChooserNode>& list, const NodePath& path);
ChooserNode* NodeAt(std::vector<ChooserNode>& list, const NodePath& path);
// The position of a node counted over the whole tree in pre-order, from 0.
int AbsolutePosition(const std::vector<ChooserNode>& list, const NodePath& path);
// The path of the node at a pre-order position.
std::optional<NodePath> PathAtPosition(const std::vector<ChooserNode>& list, int position);

// The help page of the rules of a face-up or a face-down game.
std::string RulesTopic(bool faceDown);

// "144 Tiles - 1 Set", "288 Tiles - 2 Sets", else the count.
std::string TilesText(int tiles);

// The description of a game in the preview panel. Time and chance are empty
// for a game without catalogue line (a custom layout), which leaves them as
// they were.
struct GameDescription {
    std::string name;
    std::string tiles;
    std::string levels;
    std::string time;
    std::string chance;
};
// `tiles` and `levels` count the read layout, used when the catalogue has no line.
GameDescription DescribeGame(const GameCatalog& catalog, GameId id, int tiles, int levels);

// Where the dialog opens: the list, and a group to open there (-1 none).
struct ChooserPlace {
    ChooserList list = ChooserList::AllGames;
    int groupCode = -1;
    int favoritePosition = -1;
    bool preview = true;
    bool showWonLost = false;
};
ChooserPlace ReadChooserPlace(const SettingsStore& settings);

// A chosen game as OK writes it.
struct ChooserChoice {
    GameId id = 0;
    std::string name;
    int parentCode = -1;  // -1 at the top level
    int position = 0;     // over the whole list
    ChooserList list = ChooserList::AllGames;
    std::string scoreType;
    bool preview = true;
    bool showWonLost = false;
};
void WriteChooserChoice(SettingsStore& settings, const ChooserChoice& choice);

// The players of the "Users" section, in their order, empty names left out.
std::vector<std::string> PlayerNames(const SettingsStore& settings);

}  // namespace jw
