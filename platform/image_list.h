// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

namespace platform {

// The card pictures by image number: image n is the resource :/cards/NN.jpg.
// What each number shows is the deck's business, not this list's. Each
// picture keeps its own size; nothing is scaled or masked.
class ImageList : public QObject {
    Q_OBJECT

public:
    explicit ImageList(QObject* parent = nullptr);

    // The picture of image n at its own logical size, decoded on the first
    // request and kept. On a screen with a device pixel ratio above 1 it is the
    // twin drawn at twice the size, with a ratio of 2. A number with no
    // picture gets a null pixmap.
    QPixmap image(int imageNumber) const;

    // The same picture at the best resolution there is, whatever the screen:
    // the twin drawn at twice the size, with a ratio of 2. For paper.
    QPixmap finestImage(int imageNumber) const;

private:
    QPixmap image(int imageNumber, bool high) const;

    // One set for each resolution, since the ratio may change while the
    // program runs (a window moved to another screen).
    mutable std::array<std::vector<QPixmap>, 2> pictures_;
};

// The window that holds the image list. It is never shown; it exists so that
// every window reaches the list in one place.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // The one Form1, created hidden on the first request.
    static Form1& instance();

    ImageList& imageList1() const { return *imageList1_; }

private:
    Form1();

    ImageList* imageList1_;
};

// Shorthand for Form1::instance().imageList1().
ImageList& imageList();

// The pictures of the windows, each from one file that all its users share.
enum class WindowPicture {
    Banner,              // the title banner, 384 x 96
    Icon,                // the program icon, 32 x 32 in 16 colours
    ArrowUp,             // the outline arrows on the step buttons, 32 x 32
    ArrowDown,           //
    MenuDaughterOfCups,  // the main menu's Readings button face, 76 x 137
    MenuFool,            // the main menu's History button face, 75 x 136
    MenuDaughterOfWands, // the main menu's Cards button face: the card's own picture
};

QPixmap windowPicture(WindowPicture which);

} // namespace platform
