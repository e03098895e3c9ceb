#pragma once
// TEMPORARY stand-in until the pictures branch lands.
#include <QPixmap>
namespace platform {
inline QPixmap cardPicture(int imageNumber)
{
    if (imageNumber < 1 || imageNumber > 79)
        return {};
    QPixmap p(75, 139);
    p.fill(QColor::fromHsv(imageNumber * 4, 200, 200));
    return p;
}
} // namespace platform
namespace platform {
enum class WindowPicture { Banner, Icon, ArrowUp, ArrowDown, MenuDaughterOfCups, MenuFool, CardBack, DaughterOfWands };
inline QPixmap windowPicture(WindowPicture which)
{
    switch (which) {
    case WindowPicture::Banner: { QPixmap p(384, 96); p.fill(Qt::darkYellow); return p; }
    case WindowPicture::Icon: case WindowPicture::ArrowUp: case WindowPicture::ArrowDown: { QPixmap p(32, 32); p.fill(Qt::green); return p; }
    case WindowPicture::MenuDaughterOfCups: { QPixmap p(76, 137); p.fill(Qt::blue); return p; }
    case WindowPicture::MenuFool: { QPixmap p(75, 136); p.fill(Qt::magenta); return p; }
    case WindowPicture::CardBack: return cardPicture(79);
    case WindowPicture::DaughterOfWands: return cardPicture(25);
    }
    return {};
}
} // namespace platform
