#pragma once

// The tavern's painting kit: window surfaces of wood, cloth and brass, raised plates, price
// tags, cartoon lettering and light bulbs, all drawn as vectors so they stay sharp at any
// device pixel ratio.

#include <QFont>
#include <QPainter>
#include <QString>

#include "catalogue/looks.h"

namespace tarvolenka::qt {

QColor Qc(Rgb c, int alpha = 255);

// A window's whole surface in the hue of its base colour. Parts wholly outside `exposed` may be
// left out: a countdown's repaint a second need not stroke the whole surface.
void PaintSurface(QPainter& p, const QRect& rect, Rgb base, looks::Surface surface,
                  const QRect& exposed);

// A raised plate: shadow, a lit-to-shaded body, a bevel and a dark rim.
void PaintPlate(QPainter& p, const QRectF& rect, Rgb base, qreal radius);

// A price tag hung on the art: a plate with a notched hanging end and a string hole.
void PaintTag(QPainter& p, const QRectF& rect, Rgb base);

// Text in `ink`, with a thick outline in `edge` when `outlined`.
void PaintText(QPainter& p, const QRectF& rect, Qt::Alignment align, const QString& text,
               const QFont& font, Rgb ink, bool outlined, Rgb edge);

// A light bulb in a brass socket, lit or dark.
void PaintBulb(QPainter& p, QPointF centre, qreal radius, bool lit);

}  // namespace tarvolenka::qt
