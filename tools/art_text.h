// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QString>

class QBrush;
class QPainter;
class QPen;

namespace art {

enum class Face { SansBold, SansNarrow, SerifBold, SerifBoldItalic };

// Reads the font files themselves, so the lettering never depends on what
// fontconfig would pick on the machine that runs the generator. Returns false,
// having said which file is missing, when a face cannot be loaded.
bool loadFaces();

// The outline of a line of text, its baseline on y = 0, starting at x = 0.
// Outlines are unhinted: the same shapes at 1x and 2x, and at any size.
QPainterPath textPath(Face face, qreal pixelSize, const QString& text);

// The largest size not above maxSize at which the text fits in maxWidth.
qreal fittingSize(Face face, qreal maxSize, qreal maxWidth, const QString& text);

// Fills the text centred on x = centre.x(), with its baseline on centre.y().
// A pen, where given, outlines the letters under the fill for contrast.
void drawCentred(QPainter& painter, Face face, qreal pixelSize, const QString& text, QPointF centre,
                 const QBrush& fill);
void drawCentred(QPainter& painter, Face face, qreal pixelSize, const QString& text, QPointF centre,
                 const QBrush& fill, const QPen& halo);

} // namespace art
