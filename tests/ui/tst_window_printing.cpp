// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_support.h"

#include "platform/image_list.h"
#include "platform/picture_box.h"
#include "platform/window_printing.h"

#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A window with something to see: a dark square on a light background and a word.
std::unique_ptr<QWidget> sampleWindow(const QString& name)
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(name);
    window->resize(300, 200);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(230, 230, 200));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    auto* block = new QWidget(window.get());
    block->setGeometry(20, 20, 100, 60);
    QPalette dark = block->palette();
    dark.setColor(QPalette::Window, QColor(20, 40, 160));
    block->setPalette(dark);
    block->setAutoFillBackground(true);
    auto* label = new QLabel("Print Report", window.get());
    label->setGeometry(150, 150, 140, 30);
    return window;
}

} // namespace

class TestWindowPrinting : public QObject {
    Q_OBJECT

private slots:
    // Only a print system that is not there: never the machine's own.
    void initTestCase() { qputenv("CUPS_SERVER", QFile::encodeName(dir_.filePath("no-scheduler"))); }
    void cleanup() { platform::setPageSink({}); }

    void pageIsTheWindowAtItsPhysicalSize()
    {
        auto window = sampleWindow("Sample");
        window->show();
        const platform::PrintedPage page = platform::renderWindow(window.get());
        QCOMPARE(page.window, QString("Sample"));
        QCOMPARE(page.inches, QSizeF(300 / 96.0, 200 / 96.0));

        // Drawn for paper, not a screen grab scaled up: at 96 dpi it is the
        // window, at 300 dpi the same page, sharper.
        const QImage screen = window->grab().toImage();
        const QImage atScreenDpi = page.image(96);
        QCOMPARE(atScreenDpi.size(), screen.size());
        QVERIFY2(uitest::meanDifference(atScreenDpi, screen) < 3,
                 qPrintable(QString::number(uitest::meanDifference(atScreenDpi, screen))));
        const QImage paper = page.image();
        QVERIFY(qAbs(paper.width() - 300 * 300.0 / 96) <= 1);
        QVERIFY(qAbs(paper.height() - 200 * 300.0 / 96) <= 1);
        const QImage shrunk = paper.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(uitest::meanDifference(shrunk, screen) < 8,
                 qPrintable(QString::number(uitest::meanDifference(shrunk, screen))));
        // And it is not a blank page.
        QCOMPARE(paper.pixelColor(paper.width() / 8, paper.height() / 4), QColor(20, 40, 160));
    }

    void hiddenWindowPrintsAsWell()
    {
        auto window = sampleWindow("Hidden");
        const QImage paper = platform::renderWindow(window.get()).image();
        QCOMPARE(paper.pixelColor(paper.width() / 8, paper.height() / 4), QColor(20, 40, 160));
    }

    // A card goes on paper as its finest picture, in the place and size it
    // has on screen, not as the screen's picture scaled up.
    void cardPicturesGoOnPaperAtTheirFinest()
    {
        QWidget window;
        window.setObjectName("Cards");
        window.resize(200, 200);
        auto* box = new platform::PictureBox(&window);
        box->setGeometry(10, 10, 120, 180);
        box->showImage(1, QStringLiteral("Card 1"));
        const QImage finest = platform::imageList().finestImage(1).toImage();
        const QImage screen = platform::imageList().image(1).toImage();
        QCOMPARE(finest.size(), screen.size() * 2);

        const QImage paper = platform::renderWindow(&window).image(2 * platform::kScreenDpi);
        const QImage drawn = paper.copy(QRect(QPoint(20, 20), finest.size()));
        const QImage scaledUp = screen.scaled(finest.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double fromFinest = uitest::meanDifference(drawn, finest);
        QVERIFY2(fromFinest < 1.5, qPrintable(QString::number(fromFinest)));
        QVERIFY2(uitest::meanDifference(drawn, scaledUp) > fromFinest + 1,
                 qPrintable(QString::number(uitest::meanDifference(drawn, scaledUp))));
    }

    // The page keeps its size where it fits the printable area, and is
    // scaled down to fit where it does not, from the area's top left.
    void placeOnPaper_data()
    {
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QRectF>("printable");
        QTest::addColumn<QRectF>("place");
        const QRectF a4(0.25, 0.25, 8.27 - 0.5, 11.69 - 0.5);
        QTest::newRow("fits") << QSizeF(7.7, 6.1) << a4 << QRectF(0.25, 0.25, 7.7, 6.1);
        QTest::newRow("exactly") << QSizeF(7.77, 3) << a4 << QRectF(0.25, 0.25, 7.77, 3);
        QTest::newRow("too wide") << QSizeF(15.54, 4) << a4 << QRectF(0.25, 0.25, 7.77, 2);
        QTest::newRow("too tall") << QSizeF(4, 22.38) << a4 << QRectF(0.25, 0.25, 2, 11.19);
        QTest::newRow("landscape paper")
            << QSizeF(7.7, 6.1) << QRectF(0, 0, 11, 8.5) << QRectF(0, 0, 7.7, 6.1);
    }

    void placeOnPaper()
    {
        QFETCH(QSizeF, page);
        QFETCH(QRectF, printable);
        QFETCH(QRectF, place);
        const QRectF seen = platform::placeOnPaper(page, printable);
        QVERIFY2(
            qAbs(seen.x() - place.x()) < 1e-9 && qAbs(seen.y() - place.y()) < 1e-9 &&
                qAbs(seen.width() - place.width()) < 1e-9 && qAbs(seen.height() - place.height()) < 1e-9,
            qPrintable(
                QString("%1,%2 %3x%4").arg(seen.x()).arg(seen.y()).arg(seen.width()).arg(seen.height())));
    }

    void pagesGoOutInOrderOneJobEach()
    {
        QStringList printed;
        platform::setPageSink([&](const platform::PrintedPage& page) {
            printed << page.window;
            return platform::PrintResult::Printed;
        });
        auto first = sampleWindow("First");
        auto second = sampleWindow("Second");
        QVERIFY(platform::printWindows({first.get(), second.get(), first.get()}));
        QCOMPARE(printed, (QStringList{"First", "Second", "First"}));
    }

    void failureIsToldOnceAndStopsTheRest_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("no printer") << int(platform::PrintResult::NoPrinter)
                                    << "The report could not be printed: no printer is available.";
        QTest::newRow("no answer") << int(platform::PrintResult::NoAnswer)
                                   << "The report could not be printed: the printer does not answer.";
        QTest::newRow("printer error")
            << int(platform::PrintResult::Failed) << "The report could not be printed.";
    }

    void failureIsToldOnceAndStopsTheRest()
    {
        QFETCH(int, result);
        QFETCH(QString, message);
        int attempts = 0;
        platform::setPageSink([&](const platform::PrintedPage&) {
            ++attempts;
            return platform::PrintResult(result);
        });
        auto first = sampleWindow("First");
        auto second = sampleWindow("Second");
        first->show();

        uitest::Question question;
        uitest::answerNextQuestion(question, Qt::Key_Return);
        QVERIFY(!platform::printWindows({first.get(), second.get()}));
        QVERIFY(question.asked);
        QCOMPARE(question.title, QString("Print"));
        QCOMPARE(question.text, message);
        QCOMPARE(question.buttons, QStringList{"OK"});
        QVERIFY(!question.hasIcon);
        QCOMPARE(attempts, 1);
        QVERIFY(first->isVisible());
    }

    // With no print system to ask, the print starts, shows that it is under
    // way, refuses a second one meanwhile, and then tells that there is no
    // printer, once. Nothing in it waits for the print system in the GUI
    // thread.
    void withoutAPrinterNothingPretends()
    {
        auto window = sampleWindow("Report");
        window->show();
        QVERIFY(platform::printWindow(window.get()));
        QVERIFY(platform::printing());
        QCOMPARE(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor,
                 Qt::BusyCursor);
        QVERIFY(!platform::printWindow(window.get()));
        // The message comes later, in a loop of its own: answered from a timer.
        QStringList told;
        bool printingWhenTold = true;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told << box->text();
                printingWhenTold = platform::printing();
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        answer.start(5);
        QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty(), 30000);
        QTest::qWait(200);
        QCOMPARE(told, QStringList{"The report could not be printed: no printer is available."});
        QVERIFY(!printingWhenTold);
        QVERIFY(!platform::printing());
        QVERIFY(!QApplication::overrideCursor());
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TestWindowPrinting)
#include "tst_window_printing.moc"
