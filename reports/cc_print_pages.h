// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

#include <array>

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace platform {
class PictureBox;
} // namespace platform

// The three pages of the printed Celtic Cross report. Each is a borderless
// window at page size, filled once when first made and printed as an image
// of itself; none is ever meant to be seen on screen.

// A page of five cards: the report name above the description of each.
class CardPage : public platform::Form {
    Q_OBJECT

public:
    static constexpr int kSlots = 5;

    struct Layout {
        const char* name;
        QPoint screenTwips;
        QSize clientTwips;
        double fontPoints;
        std::array<int, kSlots> nameTops;
        std::array<int, kSlots> textTops;
        int firstPosition;
    };

    explicit CardPage(const Layout& layout);

    void Form_Load() override;

    std::array<QLabel*, kSlots> Label1{};
    std::array<QPlainTextEdit*, kSlots> Text1{};

private:
    int firstPosition_;
};

// Positions 1 to 5.
class CCPrintAll : public CardPage {
    Q_OBJECT

public:
    CCPrintAll();
};

// Positions 6 to 10.
class CCPrintAll2 : public CardPage {
    Q_OBJECT

public:
    CCPrintAll2();
};

// The title line and the Identifier.
class CCPrintAll3 : public platform::Form {
    Q_OBJECT

public:
    CCPrintAll3();

    void Form_Load() override;

    QLabel* Title1Label;
    QLabel* Title2Label;
    QWidget* Line1;
    QLabel* SignLabel2;
    platform::PictureBox* CCSignPicture;
    QLabel* SignLabel;
    QPlainTextEdit* Text1;
};
