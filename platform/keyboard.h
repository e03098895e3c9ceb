// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;
class QPainter;
class QWidget;

namespace platform {

// Return and the keypad's Enter press a focused button, as Space does.
void pressOnReturn(QAbstractButton* button);

// A dotted frame inside a focused control, in the colour of its text, so that
// focus shows on any face colour.
void drawFocusFrame(QPainter& painter, const QWidget& control);

} // namespace platform
