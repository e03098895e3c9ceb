#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>

namespace platform {

// The pictures of the deck by image number: 1 to 77 the card of that number,
// 78 the Fool, 79 the card back. Each picture keeps its own size; nothing is
// scaled or masked.
class ImageList : public QObject {
    Q_OBJECT

public:
    static constexpr int kCount = 79;

    explicit ImageList(QObject* parent = nullptr);

    // The picture of image n at its own logical size, decoded on the first
    // request and kept. On a screen with a device pixel ratio above 1 it is the
    // twin drawn at twice the size, with a ratio of 2. Any other number names
    // no picture: the answer is a null pixmap.
    QPixmap picture(int imageNumber) const;

    // The same picture at the best resolution there is, whatever the screen:
    // the twin drawn at twice the size, with a ratio of 2. For paper.
    QPixmap finestPicture(int imageNumber) const;

private:
    QPixmap picture(int imageNumber, bool high) const;

    // One set for each resolution, since the ratio may change while the
    // program runs (a window moved to another screen).
    mutable std::array<std::array<QPixmap, kCount>, 2> m_pictures;
};

// The window that holds the image list. It is never shown; it exists so that
// every window reaches the list in one place.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // The one Form1, created hidden on the first request.
    static Form1& instance();

    ImageList& imageList1() const { return *m_imageList1; }

private:
    Form1();

    ImageList* m_imageList1;
};

// Shorthand for Form1::instance().imageList1().
ImageList& imageList();

// The pictures of the windows, each from one file that all its users share.
enum class Picture {
    Banner,              // the title banner, 384 x 96
    Icon,                // the program icon, 32 x 32 in 16 colours
    ArrowUp,             // the outline arrows on the step buttons, 32 x 32
    ArrowDown,           //
    MenuDaughterOfCups,  // the main menu's Readings button face, 76 x 137
    MenuFool,            // the main menu's History button face, 75 x 136
    MenuDaughterOfWands, // the main menu's Cards button face: the card's own picture
    CardBack,            // image 79 of the list itself, not a copy
};

QPixmap picture(Picture which);

} // namespace platform
