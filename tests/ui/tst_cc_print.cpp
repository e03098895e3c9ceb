// SPDX-License-Identifier: GPL-3.0-or-later
#include "celtic_fixture.h"
#include "ui_support.h"

#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "deck/sign_catalogue.h"
#include "platform/geometry.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "platform/window_printing.h"
#include "readings/celtic_cross.h"
#include "reports/cc_print_pages.h"
#include "reports/cc_rapport.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Catches what would have gone to the printer, and notes whether any page
// window was on screen while it printed.
struct Printer {
    QList<platform::PrintedPage> pages;
    bool pageOnScreen = false;
    platform::PrintResult answer = platform::PrintResult::Printed;

    Printer()
    {
        platform::setPageSink([this](const platform::PrintedPage& page) {
            pages << page;
            for (const QString& window : uitest::visibleWindows())
                pageOnScreen = pageOnScreen || window.startsWith("CCPrintAll");
            return answer;
        });
    }
    ~Printer() { platform::setPageSink({}); }

    QStringList windows() const
    {
        QStringList names;
        for (const platform::PrintedPage& page : pages)
            names << page.window;
        return names;
    }
};

// Answers every message box shown while it lives, and keeps their texts,
// so that a second message would be counted rather than hang the test.
struct Messages {
    QStringList texts;
    QTimer poll;

    Messages()
    {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        poll.start(5);
    }
};

CCRapport& openReport()
{
    platform::form<CelticCross>().show();
    platform::form<CelticCross>().Command3->click();
    return *platform::existingForm<CCRapport>();
}

// The name and description of each of the ten slots, page 1 then page 2.
QStringList printedCards()
{
    QStringList seen;
    for (CardPage* page : {static_cast<CardPage*>(platform::existingForm<CCPrintAll>()),
                           static_cast<CardPage*>(platform::existingForm<CCPrintAll2>())}) {
        for (int slot = 0; slot < CardPage::kSlots; ++slot) {
            seen << page->findChild<QLabel*>(QString("Label1(%1)").arg(slot))->text()
                 << page->findChild<QPlainTextEdit*>(QString("Text1(%1)").arg(slot))->toPlainText();
        }
    }
    return seen;
}

QStringList catalogueEntries(const uitest::CelticCards& cards)
{
    QStringList entries;
    for (std::int16_t card : cards)
        entries << platform::text(deck::cardRow(card).reportName)
                << platform::text(deck::cardRow(card).description);
    return entries;
}

} // namespace

class TestCCPrint : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        uitest::freshProgram();
        Module1::SignIndex = 18;
        Module1::SignInfo();
    }

    // Three one-page jobs in page order, each the size of its window on
    // paper, none of them flashing up on screen; the report stays as it was.
    void threePagesInOrder()
    {
        uitest::layCelticCross(uitest::kRenamedFirst);
        CCRapport& report = openReport();
        report.UpCom->click();
        Printer printer;
        report.PrintCommand1->click();

        QCOMPARE(printer.windows(), (QStringList{"CCPrintAll", "CCPrintAll2", "CCPrintAll3"}));
        QVERIFY(!printer.pageOnScreen);
        const QSizeF inches[] = {{11085 / 1440.0, 8775 / 1440.0},
                                 {11070 / 1440.0, 8775 / 1440.0},
                                 {11130 / 1440.0, 7875 / 1440.0}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(printer.pages[i].inches, inches[i]);
            QVERIFY(!printer.pages[i].picture.isNull());
        }
        QCOMPARE(uitest::visibleWindows(), (QStringList{"CCRapport", "CelticCross"}));
        QCOMPARE(report.HighlightedPosition, std::int16_t(1));
        QCOMPARE(report.CardNameLabel->text(), QString("The Moon"));
    }

    // Pages stay where they were stored, borderless, not centred.
    void pagesKeepTheirPlaces_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("page 1") << "CCPrintAll" << QRect(405, 345, 11085, 8775);
        QTest::newRow("page 2") << "CCPrintAll2" << QRect(465, 375, 11070, 8775);
        QTest::newRow("page 3") << "CCPrintAll3" << QRect(270, 420, 11130, 7875);
    }

    void pagesKeepTheirPlaces()
    {
        QFETCH(QString, page);
        QFETCH(QRect, twips);
        Printer printer;
        openReport().PrintCommand1->click();
        QWidget* window = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            window = top->objectName() == page ? top : window;
        QVERIFY(window);
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window->geometry(), uitest::pixels(twips));
    }

    // Report names on paper, where the windows show draw names; with no draw
    // yet every slot holds the catalogue's card 0.
    void pagesCarryReportNames_data()
    {
        QTest::addColumn<bool>("dealt");
        QTest::newRow("after a deal") << true;
        QTest::newRow("no draw yet") << false;
    }

    void pagesCarryReportNames()
    {
        QFETCH(bool, dealt);
        const uitest::CelticCards cards = dealt ? uitest::kRenamedFirst : uitest::CelticCards{};
        if (dealt)
            uitest::layCelticCross(cards);
        Printer printer;
        openReport().PrintCommand1->click();
        QCOMPARE(printedCards(), catalogueEntries(cards));
        if (dealt) {
            QCOMPARE(printedCards().first(), QString("Tower"));
            QCOMPARE(printedCards()[8], QString("Two of cups"));
        }
    }

    // Page 3 looks the Identifier up itself, whatever the last lookup left.
    void identifierPage()
    {
        Module1::SignName = "stale";
        Module1::SignImage = 5;
        Module1::SignDescription.clear();
        Printer printer;
        openReport().PrintCommand1->click();
        auto* page = platform::existingForm<CCPrintAll3>();
        QCOMPARE(page->SignLabel->text(), QString("The Moon"));
        QCOMPARE(page->CCSignPicture->imageNumber(), 18);
        QCOMPARE(page->Text1->toPlainText(), platform::text(deck::signDescription(18)));
        QCOMPARE(QString::fromStdString(Module1::SignName), QString("The Moon"));
        QCOMPARE(page->findChild<QLabel*>("Title2Label")->text(), QString("Reading Report  - Celtic Cross"));
    }

    // Pages are filled once per run: a later print, after a new deal,
    // prints the same paper as the first.
    void laterPrintRepeatsTheFirst()
    {
        uitest::layCelticCross(uitest::kRenamedFirst);
        CCRapport& report = openReport();
        Printer first;
        report.PrintCommand1->click();
        const QList<platform::PrintedPage> firstPages = first.pages;

        uitest::layCelticCross({2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
        Module1::SignIndex = 3;
        Printer second;
        report.PrintCommand1->click();
        QCOMPARE(second.windows(), first.windows());
        for (int i = 0; i < 3; ++i)
            QVERIFY2(second.pages[i].image(96) == firstPages[i].image(96),
                     qPrintable(second.pages[i].window));
        QCOMPARE(printedCards(), catalogueEntries(uitest::kRenamedFirst));
    }

    // Three pages that cannot print make one message, not three.
    void failureIsToldOnce()
    {
        Printer printer;
        printer.answer = platform::PrintResult::NoPrinter;
        Messages messages;
        openReport().PrintCommand1->click();
        QCOMPARE(messages.texts, QStringList{"The report could not be printed: no printer is available."});
        QCOMPARE(printer.windows(), QStringList{"CCPrintAll"});
        QVERIFY(!printer.pageOnScreen);
    }
};

QTEST_MAIN(TestCCPrint)
#include "tst_cc_print.moc"
