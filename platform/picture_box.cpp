#include "platform/picture_box.h"

#include "deck/card_catalogue.h"
#include "platform/image_list.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::showCard(int imageNumber)
{
    QPixmap picture = imageList().picture(imageNumber);
    if (picture.isNull()) {
        imageNumber = deck::kCardBackImage;
        picture = imageList().picture(imageNumber);
    }
    imageNumber_ = imageNumber;
    setAccessibleName(pictureName(imageNumber));
    setPicture(picture);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    // Recorded for paper: the card at the finest resolution there is, in the
    // same place and size. As an image, since the printer plays the
    // recording in a thread of its own.
    const QPixmap finest = painter.paintEngine()->type() == QPaintEngine::Picture && imageNumber_ != 0
                               ? imageList().finestPicture(imageNumber_)
                               : QPixmap();
    if (!finest.isNull())
        painter.drawImage(QRectF(QPointF(0, 0), picture_.deviceIndependentSize()), finest.toImage());
    else
        painter.drawPixmap(QPoint(0, 0), picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

QString pictureName(int imageNumber)
{
    if (imageNumber == deck::kFoolImage)
        return QStringLiteral("Fool");
    if (imageNumber == deck::kCardBackImage)
        return QStringLiteral("Card back");
    if (imageNumber >= 1 && imageNumber < deck::kCardCount) {
        const std::string_view name = deck::cardRow(static_cast<std::int16_t>(imageNumber)).drawName;
        return QString::fromUtf8(name.data(), qsizetype(name.size()));
    }
    return {};
}

} // namespace platform
