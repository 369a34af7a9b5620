#include "Sheet.h"

#include <QPainter>

#include "ArtCommon.h"

namespace artgen {

QImage RenderFace(const FaceDrawer& drawer, int face, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(size.width() / kLogicalWidth, size.height() / kLogicalHeight);
    drawer(painter, face);
    return image;
}

QPoint CellOfFace(int face) {
    // Cells 34 and 35 (the last two of row 3) are skipped.
    const int cell = face <= 34 ? face - 1 : face + 1;
    return {cell % kSheetColumns, cell / kSheetColumns};
}

QSize SheetSize(QSize cell) {
    return {kSheetColumns * cell.width() + kSheetColumns + 1,
            kSheetRows * cell.height() + kSheetRows + 1};
}

namespace {

QPoint CellOrigin(QPoint cell, QSize size) {
    return {cell.x() * size.width() + cell.x() + 1, cell.y() * size.height() + cell.y() + 1};
}

}  // namespace

QImage BuildSheet(const FaceDrawer& drawer, QSize cell, const QImage& blank) {
    QImage sheet(SheetSize(cell), QImage::Format_RGB32);
    // Frame lines in a neutral mid tone, so that compression does not bleed a
    // strong colour into the faces.
    sheet.fill(QColor(150, 146, 136));
    QPainter painter(&sheet);
    for (int row = 0; row < kSheetRows; ++row) {
        for (int column = 0; column < kSheetColumns; ++column) {
            painter.drawImage(CellOrigin({column, row}, cell), blank.scaled(cell));
        }
    }
    for (int face = 1; face <= kFaceCount; ++face) {
        painter.drawImage(CellOrigin(CellOfFace(face), cell), RenderFace(drawer, face, cell));
    }
    return sheet;
}

QImage SheetFace(const QImage& sheet, QSize cell, int face) {
    return sheet.copy(QRect(CellOrigin(CellOfFace(face), cell), cell));
}

}  // namespace artgen
