// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/colours.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QStyle>
#include <QVariant>
#include <QWidget>
#include <cmath>
#include <optional>

namespace platform {
namespace {

constexpr const char* kBackColorProperty = "vbBackColor";
constexpr const char* kForeColorProperty = "vbForeColor";

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

bool isSystem(std::uint32_t value)
{
    return (value & 0x80000000u) != 0;
}

double relativeLuminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// Black or white, whichever reads better on `partner`.
QColor contrasting(const QColor& partner)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(partner, black) >= contrastRatio(partner, white) ? black : white;
}

QColor toColor(std::uint32_t value, const QPalette& system)
{
    if (isSystem(value)) {
        for (const SystemColour& colour : kSystemColours) {
            if (colour.value == value)
                return system.color(colour.role);
        }
        return system.color(QPalette::Window);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

ColourPair resolvePair(std::uint32_t back, std::uint32_t fore, const QPalette& system)
{
    ColourPair pair{toColor(back, system), toColor(fore, system)};
    if (contrastRatio(pair.back, pair.fore) >= kReadableContrast)
        return pair;
    if (isSystem(fore))
        pair.fore = contrasting(pair.back);
    else if (isSystem(back))
        pair.back = contrasting(pair.fore);
    return pair;
}

} // namespace

QColor toColor(std::uint32_t value)
{
    return toColor(value, QApplication::palette());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColourPair resolvePair(std::uint32_t back, std::uint32_t fore)
{
    return resolvePair(back, fore, QApplication::palette());
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

std::optional<std::uint32_t> stored(const QWidget* widget, const char* property)
{
    const QVariant value = widget->property(property);
    if (!value.isValid())
        return std::nullopt;
    return value.value<std::uint32_t>();
}

bool isColoured(const QWidget* widget)
{
    return widget->property(kBackColorProperty).isValid() || widget->property(kForeColorProperty).isValid();
}

// Puts a widget's colours into its palette from the values it was given,
// system colours as `system` has them.
void applyColours(QWidget* widget, const QPalette& system)
{
    const std::optional<std::uint32_t> back = stored(widget, kBackColorProperty);
    const std::optional<std::uint32_t> fore = stored(widget, kForeColorProperty);
    QPalette palette = widget->palette();
    if (back && fore) {
        const ColourPair pair = resolvePair(*back, *fore, system);
        palette.setColor(backgroundRole(widget), pair.back);
        palette.setColor(foregroundRole(widget), pair.fore);
    } else if (back) {
        palette.setColor(backgroundRole(widget), toColor(*back, system));
    } else if (fore) {
        palette.setColor(foregroundRole(widget), toColor(*fore, system));
    }
    widget->setPalette(palette);
}

void applyColours(QWidget* widget)
{
    applyColours(widget, QApplication::palette());
}

// The window and every coloured widget in it, with system colours from `system`.
void colourTree(QWidget* window, const QPalette& system)
{
    if (isColoured(window))
        applyColours(window, system);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (isColoured(widget))
            applyColours(widget, system);
    }
}

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < palette.color(QPalette::Text).lightness();
}

// Resolves every coloured widget afresh when the application's palette
// changes (a theme switch on the desktop, or setPalette), before the
// widgets themselves hear of it.
class PaletteFollower : public QObject {
public:
    static constexpr const char* kName = "PaletteFollower";

    explicit PaletteFollower(QObject* application)
        : QObject(application)
    {
        setObjectName(QLatin1String(kName));
        application->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::ApplicationPaletteChange) {
            for (QWidget* widget : QApplication::allWidgets()) {
                if (isColoured(widget))
                    applyColours(widget);
            }
        }
        return false;
    }
};

void followPalette()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application &&
        !application->findChild<QObject*>(QLatin1String(PaletteFollower::kName), Qt::FindDirectChildrenOnly))
        new PaletteFollower(application);
}

} // namespace

void setBackColor(QWidget* widget, std::uint32_t value)
{
    followPalette();
    widget->setProperty(kBackColorProperty, QVariant::fromValue(value));
    widget->setAutoFillBackground(true);
    applyColours(widget);
}

void setForeColor(QWidget* widget, std::uint32_t value)
{
    followPalette();
    widget->setProperty(kForeColorProperty, QVariant::fromValue(value));
    applyColours(widget);
}

void withPaperColours(QWidget* window, const std::function<void()>& draw)
{
    const QPalette desktop = QApplication::palette();
    if (!isDark(desktop)) {
        draw();
        return;
    }
    // Controls without colours of their own take theirs from the window.
    const QPalette paper = QApplication::style()->standardPalette();
    const QPalette own = window->palette();
    window->setPalette(paper);
    colourTree(window, paper);
    draw();
    window->setPalette(own);
    colourTree(window, desktop);
}

std::uint32_t backColor(const QWidget* widget)
{
    return stored(widget, kBackColorProperty).value_or(kButtonFace);
}

} // namespace platform
