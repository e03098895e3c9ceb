// SPDX-License-Identifier: GPL-3.0-or-later
#include "art_windows.h"

#include "art_shapes.h"
#include "art_text.h"

#include <QPainter>

#include <cmath>
#include <limits>
#include <numbers>

namespace art {
namespace {

constexpr qreal kPi = std::numbers::pi;

QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage canvas(QSize size, int scale, const QColor& fill)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void beginPainter(QPainter& p, int scale)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
}

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

} // namespace

QImage drawBanner()
{
    const QSize size(384, 96);
    QImage image = canvas(size, 1, Qt::black);
    QPainter p(&image);
    beginPainter(p, 1);

    // A scatter of small stars, placed by a fixed rule so every run agrees.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const qreal x = std::fmod(i * 97.3 + 13, 384);
        const qreal y = std::fmod(i * 53.9 + 7, 96);
        const int shade = 90 + (i * 37) % 120;
        p.setBrush(QColor(shade, shade, std::min(255, shade + 30)));
        p.drawEllipse(QPointF(x, y), 0.8 + (i % 3) * 0.35, 0.8 + (i % 3) * 0.35);
    }

    const QString name = QStringLiteral("Veltrano");
    const qreal pixelSize = fittingSize(Face::SerifBold, 80, 350, name);
    QPainterPath text = textPath(Face::SerifBold, pixelSize, name);
    const QRectF box = text.boundingRect();
    text.translate(192 - box.center().x(), 48 - box.center().y());
    const QRectF placed = text.boundingRect();

    // A soft orange glow under the letters.
    for (int i = 4; i >= 1; --i) {
        p.strokePath(text,
                     QPen(QColor(255, 120, 0, 28), i * 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    QLinearGradient fire(0, placed.top(), 0, placed.bottom());
    fire.setColorAt(0, QColor(0xff, 0xf8, 0x40));
    fire.setColorAt(0.45, QColor(0xff, 0xc4, 0x10));
    fire.setColorAt(1, QColor(0xff, 0x6a, 0x00));
    p.strokePath(text, roundPen(QColor(0x80, 0x28, 0x00), 2.2));
    p.fillPath(text, fire);
    // A thin bright line along the top of the letters catches the light.
    p.save();
    p.setClipRect(QRectF(0, placed.top(), 384, placed.height() * 0.3));
    p.strokePath(text, roundPen(QColor(255, 255, 200, 120), 0.8));
    p.restore();
    return image;
}

QImage drawIcon(int size, bool squareBackground)
{
    // Drawn on a 32-unit grid and scaled, so every size is the same picture.
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(squareBackground ? Qt::black : Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const QColor green(0x30, 0xe0, 0x50);
    const QColor dark(0x0a, 0x50, 0x18);
    QPainterPath card;
    card.addRoundedRect(QRectF(7.5, 2.5, 17, 27), 2.5, 2.5);
    p.setBrush(QColor(0x04, 0x20, 0x0a));
    p.setPen(roundPen(green, 1.6));
    p.drawPath(card);
    p.setPen(roundPen(dark, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(10, 5, 12, 22), 1.2, 1.2);
    p.setPen(roundPen(QColor(0x10, 0x70, 0x24), 0.7));
    p.setBrush(QColor(0x90, 0xff, 0x90));
    p.drawPath(starPath(QPointF(16, 16.5), 7.5, 3, 5));
    return image;
}

QImage drawArrow(bool up)
{
    // Crisp edges: the arrow keeps to its few colours and reads at 32 pixels.
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QPolygonF arrow;
    arrow << QPointF(16, 3) << QPointF(29, 16) << QPointF(21, 16) << QPointF(21, 29) << QPointF(11, 29)
          << QPointF(11, 16) << QPointF(3, 16);
    if (!up) {
        for (QPointF& point : arrow)
            point.setY(32 - point.y());
    }
    p.setPen(QPen(QColor(0x00, 0x00, 0x80), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(arrow);
    return image;
}

QImage drawMenuDaughterOfCups(int scale)
{
    const QSize size(76, 137);
    const qreal w = size.width();
    const qreal h = size.height();
    QImage image = canvas(size, scale, QColor(0x0d, 0x3b, 0x80));
    QPainter p(&image);
    beginPainter(p, scale);

    const QRectF inner(2, 2, w - 4, h - 4);
    p.save();
    p.setClipRect(inner);
    QLinearGradient sky(0, 0, 0, h * 0.6);
    sky.setColorAt(0, QColor(0x6c, 0xa8, 0xe8));
    sky.setColorAt(1, QColor(0xe4, 0xf2, 0xff));
    p.fillRect(inner, sky);
    // Clouds.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (const QPointF& c :
         {QPointF(14, 20), QPointF(22, 17), QPointF(30, 21), QPointF(56, 34), QPointF(64, 31)})
        p.drawEllipse(c, 7, 4);
    // The sea behind her, and the shore she stands on.
    QLinearGradient sea(0, h * 0.55, 0, h);
    sea.setColorAt(0, QColor(0x2a, 0x78, 0xc8));
    sea.setColorAt(1, QColor(0x0c, 0x3a, 0x80));
    p.fillRect(QRectF(0, h * 0.55, w, h), sea);
    p.setPen(roundPen(QColor(0xc8, 0xe8, 0xff), 0.8));
    for (int row = 0; row < 6; ++row) {
        const qreal y = h * 0.58 + row * 7;
        QPainterPath wave;
        wave.moveTo(0, y);
        for (int i = 0; i < 8; ++i)
            wave.quadTo(i * 10 + 5, y - 2.5, i * 10 + 10, y);
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }
    QPainterPath shore;
    shore.moveTo(0, h - 14);
    shore.quadTo(w / 2, h - 22, w, h - 12);
    shore.lineTo(w, h);
    shore.lineTo(0, h);
    shore.closeSubpath();
    fillOutlined(p, shore, QColor(0xe8, 0xd4, 0x9c), QColor(0x8a, 0x6a, 0x30), 0.8);

    // Her hair falls behind her.
    QPainterPath hair;
    hair.moveTo(30, 34);
    hair.cubicTo(24, 44, 24, 62, 26, 72);
    hair.lineTo(46, 72);
    hair.cubicTo(48, 60, 48, 44, 42, 34);
    hair.closeSubpath();
    fillOutlined(p, hair, QColor(0xb0, 0x5a, 0x1e), QColor(0x4a, 0x20, 0x08), 0.8);
    // The dress, wide at the hem.
    QPainterPath dress;
    dress.moveTo(31, 52);
    dress.lineTo(43, 52);
    dress.cubicTo(48, 80, 58, 104, 60, 122);
    dress.lineTo(14, 122);
    dress.cubicTo(16, 104, 26, 80, 31, 52);
    dress.closeSubpath();
    QLinearGradient cloth(14, 0, 60, 0);
    cloth.setColorAt(0, QColor(0x9c, 0xd0, 0xff));
    cloth.setColorAt(1, QColor(0x2a, 0x64, 0xc0));
    p.setBrush(cloth);
    p.setPen(roundPen(QColor(0x0a, 0x2c, 0x66), 0.9));
    p.drawPath(dress);
    p.setPen(roundPen(QColor(0xf8, 0xc8, 0xe0), 1.4));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(18 + i * 1.5, 112 - i * 16), QPointF(56 - i * 1.5, 112 - i * 16));
    // Head and face.
    fillOutlined(p, circle(QPointF(37, 42), 8), QColor(0xf6, 0xd2, 0xaa), QColor(0x7a, 0x4a, 0x2a), 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x18, 0x10));
    p.drawEllipse(QPointF(34, 41), 1, 1.2);
    p.drawEllipse(QPointF(40, 41), 1, 1.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(0xa0, 0x30, 0x30), 0.8));
    p.drawArc(QRectF(34.5, 43, 5, 3), 200 * 16, 140 * 16);
    const QColor petals[] = {QColor(0xff, 0xff, 0xff), QColor(0xff, 0x8c, 0xb4), QColor(0xff, 0xd8, 0x40)};
    for (int i = 0; i < 7; ++i) {
        const qreal a = kPi * (1.05 + 0.9 * i / 6);
        p.setBrush(petals[i % 3]);
        p.setPen(roundPen(QColor(0x80, 0x30, 0x40), 0.4));
        p.drawEllipse(QPointF(37 + std::cos(a) * 8.5, 41 + std::sin(a) * 8.5), 2.1, 2.1);
    }
    // Her arm reaching out with the cup.
    p.setPen(roundPen(QColor(0x7a, 0x4a, 0x2a), 4.2));
    p.drawLine(QPointF(41, 56), QPointF(52, 66));
    p.setPen(roundPen(QColor(0xf6, 0xd2, 0xaa), 3.0));
    p.drawLine(QPointF(41, 56), QPointF(52, 66));
    drawSuitSign(p, Suit::Cups, QPointF(56, 62), 16);
    // The fish leaping from the cup.
    p.save();
    p.translate(57, 46);
    p.rotate(-35);
    QPainterPath fish;
    fish.addEllipse(QPointF(0, 0), 6.5, 3.2);
    fish.moveTo(5.5, 0);
    fish.lineTo(10, -3.5);
    fish.lineTo(10, 3.5);
    fish.closeSubpath();
    fillOutlined(p, united(fish), QColor(0xff, 0x8a, 0x2a), QColor(0x80, 0x30, 0x00), 0.7);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(-3.5, -0.6), 0.9, 0.9);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    for (const QPointF& d : {QPointF(50, 52), QPointF(62, 54), QPointF(53, 48)})
        p.drawEllipse(d, 0.9, 0.9);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xf2, 0xc1, 0x4e), 1.2));
    p.drawRect(inner.adjusted(0.6, 0.6, -0.6, -0.6));
    return image;
}

QImage drawMenuFool(int scale)
{
    const QSize size(75, 136);
    const qreal w = size.width();
    const qreal h = size.height();
    QImage image = canvas(size, scale, QColor(0x1a, 0x08, 0x30));
    QPainter p(&image);
    beginPainter(p, scale);

    const QRectF inner(2, 2, w - 4, h - 4);
    p.save();
    p.setClipRect(inner);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(0xff, 0xd8, 0x50));
    sky.setColorAt(0.7, QColor(0xff, 0xf4, 0xd0));
    p.fillRect(inner, sky);
    // The sun, high on the right.
    p.setPen(roundPen(QColor(0xff, 0xff, 0xf0), 1.2));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * kPi / 6;
        p.drawLine(QPointF(60 + std::cos(a) * 11, 16 + std::sin(a) * 11),
                   QPointF(60 + std::cos(a) * 17, 16 + std::sin(a) * 17));
    }
    fillOutlined(p, circle(QPointF(60, 16), 8.5), QColor(0xff, 0xfc, 0xe8), QColor(0xe0, 0xa0, 0x20), 0.8);
    // Far mountains.
    QPainterPath hills;
    hills.moveTo(0, 100);
    hills.lineTo(10, 84);
    hills.lineTo(20, 94);
    hills.lineTo(34, 76);
    hills.lineTo(48, 92);
    hills.lineTo(58, 82);
    hills.lineTo(75, 98);
    hills.lineTo(75, 136);
    hills.lineTo(0, 136);
    hills.closeSubpath();
    fillOutlined(p, hills, QColor(0xc8, 0xb4, 0xe8), QColor(0x6a, 0x58, 0x90), 0.7);
    // The cliff he walks towards the edge of.
    QPainterPath cliff;
    cliff.moveTo(0, 112);
    cliff.lineTo(52, 110);
    cliff.lineTo(56, 118);
    cliff.lineTo(54, 136);
    cliff.lineTo(0, 136);
    cliff.closeSubpath();
    fillOutlined(p, cliff, QColor(0x9a, 0x6a, 0x3a), QColor(0x4a, 0x2c, 0x10), 0.9);
    p.fillRect(QRectF(0, 110, 52, 3), QColor(0x6a, 0xb0, 0x40));

    // The bindle on its stick over his shoulder.
    p.setPen(roundPen(QColor(0x4a, 0x2c, 0x10), 2.2));
    p.drawLine(QPointF(34, 58), QPointF(14, 40));
    fillOutlined(p, circle(QPointF(13, 39), 5), QColor(0xd8, 0x32, 0x2a), QColor(0x5c, 0x0a, 0x08), 0.8);
    // Legs mid-stride.
    p.setPen(roundPen(QColor(0x5c, 0x0a, 0x08), 4.6));
    p.drawLine(QPointF(33, 90), QPointF(26, 110));
    p.drawLine(QPointF(38, 90), QPointF(46, 108));
    p.setPen(roundPen(QColor(0xf0, 0xe8, 0xd8), 3.2));
    p.drawLine(QPointF(33, 90), QPointF(26, 110));
    p.drawLine(QPointF(38, 90), QPointF(46, 108));
    // A tunic of many colours.
    QPainterPath tunic;
    tunic.moveTo(29, 56);
    tunic.lineTo(43, 56);
    tunic.lineTo(48, 92);
    tunic.lineTo(24, 92);
    tunic.closeSubpath();
    p.save();
    p.setClipPath(tunic);
    p.fillRect(QRectF(20, 50, 16, 50), QColor(0xd8, 0x32, 0x2a));
    p.fillRect(QRectF(36, 50, 16, 50), QColor(0x3a, 0x62, 0xc0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xc1, 0x4e));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(36, 62 + i * 8), 2.2, 2.2);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(0x1c, 0x08, 0x2e), 0.9));
    p.drawPath(tunic);
    // Arm holding the white rose out in front.
    p.setPen(roundPen(QColor(0x7a, 0x4a, 0x2a), 3.6));
    p.drawLine(QPointF(42, 60), QPointF(52, 70));
    p.setPen(roundPen(QColor(0xf6, 0xd2, 0xaa), 2.4));
    p.drawLine(QPointF(42, 60), QPointF(52, 70));
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * kPi / 5;
        fillOutlined(p, circle(QPointF(54 + std::cos(a) * 2, 68 + std::sin(a) * 2), 1.8), Qt::white,
                     QColor(0x80, 0x80, 0x80), 0.4);
    }
    // Head, and the feathered cap.
    fillOutlined(p, circle(QPointF(36, 49), 7), QColor(0xf6, 0xd2, 0xaa), QColor(0x7a, 0x4a, 0x2a), 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x18, 0x10));
    p.drawEllipse(QPointF(39, 48), 0.9, 1.1);
    QPainterPath cap;
    cap.moveTo(28, 46);
    cap.cubicTo(28, 36, 44, 36, 44, 46);
    cap.closeSubpath();
    fillOutlined(p, cap, QColor(0x4c, 0xa8, 0x48), QColor(0x16, 0x44, 0x14), 0.8);
    QPainterPath feather;
    feather.moveTo(38, 40);
    feather.cubicTo(42, 28, 50, 26, 54, 28);
    feather.cubicTo(48, 32, 44, 36, 40, 42);
    feather.closeSubpath();
    fillOutlined(p, feather, QColor(0xd8, 0x32, 0x2a), QColor(0x5c, 0x0a, 0x08), 0.7);
    // The little dog leaping at his heels.
    QPainterPath dog;
    dog.addEllipse(QPointF(14, 100), 7, 4);
    dog.addEllipse(QPointF(8, 94), 3.6, 3.2);
    dog = united(dog);
    fillOutlined(p, dog, Qt::white, QColor(0x60, 0x60, 0x60), 0.7);
    p.setPen(roundPen(QColor(0x60, 0x60, 0x60), 1.3));
    p.drawLine(QPointF(10, 103), QPointF(7, 108));
    p.drawLine(QPointF(18, 103), QPointF(21, 108));
    p.drawLine(QPointF(21, 99), QPointF(25, 95));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(6.5, 93.5), 0.8, 0.8);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xf2, 0xc1, 0x4e), 1.2));
    p.drawRect(inner.adjusted(0.6, 0.6, -0.6, -0.6));
    return image;
}

QList<QRgb> iconPalette()
{
    QList<QRgb> palette;
    for (int i = 0; i < 16; ++i) {
        const qreal t = i / 15.0;
        palette << qRgb(int(std::pow(t, 1.6) * 170), int(t * 255), int(std::pow(t, 1.6) * 170));
    }
    return palette;
}

QList<QRgb> arrowPalette()
{
    return {qRgba(0, 0, 0, 0), qRgb(0x00, 0x00, 0x80), qRgb(0, 0, 0), qRgb(0xff, 0xff, 0xff)};
}

QImage toPalette(const QImage& image, const QList<QRgb>& palette)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* line = out.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = in[x];
            int best = 0;
            int bestDistance = std::numeric_limits<int>::max();
            for (int i = 0; i < palette.size(); ++i) {
                const QRgb entry = palette[i];
                const bool clear = qAlpha(pixel) < 128;
                if (clear != (qAlpha(entry) < 128))
                    continue;
                const int dr = qRed(pixel) - qRed(entry);
                const int dg = qGreen(pixel) - qGreen(entry);
                const int db = qBlue(pixel) - qBlue(entry);
                const int distance = clear ? 0 : dr * dr + dg * dg + db * db;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = i;
                }
            }
            line[x] = uchar(best);
        }
    }
    return out;
}

} // namespace art
