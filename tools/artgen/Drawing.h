// Small drawing helpers shared by the face painters.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include "SetLook.h"

namespace artgen {

// Linear mix of two colours, t = 0 gives `a`.
QColor Mix(const QColor& a, const QColor& b, double t);

// Fills `path` and outlines it the way the set's stroke manner wants: carved
// sets get a thin darker edge, brush sets an ink line, flat sets no edge.
void FillShape(QPainter& painter, const SetLook& look, const QPainterPath& path,
               const QColor& fill);

// A point of `area` given in fractions of its width and height.
inline QPointF At(const QRectF& area, double fx, double fy) {
    return {area.left() + fx * area.width(), area.top() + fy * area.height()};
}

// An ellipse path of radii rx, ry around `centre`, turned by `degrees`.
QPainterPath Ellipse(QPointF centre, double rx, double ry, double degrees = 0);

}  // namespace artgen
