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
    const QPixmap& picture() const { return picture_; }

    // Shows picture `imageNumber` of the card image list and tells screen
    // readers which card it is. A number that names no picture shows the
    // card back, so a box never goes blank.
    void showCard(int imageNumber);
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

// What a screen reader calls the picture of an image number: the card's
// draw name, "Fool" or "Card back".
QString pictureName(int imageNumber);

} // namespace platform
