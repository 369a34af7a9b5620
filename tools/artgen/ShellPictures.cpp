// The larger window pictures: splash, About, hold-and-exit and the
// application icon, drawn from the Classic set's own tiles.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "Bodies.h"
#include "CommandIcons.h"
#include "Faces.h"
#include "Fonts.h"
#include "Glyphs.h"
#include "Pointers.h"
#include "TileComposer.h"
#include "WindowPictures.h"

namespace artgen {

namespace {

// A whole Classic tile with face 1..43 (43 the blank face), w x h with depth d.
QImage ClassicTile(int face, int w, int h, int d) {
    const TileSetInfo& classic = BuiltInTileSets().front();
    const QSize natural(classic.faceWidth, classic.faceHeight);
    // The body is drawn at its final size: scaling it would blend the magenta
    // around it into the edges.
    const QImage body = DrawBody(LookOf(classic.style), w, h, d, 1);
    return ComposeTile(body, RenderFace(FaceDrawerFor(classic), face, natural), DrawFaceOverlay(),
                       w, h, d);
}

// Draws a tile with a soft shadow to its lower right.
void PlaceTile(QPainter& painter, const QImage& tile, QPointF at, int depth) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 16));
    const QRectF shadow(at.x() + depth / 2.0 + 2, at.y() + depth / 2.0 + 3,
                        tile.width() - depth / 2.0, tile.height() - depth / 2.0);
    for (int spread = 0; spread < 4; ++spread) {
        painter.drawRoundedRect(shadow.adjusted(-spread, -spread, spread, spread), 3 + spread,
                                3 + spread);
    }
    painter.drawImage(at, tile);
}

void FillText(QPainter& painter, const QPainterPath& path, const QBrush& brush) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(path.translated(1.5, 2));
    painter.setBrush(brush);
    painter.drawPath(path);
}

}  // namespace

QImage DrawSplash() {
    QImage image(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, kSplashWidth, kSplashHeight);
    ground.setColorAt(0, QColor(12, 66, 45));
    ground.setColorAt(1, QColor(36, 128, 88));
    painter.fillRect(image.rect(), ground);
    QRadialGradient glow(QPointF(300, 100), 170);
    glow.setColorAt(0, QColor(143, 220, 181, 70));
    glow.setColorAt(1, QColor(143, 220, 181, 0));
    painter.fillRect(image.rect(), glow);
    // Wind: a few long soft curves across the ground.
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        QPainterPath curve(QPointF(-20, 60 + i * 42));
        curve.cubicTo(110, 20 + i * 42, 260, 120 + i * 40, 430, 40 + i * 46);
        painter.setPen(QPen(QColor(170, 235, 200, 22 + 6 * (i % 2)), 10 + 4 * (i % 3),
                            Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(curve);
    }

    // A small pyramid of tiles on the left, drawn from the top row down so
    // that each row hides the bottom sides of the row above.
    const int w = 50;
    const int h = 68;
    const int d = 9;
    const int left = 16;
    const int top = (kSplashHeight - 3 * h - d) / 2;
    const int rows[3][3] = {{33, 0, 0}, {28, 32, 0}, {10, 19, 1}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column <= row; ++column) {
            PlaceTile(painter, ClassicTile(rows[row][column], w, h, d),
                      QPointF(left + column * w + (2 - row) * w / 2.0, top + row * h), d);
        }
    }

    // The name, the year and what the game is.
    QLinearGradient gold(0, 40, 0, 160);
    gold.setColorAt(0, QColor(255, 236, 170));
    gold.setColorAt(1, QColor(226, 160, 40));
    FillText(painter, GlyphPath("Jadewind", Fonts().sansBold, 34, QPointF(298, 104), true),
             QColor(kIconIvory));
    FillText(painter, GlyphPath("2007", Fonts().sansBold, 30, QPointF(296, 152), true), gold);
    FillText(painter, GlyphPath("Mahjong Solitaire", Fonts().sans, 15, QPointF(296, 186)),
             QColor(205, 238, 220));
    // A red seal with the name in characters.
    const QRectF seal(347, 16, 40, 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kIconRed));
    painter.drawRoundedRect(seal, 5, 5);
    painter.setPen(QPen(QColor(255, 240, 230), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(seal.adjusted(3, 3, -3, -3), 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 244, 236));
    painter.drawPath(
        GlyphPath(QString::fromUtf8("玉"), Fonts().kai, 15, seal.center() - QPointF(0, 7)));
    painter.drawPath(
        GlyphPath(QString::fromUtf8("風"), Fonts().kai, 15, seal.center() + QPointF(0, 8)));
    painter.setBrush(QColor(170, 220, 195));
    painter.drawPath(GlyphPath("Version 4.3", Fonts().sans, 10, QPointF(296, 232)));
    return image;
}

QImage DrawAboutPicture() {
    QImage image(kDialogPictureSize, kDialogPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int w = 40;
    const int h = 54;
    const int d = 8;
    const int faces[3] = {32, 34, 33};
    const double angles[3] = {-14, 14, 0};
    for (int i = 0; i < 3; ++i) {
        painter.save();
        painter.translate(46, 100);
        painter.rotate(angles[i]);
        PlaceTile(painter, ClassicTile(faces[i], w, h, d), QPointF(-(w + d) / 2.0, -h - d - 14), d);
        painter.restore();
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage DrawHoldPicture() {
    QImage image(kDialogPictureSize, kDialogPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PlaceTile(painter, ClassicTile(28, 50, 68, 9), QPointF(12, 6), 9);
    for (const IconDesign& design : IconDesigns()) {
        if (design.base == "PAUSE") {
            painter.drawImage(QPointF(54, 54), RenderIcon(design.draw, 40));
        }
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage DrawAppIcon(int size) {
    QImage image(kAppIconSize, kAppIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int w = 164;
    const int h = 214;
    const int d = 26;
    const QPointF at((kAppIconSize - w - d) / 2.0, (kAppIconSize - h - d) / 2.0);
    PlaceTile(painter, ClassicTile(43, w, h, d), at, d);
    const QPointF middle = at + QPointF(w / 2.0, h / 2.0);
    QLinearGradient jade(0, middle.y() - 80, 0, middle.y() + 80);
    jade.setColorAt(0, QColor(kIconJade).lighter(115));
    jade.setColorAt(1, QColor(kIconJadeDark));
    painter.setPen(QPen(QColor(kIconJadeDark).darker(130), 2));
    painter.setBrush(jade);
    painter.drawPath(GlyphPath(QString::fromUtf8("玉"), Fonts().kai, 150, middle));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32)
        .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool WriteWindowPictures(ResourceWriter& writer) {
    return WriteCommandIcons(writer) && WritePointers(writer) &&
           writer.Jpeg("SPLASH", DrawSplash()) && writer.Icon("ABOUT", DrawAboutPicture()) &&
           writer.Icon("HOLD_AND_EXIT", DrawHoldPicture()) &&
           writer.Icon("APP_ICON", DrawAppIcon(kAppIconSize)) &&
           writer.Icon("EMPTY_CHART", DrawEmptyChart()) && WriteChooserPictures(writer);
}

}  // namespace artgen
