// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

namespace platform {

QFont makeFont(const FontSpec& wanted)
{
    static const bool substituted = [] {
        QFont::insertSubstitution(kSansSerif, "Liberation Sans");
        return true;
    }();
    (void)substituted;

    QFont font(wanted.family);
    font.setPointSizeF(wanted.points);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    return font;
}

} // namespace platform
