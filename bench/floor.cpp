// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start benchmark: the least a Qt Widgets program does to
// show what Veltrano's start-up window shows. It decodes the deck's 79 card
// pictures (the same files, built in the same way), shows one window of the
// start-up window's size with three of them, and ends once that window has
// been painted.

#include "clock.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace {

class FloorWindow : public QWidget {
public:
    explicit FloorWindow(const std::vector<QPixmap>& pictures)
        : pictures_(pictures)
    {
        setFixedSize(474, 364); // 7110 x 5460 twips
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        // The Fool, the card back and the Ace of Cups, where Veltrano puts them.
        painter.drawPixmap(67, 96, pictures_[77]);
        painter.drawPixmap(147, 96, pictures_[78]);
        painter.drawPixmap(227, 96, pictures_[47]);
        if (!painted_) {
            painted_ = true;
            // After this paint has reached the screen.
            QTimer::singleShot(0, [] {
                bench::reportPainted();
                QCoreApplication::exit(0);
            });
        }
    }

private:
    const std::vector<QPixmap>& pictures_;
    bool painted_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::vector<QPixmap> pictures;
    pictures.reserve(79);
    for (int n = 1; n <= 79; ++n)
        pictures.emplace_back(QStringLiteral(":/cards/%1.jpg").arg(n, 2, 10, QLatin1Char('0')));
    for (const QPixmap& picture : pictures) {
        if (picture.isNull())
            return 2;
    }
    FloorWindow window(pictures);
    window.show();
    return QApplication::exec();
}
