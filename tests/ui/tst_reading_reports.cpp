// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading_support.h"
#include "ui_support.h"

#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "platform/colours.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "platform/window_printing.h"
#include "reports/oc_rapport.h"
#include "reports/tc_rapport.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

QWidget* report(const QString& name)
{
    if (name == "OCRapport")
        return platform::existingForm<OCRapport>();
    return platform::existingForm<TCRapport>();
}

// The clicks that open a report from its spread window.
QString opener(const QString& name)
{
    return name == "OCRapport" ? "1r" : "3r";
}

int lastPositionOf(const QString& name)
{
    return name == "OCRapport" ? 0 : 2;
}

QString cardDescription(int card)
{
    return platform::text(deck::cardRow(std::int16_t(card)).description);
}

QStringList labelTexts(QWidget* window)
{
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        texts << label->objectName() + '=' + label->text();
    return texts;
}

// Pixels clearly darker than the button's face: its caption.
int darkPixels(const QImage& image)
{
    int dark = 0;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column)
            dark += qGray(image.pixel(column, row)) < 100;
    }
    return dark;
}

} // namespace

class TestReadingReports : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::startAtMainMenu(); }
    void cleanup() { platform::setPageSink({}); }

    void reports_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("OCRapport") << "OCRapport";
        QTest::newRow("TCRapport") << "TCRapport";
    }

    // Ordinary titled windows in the middle of the screen; only Print Report
    // takes the keyboard, and resizing moves nothing.
    void windows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("clientTwips");
        QTest::addColumn<uint>("back");
        QTest::newRow("OCRapport") << "OCRapport"
                                   << "One Card Reading Report" << QSize(5295, 5670)
                                   << uint(platform::kButtonFace);
        QTest::newRow("TCRapport") << "TCRapport"
                                   << "Three Card Reading Report" << QSize(10125, 6390)
                                   << uint(platform::kGrey);
    }

    void windows()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QSize, clientTwips);
        QFETCH(uint, back);
        QVERIFY(uitest::play(opener(name)));
        QWidget* window = report(name);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(window->size(), clientTwips / 15);
        QCOMPARE(platform::backColor(window), std::uint32_t(back));
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags & Qt::WindowTitleHint || !(flags & Qt::CustomizeWindowHint));
        const QPoint middle = window->screen()->geometry().center();
        QVERIFY(qAbs(window->frameGeometry().center().x() - middle.x()) <= 1);
        QVERIFY(qAbs(window->frameGeometry().center().y() - middle.y()) <= 1);

        QList<QRect> places;
        for (const QWidget* control : window->findChildren<QWidget*>())
            places << control->geometry();
        window->resize(window->size() * 2);
        QList<QRect> placesAfter;
        for (const QWidget* control : window->findChildren<QWidget*>())
            placesAfter << control->geometry();
        QCOMPARE(placesAfter, places);
    }

    // Before any deal the names are empty and each description is that of
    // card 0, which every position still holds.
    void beforeAnyDeal_data() { reports_data(); }
    void beforeAnyDeal()
    {
        QFETCH(QString, name);
        QVERIFY(uitest::play(opener(name)));
        QWidget* window = report(name);
        QVERIFY(window && window->isVisible());
        const int positions = lastPositionOf(name) + 1;
        const uitest::ReportText expected{QStringList(positions, QString()) << "The Tower",
                                          QStringList(positions, cardDescription(0))
                                              << QString::fromStdString(Module1::SignDescription)};
        QCOMPARE(uitest::reportShows(window), expected);
        QVERIFY(!Module1::SignDescription.empty());
        QCOMPARE(int(Module1::LastPosition), lastPositionOf(name));

        // The descriptions wrap within their width.
        auto* description = window->findChild<QLabel*>("SignDescriptionLabel");
        QVERIFY(description->wordWrap());
        QVERIFY(description->heightForWidth(description->width()) > 4 * description->fontMetrics().height());
    }

    // A report reads positions 0 to its last, whatever spread filled them.
    void cardsOfTheOtherSpread_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("emptyNames");
        QTest::newRow("Three Card report after a One Card deal") << "TCRapport"
                                                                 << "1pm3r" << QStringList{"", ""};
        QTest::newRow("One Card report after a Three Card deal") << "OCRapport"
                                                                 << "3pm1r" << QStringList();
    }

    void cardsOfTheOtherSpread()
    {
        QFETCH(QString, name);
        QFETCH(QString, steps);
        QFETCH(QStringList, emptyNames);
        QVERIFY(uitest::play(steps));
        const uitest::ReportText shown = uitest::reportShows(report(name));
        QCOMPARE(shown, uitest::expectedReport(lastPositionOf(name)));
        QCOMPARE(shown.names[0], QString::fromStdString(Module1::CardNames[0]));
        QVERIFY(!shown.names[0].isEmpty());
        // Positions a One Card deal leaves alone: no name, card 0's description.
        QCOMPARE(shown.names.mid(1, emptyNames.size()), emptyNames);
        QCOMPARE(shown.descriptions.mid(1, emptyNames.size()),
                 QStringList(emptyNames.size(), cardDescription(0)));
        // The Three Card report covers positions 0 to 2 and says so.
        QCOMPARE(int(Module1::LastPosition), 2);
    }

    // Shown again, a report keeps the reading it was made with; closed with
    // its close box and opened again, it shows the reading of that moment.
    void fillOnceRefillAfterClosing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("newDeal");
        QTest::newRow("OCRapport") << "OCRapport"
                                   << "1pr"
                                   << "m3m1p";
        QTest::newRow("TCRapport") << "TCRapport"
                                   << "3pr"
                                   << "m1m3p";
    }

    void fillOnceRefillAfterClosing()
    {
        QFETCH(QString, name);
        QFETCH(QString, first);
        QFETCH(QString, newDeal);
        const int last = lastPositionOf(name);
        QVERIFY(uitest::play(first));
        QPointer<QWidget> window = report(name);
        const uitest::ReportText firstReading = uitest::expectedReport(last);
        QCOMPARE(uitest::reportShows(window), firstReading);

        QVERIFY(uitest::play(newDeal));
        const uitest::ReportText newReading = uitest::expectedReport(last);
        QVERIFY2(newReading.names != firstReading.names, "the draw repeated the first reading");

        QVERIFY(uitest::play("r"));
        QCOMPARE(report(name), window.data());
        QVERIFY(window->isVisible());
        QCOMPARE(uitest::reportShows(window), firstReading);

        QVERIFY(window->close());
        QVERIFY(uitest::play("r"));
        QWidget* reopened = report(name);
        QVERIFY(reopened != window.data() && reopened->isVisible());
        QCOMPARE(uitest::reportShows(reopened), newReading);
    }

    // Main Menu of the Three Card window makes the report if it was never
    // opened: filled from the reading state of that moment, and kept hidden.
    void threeCardMenuMakesTheReportHidden()
    {
        Module1::LastPosition = 0;
        QVERIFY(uitest::play("3m"));
        auto* window = platform::existingForm<TCRapport>();
        QVERIFY(window);
        QVERIFY(!window->isVisible());
        QCOMPARE(uitest::visibleWindows(), QStringList{"MainMenu"});
        QCOMPARE(int(Module1::LastPosition), 2);
        const uitest::ReportText beforeTheDeal = uitest::expectedReport(2);
        QCOMPARE(uitest::reportShows(window), beforeTheDeal);

        QVERIFY(uitest::play("3pr"));
        QCOMPARE(Module1::DealCount, std::int16_t(1));
        QCOMPARE(platform::existingForm<TCRapport>(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(uitest::reportShows(window), beforeTheDeal);
        QCOMPARE(uitest::reportShows(window).names.first(), QString());
    }

    // Reading Report brings back a report the user had minimised.
    void minimisedReportComesBack_data() { reports_data(); }
    void minimisedReportComesBack()
    {
        QFETCH(QString, name);
        QVERIFY(uitest::play(opener(name)));
        QWidget* window = report(name);
        window->showMinimized();
        QVERIFY(uitest::play("r"));
        QCOMPARE(report(name), window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isMinimized());
    }

    // The page is the window at its own size, Print Report button and all.
    void printedPage_data() { reports_data(); }
    void printedPage()
    {
        QFETCH(QString, name);
        QList<platform::PrintedPage> pages;
        platform::setPageSink([&](const platform::PrintedPage& page) {
            pages << page;
            return platform::PrintResult::Printed;
        });
        QVERIFY(uitest::play(opener(name).insert(1, 'p')));
        QWidget* window = report(name);
        const QRect place = window->geometry();
        const QStringList texts = labelTexts(window);

        window->findChild<QPushButton*>("Command1")->click();

        QCOMPARE(pages.size(), 1);
        const platform::PrintedPage& page = pages.first();
        QCOMPARE(page.window, name);
        QCOMPARE(page.inches, QSizeF(window->width() / 96.0, window->height() / 96.0));
        const QImage screen = window->grab().toImage();
        const QImage paper =
            page.image().scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double difference = uitest::meanDifference(paper, screen);
        QVERIFY2(difference < 8, qPrintable(QString::number(difference)));

        const QRect button = window->findChild<QPushButton*>("Command1")->geometry();
        const QImage printedButton = paper.copy(button);
        QVERIFY(uitest::meanDifference(printedButton, screen.copy(button)) < 12);
        QVERIFY(darkPixels(printedButton) > 20);

        QVERIFY(window->isVisible());
        QCOMPARE(window->geometry(), place);
        QCOMPARE(labelTexts(window), texts);
    }

    void printTwiceGivesTwoSamePages_data() { reports_data(); }
    void printTwiceGivesTwoSamePages()
    {
        QFETCH(QString, name);
        QList<QImage> pages;
        platform::setPageSink([&](const platform::PrintedPage& page) {
            pages << page.image(96);
            return platform::PrintResult::Printed;
        });
        QVERIFY(uitest::play(opener(name).insert(1, 'p')));
        auto* print = report(name)->findChild<QPushButton*>("Command1");
        print->click();
        print->click();
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0] == pages[1]);
    }

    // Without a printer the user is told so, and that is all.
    void noPrinter_data() { reports_data(); }
    void noPrinter()
    {
        QFETCH(QString, name);
        int attempts = 0;
        platform::setPageSink([&](const platform::PrintedPage&) {
            ++attempts;
            return platform::PrintResult::NoPrinter;
        });
        QVERIFY(uitest::play(opener(name).insert(1, 'p')));
        QWidget* window = report(name);
        const QRect place = window->geometry();
        const QStringList texts = labelTexts(window);
        const QStringList onScreen = uitest::visibleWindows();
        const uitest::DealState state = uitest::dealState();

        uitest::Question question;
        uitest::answerNextQuestion(question, Qt::Key_Return);
        window->findChild<QPushButton*>("Command1")->click();

        QVERIFY(question.asked);
        QCOMPARE(question.text, QString("The report could not be printed: no printer is available."));
        QCOMPARE(attempts, 1);
        QCOMPARE(report(name), window);
        QCOMPARE(uitest::visibleWindows(), onScreen);
        QCOMPARE(window->geometry(), place);
        QCOMPARE(labelTexts(window), texts);
        QCOMPARE(uitest::dealState(), state);
    }
};

QTEST_MAIN(TestReadingReports)
#include "tst_reading_reports.moc"
