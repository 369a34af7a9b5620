#include "records/GameLists.h"

#include <algorithm>
#include <optional>

#include "engine/CustomLayouts.h"
#include "engine/FixedText.h"
#include "platform/Host.h"
#include "platform/Settings.h"

namespace jw {

namespace {

// A missing key reads as this text, which no stored value can equal.
constexpr std::string_view kMissing = "\x01missing";

std::vector<std::string> ReadSlots(const SettingsStore& settings, const NumberedList& list,
                                   int count) {
    std::vector<std::string> slots;
    for (int slot = 1; slot <= count; ++slot) {
        slots.push_back(std::string(Trim(ReadEntry(settings, list, slot))));
    }
    return slots;
}

void WriteSlots(SettingsStore& settings, const NumberedList& list, std::vector<std::string> slots,
                int count) {
    slots.resize(static_cast<std::size_t>(count));
    for (int slot = 1; slot <= count; ++slot) {
        WriteEntry(settings, list, slot, slots[static_cast<std::size_t>(slot - 1)]);
    }
}

// One stored favourite entry, or nothing when its level or code is damaged.
struct FavoriteEntry {
    int level = 1;
    int code = 0;
    std::string name;
};

std::optional<FavoriteEntry> ParseFavorite(std::string_view value) {
    const auto level = ParseInteger(Columns(value, 1, 2));
    const auto code = ParseInteger(Columns(value, 3, 5));
    if (!level || !code || (*level != 1 && *level != 2)) {
        return std::nullopt;
    }
    return FavoriteEntry{static_cast<int>(*level), static_cast<int>(*code),
                         std::string(TrimRight(CutUtf8(Columns(value, 8, 1 << 20), 50)))};
}

std::vector<std::string> ReadFavoriteValues(const SettingsStore& settings) {
    std::vector<std::string> values;
    for (int index = 0; index < kMaxFavoriteEntries; ++index) {
        std::string value = ReadEntry(settings, setting::kFavorites, index, kMissing);
        if (value == kMissing) {
            break;
        }
        values.push_back(std::move(value));
    }
    return values;
}

void WriteFavoriteValues(SettingsStore& settings, const std::vector<std::string>& values) {
    settings.RemoveSection(setting::kFavoriteGames);
    for (std::size_t index = 0; index < values.size(); ++index) {
        WriteEntry(settings, setting::kFavorites, static_cast<int>(index), values[index]);
    }
}

std::string FavoriteValue(int level, const FavoriteNode& node) {
    return FormatFixed(level, 2) + FormatFixed(node.code, 5) + node.text;
}

}  // namespace

void AddRecentGame(SettingsStore& settings, GameId id) {
    std::vector<std::string> slots = ReadSlots(settings, setting::kRecentGames, kRecentGameSlots);
    const std::string value = FormatFixed(id, 5);
    if (std::find(slots.begin(), slots.end(), value) != slots.end()) {
        return;  // a replayed game keeps its place
    }
    slots.insert(slots.begin(), value);
    WriteSlots(settings, setting::kRecentGames, std::move(slots), kRecentGameSlots);
}

void RemoveRecentGame(SettingsStore& settings, GameId id) {
    std::vector<std::string> slots = ReadSlots(settings, setting::kRecentGames, kRecentGameSlots);
    const auto found = std::find(slots.begin(), slots.end(), FormatFixed(id, 5));
    if (found == slots.end()) {
        return;
    }
    slots.erase(found);
    WriteSlots(settings, setting::kRecentGames, std::move(slots), kRecentGameSlots);
}

std::vector<GameListItem> LoadRecentGames(const SettingsStore& settings,
                                          const GameCatalog& catalog) {
    std::vector<GameListItem> items;
    for (const std::string& slot : ReadSlots(settings, setting::kRecentGames, kRecentGameSlots)) {
        if (slot.empty()) {
            break;
        }
        const auto id = ParseInteger(slot);
        if (!id || *id < 0 || *id > kLastCustomGameId) {
            continue;
        }
        const GameId game = static_cast<GameId>(*id);
        std::string name = catalog.NameOf(game);
        if (!name.empty()) {
            items.push_back({game, std::move(name), catalog.TypeOf(game)});
        }
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const GameListItem& a, const GameListItem& b) { return a.name < b.name; });
    return items;
}

void AddGameNumber(SettingsStore& settings, std::string_view gameNumber) {
    std::vector<std::string> slots =
        ReadSlots(settings, setting::kGameNumberHistory, kGameNumberSlots);
    std::erase(slots, std::string(gameNumber));
    slots.insert(slots.begin(), std::string(gameNumber));
    WriteSlots(settings, setting::kGameNumberHistory, std::move(slots), kGameNumberSlots);
}

std::vector<std::string> LoadGameNumbers(const SettingsStore& settings) {
    std::vector<std::string> numbers =
        ReadSlots(settings, setting::kGameNumberHistory, kGameNumberSlots);
    std::erase(numbers, std::string());
    return numbers;
}

std::vector<FavoriteNode> LoadFavoritesTree(const SettingsStore& settings,
                                            const GameCatalog& catalog) {
    std::vector<FavoriteNode> tree;
    for (const std::string& value : ReadFavoriteValues(settings)) {
        const auto entry = ParseFavorite(value);
        if (!entry) {
            continue;
        }
        FavoriteNode node;
        node.code = entry->code < 0 ? kStoredFolderCode : entry->code;
        if (node.IsFolder()) {
            node.text = entry->name;
        } else {
            node.text = catalog.NameOf(node.code);
            node.type = catalog.TypeOf(node.code);
            if (node.text.empty()) {
                node.text = entry->name;
            }
        }
        if (entry->level == 2 && !tree.empty()) {
            tree.back().children.push_back(std::move(node));
        } else {
            tree.push_back(std::move(node));
        }
    }
    return tree;
}

void SaveFavoritesTree(SettingsStore& settings, const std::vector<FavoriteNode>& tree) {
    std::vector<std::string> values;
    for (const FavoriteNode& node : tree) {
        values.push_back(FavoriteValue(1, node));
        for (const FavoriteNode& child : node.children) {
            values.push_back(FavoriteValue(2, child));
        }
    }
    if (values.size() > static_cast<std::size_t>(kMaxFavoriteEntries)) {
        values.resize(static_cast<std::size_t>(kMaxFavoriteEntries));
    }
    WriteFavoriteValues(settings, values);
}

GameId PickRandomFavorite(const SettingsStore& settings, Host& host) {
    std::vector<GameId> games;
    for (const std::string& value : ReadFavoriteValues(settings)) {
        const auto code = ParseInteger(Columns(value, 3, 5));
        const GameId id = code ? static_cast<GameId>(*code) : 0;
        if (id >= 0) {
            games.push_back(id);
        }
    }
    if (games.empty()) {
        return -1;
    }
    return games[static_cast<std::size_t>(host.Random(static_cast<int>(games.size())))];
}

void ForgetGame(SettingsStore& settings, GameId id) {
    std::vector<std::string> values = ReadFavoriteValues(settings);
    const std::size_t before = values.size();
    std::erase_if(values, [id](const std::string& value) {
        const auto code = ParseInteger(Columns(value, 3, 5));
        return code && *code == id;
    });
    if (values.size() != before) {
        WriteFavoriteValues(settings, values);
    }
    RemoveRecentGame(settings, id);
}

}  // namespace jw
