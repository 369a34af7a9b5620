// The built-in backgrounds, the pause pictures and the sounds: drawn,
// synthesised and handed to the resource writer.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "ImageFiles.h"

namespace artgen {

// One built-in background picture.
struct BackgroundArt {
    int code;      // the picture is "B" + the code in three digits
    QString name;  // as the chooser shows it
    QImage (*draw)();
};

// Every picture code of the built-in catalogue, in catalogue order.
const std::vector<BackgroundArt>& BackgroundArtwork();

// "B" + the code in three digits.
QString BackgroundName(int code);

// "BMP_PAUSE_1" ("Paused") and "BMP_PAUSE_2" (the hint to resume), drawn on
// the see-through pause colour (0, 128, 0).
QImage DrawPausePicture(int which);

// Writes every background as JPEG "Bnnn", both pause pictures as bitmaps
// and the nine sounds as WAVE entries.
bool WriteBackgroundsAndSounds(ResourceWriter& writer);

// One PNG showing every built-in background as a small picture with its
// code and name, as the game reads them back from their JPEG streams.
bool WriteBackgroundSheet(const QString& path, QString* error);

}  // namespace artgen
