// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls.h"

#include "platform/colours.h"
#include "platform/geometry.h"
#include "platform/keyboard.h"
#include "platform/picture_box.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextDocument>
#include <QToolButton>

namespace platform {
namespace {

QRect pixels(const Twips& place)
{
    return twipsRect(place.left, place.top, place.width, place.height);
}

template <class W> W* placed(W* widget, const QString& name, const Twips& place)
{
    widget->setObjectName(name);
    widget->setGeometry(pixels(place));
    return widget;
}

// A push button whose caption wraps onto several lines when it is wider
// than the button, as long captions on these layouts expect.
class CaptionButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(), caption,
                             QPalette::ButtonText);
        drawFocusFrame(painter, *this);
    }
};

// A button with a picture above its caption, its focus as plain to see as
// on the text buttons.
class PictureButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QToolButton::paintEvent(event);
        QPainter painter(this);
        drawFocusFrame(painter, *this);
    }
};

} // namespace

QString indexedName(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, Twips place,
                 const LabelStyle& style)
{
    auto* label = placed(new QLabel(text, parent), name, place);
    label->setWordWrap(true);
    label->setAlignment(style.alignment | Qt::AlignTop);
    label->setFont(makeFont(style.font));
    setBackColor(label, style.back);
    setForeColor(label, style.fore);
    return label;
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& text, Twips place,
                       const FontSpec& font)
{
    auto* button = placed(new CaptionButton(text, parent), name, place);
    button->setFont(makeFont(font));
    button->setAutoDefault(false);
    pressOnReturn(button);
    return button;
}

QToolButton* addPictureButton(QWidget* parent, const QString& name, const QString& text, const QPixmap& face,
                              Twips place, const FontSpec& font)
{
    auto* button = placed(new PictureButton(parent), name, place);
    button->setText(text);
    button->setIcon(QIcon(face));
    button->setIconSize(face.deviceIndependentSize().toSize());
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFont(makeFont(font));
    button->setFocusPolicy(Qt::StrongFocus);
    pressOnReturn(button);
    return button;
}

PictureBox* addPictureBox(QWidget* parent, const QString& name, Twips place, std::uint32_t back)
{
    auto* box = placed(new PictureBox(parent), name, place);
    setBackColor(box, back);
    return box;
}

QPlainTextEdit* addTextBox(QWidget* parent, const QString& name, const QString& text, Twips place,
                           std::uint32_t back, std::uint32_t fore, const FontSpec& font)
{
    auto* box = placed(new QPlainTextEdit(text, parent), name, place);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFont(makeFont(font));
    // Text that fits the box shows whole: no scroll bars, and no more margin
    // than a thin one inside the frame. Longer text still scrolls by keyboard
    // and wheel.
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->document()->setDocumentMargin(1);
    setBackColor(box, back);
    setForeColor(box, fore);
    return box;
}

void chainTabOrder(const QList<QWidget*>& order)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

PanicSquare::PanicSquare(QWidget* parent)
    : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("PanicButton"));
    setAccessibleName(QStringLiteral("End the program"));
    setToolTip(QStringLiteral("End the program"));
    setFocusPolicy(Qt::TabFocus);
    setBackColor(this, kRed);
    pressOnReturn(this);
}

void PanicSquare::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toColor(kRed));
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

PanicSquare* addPanicSquare(QWidget* parent, int left, int top)
{
    auto* square = new PanicSquare(parent);
    square->setGeometry(twipsRect(left, top, 135, 135));
    return square;
}

} // namespace platform
