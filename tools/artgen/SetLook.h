// The colours, fonts and stroke manner that make one set look like itself.
#pragma once

#include <QColor>
#include <QPainter>
#include <QString>

#include "ArtCommon.h"

namespace artgen {

enum class Texture { None, Paper, Aged };
enum class Stroke { Carved, Brush, Flat };

struct SetLook {
    // Face surface: a diagonal gradient with a rim.
    QColor surfaceLight;
    QColor surfaceDark;
    QColor rimLight;
    QColor rimDark;
    Texture texture = Texture::None;
    // Body sides: the face layer next to the face, then the backing.
    QColor sideLayer;
    QColor sideBacking;
    double layerShare = 0.45;  // part of the depth taken by the face layer
    // Ink of the MahJong faces.
    QColor ink;  // black ink: numerals, winds
    QColor red;
    QColor green;
    QColor blue;
    QColor index;  // the small beginner's index
    QString cjkFamily;
    bool boldIndex = true;
    Stroke stroke = Stroke::Carved;
};

const SetLook& LookOf(SetStyle style);

// Paints the face surface over the logical 88 x 120 frame: gradient, texture,
// rim, and the rounded top-left corner that the face overlay cuts away.
void DrawFaceSurface(QPainter& painter, const SetLook& look, uint64_t seed);

}  // namespace artgen
