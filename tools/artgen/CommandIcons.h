// The small pictures of the game window: command icons of the menus and
// toolbars, the status-bar images and the favourites folder.
#pragma once

#include <QString>
#include <vector>

#include "IconKit.h"
#include "ImageFiles.h"

namespace artgen {

struct IconDesign {
    QString base;  // e.g. "UNDO"
    IconDrawer draw;
};

// Every icon base name with its drawer, in a fixed order.
const std::vector<IconDesign>& IconDesigns();

// Menu and status-bar form, 16 x 16: base + "_256_16x16".
QString SmallIconName(const QString& base);

// Toolbar form, 24 x 24: base + "_xp_24x24".
QString LargeIconName(const QString& base);

// Greyed toolbar form shown while undo is not allowed: base + "_256_24x24_DISABLED".
QString DisabledIconName(const QString& base);

// The bases that also have a greyed toolbar form.
const QStringList& DisabledIconBases();

// Writes both forms of every icon and the greyed toolbar forms as ICON/<name>.png.
bool WriteCommandIcons(ResourceWriter& writer);

}  // namespace artgen
