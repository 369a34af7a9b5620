// The 42 faces of a MahJong set, drawn over the logical 88 x 120 frame.
#pragma once

#include <QPainter>
#include <QRectF>

#include "SetLook.h"

namespace artgen {

// Area of a face that holds the picture, clear of the corner index and rim.
inline const QRectF kPictureArea(8, 18, 72, 97);

// Face 1..42 in the board's numbering: 1-9 characters, 10-18 circles,
// 19-27 bamboos, 28-31 winds, 32-34 dragons, 35-38 flowers, 39-42 seasons.
void DrawMahjongFace(QPainter& painter, const SetLook& look, int face);

// Suits (MahjongSuits.cpp); `count` is 1..9.
void DrawCharacters(QPainter& painter, const SetLook& look, int count);
void DrawCircles(QPainter& painter, const SetLook& look, int count);
void DrawBamboos(QPainter& painter, const SetLook& look, int count);

// Honours and bonus tiles (MahjongHonours.cpp); `which` counts from 0.
void DrawWind(QPainter& painter, const SetLook& look, int which);
void DrawDragon(QPainter& painter, const SetLook& look, int which);
void DrawFlower(QPainter& painter, const SetLook& look, int which);
void DrawSeason(QPainter& painter, const SetLook& look, int which);

// The beginner's index in the top-left corner ("1".."9", "E", "S", ...).
void DrawIndex(QPainter& painter, const SetLook& look, const QString& text, const QColor& colour);

}  // namespace artgen
