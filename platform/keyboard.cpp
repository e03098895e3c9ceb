// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/keyboard.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>

namespace platform {
namespace {

class ReturnPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!enter || !button || key->modifiers() & ~Qt::KeypadModifier)
            return false;
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

} // namespace

void pressOnReturn(QAbstractButton* button)
{
    button->installEventFilter(new ReturnPresses(button));
}

void drawFocusFrame(QPainter& painter, const QWidget& control)
{
    if (!control.hasFocus())
        return;
    painter.save();
    painter.setPen(QPen(control.palette().color(control.foregroundRole()), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(control.rect().adjusted(3, 3, -4, -4));
    painter.restore();
}

} // namespace platform
