// Pictures of the flower and season tiles, each filling `area`.
#pragma once

#include <QPainter>
#include <QRectF>

#include "SetLook.h"

namespace artgen {

void DrawPlum(QPainter& painter, const SetLook& look, const QRectF& area);
void DrawOrchid(QPainter& painter, const SetLook& look, const QRectF& area);
void DrawChrysanthemum(QPainter& painter, const SetLook& look, const QRectF& area);
void DrawBambooPlant(QPainter& painter, const SetLook& look, const QRectF& area);
void DrawSpring(QPainter& painter, const SetLook& look, const QRectF& area);
void DrawSummer(QPainter& painter, const SetLook& look, const QRectF& area);
void DrawAutumn(QPainter& painter, const SetLook& look, const QRectF& area);
void DrawWinter(QPainter& painter, const SetLook& look, const QRectF& area);

// A blossom of `petals` round petals around `centre` (shared with the
// Matching flowers).
void DrawBlossom(QPainter& painter, const SetLook& look, QPointF centre, double radius, int petals,
                 const QColor& petal, const QColor& heart, double turn = 0);

}  // namespace artgen
