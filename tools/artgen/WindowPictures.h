// The pictures of the game window: command and status-bar icons, pointers,
// the splash picture, the About and hold-and-exit pictures and the
// application icon.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "ImageFiles.h"

namespace artgen {

inline constexpr int kSplashWidth = 404;
inline constexpr int kSplashHeight = 256;
inline constexpr int kDialogPictureSize = 96;
inline constexpr int kAppIconSize = 256;
inline constexpr int kEmptyChartSize = 112;

// The splash window's picture, stored as JPEG/SPLASH.
QImage DrawSplash();

// Three fanned dragon tiles, stored as ICON/ABOUT.
QImage DrawAboutPicture();

// A tile with a pause badge, stored as ICON/HOLD_AND_EXIT.
QImage DrawHoldPicture();

// The application's emblem, a jade character on a tile, at `size` pixels;
// stored at kAppIconSize as ICON/APP_ICON for the desktop entry.
QImage DrawAppIcon(int size);

// The statistics windows' stand-in for a pie without values, stored as
// ICON/EMPTY_CHART.
QImage DrawEmptyChart();

// Writes the node pictures and the left-bar buttons of the open-game dialog.
bool WriteChooserPictures(ResourceWriter& writer);

// Writes every window picture.
bool WriteWindowPictures(ResourceWriter& writer);

// Writes one PNG showing every icon and pointer (and the dialog pictures),
// for looking at them side by side.
bool WriteWindowPictureSheet(const QString& file, QString* error);

// Checks the window pictures in a folder written by artgen; one line per fault.
QStringList CheckWindowPictures(const QString& outDir);

}  // namespace artgen
