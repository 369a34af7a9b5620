#include "shell/FavoritesMenu.h"

#include "engine/FixedText.h"
#include "platform/Settings.h"

namespace jw {

std::vector<FavoriteMenuItem> ReadFavoriteMenu(const SettingsStore& settings) {
    std::vector<FavoriteMenuItem> items;
    // A missing key reads as this text, which no stored entry can equal.
    static constexpr std::string_view kMissing = "\x01missing";
    for (int index = 0; index <= 9999; ++index) {
        const std::string value = ReadEntry(settings, setting::kFavorites, index, kMissing);
        if (value == kMissing) {
            break;
        }
        const auto id = ParseInteger(Columns(value, 3, 5));
        if (!id) {
            continue;
        }
        FavoriteMenuItem item;
        item.gameId = static_cast<int>(*id);
        item.folder = item.gameId < 0;
        item.toRoot = ParseInteger(Columns(value, 1, 2)) == 1;
        item.caption = std::string(TrimRight(Columns(value, 8, 50)));
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace jw
