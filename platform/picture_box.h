// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

namespace platform {

// A box that shows a picture at the picture's own size from its top-left
// corner, never stretched, over its back colour, and reports clicks.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent);

    void setPicture(const QPixmap& picture);
    const QPixmap& shownPicture() const { return picture_; }

    // Shows image `imageNumber` of the card image list, and tells screen
    // readers what it shows by the name the caller gives.
    void showImage(int imageNumber, const QString& name);
    int imageNumber() const { return imageNumber_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    int imageNumber_ = 0;
    bool pressed_ = false;
};

} // namespace platform
