// The drawing kit of the window pictures (command icons, status-bar images,
// pointers): one palette and a handful of shapes, so that every small picture
// of the game window looks like part of one family: flat shapes with a soft
// top-to-bottom gradient and a one-pixel darker rim.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <functional>

namespace artgen {

// The palette, built around the game's jade green.
inline constexpr QRgb kIconJade = 0xff2f9e6e;
inline constexpr QRgb kIconJadeDark = 0xff1c6b4a;
inline constexpr QRgb kIconJadeLight = 0xff8fdcb5;
inline constexpr QRgb kIconGold = 0xffeeb12c;
inline constexpr QRgb kIconAmber = 0xffe3a23a;
inline constexpr QRgb kIconRed = 0xffd8473a;
inline constexpr QRgb kIconIvory = 0xfff8f3e4;
inline constexpr QRgb kIconSlate = 0xff4d5d68;
inline constexpr QRgb kIconSky = 0xff3d8fd1;
inline constexpr QRgb kIconWood = 0xffb57a45;

// Icons are drawn over a logical 24 x 24 frame and scaled to their size.
inline constexpr double kIconFrame = 24.0;

// Paints one icon over the logical frame; `small` is true at 16 pixels, where
// a drawer may leave out fine detail.
using IconDrawer = std::function<void(QPainter& painter, bool small)>;

// Draws an icon at `size` x `size` pixels on a transparent ground.
QImage RenderIcon(const IconDrawer& draw, int size);

// The greyed form of an icon for a disabled button: grey, paler and partly
// see-through, with the same outline.
QImage Greyed(const QImage& icon);

// Fills `path` with a gradient of `base` (lighter at the top, darker at the
// bottom) and rims it, inside the shape, one device pixel wide in a darker
// shade.
void Solid(QPainter& painter, const QPainterPath& path, const QColor& base);

// Fills `path` with one colour, no gradient and no rim (inner details).
void Flat(QPainter& painter, const QPainterPath& path, const QColor& colour);

// The outline of the centre line `line` drawn `width` wide.
QPainterPath Thick(const QPainterPath& line, double width, Qt::PenCapStyle cap = Qt::RoundCap);

// A straight line from `a` to `b` as a path.
QPainterPath Line(QPointF a, QPointF b);

// A rounded rectangle as a path.
QPainterPath Rounded(const QRectF& rect, double radius);

// A circle as a path.
QPainterPath Circle(QPointF centre, double radius);

// A polygon through `points` as a closed path.
QPainterPath Polygon(std::initializer_list<QPointF> points);

// A star of `points` tips around `centre`, the first tip straight up.
QPainterPath Star(QPointF centre, double outer, double inner, int points = 5);

// A straight arrow from `from` to the tip `to`: a shaft `shaft` wide and a
// head `headLength` long and `headWidth` wide, as one outline.
QPainterPath Arrow(QPointF from, QPointF to, double shaft, double headLength, double headWidth);

// An arrow along a circular arc around `centre`: it starts at `startDegrees`
// (0 = three o'clock, counter-clockwise positive) and turns by `sweepDegrees`,
// with its head at the end pointing along the arc.
QPainterPath ArcArrow(QPointF centre, double radius, double startDegrees, double sweepDegrees,
                      double shaft, double headLength, double headWidth);

// A small mahjong tile seen from the front: its jade back showing `depth`
// below and to the right of the ivory face `face`.
void SmallTile(QPainter& painter, const QRectF& face, double depth);

}  // namespace artgen
