// Winds, dragons, flowers and seasons.
#include <array>

#include "Drawing.h"
#include "Fonts.h"
#include "Glyphs.h"
#include "MahjongFaces.h"
#include "Plants.h"

namespace artgen {

void DrawWind(QPainter& painter, const SetLook& look, int which) {
    static const std::array<QString, 4> winds = {"東", "南", "西", "北"};
    DrawGlyph(painter, winds[which], look.cjkFamily, 70, At(kPictureArea, 0.5, 0.5), look.ink,
              QSizeF(68, 84));
}

void DrawDragon(QPainter& painter, const SetLook& look, int which) {
    const QPointF centre = At(kPictureArea, 0.5, 0.5);
    if (which == 0) {
        DrawGlyph(painter, "中", look.cjkFamily, 80, centre, look.red, QSizeF(66, 86));
        return;
    }
    if (which == 1) {
        DrawGlyph(painter, "發", look.cjkFamily, 76, centre, look.green, QSizeF(68, 86));
        return;
    }
    // White dragon: an empty blue frame.
    painter.save();
    const QRectF outer(centre.x() - 27, centre.y() - 40, 54, 80);
    painter.setBrush(Qt::NoBrush);
    if (look.stroke == Stroke::Brush) {
        painter.setPen(QPen(look.blue, 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath frame;
        frame.moveTo(outer.topLeft() + QPointF(1, 2));
        frame.quadTo(outer.center().x(), outer.top() - 1.5, outer.right(), outer.top() + 1);
        frame.quadTo(outer.right() + 1.5, outer.center().y(), outer.right() - 1, outer.bottom());
        frame.quadTo(outer.center().x(), outer.bottom() + 1.5, outer.left(), outer.bottom() - 1);
        frame.closeSubpath();
        painter.drawPath(frame);
        painter.setPen(QPen(look.ink, 1.3));
        painter.drawRect(outer.adjusted(8, 8, -8, -8));
    } else {
        painter.setPen(QPen(look.blue, 6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(outer);
        painter.setPen(QPen(look.blue, 2));
        painter.drawRect(outer.adjusted(8, 8, -8, -8));
        if (look.stroke == Stroke::Carved) {
            // Corner studs of the carved frame.
            painter.setPen(Qt::NoPen);
            painter.setBrush(look.blue);
            for (QPointF corner :
                 {outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight()}) {
                painter.drawRect(QRectF(corner - QPointF(5, 5), QSizeF(10, 10)));
            }
        }
    }
    painter.restore();
}

namespace {

// Character of a bonus tile, in the top-right corner.
void DrawBonusName(QPainter& painter, const SetLook& look, const QString& name,
                   const QColor& colour) {
    DrawGlyph(painter, name, look.cjkFamily, 24, QPointF(71, 15), colour, QSizeF(24, 24));
}

const QRectF kPlantArea(8, 26, 72, 89);

}  // namespace

void DrawFlower(QPainter& painter, const SetLook& look, int which) {
    static const std::array<QString, 4> names = {"梅", "蘭", "菊", "竹"};
    switch (which) {
        case 0:
            DrawPlum(painter, look, kPlantArea);
            break;
        case 1:
            DrawOrchid(painter, look, kPlantArea);
            break;
        case 2:
            DrawChrysanthemum(painter, look, kPlantArea);
            break;
        default:
            DrawBambooPlant(painter, look, kPlantArea);
            break;
    }
    DrawBonusName(painter, look, names[which], look.red);
}

void DrawSeason(QPainter& painter, const SetLook& look, int which) {
    static const std::array<QString, 4> names = {"春", "夏", "秋", "冬"};
    switch (which) {
        case 0:
            DrawSpring(painter, look, kPlantArea);
            break;
        case 1:
            DrawSummer(painter, look, kPlantArea);
            break;
        case 2:
            DrawAutumn(painter, look, kPlantArea);
            break;
        default:
            DrawWinter(painter, look, kPlantArea);
            break;
    }
    DrawBonusName(painter, look, names[which], look.blue);
}

void DrawIndex(QPainter& painter, const SetLook& look, const QString& text, const QColor& colour) {
    const QString family = look.boldIndex ? Fonts().sansBold : Fonts().sans;
    DrawGlyph(painter, text, family, 17, QPointF(12, 12), colour, QSizeF(15, 13), look.boldIndex);
}

void DrawMahjongFace(QPainter& painter, const SetLook& look, int face) {
    DrawFaceSurface(painter, look, 1000 + static_cast<uint64_t>(face));
    if (face <= 27) {
        const int suit = (face - 1) / 9;
        const int count = (face - 1) % 9 + 1;
        if (suit == 0) {
            DrawCharacters(painter, look, count);
        } else if (suit == 1) {
            DrawCircles(painter, look, count);
        } else {
            DrawBamboos(painter, look, count);
        }
        DrawIndex(painter, look, QString::number(count), look.index);
    } else if (face <= 31) {
        DrawWind(painter, look, face - 28);
        DrawIndex(painter, look, QString("ESWN").mid(face - 28, 1), look.index);
    } else if (face <= 34) {
        DrawDragon(painter, look, face - 32);
    } else if (face <= 38) {
        DrawFlower(painter, look, face - 35);
        DrawIndex(painter, look, QString::number(face - 34), look.red);
    } else if (face <= 42) {
        DrawSeason(painter, look, face - 39);
        DrawIndex(painter, look, QString::number(face - 38), look.blue);
    }
}

}  // namespace artgen
