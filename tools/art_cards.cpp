// SPDX-License-Identifier: GPL-3.0-or-later
#include "art_cards.h"

#include "art_emblems.h"
#include "art_shapes.h"
#include "art_text.h"
#include "deck/card_catalogue.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace art {
namespace {

struct SizeException {
    int imageNumber;
    int width;
    int height;
};

// The cards were never cut quite alike; these keep their own measure.
constexpr SizeException kSizeExceptions[] = {
    {10, 74, 138}, {22, 75, 135}, {23, 75, 135}, {24, 75, 135}, {25, 75, 136}, {26, 75, 136}, {27, 75, 136},
    {28, 75, 135}, {29, 75, 135}, {30, 75, 136}, {31, 75, 135}, {32, 75, 135}, {33, 75, 134}, {34, 75, 136},
    {35, 75, 136}, {36, 75, 137}, {37, 75, 137}, {78, 75, 136}, {79, 76, 135},
};

const QColor kMajorEdge(0x1a, 0x08, 0x30);
const QColor kMajorTop(0x52, 0x26, 0x80);
const QColor kMajorBottom(0x26, 0x0c, 0x46);
const QColor kMajorGold(0xf2, 0xc1, 0x4e);
const QColor kMajorGoldDeep(0xb8, 0x84, 0x20);

QString upper(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size())).toUpper();
}

int cardOfImage(int imageNumber)
{
    return imageNumber == deck::kFoolImage ? 0 : imageNumber;
}

// The card's face: a dark edge, then the paper with a fine line inside it.
void drawBlank(QPainter& p, QSizeF size, const QColor& edge, const QBrush& paper, const QColor& line)
{
    p.fillRect(QRectF(QPointF(0, 0), size), edge);
    const QRectF inner = QRectF(QPointF(0, 0), size).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawRoundedRect(inner, 3, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, 0.8));
    p.drawRoundedRect(inner.adjusted(1.8, 1.8, -1.8, -1.8), 2, 2);
}

QString romanNumeral(int value)
{
    if (value == 0)
        return QStringLiteral("0");
    struct Step {
        int value;
        const char* letters;
    };
    static constexpr Step kSteps[] = {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString text;
    for (const Step& step : kSteps) {
        while (value >= step.value) {
            text += QLatin1String(step.letters);
            value -= step.value;
        }
    }
    return text;
}

// A name on one line if it reads there, else broken where the two lines come
// out most even.
void drawName(QPainter& p, const QString& name, qreal centreX, qreal baseline, qreal width, qreal maxSize,
              const QBrush& fill, const QPen& halo)
{
    constexpr qreal kSmallestOneLine = 9.6;
    const qreal one = fittingSize(Face::SansNarrow, maxSize, width, name);
    const qsizetype space = name.indexOf(' ');
    if (one >= kSmallestOneLine || space < 0) {
        drawCentred(p, Face::SansNarrow, one, name, QPointF(centreX, baseline), fill, halo);
        return;
    }
    QString first;
    QString second;
    qreal best = 1e9;
    for (qsizetype at = name.indexOf(' '); at >= 0; at = name.indexOf(' ', at + 1)) {
        const QString a = name.left(at);
        const QString b = name.mid(at + 1);
        const qreal widest = std::max(textPath(Face::SansNarrow, 10, a).boundingRect().width(),
                                      textPath(Face::SansNarrow, 10, b).boundingRect().width());
        if (widest < best) {
            best = widest;
            first = a;
            second = b;
        }
    }
    const qreal size = std::min(fittingSize(Face::SansNarrow, maxSize - 1, width, first),
                                fittingSize(Face::SansNarrow, maxSize - 1, width, second));
    drawCentred(p, Face::SansNarrow, size, first, QPointF(centreX, baseline - size * 0.95), fill, halo);
    drawCentred(p, Face::SansNarrow, size, second, QPointF(centreX, baseline), fill, halo);
}

void drawMajor(QPainter& p, QSizeF size, int card)
{
    const qreal w = size.width();
    const qreal h = size.height();
    QLinearGradient paper(0, 0, 0, h);
    paper.setColorAt(0, kMajorTop);
    paper.setColorAt(1, kMajorBottom);
    drawBlank(p, size, kMajorEdge, paper, kMajorGoldDeep);

    const QPen halo(kMajorEdge, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    drawCentred(p, Face::SerifBold, 14, romanNumeral(card), QPointF(w / 2, 17), kMajorGold, halo);

    const qreal bandTop = h - 25;
    p.setPen(QPen(kMajorGoldDeep, 0.8));
    p.drawLine(QPointF(9, 21), QPointF(w - 9, 21));
    p.drawLine(QPointF(9, bandTop), QPointF(w - 9, bandTop));

    QString name = upper(deck::cardRow(std::int16_t(card)).drawName);
    if (name.startsWith(QLatin1String("THE ")))
        name = name.mid(4);
    drawName(p, name, w / 2, h - 8.5, w - 12, 11.5, QColor(0xff, 0xf3, 0xd2), halo);

    const qreal areaTop = 22;
    const qreal areaHeight = bandTop - areaTop;
    const qreal scale = std::min((w - 8) / 66, areaHeight / 88);
    p.save();
    p.translate(w / 2, areaTop + areaHeight / 2);
    p.scale(scale, scale);
    drawMajorEmblem(p, card);
    p.restore();
}

// The court figure, drawn about the origin within x -30..30, y -40..40.
void drawCourtFigure(QPainter& p, int rank, Suit suit)
{
    const SuitColours& colours = suitColours(suit);
    const QColor skin(0xf6, 0xd2, 0xaa);
    const QColor skinEdge(0x7a, 0x4a, 0x2a);
    const QColor gold(0xf2, 0xc1, 0x4e);
    const QColor goldEdge(0x6a, 0x44, 0x08);
    const QColor ink = colours.ink;
    enum { Mother, Father, Son, Daughter };

    // A Daughter stands smaller than the others.
    const qreal s = rank == Daughter ? 0.82 : 1.0;
    p.save();
    p.translate(0, rank == Daughter ? 7 : 0);
    p.scale(s, s);

    if (rank == Father) {
        // The throne's back behind him.
        QPainterPath throne;
        throne.addRoundedRect(QRectF(-22, -30, 44, 64), 6, 6);
        fillOutlined(p, throne, colours.robeLight.darker(115), ink, 1.0);
    }
    if (rank == Mother) {
        // The veil falls from the crown to below the shoulders.
        QPainterPath veil;
        veil.moveTo(0, -34);
        veil.cubicTo(-16, -32, -20, -10, -22, 14);
        veil.lineTo(22, 14);
        veil.cubicTo(20, -10, 16, -32, 0, -34);
        veil.closeSubpath();
        fillOutlined(p, veil, colours.robeLight, ink, 1.0);
    }
    if (rank == Daughter) {
        QPainterPath hair;
        hair.addRoundedRect(QRectF(-11, -30, 22, 30), 9, 9);
        fillOutlined(p, hair, QColor(0xb0, 0x5a, 0x1e), QColor(0x4a, 0x20, 0x08), 1.0);
    }

    QPainterPath robe;
    if (rank == Daughter) {
        robe.moveTo(-9, -6);
        robe.lineTo(9, -6);
        robe.cubicTo(14, 10, 24, 26, 26, 38);
        robe.lineTo(-26, 38);
        robe.cubicTo(-24, 26, -14, 10, -9, -6);
    } else if (rank == Son) {
        // Armour: a straighter body, legs apart in a stride.
        robe.moveTo(-13, -6);
        robe.lineTo(13, -6);
        robe.lineTo(12, 18);
        robe.lineTo(-12, 18);
        robe.closeSubpath();
    } else {
        robe.moveTo(-13, -6);
        robe.lineTo(13, -6);
        robe.lineTo(22, 38);
        robe.lineTo(-22, 38);
    }
    robe.closeSubpath();
    QLinearGradient cloth(-20, 0, 20, 0);
    cloth.setColorAt(0, colours.robe.lighter(125));
    cloth.setColorAt(1, colours.robe.darker(120));
    p.setBrush(cloth);
    p.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(robe);

    if (rank == Son) {
        p.setPen(QPen(ink, 6.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-6, 18), QPointF(-12, 38));
        p.drawLine(QPointF(6, 18), QPointF(12, 38));
        p.setPen(QPen(QColor(0xb8, 0xc0, 0xcc), 4.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-6, 18), QPointF(-12, 38));
        p.drawLine(QPointF(6, 18), QPointF(12, 38));
        QPainterPath belt;
        belt.addRect(QRectF(-13, 8, 26, 4));
        fillOutlined(p, belt, gold, goldEdge, 0.8);
    }
    if (rank == Father) {
        QPainterPath cape;
        cape.moveTo(-13, -6);
        cape.lineTo(-24, 38);
        cape.lineTo(-14, 38);
        cape.lineTo(-6, -4);
        cape.closeSubpath();
        fillOutlined(p, cape, colours.robeLight, ink, 0.8);
        QPainterPath capeRight = cape;
        QTransform mirror;
        mirror.scale(-1, 1);
        fillOutlined(p, mirror.map(capeRight), colours.robeLight, ink, 0.8);
    }
    if (rank == Mother || rank == Daughter) {
        // A girdle and a hem in the light colour.
        p.setPen(QPen(colours.robeLight, 2.0));
        p.drawLine(QPointF(-11.5, 4), QPointF(11.5, 4));
    }

    // The arm that holds out the suit's sign.
    p.setPen(QPen(ink, 4.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, -3), QPointF(21, 8));
    p.setPen(QPen(rank == Son ? QColor(0xb8, 0xc0, 0xcc) : colours.robe, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, -3), QPointF(21, 8));
    drawSuitSign(p, suit, QPointF(24, 6), 28 / s);
    fillOutlined(
        p,
        [] {
            QPainterPath hand;
            hand.addEllipse(QPointF(22, 9), 2.6, 2.6);
            return hand;
        }(),
        skin, skinEdge, 0.7);

    // Head.
    QPainterPath head;
    head.addEllipse(QPointF(0, -16), 8, 9);
    fillOutlined(p, head, skin, skinEdge, 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x18, 0x10));
    p.drawEllipse(QPointF(-3, -17), 1.1, 1.3);
    p.drawEllipse(QPointF(3, -17), 1.1, 1.3);

    switch (rank) {
    case Mother: {
        QPainterPath crown;
        crown.moveTo(-7, -24);
        crown.lineTo(-7, -30);
        crown.lineTo(-3.5, -27);
        crown.lineTo(0, -32);
        crown.lineTo(3.5, -27);
        crown.lineTo(7, -30);
        crown.lineTo(7, -24);
        crown.closeSubpath();
        fillOutlined(p, crown, gold, goldEdge, 0.8);
        break;
    }
    case Father: {
        QPainterPath beard;
        beard.moveTo(-7.5, -15);
        beard.quadTo(-7, -2, 0, 0);
        beard.quadTo(7, -2, 7.5, -15);
        beard.quadTo(0, -10, -7.5, -15);
        beard.closeSubpath();
        fillOutlined(p, beard, QColor(0xe8, 0xe4, 0xdc), QColor(0x50, 0x48, 0x40), 0.8);
        QPainterPath crown;
        crown.moveTo(-10, -23);
        crown.lineTo(-11, -36);
        crown.lineTo(-5.5, -29);
        crown.lineTo(0, -38);
        crown.lineTo(5.5, -29);
        crown.lineTo(11, -36);
        crown.lineTo(10, -23);
        crown.closeSubpath();
        fillOutlined(p, crown, gold, goldEdge, 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd8, 0x20, 0x20));
        p.drawEllipse(QPointF(0, -26), 1.8, 1.8);
        break;
    }
    case Son: {
        // A helmet with a visor and a plume.
        QPainterPath helmet;
        helmet.moveTo(-9, -12);
        helmet.lineTo(-9, -20);
        helmet.cubicTo(-9, -30, 9, -30, 9, -20);
        helmet.lineTo(9, -12);
        helmet.closeSubpath();
        fillOutlined(p, helmet, QColor(0xc8, 0xd0, 0xdc), QColor(0x30, 0x36, 0x44), 1.0);
        p.setPen(QPen(QColor(0x30, 0x36, 0x44), 1.6));
        p.drawLine(QPointF(-7, -18), QPointF(7, -18));
        QPainterPath plume;
        plume.moveTo(0, -27);
        plume.cubicTo(6, -38, 16, -36, 20, -30);
        plume.cubicTo(14, -32, 8, -28, 2, -24);
        plume.closeSubpath();
        fillOutlined(p, plume, colours.robe, ink, 0.8);
        break;
    }
    case Daughter: {
        // A wreath of flowers.
        const QColor petals[] = {QColor(0xff, 0xff, 0xff), QColor(0xff, 0x8c, 0xb4),
                                 QColor(0xff, 0xd8, 0x40)};
        for (int i = 0; i < 5; ++i) {
            const qreal a = std::numbers::pi * (1.1 + 0.8 * i / 4);
            const QPointF c(std::cos(a) * 8.5, -17 + std::sin(a) * 9.5);
            p.setBrush(petals[i % 3]);
            p.setPen(QPen(QColor(0x60, 0x20, 0x30), 0.5));
            p.drawEllipse(c, 2.4, 2.4);
        }
        break;
    }
    }
    p.restore();
}

void drawCourt(QPainter& p, QSizeF size, int card)
{
    const int index = card - 22;
    const Suit suit = static_cast<Suit>(index / 4);
    const int rank = index % 4;
    const SuitColours& colours = suitColours(suit);
    const qreal w = size.width();
    const qreal h = size.height();
    QLinearGradient paper(0, 0, 0, h);
    paper.setColorAt(0, colours.paperTop);
    paper.setColorAt(1, colours.paperBottom);
    drawBlank(p, size, colours.frame, paper, colours.frame);

    const QString name = upper(deck::cardRow(std::int16_t(card)).drawName);
    const QString rankWord = name.section(' ', 0, 0);
    const QString suitWord = name.section(' ', -1);
    drawCentred(p, Face::SansBold, fittingSize(Face::SansBold, 10.5, w - 14, rankWord), rankWord,
                QPointF(w / 2, 16), colours.ink);
    p.setPen(QPen(colours.frame, 0.8));
    p.drawLine(QPointF(9, 20), QPointF(w - 9, 20));
    p.drawLine(QPointF(9, h - 22), QPointF(w - 9, h - 22));
    drawCentred(p, Face::SansNarrow, fittingSize(Face::SansNarrow, 10, w - 16, suitWord), suitWord,
                QPointF(w / 2, h - 8.5), colours.ink);

    const qreal areaTop = 21;
    const qreal areaHeight = h - 22 - areaTop;
    p.save();
    p.translate(w / 2 - 6, areaTop + areaHeight / 2 + 1);
    const qreal scale = areaHeight / 84;
    p.scale(scale, scale);
    drawCourtFigure(p, rank, suit);
    p.restore();
}

// Where the signs of each pip card stand, as fractions of the field: the
// playing-card layout.
struct Spot {
    qreal x;
    qreal y;
};

const std::vector<Spot>& pipSpots(int value)
{
    static const std::vector<Spot> kLayouts[] = {
        {{0.5, 0.5}},
        {{0.5, 0}, {0.5, 1}},
        {{0.5, 0}, {0.5, 0.5}, {0.5, 1}},
        {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0, 1.0 / 3}, {1, 1.0 / 3}, {0.5, 0.5}, {0, 2.0 / 3}, {1, 2.0 / 3}, {0, 1}, {1, 1}},
        {{0, 0},
         {1, 0},
         {0.5, 1.0 / 6},
         {0, 1.0 / 3},
         {1, 1.0 / 3},
         {0, 2.0 / 3},
         {1, 2.0 / 3},
         {0.5, 5.0 / 6},
         {0, 1},
         {1, 1}},
    };
    return kLayouts[value - 1];
}

void drawPip(QPainter& p, QSizeF size, int card)
{
    const Suit suit = static_cast<Suit>((card - 38) / 10);
    const int value = (card - 38) % 10 + 1;
    const SuitColours& colours = suitColours(suit);
    const qreal w = size.width();
    const qreal h = size.height();
    QLinearGradient paper(0, 0, 0, h);
    paper.setColorAt(0, colours.paperTop);
    paper.setColorAt(1, colours.paperBottom);
    drawBlank(p, size, colours.frame, paper, colours.frame);

    // The index in two corners, the lower one upside down.
    const QString index = value == 1 ? QStringLiteral("A") : QString::number(value);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(w, h);
            p.rotate(180);
        }
        drawCentred(p, Face::SansBold, value == 10 ? 10.5 : 12, index, QPointF(10, 16), colours.ink);
        drawSuitSign(p, suit, QPointF(10, 25), 10);
        p.restore();
    }

    if (value == 1) {
        QRadialGradient glow(QPointF(w / 2, h / 2), 30);
        glow.setColorAt(0, QColor(255, 255, 255, 220));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(w / 2, h / 2), 30, 30);
        drawSuitSign(p, suit, QPointF(w / 2, h / 2), suit == Suit::Stones ? 62 : 74);
        return;
    }
    const qreal signHeight = value <= 3 ? 30 : (value <= 6 ? 24 : (value <= 8 ? 22 : 20.5));
    // Clear of the corner indexes on the left and right.
    const QRectF field(25.5, 13 + signHeight / 2, w - 51, h - 26 - signHeight);
    for (const Spot& spot : pipSpots(value)) {
        drawSuitSign(p, suit,
                     QPointF(field.left() + spot.x * field.width(), field.top() + spot.y * field.height()),
                     signHeight);
    }
}

// The back: one pattern, the same turned any way up.
void drawBack(QPainter& p, QSizeF size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    const QPointF c(w / 2, h / 2);
    const QColor navy(0x12, 0x20, 0x4e);
    const QColor lattice(0x2c, 0x4c, 0x96);
    const QColor gold(0xf0, 0xc2, 0x50);
    const QColor goldEdge(0x6a, 0x44, 0x08);

    p.fillRect(QRectF(0, 0, w, h), QColor(0x0a, 0x10, 0x2a));
    const QRectF field = QRectF(0, 0, w, h).adjusted(4, 4, -4, -4);
    p.setPen(Qt::NoPen);
    p.setBrush(navy);
    p.drawRoundedRect(field, 3, 3);
    p.save();
    p.setClipRect(field.adjusted(2, 2, -2, -2));
    // A lattice of diamonds laid from the centre outwards, so it mirrors.
    p.setPen(QPen(lattice, 1.0));
    const qreal step = 9;
    for (int k = -24; k <= 24; ++k) {
        const qreal offset = k * step;
        p.drawLine(c + QPointF(offset - 200, -200), c + QPointF(offset + 200, 200));
        p.drawLine(c + QPointF(offset + 200, -200), c + QPointF(offset - 200, 200));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x7c, 0xc8));
    for (int i = -10; i <= 10; ++i)
        for (int j = -10; j <= 10; ++j)
            if ((i + j) % 2 == 0)
                p.drawEllipse(c + QPointF(i * step / 2, j * step / 2), 0.9, 0.9);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 1.2));
    p.drawRoundedRect(field.adjusted(1, 1, -1, -1), 2.5, 2.5);
    p.setPen(QPen(gold, 0.6));
    p.drawRoundedRect(field.adjusted(3.5, 3.5, -3.5, -3.5), 2, 2);

    // The rose in the middle and one above and below it.
    QPainterPath ring;
    ring.addEllipse(c, 19, 19);
    fillOutlined(p, ring, navy, gold, 1.4);
    fillOutlined(p, starPath(c, 17, 7, 8), gold, goldEdge, 0.7);
    QPainterPath turned = starPath(QPointF(0, 0), 11, 5, 8);
    QTransform rotate;
    rotate.translate(c.x(), c.y());
    rotate.rotate(22.5);
    fillOutlined(p, rotate.map(turned), QColor(0xff, 0xf0, 0xc8), goldEdge, 0.6);
    fillOutlined(
        p,
        [&] {
            QPainterPath dot;
            dot.addEllipse(c, 3.2, 3.2);
            return dot;
        }(),
        QColor(0xc8, 0x30, 0x30), goldEdge, 0.6);
    for (int s = -1; s <= 1; s += 2) {
        const QPointF m = c + QPointF(0, s * 44);
        QPainterPath small;
        small.addEllipse(m, 9, 9);
        fillOutlined(p, small, navy, gold, 1.0);
        fillOutlined(p, starPath(m, 8, 3.2, 8), gold, goldEdge, 0.5);
        for (int t = -1; t <= 1; t += 2) {
            const QPointF corner = c + QPointF(t * (w / 2 - 12), s * (h / 2 - 12));
            QPainterPath diamond;
            diamond.moveTo(corner + QPointF(0, -5));
            diamond.lineTo(corner + QPointF(4, 0));
            diamond.lineTo(corner + QPointF(0, 5));
            diamond.lineTo(corner + QPointF(-4, 0));
            diamond.closeSubpath();
            fillOutlined(p, diamond, gold, goldEdge, 0.5);
        }
    }
}

} // namespace

QSize cardSize(int imageNumber)
{
    for (const SizeException& e : kSizeExceptions) {
        if (e.imageNumber == imageNumber)
            return QSize(e.width, e.height);
    }
    return QSize(75, 139);
}

QImage drawCard(int imageNumber, int scale)
{
    const QSize size = cardSize(imageNumber);
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    const int card = cardOfImage(imageNumber);
    if (imageNumber == deck::kCardBackImage)
        drawBack(p, size);
    else if (card <= 21)
        drawMajor(p, size, card);
    else if (card <= 37)
        drawCourt(p, size, card);
    else
        drawPip(p, size, card);
    return image;
}

} // namespace art
