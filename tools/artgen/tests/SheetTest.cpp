#include <gtest/gtest.h>

#include <QPainter>
#include <set>

#include "ArtCommon.h"
#include "Sheet.h"

namespace artgen {
namespace {

TEST(SheetTest, SizeIsNineCellsAcrossAndFiveDownWithFrameLines) {
    EXPECT_EQ(SheetSize(QSize(88, 120)), QSize(802, 606));
    EXPECT_EQ(SheetSize(QSize(82, 110)), QSize(748, 556));
    EXPECT_EQ(SheetSize(QSize(11, 15)), QSize(109, 81));
}

TEST(SheetTest, FacesSkipTheThreeUnusedCells) {
    EXPECT_EQ(CellOfFace(1), QPoint(0, 0));
    EXPECT_EQ(CellOfFace(9), QPoint(8, 0));
    EXPECT_EQ(CellOfFace(10), QPoint(0, 1));
    EXPECT_EQ(CellOfFace(28), QPoint(0, 3));
    EXPECT_EQ(CellOfFace(34), QPoint(6, 3));
    EXPECT_EQ(CellOfFace(35), QPoint(0, 4));
    EXPECT_EQ(CellOfFace(42), QPoint(7, 4));
    std::set<std::pair<int, int>> used;
    for (int face = 1; face <= kFaceCount; ++face) {
        const QPoint cell = CellOfFace(face);
        used.insert({cell.x(), cell.y()});
    }
    EXPECT_EQ(used.size(), 42u);
    for (auto unused : {std::pair{7, 3}, std::pair{8, 3}, std::pair{8, 4}}) {
        EXPECT_EQ(used.count(unused), 0u);
    }
}

// A drawer that paints face k in a colour that encodes k.
QColor FaceColour(int face) {
    return QColor(face * 5, 255 - face * 5, 100);
}

TEST(SheetTest, EachFaceLandsInItsCellAndTheFrameStaysBetween) {
    const QSize cell(10, 14);
    const FaceDrawer drawer = [](QPainter& painter, int face) {
        painter.fillRect(QRectF(0, 0, kLogicalWidth, kLogicalHeight), FaceColour(face));
    };
    QImage blank(cell, QImage::Format_RGB32);
    blank.fill(Qt::white);
    const QImage sheet = BuildSheet(drawer, cell, blank);
    ASSERT_EQ(sheet.size(), SheetSize(cell));
    for (int face = 1; face <= kFaceCount; ++face) {
        const QImage cut = SheetFace(sheet, cell, face);
        EXPECT_EQ(cut.pixel(0, 0), FaceColour(face).rgb()) << "face " << face;
        EXPECT_EQ(cut.pixel(9, 13), FaceColour(face).rgb()) << "face " << face;
    }
    // Frame lines: the first column, and the column between cells 0 and 1.
    const QRgb frame = sheet.pixel(0, 0);
    EXPECT_EQ(sheet.pixel(0, 40), frame);
    EXPECT_EQ(sheet.pixel(11, 5), frame);
    EXPECT_EQ(sheet.pixel(5, 15), frame);
    // Unused cell (8, 4) holds the blank.
    EXPECT_EQ(sheet.pixel(8 * 11 + 1, 4 * 15 + 1), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace artgen
