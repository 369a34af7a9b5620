// The catalog of the 106 built-in games.
//
// Each game is one fixed-column text record:
//   1-50 name, 51-55 GameId, 56-58 type (1 MahJong, 2 Memory-Up),
//   59-61 wins and 62-64 tries of the expected chance of winning,
//   65-66 duration (0 long, 1 medium, 2 quick), 67-69 tiles, 70-71 levels.
// Ids from 10000 up are custom layouts; their names come from the custom
// layout index, which the catalog consults through CustomLayoutIndex.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jw {

using GameId = int;

inline constexpr GameId kFirstCustomGameId = 10000;
inline constexpr int kBuiltInGameCount = 106;

enum class GameType { MahJong = 1, MemoryUp = 2 };

// Where the names of custom layouts come from.
class CustomLayoutIndex {
  public:
    virtual ~CustomLayoutIndex() = default;
    // The name of a registered custom layout, or empty.
    virtual std::string LayoutNameById(GameId id) const = 0;
    // The id of a custom layout by name (letter case ignored), or -1.
    virtual GameId LayoutIdByName(std::string_view name) const = 0;
};

struct GameChance {
    int wins = 0;
    int tries = 0;
    int chanceClass = -1;  // 0 very high .. 4 very low; -1 when tries is 0
};

// One catalog line built from its fields, numbers zero-padded to their columns.
std::string MakeCatalogRecord(std::string_view name, GameId id, int type, int wins, int tries,
                              int duration, int tiles, int levels);

// The chance class of wins in tries: below 0.02 class 4, below 0.1 class 3,
// below 0.2 class 2, at most one third class 1, above that class 0; -1 when
// tries is 0.
int ChanceClass(int wins, int tries);
// "Very high", "High", "Medium", "Low", "Very low"; empty for other classes.
std::string ChanceCaption(int chanceClass);
// The chance as the information pane shows it: "High (1 in 3  -  33.3%)", or
// only the caption when tries is 0.
std::string ChanceText(int wins, int tries);
// "Long", "Medium", "Quick" for durations 0, 1, 2.
std::string DurationCaption(int duration);
// "MahJong Games Type" and "Memory-Up Games Type" for types 1 and 2.
std::string TypeCaption(int type);
// 0 up to 144 tiles, 1 up to 288, 2 up to 432, 3 above.
int TileCountClass(int tiles);

class GameCatalog {
  public:
    // Builds the 106 built-in records in id order.
    GameCatalog();

    const std::vector<std::string>& Records() const { return records; }
    // The ids of the built-in games, in catalog order.
    std::vector<GameId> Ids() const;

    // Consulted for ids of 10000 and above and for names not in the catalog.
    void SetCustomLayouts(const CustomLayoutIndex* index) { customLayouts = index; }

    // The name of a game without trailing blanks; empty when unknown.
    std::string NameOf(GameId id) const;
    // The id of the first game with exactly this name, else the custom layout
    // of that name (letter case ignored), else -1.
    GameId IdOf(std::string_view name) const;
    // 1 or 2, or -1 when the id is not in the catalog.
    int TypeOf(GameId id) const;
    std::optional<int> DurationOf(GameId id) const;
    std::optional<GameChance> ChanceOf(GameId id) const;
    std::optional<int> TilesOf(GameId id) const;
    std::optional<int> LevelsOf(GameId id) const;

    // The record of a game, or nothing.
    const std::string* RecordOf(GameId id) const;

  private:
    std::optional<int> Field(GameId id, int from, int width) const;

    std::vector<std::string> records;
    const CustomLayoutIndex* customLayouts = nullptr;
};

}  // namespace jw
