#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace artgen {

namespace {

FontSet loaded;

// Adds a font file and returns the family whose name contains `prefer` (a
// collection file holds several), or the first one.
QString AddFont(const QString& path, const QString& prefer, QString* error) {
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) {
        *error = "cannot load font " + path;
        return {};
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    for (const QString& family : families) {
        if (!prefer.isEmpty() && family.contains(prefer)) {
            return family;
        }
    }
    return families.value(0);
}

}  // namespace

bool LoadFonts(QString* error) {
    const QString root = "/usr/share/fonts/truetype/";
    loaded.ming = AddFont(root + "arphic/uming.ttc", "UMing TW", error);
    loaded.kai = AddFont(root + "arphic/ukai.ttc", "UKai TW", error);
    loaded.hei = AddFont(root + "wqy/wqy-zenhei.ttc", "Zen Hei", error);
    loaded.emoji = AddFont(root + "noto/NotoColorEmoji.ttf", "", error);
    loaded.sans = AddFont(root + "dejavu/DejaVuSans.ttf", "", error);
    loaded.sansBold = AddFont(root + "dejavu/DejaVuSans-Bold.ttf", "", error);
    return error->isEmpty();
}

const FontSet& Fonts() {
    return loaded;
}

}  // namespace artgen
