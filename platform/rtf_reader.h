// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

#include <memory>

class QTextDocument;

namespace platform {

// Reads the small subset of RTF that our documents and the common word
// processors write: character and paragraph formatting, the font table and
// bullet texts. Anything else is skipped. Malformed input is never an error:
// the reader keeps what it could read.
//
// Units. Font sizes are points. Paragraph lengths (indents, spacing, tab stops)
// are pixels at 96 dpi, 15 twips to the pixel, the same scale the window layouts
// use; QTextDocument lays margins out in its paint device's pixels while it
// scales fonts by the device's dpi, so the two agree at 96 dpi logical.
//
// Paragraphs. Each paragraph of the file is one block. An empty text after the
// last \par is not a paragraph (word processors write a \par after the last
// one), so a file of n paragraphs each closed by \par gives n blocks.
std::unique_ptr<QTextDocument> readRtf(QByteArrayView data);

// Replaces the content of `document` with what `data` holds.
void readRtf(QByteArrayView data, QTextDocument& document);

} // namespace platform
