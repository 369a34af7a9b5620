#include "presentation/TileSetCatalog.h"

#include <algorithm>

#include "platform/IniDocument.h"

namespace jw {
namespace {

std::string Row(std::string_view family, std::string_view preview, std::string_view volume,
                std::string_view id, std::string_view name) {
    std::string row;
    for (std::string_view field : {family, preview, volume, id, name}) {
        if (!row.empty()) {
            row += ',';
        }
        row += '"';
        row += field;
        row += '"';
    }
    return row;
}

}  // namespace

const std::vector<std::string>& AllTileSetRows() {
    static const std::vector<std::string> rows = {
        Row("M", "preview_tiles_mahjong_antique", "", "003", "Antique"),
        Row("M", "preview_tiles_mahjong_classic", "", "001", "Classic"),
        Row("M", "preview_tiles_mahjong_oriental", "", "002", "Oriental"),
        Row("M", "preview_tiles_mahjong_modern", "", "004", "Modern"),
        Row("M", "preview_tiles_mahjong_cards", "01", "J_MR_CARDS", "Cards"),
        Row("M", "preview_tiles_mahjong_children", "01", "J_MR_CHILDREN_S_TILE_SET",
            "Children's Tile Set"),
        Row("M", "preview_tiles_mahjong_golden", "01", "B_MR_MODERN", "Golden"),
        Row("M", "preview_tiles_mahjong_bamboo", "02", "J_MR_BAMBOO", "Bamboo"),
        Row("M", "preview_tiles_mahjong_traditional_chinese", "02", "J_MR_TRADITIONAL_CHINESE",
            "Traditional Chinese"),
        Row("M", "preview_tiles_mahjong_yellow_river", "02", "J_MR_YELLOW_RIVER", "Yellow River"),
        Row("T", "preview_tiles_matching_fruits", "", "501", "Fruits"),
        Row("T", "preview_tiles_matching_flowers", "", "502", "Flowers"),
        Row("T", "preview_tiles_matching_shapes", "", "503", "Shapes"),
        Row("T", "preview_tiles_matching_american_flags", "01", "J_TR_AMERICAN_FLAGS",
            "American Flags"),
        Row("T", "preview_tiles_matching_animal_clipart", "01", "J_TR_ANIMAL_CLIPART",
            "Animal Clipart"),
        Row("T", "preview_tiles_matching_animal_photos", "01", "J_TR_ANIMAL_PHOTOS",
            "Animal Photos"),
        Row("T", "preview_tiles_matching_butterflies", "01", "J_TR_BUTTERFLIES", "Butterflies"),
        Row("T", "preview_tiles_matching_color_swirls", "01", "J_TR_COLOR_SWIRLS", "Color Swirls"),
        Row("T", "preview_tiles_matching_dogs", "01", "J_TR_DOGS", "Dogs"),
        Row("T", "preview_tiles_matching_flags", "01", "J_TS_FLAGS", "Flags"),
        Row("T", "preview_tiles_matching_food", "01", "J_TR_FOOD", "Food"),
        Row("T", "preview_tiles_matching_house_objects", "01", "J_TR_HOUSE_OBJECTS",
            "House Objects"),
        Row("T", "preview_tiles_matching_landscapes", "01", "J_TS_LANDSCAPES", "Landscapes"),
        Row("T", "preview_tiles_matching_letters_and_numbers", "01", "J_TS_LETTERS_AND_NUMBERS",
            "Letters and Numbers"),
        Row("T", "preview_tiles_matching_native_americans", "01", "J_TR_NATIVE_AMERICANS",
            "Native Americans"),
        Row("T", "preview_tiles_matching_objects", "01", "J_TR_OBJECTS", "Objects"),
        Row("T", "preview_tiles_matching_sea_shells", "01", "J_TR_SEA_SHELLS", "Sea Shells"),
        Row("T", "preview_tiles_matching_signals", "01", "J_TR_SIGNALS", "Signals"),
        Row("T", "preview_tiles_matching_sports", "01", "J_TR_SPORTS", "Sports"),
        Row("T", "preview_tiles_matching_birds", "02", "J_TR_BIRDS", "Birds"),
        Row("T", "preview_tiles_matching_billiard", "02", "J_TR_BILLIARD", "Billiard"),
        Row("T", "preview_tiles_matching_buttons", "02", "J_TR_BUTTONS", "Buttons"),
        Row("T", "preview_tiles_matching_eggs", "02", "J_TR_EGGS", "Eggs"),
        Row("T", "preview_tiles_matching_fruit_prints", "02", "J_TR_FRUIT_PRINTS", "Fruit Prints"),
        Row("T", "preview_tiles_matching_wild_flowers", "02", "J_TR_WILD_FLOWERS", "Wild Flowers"),
        Row("T", "preview_tiles_matching_easter_eggs", "02", "J_TR_T02_001", "Easter Eggs"),
    };
    return rows;
}

std::string TileSetRowField(std::string_view row, int index) {
    constexpr std::string_view kSeparator = "\",\"";
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t at = row.find(kSeparator, start);
        if (at == std::string_view::npos) {
            return {};
        }
        start = at + kSeparator.size();
    }
    std::size_t end = row.find(kSeparator, start);
    std::string field(row.substr(start, end == std::string_view::npos ? row.npos : end - start));
    if (!field.empty() && field.front() == '"') {
        field.erase(0, 1);
    }
    if (!field.empty() && field.back() == '"') {
        field.pop_back();
    }
    return field;
}

std::vector<std::string> TileSetCatalog(std::string_view scoreType) {
    const std::string_view family = scoreType == "02" ? "T" : (scoreType == "01" ? "M" : "");
    std::vector<std::string> builtIn;
    std::vector<std::string> addOns;
    for (const std::string& row : AllTileSetRows()) {
        if (TileSetRowField(row, 0) != family) {
            continue;
        }
        (TileSetRowField(row, 2).empty() ? builtIn : addOns).push_back(row);
    }
    std::sort(addOns.begin(), addOns.end());
    builtIn.insert(builtIn.end(), addOns.begin(), addOns.end());
    return builtIn;
}

bool IsTileSetInstalled(std::string_view row, const std::string& programFolder) {
    const std::string volume = TileSetRowField(row, 2);
    if (volume.empty()) {
        return true;
    }
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    const auto document = IniDocument::Load(folder + "gp/t" + volume + ".dat", kMaxIniFileBytes);
    if (!document || document->Lines().empty()) {
        return false;
    }
    const std::string id = TileSetRowField(row, 3);
    std::string value = document->Value("MahJong type", id).value_or("");
    if (value.empty()) {
        value = document->Value("Matching type", id).value_or("");
    }
    return !value.empty();
}

}  // namespace jw
