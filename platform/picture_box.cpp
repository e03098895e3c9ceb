// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picture_box.h"

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

void PictureBox::showImage(int imageNumber, const QString& name)
{
    imageNumber_ = imageNumber;
    setAccessibleName(name);
    setPicture(imageList().image(imageNumber));
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
                               ? imageList().finestImage(imageNumber_)
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

} // namespace platform
