// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace art {

// A star of `points` tips between the two radii, the first tip straight up.
QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points);

// A heart whose widest part is `width`, its point at the bottom.
QPainterPath heartPath(QPointF centre, qreal width);

// A crescent: the disc less a disc moved by `offset`, horns towards -offset.
QPainterPath crescentPath(QPointF centre, qreal radius, QPointF offset);

// A flame: a teardrop, point up, `height` tall.
QPainterPath flamePath(QPointF base, qreal width, qreal height);

// The outline of all the path's parts together. Paths fill even-odd by
// default, which would leave the overlaps of the parts as holes.
QPainterPath united(QPainterPath path);

QColor mix(const QColor& a, const QColor& b, qreal t);

// Fills a path and outlines it with a thin darker line: at 75 pixels wide
// every shape needs its edge drawn to read against the card.
void fillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill, const QColor& edge,
                  qreal edgeWidth = 0.8);

enum class Suit { Wands, Cups, Swords, Stones };

// One suit sign, upright, centred on `centre`, `height` tall.
void drawSuitSign(QPainter& painter, Suit suit, QPointF centre, qreal height);

// The colours a suit's cards are drawn in: one family each.
struct SuitColours {
    QColor paperTop;
    QColor paperBottom;
    QColor frame;
    QColor ink;
    QColor robe;
    QColor robeLight;
};
const SuitColours& suitColours(Suit suit);

} // namespace art
