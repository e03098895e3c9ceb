// SPDX-License-Identifier: GPL-3.0-or-later
#include "art_shapes.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace art {

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const QPointF p = centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(QPointF centre, qreal width)
{
    const qreal w = width / 2;
    const qreal x = centre.x();
    const qreal y = centre.y();
    QPainterPath path;
    path.moveTo(x, y + w * 0.95);
    path.cubicTo(x - w * 0.2, y + w * 0.6, x - w, y + w * 0.25, x - w, y - w * 0.3);
    path.cubicTo(x - w, y - w * 0.85, x - w * 0.2, y - w * 0.95, x, y - w * 0.45);
    path.cubicTo(x + w * 0.2, y - w * 0.95, x + w, y - w * 0.85, x + w, y - w * 0.3);
    path.cubicTo(x + w, y + w * 0.25, x + w * 0.2, y + w * 0.6, x, y + w * 0.95);
    path.closeSubpath();
    return path;
}

QPainterPath crescentPath(QPointF centre, qreal radius, QPointF offset)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + offset, radius * 0.95, radius * 0.95);
    return disc.subtracted(bite);
}

QPainterPath flamePath(QPointF base, qreal width, qreal height)
{
    const qreal w = width / 2;
    QPainterPath path;
    path.moveTo(base.x(), base.y() - height);
    path.cubicTo(base.x() + w * 0.3, base.y() - height * 0.65, base.x() + w * 1.25, base.y() - height * 0.45,
                 base.x() + w, base.y() - height * 0.18);
    path.cubicTo(base.x() + w * 0.8, base.y() + height * 0.02, base.x() - w * 0.8, base.y() + height * 0.02,
                 base.x() - w, base.y() - height * 0.18);
    path.cubicTo(base.x() - w * 1.25, base.y() - height * 0.45, base.x() - w * 0.3, base.y() - height * 0.65,
                 base.x(), base.y() - height);
    path.closeSubpath();
    return path;
}

QPainterPath united(QPainterPath path)
{
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

void fillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill, const QColor& edge,
                  qreal edgeWidth)
{
    painter.save();
    painter.setBrush(fill);
    painter.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.restore();
}

namespace {

void drawWand(QPainter& painter, QPointF c, qreal h)
{
    const QColor wood(0x8a, 0x4b, 0x1c);
    const QColor edge(0x4a, 0x1e, 0x08);
    QPainterPath rod;
    rod.addRoundedRect(QRectF(c.x() - h * 0.09, c.y() - h * 0.2, h * 0.18, h * 0.7), h * 0.05, h * 0.05);
    // Knots along the staff, and a leaf sprouting from it.
    QPainterPath leaf;
    leaf.moveTo(c.x() + h * 0.06, c.y() + h * 0.1);
    leaf.quadTo(c.x() + h * 0.3, c.y() - h * 0.02, c.x() + h * 0.3, c.y() + h * 0.1);
    leaf.quadTo(c.x() + h * 0.2, c.y() + h * 0.14, c.x() + h * 0.06, c.y() + h * 0.1);
    fillOutlined(painter, leaf, QColor(0x4f, 0x9a, 0x2a), QColor(0x25, 0x4d, 0x10), h * 0.03);
    fillOutlined(painter, rod, wood, edge, h * 0.035);
    painter.save();
    painter.setPen(QPen(edge, h * 0.03));
    painter.drawLine(QPointF(c.x() - h * 0.09, c.y() + h * 0.22), QPointF(c.x() + h * 0.09, c.y() + h * 0.2));
    painter.restore();
    fillOutlined(painter, flamePath(QPointF(c.x(), c.y() - h * 0.15), h * 0.42, h * 0.38),
                 QColor(0xe8, 0x3a, 0x14), QColor(0x8b, 0x1a, 0x10), h * 0.03);
    painter.fillPath(flamePath(QPointF(c.x(), c.y() - h * 0.18), h * 0.2, h * 0.22),
                     QColor(0xff, 0xd2, 0x3f));
}

void drawCup(QPainter& painter, QPointF c, qreal h)
{
    const QColor metal(0x1f, 0x6f, 0xc9);
    const QColor edge(0x0a, 0x2a, 0x5c);
    const qreal x = c.x();
    const qreal y = c.y();
    QPainterPath cup;
    cup.moveTo(x - h * 0.3, y - h * 0.44);
    cup.lineTo(x + h * 0.3, y - h * 0.44);
    cup.cubicTo(x + h * 0.3, y - h * 0.05, x + h * 0.12, y + h * 0.02, x + h * 0.05, y + h * 0.06);
    cup.lineTo(x + h * 0.05, y + h * 0.3);
    cup.quadTo(x + h * 0.22, y + h * 0.36, x + h * 0.24, y + h * 0.46);
    cup.lineTo(x - h * 0.24, y + h * 0.46);
    cup.quadTo(x - h * 0.22, y + h * 0.36, x - h * 0.05, y + h * 0.3);
    cup.lineTo(x - h * 0.05, y + h * 0.06);
    cup.cubicTo(x - h * 0.12, y + h * 0.02, x - h * 0.3, y - h * 0.05, x - h * 0.3, y - h * 0.44);
    cup.closeSubpath();
    QLinearGradient shine(x - h * 0.3, 0, x + h * 0.3, 0);
    shine.setColorAt(0, metal.lighter(150));
    shine.setColorAt(0.45, metal);
    shine.setColorAt(1, metal.darker(140));
    painter.save();
    painter.setBrush(shine);
    painter.setPen(QPen(edge, h * 0.035, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(cup);
    // The water at the brim.
    painter.setBrush(QColor(0xa8, 0xdc, 0xff));
    painter.setPen(QPen(edge, h * 0.025));
    painter.drawEllipse(QPointF(x, y - h * 0.44), h * 0.3, h * 0.06);
    painter.restore();
}

void drawSword(QPainter& painter, QPointF c, qreal h)
{
    const QColor steel(0xe4, 0xe8, 0xee);
    const QColor edge(0x3a, 0x3f, 0x48);
    const QColor gold(0xd9, 0xa4, 0x1e);
    const QColor goldEdge(0x7a, 0x55, 0x08);
    const qreal x = c.x();
    const qreal y = c.y();
    QPainterPath blade;
    blade.moveTo(x, y - h * 0.5);
    blade.lineTo(x + h * 0.09, y - h * 0.36);
    blade.lineTo(x + h * 0.09, y + h * 0.16);
    blade.lineTo(x - h * 0.09, y + h * 0.16);
    blade.lineTo(x - h * 0.09, y - h * 0.36);
    blade.closeSubpath();
    fillOutlined(painter, blade, steel, edge, h * 0.03);
    painter.save();
    painter.setPen(QPen(QColor(0x9a, 0xa3, 0xb0), h * 0.025));
    painter.drawLine(QPointF(x, y - h * 0.4), QPointF(x, y + h * 0.14));
    painter.restore();
    QPainterPath guard;
    guard.addRoundedRect(QRectF(x - h * 0.27, y + h * 0.15, h * 0.54, h * 0.08), h * 0.03, h * 0.03);
    fillOutlined(painter, guard, gold, goldEdge, h * 0.03);
    QPainterPath grip;
    grip.addRect(QRectF(x - h * 0.055, y + h * 0.23, h * 0.11, h * 0.17));
    fillOutlined(painter, grip, QColor(0x6b, 0x3a, 0x1a), goldEdge, h * 0.03);
    QPainterPath pommel;
    pommel.addEllipse(QPointF(x, y + h * 0.43), h * 0.075, h * 0.075);
    fillOutlined(painter, pommel, gold, goldEdge, h * 0.03);
}

void drawStone(QPainter& painter, QPointF c, qreal h)
{
    const QColor gem(0x2e, 0x8b, 0x3d);
    const QColor edge(0x1b, 0x3d, 0x14);
    const qreal r = h * 0.36;
    const qreal x = c.x();
    const qreal y = c.y();
    // A cut stone seen from above: an octagon with a table in the middle.
    QPainterPath outer;
    QPainterPath table;
    for (int i = 0; i < 8; ++i) {
        const qreal a = std::numbers::pi / 8 + i * std::numbers::pi / 4;
        const QPointF po(x + std::cos(a) * r, y + std::sin(a) * r);
        const QPointF pt(x + std::cos(a) * r * 0.55, y + std::sin(a) * r * 0.55);
        if (i == 0) {
            outer.moveTo(po);
            table.moveTo(pt);
        } else {
            outer.lineTo(po);
            table.lineTo(pt);
        }
    }
    outer.closeSubpath();
    table.closeSubpath();
    QRadialGradient light(QPointF(x - r * 0.35, y - r * 0.35), r * 1.4);
    light.setColorAt(0, gem.lighter(170));
    light.setColorAt(1, gem.darker(130));
    painter.save();
    painter.setBrush(light);
    painter.setPen(QPen(edge, h * 0.035, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outer);
    painter.setBrush(gem.lighter(135));
    painter.setPen(QPen(edge, h * 0.02));
    painter.drawPath(table);
    for (int i = 0; i < 8; ++i) {
        const qreal a = std::numbers::pi / 8 + i * std::numbers::pi / 4;
        painter.drawLine(QPointF(x + std::cos(a) * r * 0.55, y + std::sin(a) * r * 0.55),
                         QPointF(x + std::cos(a) * r, y + std::sin(a) * r));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(QPointF(x - r * 0.22, y - r * 0.22), r * 0.12, r * 0.12);
    painter.restore();
}

} // namespace

void drawSuitSign(QPainter& painter, Suit suit, QPointF centre, qreal height)
{
    switch (suit) {
    case Suit::Wands:
        return drawWand(painter, centre, height);
    case Suit::Cups:
        return drawCup(painter, centre, height);
    case Suit::Swords:
        return drawSword(painter, centre, height);
    case Suit::Stones:
        return drawStone(painter, centre, height);
    }
}

const SuitColours& suitColours(Suit suit)
{
    static const SuitColours kColours[] = {
        // Wands: fire.
        {QColor(0xff, 0xf0, 0xd8), QColor(0xff, 0xc8, 0x94), QColor(0x9c, 0x1c, 0x0c),
         QColor(0x8b, 0x14, 0x08), QColor(0xd0, 0x3c, 0x14), QColor(0xff, 0x9a, 0x3c)},
        // Cups: water.
        {QColor(0xea, 0xf4, 0xff), QColor(0xb4, 0xd4, 0xf4), QColor(0x0d, 0x3b, 0x80),
         QColor(0x0a, 0x2c, 0x66), QColor(0x1f, 0x5f, 0xb8), QColor(0x7c, 0xb8, 0xee)},
        // Swords: air.
        {QColor(0xff, 0xfd, 0xe8), QColor(0xf6, 0xe8, 0x9c), QColor(0x9a, 0x7a, 0x0c),
         QColor(0x6e, 0x55, 0x04), QColor(0xe0, 0xb8, 0x28), QColor(0xfa, 0xf0, 0xa8)},
        // Stones: earth.
        {QColor(0xf0, 0xf6, 0xe2), QColor(0xcc, 0xe0, 0xb0), QColor(0x3a, 0x5a, 0x1a),
         QColor(0x2c, 0x45, 0x10), QColor(0x4a, 0x82, 0x2c), QColor(0xa0, 0x74, 0x44)},
    };
    return kColours[static_cast<int>(suit)];
}

} // namespace art
