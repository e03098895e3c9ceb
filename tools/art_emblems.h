// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;

namespace art {

// The emblem of Major Arcana card `card` (0 to 21), drawn about the origin
// within x -32..32 and y -42..42 (the painter is already scaled to the card).
void drawMajorEmblem(QPainter& painter, int card);

} // namespace art
