// Fruits: thirty-four fruits and vegetables from the colour picture font,
// four berries and four citrus slices.
#include <QPainterPath>
#include <array>

#include "Drawing.h"
#include "Glyphs.h"
#include "MatchingFaces.h"

namespace artgen {

namespace {

const QPointF kCentre(44, 62);

// Soft backdrops, so that fruits of one colour still differ at a glance.
const std::array<QColor, 6> kBackdrops = {QColor(255, 226, 226), QColor(222, 240, 255),
                                          QColor(230, 248, 220), QColor(255, 244, 204),
                                          QColor(240, 228, 252), QColor(220, 246, 242)};

void Backdrop(QPainter& painter, int face) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBackdrops[static_cast<size_t>(face % kBackdrops.size())]);
    painter.drawEllipse(kCentre, 38, 44);
    painter.restore();
}

// A citrus slice: rind, pith and segments.
void Slice(QPainter& painter, const QColor& rind, const QColor& flesh) {
    const SetLook& look = LookOf(SetStyle::Fruits);
    FillShape(painter, look, Ellipse(kCentre, 36, 36), rind);
    FillShape(painter, look, Ellipse(kCentre, 31, 31), QColor(252, 248, 232));
    for (int i = 0; i < 9; ++i) {
        const double a0 = i * 2 * M_PI / 9 + 0.06;
        const double a1 = (i + 1) * 2 * M_PI / 9 - 0.06;
        QPainterPath segment(kCentre +
                             QPointF(std::cos((a0 + a1) / 2), std::sin((a0 + a1) / 2)) * 3);
        segment.lineTo(kCentre + QPointF(std::cos(a0), std::sin(a0)) * 27);
        segment.quadTo(kCentre + QPointF(std::cos((a0 + a1) / 2), std::sin((a0 + a1) / 2)) * 30.5,
                       kCentre + QPointF(std::cos(a1), std::sin(a1)) * 27);
        segment.closeSubpath();
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(flesh);
        painter.drawPath(segment);
        painter.restore();
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 90));
    painter.drawEllipse(kCentre + QPointF(-10, -10), 8, 5);
    painter.restore();
}

}  // namespace

void DrawFruit(QPainter& painter, int face) {
    static const std::array<QString, 34> produce = {
        "🍎",    "🍌",    "🫚", "🍉",    "🥕", "🍐",    "🍍",    "🍆",       "🍋",
        "🥝", "🌽",    "🍑",    "🥥", "🍅",    "🥦", "🍈",    "🌶️", "🥑",
        "🍄",    "🍊",    "🥒", "🍏",    "🧅", "🥭", "🫑", "🌰",       "🥬",
        "🧄", "🥔", "🫒", "🥜", "🫛", "🍠",    "🫘"};
    static const std::array<QString, 4> berries = {"🍓", "🍒", "🫐", "🍇"};
    if (face <= 34) {
        Backdrop(painter, face);
        DrawEmoji(painter, produce[static_cast<size_t>(face - 1)],
                  QRectF(kCentre - QPointF(33, 33), QSizeF(66, 66)));
    } else if (face <= 38) {
        Backdrop(painter, face);
        DrawEmoji(painter, berries[static_cast<size_t>(face - 35)],
                  QRectF(kCentre - QPointF(33, 33), QSizeF(66, 66)));
    } else {
        static const std::array<std::pair<QColor, QColor>, 4> slices = {{
            {QColor(240, 140, 20), QColor(250, 170, 50)},
            {QColor(240, 210, 30), QColor(250, 235, 110)},
            {QColor(70, 160, 40), QColor(170, 220, 90)},
            {QColor(236, 120, 80), QColor(240, 110, 110)},
        }};
        const auto& [rind, flesh] = slices[static_cast<size_t>(face - 39)];
        Slice(painter, rind, flesh);
    }
}

}  // namespace artgen
