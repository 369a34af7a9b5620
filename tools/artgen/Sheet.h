// Face sheets: 9 x 5 cells framed by one-pixel lines, faces 1..42 row by row
// with cells 34, 35 and 44 left empty.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <functional>

namespace artgen {

// Paints one face over the logical 88 x 120 frame.
using FaceDrawer = std::function<void(QPainter&, int face)>;

// Draws a face at `size` pixels.
QImage RenderFace(const FaceDrawer& drawer, int face, QSize size);

// Column and row of face 1..42 on the sheet.
QPoint CellOfFace(int face);

// Size of a sheet with cells of `cell` pixels.
QSize SheetSize(QSize cell);

// Builds the whole sheet; `blank` fills the unused cells.
QImage BuildSheet(const FaceDrawer& drawer, QSize cell, const QImage& blank);

// Cuts face 1..42 out of a sheet whose cells are `cell` pixels.
QImage SheetFace(const QImage& sheet, QSize cell, int face);

}  // namespace artgen
