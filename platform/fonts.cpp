#include "platform/fonts.h"

namespace platform {

QFont makeFont(const FontSpec& spec)
{
    static const bool substituted = [] {
        QFont::insertSubstitution(kSansSerif, "Liberation Sans");
        return true;
    }();
    (void)substituted;

    QFont font(spec.family);
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

} // namespace platform
