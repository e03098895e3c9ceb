// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/fonts.h"

#include <QAbstractButton>
#include <QList>
#include <QString>
#include <cstdint>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace platform {

class PictureBox;

// "Label1(3)": the name of element 3 of the control array Label1.
QString indexedName(const char* array, int index);

// The placement of a control: Left, Top, Width, Height in twips.
struct Twips {
    int left, top, width, height;
};

// How a label draws: colours as 0x00BBGGRR or system colours.
struct LabelStyle {
    std::uint32_t back;
    std::uint32_t fore;
    FontSpec font;
    Qt::Alignment alignment = Qt::AlignLeft;
};

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, Twips place,
                 const LabelStyle& style);
QPushButton* addButton(QWidget* parent, const QString& name, const QString& text, Twips place,
                       const FontSpec& font);
// A button with a picture face and its caption below.
QToolButton* addPictureButton(QWidget* parent, const QString& name, const QString& text, const QPixmap& face,
                              Twips place, const FontSpec& font);
PictureBox* addPictureBox(QWidget* parent, const QString& name, Twips place, std::uint32_t back);
// A multi-line text box the user reads but does not edit.
QPlainTextEdit* addTextBox(QWidget* parent, const QString& name, const QString& text, Twips place,
                           std::uint32_t back, std::uint32_t fore, const FontSpec& font);

// The keyboard order, first to last.
void chainTabOrder(const QList<QWidget*>& order);

// The small red square that asks whether to end the program. A button to
// keyboards and screen readers, a plain red square to the eye.
class PanicSquare : public QAbstractButton {
    Q_OBJECT

public:
    explicit PanicSquare(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

PanicSquare* addPanicSquare(QWidget* parent, int left, int top);

// The fallback fonts of the controls that the layouts leave at their default.
inline constexpr FontSpec kDefaultFont{kSansSerif, 8.25};
// The same face in bold, the buttons' and headings' face, and bold italic.
inline constexpr FontSpec kBoldFont{kSansSerif, 8.25, true};
inline constexpr FontSpec kBoldItalicFont{kSansSerif, 8.25, true, true};

} // namespace platform
