#include "platform/colours.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace platform {
namespace {

constexpr const char* kBackColorProperty = "vbBackColor";

struct SystemColour {
    std::uint32_t value;
    QPalette::ColorRole role;
};

constexpr SystemColour kSystemColours[] = {
    {kWindowBackground, QPalette::Base},
    {kWindowText, QPalette::Text},
    {kButtonFace, QPalette::Button},
    {kButtonText, QPalette::ButtonText},
};

} // namespace

QColor toColor(std::uint32_t value)
{
    if (value & 0x80000000u) {
        for (const SystemColour& system : kSystemColours) {
            if (system.value == value)
                return QApplication::palette().color(system.role);
        }
        return QApplication::palette().color(QPalette::Window);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

namespace {

// The palette role a widget fills its background with. Only that role is
// set, so that a window's back colour does not leak into its buttons.
QPalette::ColorRole backgroundRole(const QWidget* widget)
{
    if (qobject_cast<const QAbstractButton*>(widget))
        return QPalette::Button;
    if (qobject_cast<const QAbstractScrollArea*>(widget))
        return QPalette::Base;
    return QPalette::Window;
}

QPalette::ColorRole foregroundRole(const QWidget* widget)
{
    if (qobject_cast<const QAbstractButton*>(widget))
        return QPalette::ButtonText;
    if (qobject_cast<const QAbstractScrollArea*>(widget))
        return QPalette::Text;
    return QPalette::WindowText;
}

} // namespace

void setBackColor(QWidget* widget, std::uint32_t value)
{
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole(widget), toColor(value));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setProperty(kBackColorProperty, QVariant::fromValue(value));
}

void setForeColor(QWidget* widget, std::uint32_t value)
{
    QPalette palette = widget->palette();
    palette.setColor(foregroundRole(widget), toColor(value));
    widget->setPalette(palette);
}

std::uint32_t backColor(const QWidget* widget)
{
    const QVariant stored = widget->property(kBackColorProperty);
    return stored.isValid() ? stored.value<std::uint32_t>() : kButtonFace;
}

} // namespace platform
