#include "platform/colours.h"

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

void setBackColor(QWidget* widget, std::uint32_t value)
{
    QPalette palette = widget->palette();
    const QColor colour = toColor(value);
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setProperty(kBackColorProperty, QVariant::fromValue(value));
}

void setForeColor(QWidget* widget, std::uint32_t value)
{
    QPalette palette = widget->palette();
    const QColor colour = toColor(value);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

std::uint32_t backColor(const QWidget* widget)
{
    const QVariant stored = widget->property(kBackColorProperty);
    return stored.isValid() ? stored.value<std::uint32_t>() : kButtonFace;
}

} // namespace platform
