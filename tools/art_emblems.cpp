// SPDX-License-Identifier: GPL-3.0-or-later
#include "art_emblems.h"

#include "art_shapes.h"
#include "art_text.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <numbers>

namespace art {
namespace {

const QColor kGold(0xf2, 0xc1, 0x4e);
const QColor kGoldDeep(0xd8, 0x8c, 0x1a);
const QColor kGoldEdge(0x6a, 0x44, 0x08);
const QColor kCream(0xff, 0xf3, 0xd2);
const QColor kInk(0x1c, 0x08, 0x2e);
const QColor kRed(0xd8, 0x32, 0x2a);
const QColor kRedEdge(0x5c, 0x0a, 0x08);
const QColor kSky(0x8e, 0xc8, 0xf0);
const QColor kBlue(0x3a, 0x62, 0xc0);
const QColor kGreen(0x4c, 0xa8, 0x48);
const QColor kGreenEdge(0x16, 0x44, 0x14);
const QColor kStone(0xb4, 0xac, 0xc4);
const QColor kSilver(0xe0, 0xe6, 0xf2);
const QColor kSkin(0xf6, 0xd2, 0xaa);
const QColor kBrown(0x8a, 0x52, 0x24);

constexpr qreal kPi = std::numbers::pi;

QPen line(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A thick stroke with a dark rim, so a stick or a rope stands out on purple.
void rimmedLine(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width, const QColor& rim)
{
    p.setPen(line(rim, width + 1.4));
    p.drawLine(a, b);
    p.setPen(line(colour, width));
    p.drawLine(a, b);
}

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

QPainterPath lemniscate(QPointF c, qreal a)
{
    QPainterPath path;
    for (int i = 0; i <= 96; ++i) {
        const qreal t = 2 * kPi * i / 96;
        const qreal d = 1 + std::sin(t) * std::sin(t);
        const QPointF p = c + QPointF(a * std::cos(t) / d, a * std::sin(t) * std::cos(t) / d);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

void drawLemniscate(QPainter& p, QPointF c, qreal a)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(line(kGoldEdge, 4.2));
    p.drawPath(lemniscate(c, a));
    p.setPen(line(kGold, 2.6));
    p.drawPath(lemniscate(c, a));
}

QPainterPath crownPath(QPointF base, qreal width, qreal height, int points)
{
    const qreal left = base.x() - width / 2;
    QPainterPath path;
    path.moveTo(left, base.y());
    path.lineTo(left, base.y() - height);
    for (int i = 0; i < points; ++i) {
        const qreal step = width / points;
        path.lineTo(left + step * (i + 0.5), base.y() - height * 0.45);
        path.lineTo(left + step * (i + 1), base.y() - height);
    }
    path.lineTo(left + width, base.y());
    path.closeSubpath();
    return path;
}

void drawCrown(QPainter& p, QPointF base, qreal width, qreal height, int points)
{
    fillOutlined(p, crownPath(base, width, height, points), kGold, kGoldEdge, 1.0);
    p.setPen(Qt::NoPen);
    for (int i = 0; i <= points; ++i) {
        p.setBrush(i % 2 ? kRed : kSky);
        p.drawEllipse(QPointF(base.x() - width / 2 + width * i / points, base.y() - height), 1.6, 1.6);
    }
    p.setBrush(kRed);
    p.drawEllipse(QPointF(base.x(), base.y() - height * 0.2), 1.6, 1.6);
}

// 0: the jester's head in a three-horned cap with bells.
void fool(QPainter& p)
{
    // Ruff collar.
    QPainterPath ruff;
    ruff.moveTo(-16, 32);
    for (int i = 0; i <= 8; ++i)
        ruff.lineTo(-16 + i * 4, (i % 2) ? 40 : 33);
    ruff.lineTo(16, 32);
    ruff.closeSubpath();
    fillOutlined(p, ruff, kCream, kGoldEdge, 1.0);
    // Face.
    fillOutlined(p, circle(QPointF(0, 21), 11), kSkin, QColor(0x7a, 0x4a, 0x2a), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-4, 19), 1.4, 1.7);
    p.drawEllipse(QPointF(4, 19), 1.4, 1.7);
    p.setBrush(QColor(0xf0, 0x90, 0x90));
    p.drawEllipse(QPointF(-7, 24), 2.2, 1.5);
    p.drawEllipse(QPointF(7, 24), 2.2, 1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(line(kRedEdge, 1.2));
    p.drawArc(QRectF(-5, 19, 10, 7), 200 * 16, 140 * 16);
    // The cap: three horns over a band.
    QPainterPath left;
    left.moveTo(-15, 12);
    left.cubicTo(-22, 2, -30, -6, -30, -20);
    left.cubicTo(-20, -14, -12, -6, -4, 10);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(15, 12);
    right.cubicTo(22, 2, 30, -6, 30, -20);
    right.cubicTo(20, -14, 12, -6, 4, 10);
    right.closeSubpath();
    QPainterPath middle;
    middle.moveTo(-9, 11);
    middle.cubicTo(-10, -6, -6, -22, 3, -34);
    middle.cubicTo(4, -20, 10, -6, 9, 11);
    middle.closeSubpath();
    fillOutlined(p, left, kRed, kRedEdge, 1.0);
    fillOutlined(p, right, kBlue, kInk, 1.0);
    fillOutlined(p, middle, kGold, kGoldEdge, 1.0);
    QPainterPath band;
    band.addRoundedRect(QRectF(-14, 8, 28, 6), 2, 2);
    fillOutlined(p, band, kCream, kGoldEdge, 1.0);
    for (const QPointF& tip : {QPointF(-30, -20), QPointF(3, -34), QPointF(30, -20)})
        fillOutlined(p, circle(tip, 3.4), kGold, kGoldEdge, 1.0);
}

// 1: the lemniscate over the wand, the tools on the table.
void magician(QPainter& p)
{
    drawLemniscate(p, QPointF(0, -30), 17);
    rimmedLine(p, QPointF(0, -17), QPointF(0, 14), kCream, 3.2, kGoldEdge);
    fillOutlined(p, circle(QPointF(0, -17), 2.6), kGold, kGoldEdge, 0.8);
    // Rays from the raised wand.
    p.setPen(line(QColor(0xff, 0xe8, 0x9a), 1.0));
    for (int i = -2; i <= 2; ++i) {
        const qreal a = -kPi / 2 + i * 0.45;
        p.drawLine(QPointF(std::cos(a) * 5, -17 + std::sin(a) * 5),
                   QPointF(std::cos(a) * 10, -17 + std::sin(a) * 10));
    }
    QPainterPath table;
    table.addRect(QRectF(-29, 16, 58, 6));
    table.addRect(QRectF(-25, 22, 4, 18));
    table.addRect(QRectF(21, 22, 4, 18));
    fillOutlined(p, table, kBrown, QColor(0x3a, 0x1e, 0x08), 1.0);
    drawSuitSign(p, Suit::Cups, QPointF(-18, 8), 14);
    drawSuitSign(p, Suit::Stones, QPointF(18, 9), 14);
    drawSuitSign(p, Suit::Swords, QPointF(-8, 6), 16);
}

// 2: two pillars, dark and light, the triple moon and the veil between them.
void highPriestess(QPainter& p)
{
    QPainterPath veil;
    veil.addRect(QRectF(-16, -8, 32, 46));
    fillOutlined(p, veil, kBlue, kInk, 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawEllipse(QPointF(-10 + col * 10 + (row % 2) * 5 - 2.5, -1 + row * 10), 2.2, 2.2);
    for (int side = -1; side <= 1; side += 2) {
        const QColor fill = side < 0 ? QColor(0x26, 0x22, 0x30) : kCream;
        const QColor edge = side < 0 ? kSilver : kGoldEdge;
        QPainterPath pillar;
        pillar.addRect(QRectF(side * 22 - 5, -26, 10, 62));
        pillar.addRect(QRectF(side * 22 - 7.5, -30, 15, 5));
        pillar.addRect(QRectF(side * 22 - 7.5, 35, 15, 5));
        fillOutlined(p, pillar, fill, edge, 1.0);
        drawCentred(p, Face::SerifBold, 8, side < 0 ? "B" : "J", QPointF(side * 22, -12),
                    side < 0 ? kCream : kInk);
    }
    fillOutlined(p, circle(QPointF(0, -25), 7), kSilver, QColor(0x50, 0x58, 0x78), 1.0);
    fillOutlined(p, crescentPath(QPointF(-13, -25), 6.5, QPointF(3.5, 0)), kSilver, QColor(0x50, 0x58, 0x78),
                 0.9);
    fillOutlined(p, crescentPath(QPointF(13, -25), 6.5, QPointF(-3.5, 0)), kSilver, QColor(0x50, 0x58, 0x78),
                 0.9);
    fillOutlined(p, crescentPath(QPointF(0, 30), 8, QPointF(0, -4)), kSilver, QColor(0x50, 0x58, 0x78), 0.9);
}

// 3: the sign of Venus under a crown of stars, between ears of wheat.
void empress(QPainter& p)
{
    const QColor rose(0xf4, 0x8c, 0xa8);
    const QColor roseEdge(0x70, 0x14, 0x30);
    for (int side = -1; side <= 1; side += 2) {
        p.setPen(line(kGoldEdge, 1.6));
        p.drawLine(QPointF(side * 25, 38), QPointF(side * 25, -6));
        for (int i = 0; i < 5; ++i) {
            const qreal y = -4 + i * 7;
            for (int lean = -1; lean <= 1; lean += 2) {
                p.save();
                p.translate(side * 25 + lean * 2.4, y);
                p.rotate(lean * 30);
                fillOutlined(p, circle(QPointF(0, 0), 1), kGold, kGoldEdge, 0.6);
                p.setBrush(kGold);
                p.setPen(line(kGoldEdge, 0.6));
                p.drawEllipse(QPointF(0, 0), 1.8, 3.2);
                p.restore();
            }
        }
        p.setPen(line(kGreen, 1.4));
        p.drawLine(QPointF(side * 25, 38), QPointF(side * 25, 20));
    }
    QPainterPath venus;
    venus.addEllipse(QPointF(0, -6), 14, 14);
    venus.moveTo(0, 8);
    venus.lineTo(0, 36);
    venus.moveTo(-10, 24);
    venus.lineTo(10, 24);
    p.setBrush(Qt::NoBrush);
    p.setPen(line(roseEdge, 7.4));
    p.drawPath(venus);
    p.setPen(line(rose, 5));
    p.drawPath(venus);
    for (int i = 0; i < 7; ++i) {
        const qreal a = kPi + kPi * (i + 0.5) / 7;
        const QPointF c(std::cos(a) * 24, -8 + std::sin(a) * 26);
        fillOutlined(p, starPath(c, 3.6, 1.5, 5), kCream, kGoldEdge, 0.6);
    }
}

// 4: a crown above a throne of stone marked with the ram.
void emperor(QPainter& p)
{
    QPainterPath top;
    top.moveTo(-20, -4);
    top.lineTo(-12, -12);
    top.lineTo(26, -12);
    top.lineTo(18, -4);
    top.closeSubpath();
    QPainterPath side;
    side.moveTo(18, -4);
    side.lineTo(26, -12);
    side.lineTo(26, 28);
    side.lineTo(18, 36);
    side.closeSubpath();
    QPainterPath front;
    front.addRect(QRectF(-20, -4, 38, 40));
    fillOutlined(p, top, kStone.lighter(120), kInk, 1.0);
    fillOutlined(p, side, kStone.darker(130), kInk, 1.0);
    fillOutlined(p, front, kStone, kInk, 1.0);
    // The ram's head: a face with two curled horns.
    QPainterPath face;
    face.moveTo(-5, 8);
    face.lineTo(5, 8);
    face.lineTo(2, 26);
    face.lineTo(-2, 26);
    face.closeSubpath();
    fillOutlined(p, face, kCream, kGoldEdge, 0.9);
    p.setBrush(Qt::NoBrush);
    for (int s = -1; s <= 1; s += 2) {
        QPainterPath horn;
        horn.moveTo(s * 4, 9);
        horn.cubicTo(s * 14, 2, s * 17, 16, s * 10, 17);
        horn.cubicTo(s * 6, 17, s * 7, 12, s * 10, 12);
        p.setPen(line(kGoldEdge, 3.2));
        p.drawPath(horn);
        p.setPen(line(kGold, 1.8));
        p.drawPath(horn);
    }
    drawCrown(p, QPointF(2, -18), 36, 20, 4);
}

// 5: the triple cross over two crossed keys.
void hierophant(QPainter& p)
{
    rimmedLine(p, QPointF(0, -38), QPointF(0, 40), kGold, 3.4, kGoldEdge);
    for (int i = 0; i < 3; ++i) {
        const qreal half = 6 + i * 4;
        const qreal y = -30 + i * 8;
        rimmedLine(p, QPointF(-half, y), QPointF(half, y), kGold, 3.0, kGoldEdge);
    }
    for (int s = -1; s <= 1; s += 2) {
        p.save();
        p.translate(0, 20);
        p.rotate(s * 38);
        const QColor metal = s < 0 ? kGold : kSilver;
        const QColor edge = s < 0 ? kGoldEdge : QColor(0x40, 0x48, 0x60);
        QPainterPath key;
        key.addEllipse(QPointF(0, -20), 6, 6);
        key.addEllipse(QPointF(0, -20), 2.6, 2.6);
        key.addRect(QRectF(-1.6, -14, 3.2, 32));
        key.addRect(QRectF(1.6, 10, 6, 3));
        key.addRect(QRectF(1.6, 15, 5, 3));
        key.setFillRule(Qt::OddEvenFill);
        fillOutlined(p, key, metal, edge, 0.9);
        p.restore();
    }
}

// 6: two hearts under a winged sun.
void lovers(QPainter& p)
{
    for (int s = -1; s <= 1; s += 2) {
        QPainterPath wing;
        wing.moveTo(s * 6, -28);
        wing.cubicTo(s * 14, -40, s * 28, -38, s * 32, -34);
        wing.cubicTo(s * 26, -32, s * 28, -28, s * 22, -26);
        wing.cubicTo(s * 20, -22, s * 12, -22, s * 6, -24);
        wing.closeSubpath();
        fillOutlined(p, wing, kCream, kGoldEdge, 0.9);
    }
    fillOutlined(p, circle(QPointF(0, -27), 6.5), kGold, kGoldEdge, 1.0);
    p.setPen(line(QColor(0xff, 0xe8, 0x9a), 1.0));
    for (int i = 0; i < 5; ++i) {
        const qreal a = kPi / 2 + (i - 2) * 0.3;
        p.drawLine(QPointF(std::cos(a) * 9, -27 + std::sin(a) * 9),
                   QPointF(std::cos(a) * 15, -27 + std::sin(a) * 15));
    }
    fillOutlined(p, heartPath(QPointF(-9, 8), 32), kRed, kRedEdge, 1.2);
    fillOutlined(p, heartPath(QPointF(10, 14), 28), QColor(0xf7, 0x8f, 0xb6), QColor(0x70, 0x14, 0x30), 1.2);
}

// 7: the chariot from the front, its starry canopy over the driver.
void chariot(QPainter& p)
{
    for (int s = -1; s <= 1; s += 2)
        rimmedLine(p, QPointF(s * 18, -30), QPointF(s * 18, -4), kSilver, 2.0, kInk);
    QPainterPath canopy;
    canopy.moveTo(-24, -28);
    canopy.quadTo(0, -44, 24, -28);
    canopy.lineTo(24, -24);
    canopy.lineTo(-24, -24);
    canopy.closeSubpath();
    fillOutlined(p, canopy, QColor(0x20, 0x3a, 0x8c), kInk, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kCream);
    for (int i = -2; i <= 2; ++i)
        p.drawPath(starPath(QPointF(i * 8, -30 + std::abs(i) * 1.2), 2.4, 1.0, 5));
    // The driver.
    fillOutlined(p, circle(QPointF(0, -12), 5.5), kSkin, QColor(0x7a, 0x4a, 0x2a), 0.9);
    fillOutlined(p, starPath(QPointF(0, -20), 3.5, 1.5, 8), kGold, kGoldEdge, 0.6);
    QPainterPath body;
    body.addRect(QRectF(-24, -4, 48, 26));
    fillOutlined(p, body, kGold, kGoldEdge, 1.2);
    QPainterPath disc = circle(QPointF(0, 9), 4.5);
    fillOutlined(p, disc, kRed, kRedEdge, 0.9);
    for (int s = -1; s <= 1; s += 2) {
        QPainterPath wing;
        wing.moveTo(s * 4, 8);
        wing.quadTo(s * 12, 2, s * 19, 4);
        wing.quadTo(s * 13, 10, s * 4, 11);
        wing.closeSubpath();
        fillOutlined(p, wing, kSky, kInk, 0.8);
    }
    for (int s = -1; s <= 1; s += 2) {
        const QPointF hub(s * 22, 28);
        fillOutlined(p, circle(hub, 11), kBrown, QColor(0x3a, 0x1e, 0x08), 1.2);
        fillOutlined(p, circle(hub, 8), QColor(0x5a, 0x2e, 0x10), QColor(0x3a, 0x1e, 0x08), 0.8);
        p.setPen(line(kGold, 1.4));
        for (int i = 0; i < 4; ++i) {
            const qreal a = i * kPi / 4;
            p.drawLine(hub + QPointF(std::cos(a) * 8, std::sin(a) * 8),
                       hub - QPointF(std::cos(a) * 8, std::sin(a) * 8));
        }
        fillOutlined(p, circle(hub, 2.4), kGold, kGoldEdge, 0.8);
    }
}

// 8: the lion's head, the lemniscate above it.
void strength(QPainter& p)
{
    const QColor mane(0xe0, 0x78, 0x18);
    const QColor maneEdge(0x6a, 0x2a, 0x04);
    const QColor fur(0xf4, 0xc2, 0x5c);
    fillOutlined(p, starPath(QPointF(0, 6), 31, 22, 16), mane, maneEdge, 1.2);
    fillOutlined(p, starPath(QPointF(0, 6), 24, 18, 16), mane.lighter(115), maneEdge, 0.8);
    for (int s = -1; s <= 1; s += 2)
        fillOutlined(p, circle(QPointF(s * 12, -6), 4.5), fur, maneEdge, 0.9);
    fillOutlined(p, circle(QPointF(0, 7), 16), fur, maneEdge, 1.0);
    QPainterPath muzzle;
    muzzle.addEllipse(QPointF(-4.5, 15), 6, 5);
    muzzle.addEllipse(QPointF(4.5, 15), 6, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(kCream);
    p.drawPath(united(muzzle));
    p.setBrush(kInk);
    for (int s = -1; s <= 1; s += 2) {
        QPainterPath eye;
        eye.moveTo(s * 9.5, 2);
        eye.quadTo(s * 6, -1.5, s * 2.5, 2.5);
        eye.quadTo(s * 6, 4, s * 9.5, 2);
        p.drawPath(eye);
    }
    QPainterPath nose;
    nose.moveTo(-4, 9);
    nose.lineTo(4, 9);
    nose.lineTo(0, 13.5);
    nose.closeSubpath();
    p.setBrush(QColor(0x5a, 0x2a, 0x1a));
    p.drawPath(nose);
    p.setBrush(Qt::NoBrush);
    p.setPen(line(QColor(0x5a, 0x2a, 0x1a), 1.1));
    p.drawLine(QPointF(0, 13.5), QPointF(0, 17));
    p.drawArc(QRectF(-6, 13, 6, 6), 180 * 16, 180 * 16);
    p.drawArc(QRectF(0, 13, 6, 6), 180 * 16, 180 * 16);
    drawLemniscate(p, QPointF(0, -34), 12);
}

// 9: the lantern with its star, hung from the hermit's staff.
void hermit(QPainter& p)
{
    QRadialGradient glow(QPointF(4, 4), 30);
    glow.setColorAt(0, QColor(255, 236, 150, 200));
    glow.setColorAt(1, QColor(255, 236, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(4, 4), 30, 30);
    // The staff, and the arm of it that holds the lantern.
    rimmedLine(p, QPointF(-20, 42), QPointF(-20, -36), kBrown.lighter(120), 3.2, QColor(0x3a, 0x1e, 0x08));
    rimmedLine(p, QPointF(-20, -32), QPointF(4, -32), kBrown.lighter(120), 3.0, QColor(0x3a, 0x1e, 0x08));
    p.setPen(line(kInk, 1.2));
    p.drawLine(QPointF(4, -32), QPointF(4, -24));
    fillOutlined(p, circle(QPointF(4, -22), 2.6), Qt::transparent, kInk, 1.2);
    QPainterPath cap;
    cap.moveTo(-8, -12);
    cap.lineTo(4, -20);
    cap.lineTo(16, -12);
    cap.closeSubpath();
    fillOutlined(p, cap, kGoldDeep, kGoldEdge, 1.0);
    QPainterPath glass;
    glass.addRoundedRect(QRectF(-6, -12, 20, 26), 2, 2);
    fillOutlined(p, glass, QColor(0xff, 0xf4, 0xb8), kGoldEdge, 1.2);
    fillOutlined(p, starPath(QPointF(4, 1), 8.5, 4.2, 6), QColor(0xff, 0xff, 0xff), kGoldDeep, 0.8);
    QPainterPath base;
    base.addRect(QRectF(-8, 14, 24, 4));
    fillOutlined(p, base, kGoldDeep, kGoldEdge, 1.0);
    p.setPen(line(kGoldEdge, 1.0));
    p.drawLine(QPointF(-1, -12), QPointF(-1, 14));
    p.drawLine(QPointF(9, -12), QPointF(9, 14));
}

// 10: the wheel with eight spokes.
void wheel(QPainter& p)
{
    const QPointF c(0, 0);
    QPainterPath rim = circle(c, 29);
    rim.addEllipse(c, 22, 22);
    rim.setFillRule(Qt::OddEvenFill);
    fillOutlined(p, rim, kGold, kGoldEdge, 1.2);
    fillOutlined(p, circle(c, 22), QColor(0x5a, 0x2e, 0x8a), kGoldEdge, 0.8);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * kPi / 4;
        rimmedLine(p, c, c + QPointF(std::cos(a) * 22, std::sin(a) * 22), kGold, 2.2, kGoldEdge);
    }
    for (int i = 0; i < 8; ++i) {
        const qreal a = kPi / 8 + i * kPi / 4;
        fillOutlined(p, circle(c + QPointF(std::cos(a) * 25.5, std::sin(a) * 25.5), 2), i % 2 ? kRed : kSky,
                     kGoldEdge, 0.6);
    }
    fillOutlined(p, circle(c, 7), QColor(0xe8, 0x6a, 0x1a), kGoldEdge, 1.0);
    fillOutlined(p, circle(c, 2.6), kCream, kGoldEdge, 0.6);
    // Handles at the four quarters, as on a ship's wheel, to show it turns.
    for (int i = 0; i < 4; ++i) {
        const qreal a = i * kPi / 2;
        rimmedLine(p, QPointF(std::cos(a) * 29, std::sin(a) * 29),
                   QPointF(std::cos(a) * 33.5, std::sin(a) * 33.5), kGold, 3.0, kGoldEdge);
    }
}

// 11: the scales hung from an upright sword.
void justice(QPainter& p)
{
    drawSuitSign(p, Suit::Swords, QPointF(0, 2), 80);
    rimmedLine(p, QPointF(-27, -20), QPointF(27, -20), kGold, 2.6, kGoldEdge);
    fillOutlined(p, circle(QPointF(0, -20), 3), kGold, kGoldEdge, 0.8);
    for (int s = -1; s <= 1; s += 2) {
        const QPointF hook(s * 25, -20);
        p.setPen(line(kCream, 0.9));
        p.drawLine(hook, QPointF(s * 25 - 9, 6));
        p.drawLine(hook, QPointF(s * 25 + 9, 6));
        QPainterPath pan;
        pan.moveTo(s * 25 - 10, 6);
        pan.lineTo(s * 25 + 10, 6);
        pan.quadTo(s * 25 + 8, 14, s * 25, 14);
        pan.quadTo(s * 25 - 8, 14, s * 25 - 10, 6);
        pan.closeSubpath();
        fillOutlined(p, pan, kGold, kGoldEdge, 1.0);
    }
}

// 12: the man hung by one foot from a living beam, his legs crossed.
void hangedMan(QPainter& p)
{
    const QColor wood(0x6a, 0x8a, 0x2a);
    const QColor woodEdge(0x24, 0x30, 0x08);
    for (int s = -1; s <= 1; s += 2)
        rimmedLine(p, QPointF(s * 24, 42), QPointF(s * 24, -34), wood, 4.0, woodEdge);
    rimmedLine(p, QPointF(-28, -34), QPointF(28, -34), wood, 4.0, woodEdge);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(-20 + i * 10, -38.5), 3, 1.8);
    p.setPen(line(kCream, 1.2));
    p.drawLine(QPointF(0, -34), QPointF(0, -28));
    // Legs: one straight, the other bent behind it to make a four.
    rimmedLine(p, QPointF(0, -27), QPointF(0, 0), kRed, 4.2, kRedEdge);
    rimmedLine(p, QPointF(0, -4), QPointF(10, -12), kRed, 4.2, kRedEdge);
    rimmedLine(p, QPointF(10, -12), QPointF(1, -18), kRed, 4.2, kRedEdge);
    // Body and the arms folded behind the back.
    QPainterPath body;
    body.addRoundedRect(QRectF(-6.5, -2, 13, 22), 3, 3);
    fillOutlined(p, body, kBlue, kInk, 1.0);
    rimmedLine(p, QPointF(-5, 18), QPointF(-10, 9), kBlue, 3.2, kInk);
    rimmedLine(p, QPointF(5, 18), QPointF(10, 9), kBlue, 3.2, kInk);
    // The head, haloed.
    p.setBrush(QColor(255, 226, 120, 90));
    p.setPen(line(QColor(0xff, 0xe8, 0x9a), 1.0));
    p.drawEllipse(QPointF(0, 28), 10.5, 10.5);
    // Upside down, his hair hangs below his face.
    p.setPen(line(QColor(0x2a, 0x14, 0x04), 0.7));
    p.setBrush(QColor(0x5a, 0x32, 0x14));
    p.drawEllipse(QPointF(0, 32), 6.5, 5);
    fillOutlined(p, circle(QPointF(0, 27), 6), kSkin, QColor(0x7a, 0x4a, 0x2a), 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-2.4, 28.5), 0.9, 1.0);
    p.drawEllipse(QPointF(2.4, 28.5), 0.9, 1.0);
}

// 13: the skull before a scythe.
void death(QPainter& p)
{
    const QColor bone(0xf4, 0xee, 0xdc);
    const QColor boneEdge(0x3a, 0x30, 0x28);
    rimmedLine(p, QPointF(-22, 42), QPointF(18, -32), kBrown.lighter(120), 3.0, QColor(0x2a, 0x14, 0x04));
    QPainterPath blade;
    blade.moveTo(18, -33);
    blade.cubicTo(6, -44, -16, -42, -30, -28);
    blade.cubicTo(-14, -34, 4, -34, 16, -26);
    blade.closeSubpath();
    fillOutlined(p, blade, kSilver, QColor(0x30, 0x38, 0x50), 1.0);
    QPainterPath skull;
    skull.addEllipse(QPointF(0, 6), 15, 14);
    skull.addRoundedRect(QRectF(-9, 12, 18, 14), 3, 3);
    fillOutlined(p, united(skull), bone, boneEdge, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-6, 6), 4.5, 5);
    p.drawEllipse(QPointF(6, 6), 4.5, 5);
    QPainterPath nose;
    nose.moveTo(0, 11);
    nose.lineTo(-2.5, 16);
    nose.lineTo(2.5, 16);
    nose.closeSubpath();
    p.drawPath(nose);
    p.setPen(line(boneEdge, 0.9));
    p.drawLine(QPointF(-6, 21), QPointF(6, 21));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(i * 2.6, 19), QPointF(i * 2.6, 24));
}

// 14: the vessel where fire and water meet, heated from below.
void alchemy(QPainter& p)
{
    fillOutlined(p, flamePath(QPointF(0, 42), 16, 16), QColor(0xe8, 0x3a, 0x14), kRedEdge, 1.0);
    p.fillPath(flamePath(QPointF(0, 41), 7, 9), QColor(0xff, 0xd2, 0x3f));
    QPainterPath flask;
    flask.addEllipse(QPointF(0, 10), 18, 18);
    flask.addRect(QRectF(-5.5, -24, 11, 20));
    flask = united(flask);
    fillOutlined(p, flask, QColor(0xe8, 0xf4, 0xff), kInk, 1.2);
    QPainterPath liquidArea;
    liquidArea.addRect(QRectF(-20, 6, 40, 24));
    QLinearGradient mixGradient(-18, 0, 18, 0);
    mixGradient.setColorAt(0, kRed);
    mixGradient.setColorAt(0.5, QColor(0xa0, 0x40, 0xc0));
    mixGradient.setColorAt(1, kBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(mixGradient);
    p.drawPath(flask.intersected(liquidArea).intersected(circle(QPointF(0, 10), 16.8)));
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(QPointF(-3, 14), 2, 2);
    p.drawEllipse(QPointF(4, 10), 1.5, 1.5);
    p.drawEllipse(QPointF(0, -6), 1.6, 1.6);
    p.drawEllipse(QPointF(-1, -14), 1.2, 1.2);
    QPainterPath lip;
    lip.addRoundedRect(QRectF(-8, -28, 16, 4), 1.5, 1.5);
    fillOutlined(p, lip, kSilver, kInk, 1.0);
    // The signs of fire and water.
    QPainterPath up;
    up.moveTo(-22, -30);
    up.lineTo(-15, -18);
    up.lineTo(-29, -18);
    up.closeSubpath();
    QPainterPath down;
    down.moveTo(22, -18);
    down.lineTo(15, -30);
    down.lineTo(29, -30);
    down.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.setPen(line(kRed, 2.0));
    p.drawPath(up);
    p.setPen(line(kSky, 2.0));
    p.drawPath(down);
}

// 15: the horned head over a chain.
void devil(QPainter& p)
{
    const QColor red(0xc8, 0x22, 0x1a);
    const QColor horn(0xf0, 0xe4, 0xc8);
    for (int s = -1; s <= 1; s += 2) {
        QPainterPath h;
        h.moveTo(s * 5, -12);
        h.cubicTo(s * 12, -24, s * 22, -30, s * 24, -40);
        h.cubicTo(s * 28, -28, s * 22, -16, s * 14, -8);
        h.closeSubpath();
        fillOutlined(p, h, horn, QColor(0x40, 0x30, 0x20), 1.0);
        QPainterPath ear;
        ear.moveTo(s * 14, -2);
        ear.lineTo(s * 27, -8);
        ear.lineTo(s * 15, 8);
        ear.closeSubpath();
        fillOutlined(p, ear, red, kRedEdge, 1.0);
    }
    QPainterPath face;
    face.moveTo(-16, -10);
    face.quadTo(0, -18, 16, -10);
    face.cubicTo(18, 6, 8, 26, 0, 32);
    face.cubicTo(-8, 26, -18, 6, -16, -10);
    face.closeSubpath();
    fillOutlined(p, face, red, kRedEdge, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x30));
    for (int s = -1; s <= 1; s += 2) {
        QPainterPath eye;
        eye.moveTo(s * 2.5, 0);
        eye.lineTo(s * 11, -4);
        eye.lineTo(s * 9, 3);
        eye.closeSubpath();
        p.drawPath(eye);
    }
    p.setBrush(kInk);
    QPainterPath mouth;
    mouth.moveTo(-8, 12);
    mouth.quadTo(0, 20, 8, 12);
    mouth.quadTo(0, 16, -8, 12);
    p.drawPath(mouth);
    fillOutlined(p, starPath(QPointF(0, -7), 4.5, 1.8, 5).translated(0, 0), kGold, kGoldEdge, 0.5);
    p.setBrush(Qt::NoBrush);
    for (int i = -2; i <= 2; ++i) {
        p.setPen(line(QColor(0x30, 0x30, 0x38), 3.0));
        p.drawEllipse(QPointF(i * 11, 38), i % 2 ? 3.2 : 6, i % 2 ? 2.4 : 3.2);
        p.setPen(line(QColor(0xb8, 0xbc, 0xc8), 1.6));
        p.drawEllipse(QPointF(i * 11, 38), i % 2 ? 3.2 : 6, i % 2 ? 2.4 : 3.2);
    }
}

// 16: the tower struck by lightning, its crown thrown down.
void tower(QPainter& p)
{
    const QColor stone(0xa8, 0xa0, 0xb8);
    QPainterPath body;
    body.moveTo(-11, -20);
    body.lineTo(11, -20);
    body.lineTo(15, 42);
    body.lineTo(-15, 42);
    body.closeSubpath();
    fillOutlined(p, body, stone, kInk, 1.2);
    p.save();
    p.setClipPath(body);
    p.setPen(line(QColor(0x5a, 0x52, 0x6a), 0.7));
    for (int row = 0; row < 10; ++row) {
        const qreal y = -14 + row * 6;
        p.drawLine(QPointF(-20, y), QPointF(20, y));
        for (int col = -3; col <= 3; ++col) {
            const qreal x = col * 7 + (row % 2) * 3.5;
            p.drawLine(QPointF(x, y), QPointF(x, y + 6));
        }
    }
    p.restore();
    // Battlements.
    QPainterPath top;
    top.addRect(QRectF(-14, -26, 28, 7));
    fillOutlined(p, top, stone.lighter(110), kInk, 1.0);
    for (const QPointF& w : {QPointF(-5, -4), QPointF(5, 10), QPointF(-4, 24)}) {
        QPainterPath window;
        window.addRoundedRect(QRectF(w.x() - 3, w.y() - 4, 6, 9), 3, 3);
        fillOutlined(p, window, QColor(0x20, 0x10, 0x10), kInk, 0.6);
        p.fillPath(flamePath(w + QPointF(0, 4), 6, 11), QColor(0xff, 0x8a, 0x1a));
    }
    // Flames at the top.
    fillOutlined(p, flamePath(QPointF(-6, -25), 10, 14), QColor(0xe8, 0x3a, 0x14), kRedEdge, 0.8);
    fillOutlined(p, flamePath(QPointF(5, -25), 9, 11), QColor(0xff, 0x8a, 0x1a), kRedEdge, 0.8);
    // The falling crown.
    p.save();
    p.translate(-23, -24);
    p.rotate(-35);
    drawCrown(p, QPointF(0, 0), 15, 9, 3);
    p.restore();
    // The bolt.
    QPainterPath bolt;
    bolt.moveTo(32, -44);
    bolt.lineTo(14, -34);
    bolt.lineTo(22, -32);
    bolt.lineTo(4, -22);
    bolt.lineTo(16, -33);
    bolt.lineTo(8, -35);
    bolt.lineTo(26, -44);
    bolt.closeSubpath();
    fillOutlined(p, bolt, QColor(0xff, 0xf0, 0x40), QColor(0xa0, 0x50, 0x00), 1.0);
}

// 17: the great star among seven small ones.
void star(QPainter& p)
{
    QRadialGradient glow(QPointF(0, -2), 34);
    glow.setColorAt(0, QColor(160, 210, 255, 170));
    glow.setColorAt(1, QColor(160, 210, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, -2), 34, 34);
    fillOutlined(p, starPath(QPointF(0, -2), 25, 9, 8), kGold, kGoldEdge, 1.0);
    fillOutlined(p, starPath(QPointF(0, -2), 16, 6, 8), QColor(0xff, 0xff, 0xf0), kGoldEdge, 0.6);
    const QPointF small[] = {{-25, -32}, {25, -32}, {-28, 8}, {28, 8}, {-18, 32}, {18, 32}, {0, 37}};
    for (const QPointF& c : small)
        fillOutlined(p, starPath(c, 5, 2, 8), QColor(0xf4, 0xf8, 0xff), QColor(0x40, 0x60, 0xa0), 0.6);
}

// 18: the crescent over two towers, dew falling between them.
void moon(QPainter& p)
{
    const QColor pale(0xee, 0xec, 0xc8);
    const QColor paleEdge(0x58, 0x56, 0x38);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 225, 255, 60));
    p.drawEllipse(QPointF(0, -14), 24, 24);
    fillOutlined(p, crescentPath(QPointF(-4, -14), 23, QPointF(12, -4)), pale, paleEdge, 1.2);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-6, -22), 1.5, 1.5);
    for (int s = -1; s <= 1; s += 2) {
        QPainterPath t;
        t.addRect(QRectF(s * 23 - 5, 16, 10, 26));
        for (int i = 0; i < 3; ++i)
            t.addRect(QRectF(s * 23 - 6 + i * 4.5, 12, 3, 5));
        fillOutlined(p, united(t), kStone, kInk, 1.0);
        QPainterPath door;
        door.addRoundedRect(QRectF(s * 23 - 2, 32, 4, 10), 2, 2);
        p.fillPath(door, kInk);
    }
    for (const QPointF& d :
         {QPointF(-8, 16), QPointF(0, 22), QPointF(8, 14), QPointF(-3, 32), QPointF(6, 30)}) {
        QPainterPath drop = flamePath(d, 3.4, 5).translated(0, 0);
        fillOutlined(p, drop, kGold, kGoldEdge, 0.5);
    }
}

// 19: the sun with its face and alternating rays.
void sun(QPainter& p)
{
    const QPointF c(0, 0);
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * kPi / 8;
        const qreal len = i % 2 ? 30 : 36;
        const qreal half = i % 2 ? 0.13 : 0.16;
        QPainterPath ray;
        ray.moveTo(c + QPointF(std::cos(a - half) * 15, std::sin(a - half) * 15));
        ray.lineTo(c + QPointF(std::cos(a) * len, std::sin(a) * len));
        ray.lineTo(c + QPointF(std::cos(a + half) * 15, std::sin(a + half) * 15));
        ray.closeSubpath();
        fillOutlined(p, ray, i % 2 ? QColor(0xff, 0x9c, 0x1a) : kGold, kGoldEdge, 0.8);
    }
    QRadialGradient disc(QPointF(-4, -4), 22);
    disc.setColorAt(0, QColor(0xff, 0xf6, 0xa0));
    disc.setColorAt(1, QColor(0xff, 0xb0, 0x20));
    p.setBrush(disc);
    p.setPen(line(kGoldEdge, 1.2));
    p.drawEllipse(c, 17, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x3a, 0x04));
    p.drawEllipse(QPointF(-6, -3), 1.8, 2.2);
    p.drawEllipse(QPointF(6, -3), 1.8, 2.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(line(QColor(0x7a, 0x3a, 0x04), 1.3));
    p.drawArc(QRectF(-7, -2, 14, 11), 200 * 16, 140 * 16);
}

// 20: the trumpet that wakes the dead, its banner, and the one who rises.
void aeon(QPainter& p)
{
    p.setPen(line(QColor(255, 232, 154, 150), 1.2));
    for (int i = 0; i < 7; ++i) {
        const qreal a = kPi * (0.15 + 0.7 * i / 6);
        p.drawLine(QPointF(std::cos(a) * 14, -30 + std::sin(a) * 14),
                   QPointF(std::cos(a) * 30, -30 + std::sin(a) * 30));
    }
    QPainterPath cloud;
    for (const QPointF& c :
         {QPointF(-18, -34), QPointF(-6, -38), QPointF(8, -37), QPointF(20, -33), QPointF(0, -31)})
        cloud.addEllipse(c, 10, 6.5);
    fillOutlined(p, united(cloud), QColor(0xf0, 0xf0, 0xff), QColor(0x60, 0x60, 0x90), 1.0);
    // The trumpet, sounding down to the right.
    QPainterPath trumpet;
    trumpet.moveTo(-16, -27);
    trumpet.lineTo(14, -14);
    trumpet.lineTo(22, -22);
    trumpet.lineTo(20, -2);
    trumpet.lineTo(8, -8);
    trumpet.lineTo(12, -11);
    trumpet.lineTo(-17, -24);
    trumpet.closeSubpath();
    fillOutlined(p, trumpet, kGold, kGoldEdge, 1.0);
    // Its banner hangs below it: white with a red cross.
    QPainterPath banner;
    banner.moveTo(-10, -23);
    banner.lineTo(4, -17);
    banner.lineTo(4, -3);
    banner.lineTo(-10, -9);
    banner.closeSubpath();
    fillOutlined(p, banner, kCream, kGoldEdge, 0.9);
    p.setPen(line(kRed, 2.0));
    p.drawLine(QPointF(-3, -19.5), QPointF(-3, -6.5));
    p.drawLine(QPointF(-9, -16), QPointF(3, -10.5));
    // The one who rises, arms up, from an open tomb.
    const QColor skinEdge(0x7a, 0x4a, 0x2a);
    rimmedLine(p, QPointF(-3, 22), QPointF(-12, 6), kSkin, 2.6, skinEdge);
    rimmedLine(p, QPointF(3, 22), QPointF(12, 6), kSkin, 2.6, skinEdge);
    QPainterPath body;
    body.addRoundedRect(QRectF(-6, 18, 12, 18), 4, 4);
    fillOutlined(p, body, kSkin, skinEdge, 0.9);
    fillOutlined(p, circle(QPointF(0, 12), 5.5), kSkin, skinEdge, 0.9);
    QPainterPath tomb;
    tomb.addRect(QRectF(-20, 30, 40, 10));
    fillOutlined(p, tomb, kStone, kInk, 1.0);
    p.setPen(line(kInk, 0.8));
    p.drawLine(QPointF(-20, 33), QPointF(20, 33));
}

// 21: the wreath about the world, bound with ribbons.
void universe(QPainter& p)
{
    const qreal rx = 23;
    const qreal ry = 34;
    for (int i = 0; i < 30; ++i) {
        const qreal t = 2 * kPi * i / 30;
        const QPointF c(std::cos(t) * rx, std::sin(t) * ry);
        const qreal angle = std::atan2(std::cos(t) * ry, -std::sin(t) * rx) * 180 / kPi;
        p.save();
        p.translate(c);
        p.rotate(angle + 30);
        p.setBrush(i % 2 ? kGreen : kGreen.lighter(130));
        p.setPen(line(kGreenEdge, 0.7));
        p.drawEllipse(QPointF(0, 0), 5, 2.4);
        p.restore();
    }
    for (int s = -1; s <= 1; s += 2) {
        p.setPen(line(kRed, 2.4));
        p.drawLine(QPointF(-6, s * ry - 4), QPointF(6, s * ry + 4));
        p.drawLine(QPointF(6, s * ry - 4), QPointF(-6, s * ry + 4));
    }
    QRadialGradient sea(QPointF(-4, -4), 18);
    sea.setColorAt(0, kSky);
    sea.setColorAt(1, kBlue);
    p.setBrush(sea);
    p.setPen(line(kInk, 1.0));
    p.drawEllipse(QPointF(0, 0), 13, 13);
    p.setBrush(Qt::NoBrush);
    p.setPen(line(kGold, 1.0));
    p.drawEllipse(QPointF(0, 0), 5.5, 13);
    p.drawLine(QPointF(0, -13), QPointF(0, 13));
    p.drawLine(QPointF(-13, 0), QPointF(13, 0));
    p.drawLine(QPointF(-11.5, -6), QPointF(11.5, -6));
    p.drawLine(QPointF(-11.5, 6), QPointF(11.5, 6));
    for (const QPointF& c : {QPointF(-28, -38), QPointF(28, -38), QPointF(-28, 38), QPointF(28, 38)})
        fillOutlined(p, starPath(c, 4, 1.6, 5), kCream, kGoldEdge, 0.5);
}

using Emblem = void (*)(QPainter&);

constexpr std::array<Emblem, 22> kEmblems = {
    fool,     magician, highPriestess, empress, emperor,   hierophant, lovers,  chariot,
    strength, hermit,   wheel,         justice, hangedMan, death,      alchemy, devil,
    tower,    star,     moon,          sun,     aeon,      universe,
};

} // namespace

void drawMajorEmblem(QPainter& painter, int card)
{
    painter.save();
    kEmblems.at(static_cast<std::size_t>(card))(painter);
    painter.restore();
}

} // namespace art
