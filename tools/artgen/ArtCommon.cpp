#include "ArtCommon.h"

namespace artgen {

const std::vector<TileSetInfo>& BuiltInTileSets() {
    static const std::vector<TileSetInfo> sets = {
        {1, "Classic", Family::MahJong, SetStyle::Classic, "tiles_X_001", 88, 120, 24},
        {2, "Oriental", Family::MahJong, SetStyle::Oriental, "tiles_S_002", 82, 110, 22},
        {3, "Antique", Family::MahJong, SetStyle::Antique, "tiles_X_003", 76, 102, 20},
        {4, "Modern", Family::MahJong, SetStyle::Modern, "tiles_X_004", 88, 120, 24},
        {501, "Fruits", Family::Matching, SetStyle::Fruits, "tiles_X_501", 88, 120, 24},
        {502, "Flowers", Family::Matching, SetStyle::Flowers, "tiles_X_502", 88, 120, 24},
        {503, "Shapes", Family::Matching, SetStyle::Shapes, "tiles_X_503", 88, 120, 24},
    };
    return sets;
}

QString SetCode(int number) {
    return QString::asprintf("%03d", number);
}

QString BodyPrefix(const TileSetInfo& set) {
    return "tiles_x_" + SetCode(set.number);
}

QString ChooserPreviewName(const TileSetInfo& set) {
    const QString family = set.family == Family::MahJong ? "mahjong" : "matching";
    return "preview_tiles_" + family + "_" + set.displayName.toLower();
}

}  // namespace artgen
