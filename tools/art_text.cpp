// SPDX-License-Identifier: GPL-3.0-or-later
#include "art_text.h"

#include <QBrush>
#include <QFile>
#include <QPainter>
#include <QRawFont>

#include <array>
#include <cstdio>

namespace art {
namespace {

struct FaceFile {
    Face face;
    const char* fileName;
};

constexpr FaceFile kFaceFiles[] = {
    {Face::SansBold, "LiberationSans-Bold.ttf"},
    {Face::SansNarrow, "LiberationSansNarrow-Bold.ttf"},
    {Face::SerifBold, "LiberationSerif-Bold.ttf"},
    {Face::SerifBoldItalic, "LiberationSerif-BoldItalic.ttf"},
};

// Where Debian and its relatives install fonts-liberation (and fonts-liberation2).
constexpr const char* kFontFolders[] = {
    "/usr/share/fonts/truetype/liberation/",
    "/usr/share/fonts/truetype/liberation2/",
};

// Outlines are taken at this size and scaled, so a path never carries the
// rounding of a small pixel size.
constexpr qreal kDesignSize = 256.0;

std::array<QRawFont, std::size(kFaceFiles)>& faces()
{
    static std::array<QRawFont, std::size(kFaceFiles)> loaded;
    return loaded;
}

const QRawFont& rawFont(Face face)
{
    return faces()[static_cast<std::size_t>(face)];
}

} // namespace

bool loadFaces()
{
    for (const FaceFile& file : kFaceFiles) {
        QRawFont font;
        for (const char* folder : kFontFolders) {
            const QString path = QString::fromLatin1(folder) + QString::fromLatin1(file.fileName);
            if (!QFile::exists(path))
                continue;
            font = QRawFont(path, kDesignSize, QFont::PreferNoHinting);
            if (font.isValid())
                break;
        }
        if (!font.isValid()) {
            std::fprintf(stderr, "veltrano_pictures: cannot load the font %s (install fonts-liberation)\n",
                         file.fileName);
            return false;
        }
        faces()[static_cast<std::size_t>(file.face)] = font;
    }
    return true;
}

QPainterPath textPath(Face face, qreal pixelSize, const QString& text)
{
    const QRawFont& font = rawFont(face);
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QPainterPath path;
    QPointF pen(0, 0);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        path.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    QTransform scale;
    scale.scale(pixelSize / kDesignSize, pixelSize / kDesignSize);
    return scale.map(path);
}

qreal fittingSize(Face face, qreal maxSize, qreal maxWidth, const QString& text)
{
    const qreal width = textPath(face, maxSize, text).boundingRect().width();
    if (width <= maxWidth)
        return maxSize;
    return maxSize * maxWidth / width;
}

void drawCentred(QPainter& painter, Face face, qreal pixelSize, const QString& text, QPointF centre,
                 const QBrush& fill)
{
    drawCentred(painter, face, pixelSize, text, centre, fill, Qt::NoPen);
}

void drawCentred(QPainter& painter, Face face, qreal pixelSize, const QString& text, QPointF centre,
                 const QBrush& fill, const QPen& halo)
{
    QPainterPath path = textPath(face, pixelSize, text);
    const QRectF box = path.boundingRect();
    path.translate(centre.x() - box.left() - box.width() / 2, centre.y());
    painter.save();
    if (halo.style() != Qt::NoPen)
        painter.strokePath(path, halo);
    painter.fillPath(path, fill);
    painter.restore();
}

} // namespace art
