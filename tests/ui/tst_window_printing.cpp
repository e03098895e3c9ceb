#include "ui_support.h"

#include "platform/window_printing.h"

#include <QLabel>
#include <QPrinterInfo>
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
    void cleanup() { platform::setPageSink({}); }

    void pageIsTheWindowAtItsPhysicalSize()
    {
        auto window = sampleWindow("Sample");
        window->show();
        const platform::PrintedPage page = platform::renderWindow(window.get());
        QCOMPARE(page.window, QString("Sample"));
        QCOMPARE(page.inches, QSizeF(300 / 96.0, 200 / 96.0));
        // Rendered for paper, not scaled up from the screen.
        QVERIFY(qAbs(page.image.width() - 300 * 300.0 / 96) <= 1);
        QVERIFY(qAbs(page.image.height() - 200 * 300.0 / 96) <= 1);
        QCOMPARE(qRound(page.image.dotsPerMeterX() * 0.0254), 300);

        const QImage screen = window->grab().toImage();
        const QImage shrunk =
            page.image.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(uitest::meanDifference(shrunk, screen) < 8,
                 qPrintable(QString::number(uitest::meanDifference(shrunk, screen))));
        // And it is not a blank page.
        QCOMPARE(page.image.pixelColor(page.image.width() / 8, page.image.height() / 4), QColor(20, 40, 160));
    }

    void hiddenWindowPrintsAsWell()
    {
        auto window = sampleWindow("Hidden");
        const platform::PrintedPage page = platform::renderWindow(window.get());
        QCOMPARE(page.image.pixelColor(page.image.width() / 8, page.image.height() / 4), QColor(20, 40, 160));
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
        QTest::newRow("printer paused") << int(platform::PrintResult::PrinterPaused)
                                        << "The report could not be printed: the printer is paused.";
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

    void withoutAPrinterNothingPretends()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        auto window = sampleWindow("Report");
        uitest::Question question;
        uitest::answerNextQuestion(question, Qt::Key_Escape);
        QVERIFY(!platform::printWindow(window.get()));
        QCOMPARE(question.text, QString("The report could not be printed: no printer is available."));
    }
};

QTEST_MAIN(TestWindowPrinting)
#include "tst_window_printing.moc"
