#include "platform/picture_box.h"

#include "platform/image_list.h"

#include <QMouseEvent>
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
