#include "engine/GameCatalog.h"

#include <cmath>

#include "engine/FixedText.h"

namespace jw {

namespace {

struct CatalogEntry {
    GameId id;
    const char* name;
    int type;
    int wins;
    int tries;
    int duration;
    int tiles;
    int levels;
};

// The built-in games in id order.
constexpr CatalogEntry kGames[kBuiltInGameCount] = {
    {0, "Standard", 1, 1, 3, 1, 144, 5},
    {1, "Three Blocks", 1, 1, 2, 1, 144, 5},
    {2, "Bridges", 1, 1, 5, 1, 144, 3},
    {3, "Twins", 1, 2, 5, 1, 144, 5},
    {4, "Patio", 1, 1, 3, 1, 144, 3},
    {5, "Net", 1, 1, 15, 1, 144, 2},
    {6, "Square", 1, 1, 3, 1, 144, 3},
    {7, "Empire", 1, 1, 3, 1, 144, 5},
    {8, "Diamond", 1, 2, 3, 1, 144, 5},
    {9, "Labyrinth", 1, 1, 4, 1, 144, 3},
    {10, "Wings", 1, 1, 5, 1, 144, 3},
    {11, "Six Dots", 1, 1, 4, 1, 144, 3},
    {12, "Double X", 1, 1, 3, 1, 144, 3},
    {13, "Portal", 1, 1, 5, 1, 144, 3},
    {14, "Eye", 1, 1, 4, 1, 144, 3},
    {15, "Theatre", 1, 1, 2, 1, 144, 3},
    {16, "Watch", 1, 1, 10, 1, 144, 4},
    {17, "Inca Mask", 1, 2, 3, 1, 144, 4},
    {18, "Frame", 1, 1, 2, 1, 144, 3},
    {19, "Butterfly", 1, 1, 3, 1, 144, 4},
    {20, "Block", 1, 1, 2, 1, 144, 4},
    {21, "Grates", 1, 2, 3, 1, 144, 3},
    {22, "Oriental Fan", 1, 1, 10, 1, 144, 5},
    {23, "Dragon", 1, 1, 2, 1, 144, 3},
    {24, "Fortress", 1, 1, 5, 1, 144, 4},
    {25, "Knots", 1, 2, 3, 1, 144, 3},
    {26, "Rhoumbus", 1, 1, 4, 1, 144, 5},
    {27, "Strap", 1, 1, 5, 1, 144, 4},
    {28, "Towers", 1, 1, 5, 1, 144, 5},
    {29, "Encounter", 1, 1, 10, 1, 144, 5},
    {30, "Stairs", 1, 1, 10, 1, 144, 5},
    {31, "Space Machine", 1, 1, 3, 1, 144, 5},
    {32, "American Pyramid", 1, 1, 100, 0, 252, 5},
    {33, "Two Rings", 1, 2, 3, 1, 144, 3},
    {34, "Shield", 1, 2, 3, 1, 144, 3},
    {35, "Jewel", 1, 1, 3, 1, 144, 4},
    {36, "Asterix", 1, 1, 20, 1, 144, 5},
    {37, "Fountain", 1, 1, 5, 1, 144, 3},
    {38, "Snow Flake", 1, 1, 5, 1, 144, 4},
    {39, "Spiral", 1, 1, 10, 1, 144, 2},
    {40, "Double T", 1, 1, 3, 1, 144, 4},
    {41, "Cross", 1, 1, 3, 1, 144, 4},
    {42, "Caravel", 1, 1, 10, 1, 144, 5},
    {43, "Frog", 1, 1, 200, 0, 288, 5},
    {44, "Goldfish", 1, 1, 15, 1, 144, 5},
    {45, "Santa", 1, 1, 5, 1, 144, 5},
    {46, "Kite", 1, 1, 10, 2, 92, 5},
    {47, "Pumpkin", 1, 1, 200, 0, 288, 4},
    {48, "Duck", 1, 1, 10, 1, 144, 3},
    {49, "Tao", 1, 1, 15, 0, 180, 3},
    {50, "Rectangle 40", 2, 1, 15, 0, 40, 1},
    {51, "Rhombus 32", 2, 1, 12, 0, 32, 1},
    {52, "Rectangle (2 Levels) 48", 2, 1, 10, 0, 48, 2},
    {53, "Elephant", 1, 1, 12, 1, 124, 4},
    {54, "Key", 1, 1, 3, 2, 72, 3},
    {55, "Spider", 1, 1, 3, 2, 68, 3},
    {56, "Citadel", 1, 1, 3, 2, 84, 4},
    {57, "Cross (2 Levels) 60", 2, 1, 15, 0, 60, 2},
    {58, "Balance", 1, 1, 10, 1, 144, 4},
    {59, "Crab", 1, 1, 4, 1, 144, 3},
    {60, "Fishes", 1, 1, 10, 1, 132, 2},
    {61, "Grille", 1, 1, 10, 1, 120, 2},
    {62, "Emblem", 1, 1, 3, 1, 132, 3},
    {63, "Twelve Peaks", 1, 1, 6, 0, 168, 4},
    {64, "Egyptian Eye", 1, 1, 3, 1, 112, 2},
    {65, "Grate", 1, 1, 10, 1, 152, 4},
    {66, "Eagle", 1, 1, 2, 0, 192, 2},
    {67, "Festoons", 1, 1, 2, 0, 268, 4},
    {68, "Cat", 1, 1, 50, 0, 288, 3},
    {69, "Buckle", 1, 1, 5, 1, 124, 3},
    {70, "Sparrow", 1, 1, 20, 1, 152, 4},
    {71, "Topaz", 1, 1, 25, 0, 208, 4},
    {72, "Amphitheater", 1, 1, 15, 1, 140, 3},
    {73, "Candelabrum", 1, 1, 5, 1, 128, 4},
    {74, "Keep", 1, 1, 10, 1, 128, 3},
    {75, "Propeller", 1, 1, 5, 1, 104, 2},
    {76, "Bow and Arrow", 1, 1, 3, 1, 116, 2},
    {77, "Medallion", 1, 1, 10, 0, 168, 5},
    {78, "Rose Window", 1, 1, 15, 0, 208, 3},
    {79, "Trophy", 1, 1, 4, 0, 172, 3},
    {80, "Bow", 1, 4, 5, 0, 172, 3},
    {81, "Leaf", 1, 9, 10, 1, 148, 2},
    {82, "Maya Toad", 1, 1, 10, 1, 144, 2},
    {83, "Octagon", 1, 1, 40, 0, 192, 4},
    {84, "Telephone", 1, 1, 15, 0, 224, 3},
    {85, "Hexagon", 1, 9, 10, 1, 112, 2},
    {86, "Anchor", 1, 1, 5, 1, 100, 3},
    {87, "Axe Head", 1, 9, 10, 2, 96, 3},
    {88, "Rectangle (3 Levels) 72", 2, 1, 20, 0, 72, 3},
    {89, "Rectangle 16", 2, 1, 3, 0, 16, 1},
    {90, "Rectangle 24", 2, 1, 8, 0, 24, 1},
    {91, "Rectangle 60", 2, 1, 20, 0, 60, 1},
    {92, "Rectangle 72", 2, 1, 25, 0, 72, 1},
    {93, "Triangle 36", 2, 1, 15, 0, 36, 1},
    {94, "Musical Notes", 1, 1, 5, 1, 100, 3},
    {95, "Puppy", 1, 1, 30, 0, 276, 4},
    {96, "Sea Star", 1, 1, 20, 0, 180, 4},
    {97, "Heart", 1, 1, 20, 0, 176, 3},
    {98, "Stadium", 1, 1, 10, 0, 240, 5},
    {99, "Crown", 1, 1, 15, 0, 200, 3},
    {100, "Shamrock", 1, 1, 10, 1, 100, 2},
    {101, "Snail", 1, 1, 20, 0, 192, 3},
    {102, "Birthday Cake", 1, 1, 100, 0, 284, 3},
    {103, "Male and Female", 1, 9, 10, 1, 104, 2},
    {104, "One Way", 1, 1, 100, 0, 196, 2},
    {105, "Venice Bridge", 1, 1, 8, 1, 104, 2},
};

}  // namespace

std::string MakeCatalogRecord(std::string_view name, GameId id, int type, int wins, int tries,
                              int duration, int tiles, int levels) {
    return PadRight(name, 50) + FormatFixed(id, 5) + FormatFixed(type, 3) + FormatFixed(wins, 3) +
           FormatFixed(tries, 3) + FormatFixed(duration, 2) + FormatFixed(tiles, 3) +
           FormatFixed(levels, 2);
}

int ChanceClass(int wins, int tries) {
    if (tries == 0) {
        return -1;
    }
    const double x = static_cast<double>(wins) / static_cast<double>(tries);
    if (x < 0.02) {
        return 4;
    }
    if (x < 0.1) {
        return 3;
    }
    if (x < 0.2) {
        return 2;
    }
    if (x <= 1.0 / 3.0) {
        return 1;
    }
    return 0;
}

std::string ChanceCaption(int chanceClass) {
    static const char* const kCaptions[] = {"Very high", "High", "Medium", "Low", "Very low"};
    if (chanceClass < 0 || chanceClass > 4) {
        return {};
    }
    return kCaptions[chanceClass];
}

std::string ChanceText(int wins, int tries) {
    const std::string caption = ChanceCaption(ChanceClass(wins, tries));
    if (tries == 0) {
        return caption;
    }
    // The percentage with at most one decimal and no trailing zero ("#0.#").
    const double percent = static_cast<double>(wins) / static_cast<double>(tries) * 100.0;
    const long long tenths = std::llround(percent * 10.0);
    std::string number = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        number.push_back('.');
        number.push_back(static_cast<char>('0' + std::llabs(tenths % 10)));
    }
    std::string text = caption;
    text.append(" (").append(std::to_string(wins)).append(" in ").append(std::to_string(tries));
    text.append("  -  ").append(number).append("%)");
    return text;
}

std::string DurationCaption(int duration) {
    switch (duration) {
        case 0:
            return "Long";
        case 1:
            return "Medium";
        case 2:
            return "Quick";
        default:
            return {};
    }
}

std::string TypeCaption(int type) {
    switch (type) {
        case 1:
            return "MahJong Games Type";
        case 2:
            return "Memory-Up Games Type";
        default:
            return {};
    }
}

int TileCountClass(int tiles) {
    if (tiles <= 144) {
        return 0;
    }
    if (tiles <= 288) {
        return 1;
    }
    return tiles <= 432 ? 2 : 3;
}

GameCatalog::GameCatalog() {
    records.reserve(kBuiltInGameCount);
    for (const CatalogEntry& game : kGames) {
        records.push_back(MakeCatalogRecord(game.name, game.id, game.type, game.wins, game.tries,
                                            game.duration, game.tiles, game.levels));
    }
}

const std::string* GameCatalog::RecordOf(GameId id) const {
    for (const std::string& record : records) {
        if (ParseInteger(Columns(record, 51, 5)) == id) {
            return &record;
        }
    }
    return nullptr;
}

std::optional<int> GameCatalog::Field(GameId id, int from, int width) const {
    const std::string* record = RecordOf(id);
    if (record == nullptr) {
        return std::nullopt;
    }
    const auto value = ParseInteger(Columns(*record, from, width));
    if (!value) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::vector<GameId> GameCatalog::Ids() const {
    std::vector<GameId> ids;
    ids.reserve(records.size());
    for (const std::string& record : records) {
        if (const auto id = ParseInteger(Columns(record, 51, 5))) {
            ids.push_back(static_cast<GameId>(*id));
        }
    }
    return ids;
}

std::string GameCatalog::NameOf(GameId id) const {
    if (id >= kFirstCustomGameId) {
        return customLayouts != nullptr ? customLayouts->LayoutNameById(id) : std::string();
    }
    const std::string* record = RecordOf(id);
    return record == nullptr ? std::string() : std::string(TrimRight(Columns(*record, 1, 50)));
}

GameId GameCatalog::IdOf(std::string_view name) const {
    for (const std::string& record : records) {
        if (TrimRight(Columns(record, 1, 50)) == name) {
            return static_cast<GameId>(ParseInteger(Columns(record, 51, 5)).value_or(-1));
        }
    }
    return customLayouts != nullptr ? customLayouts->LayoutIdByName(name) : -1;
}

int GameCatalog::TypeOf(GameId id) const {
    return Field(id, 56, 3).value_or(-1);
}

std::optional<int> GameCatalog::DurationOf(GameId id) const {
    return Field(id, 65, 2);
}

std::optional<GameChance> GameCatalog::ChanceOf(GameId id) const {
    const auto wins = Field(id, 59, 3);
    const auto tries = Field(id, 62, 3);
    if (!wins || !tries) {
        return std::nullopt;
    }
    return GameChance{*wins, *tries, ChanceClass(*wins, *tries)};
}

std::optional<int> GameCatalog::TilesOf(GameId id) const {
    return Field(id, 67, 3);
}

std::optional<int> GameCatalog::LevelsOf(GameId id) const {
    return Field(id, 70, 2);
}

}  // namespace jw
