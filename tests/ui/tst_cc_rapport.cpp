// SPDX-License-Identifier: GPL-3.0-or-later
#include "celtic_fixture.h"
#include "ui_support.h"

#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "deck/random_source.h"
#include "platform/colours.h"
#include "platform/geometry.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "readings/celtic_cross.h"
#include "reports/cc_rapport.h"
#include "shell/main_menu.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

using platform::backColor;

// The reading window, dealt, and its report opened the way the user does.
CCRapport& openReport()
{
    platform::form<CelticCross>().show();
    platform::form<CelticCross>().Command3->click();
    return *platform::existingForm<CCRapport>();
}

// "U" presses the up arrow, "D" the down arrow.
void step(CCRapport& report, const QString& steps)
{
    for (const QChar arrow : steps)
        (arrow == 'U' ? report.UpCom : report.DownCom)->click();
}

// The right part shows position p as the reading state holds it now.
void verifyShows(const CCRapport& report, int p)
{
    const auto at = std::size_t(p);
    QCOMPARE(int(report.HighlightedPosition), p);
    QCOMPARE(report.Picture2->imageNumber(), int(Module1::CardImages[at]));
    QCOMPARE(report.CardNameLabel->text(), QString::fromStdString(Module1::CardNames[at]));
    QCOMPARE(report.Text1->toPlainText(), platform::text(deck::cardRow(Module1::DrawnCards[at]).description));
}

} // namespace

class TestCCRapport : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        uitest::freshProgram();
        Module1::SignIndex = 16;
        Module1::SignInfo();
    }

    // The diagram is the cross and a column read from the bottom up; each
    // place carries its number and its title.
    void diagramAndTitles_data()
    {
        QTest::addColumn<int>("position");
        for (int i = 0; i < 10; ++i)
            QTest::addRow("%d", i + 1) << i;
    }

    // Where each box and title stands is the layout table's; here, that the
    // report reaches them by position.
    void diagramAndTitles()
    {
        QFETCH(int, position);
        CCRapport& report = openReport();
        const QString number = QString::number(position + 1);
        QLabel* numberBox = report.SSPanel1->findChild<QLabel*>("Label" + number);
        QLabel* titleLabel = report.SSPanel1->findChild<QLabel*>("Rep" + number);
        QCOMPARE(numberBox, report.numberBox(position));
        QCOMPARE(titleLabel, report.title(position));
    }

    void panelAndRightPart()
    {
        CCRapport& report = openReport();
        QCOMPARE(report.windowTitle(), QString("Report on Celtic Cross Reading"));
        QCOMPARE(report.size(), QSize(614, 429));
        // Box 2 lies across the middle of box 1 and is drawn over it.
        QCOMPARE(report.SSPanel1->childAt(report.numberBox(0)->geometry().center()), report.numberBox(1));
        QVERIFY(report.Text1->isReadOnly());
    }

    void arrowsSayWhereTheyGo_data()
    {
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("says");
        QTest::newRow("UpCom") << true << "Next position";
        QTest::newRow("DownCom") << false << "Previous position";
    }

    void arrowsSayWhereTheyGo()
    {
        QFETCH(bool, up);
        QFETCH(QString, says);
        CCRapport& report = openReport();
        QPushButton* arrow = up ? report.UpCom : report.DownCom;
        QVERIFY(arrow->text().isEmpty());
        QVERIFY(!arrow->icon().isNull());
        QCOMPARE(arrow->accessibleName(), says);
        QCOMPARE(arrow->toolTip(), says);
    }

    // Boxes: R red, W white. Titles: W white, G grey, F the button face they
    // were designed with. Only the two positions of a step are recoloured.
    void stepping_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("titles");
        QTest::newRow("just opened") << "" << 0 << "RWWWWWWWWW"
                                     << "WFFFFFFFFF";
        QTest::newRow("one forwards") << "U" << 1 << "WRWWWWWWWW"
                                      << "GWFFFFFFFF";
        QTest::newRow("forwards and back") << "UUD" << 1 << "WRWWWWWWWW"
                                           << "GWGFFFFFFF";
        QTest::newRow("back on the first stays") << "D" << 0 << "RWWWWWWWWW"
                                                 << "WGFFFFFFFF";
        QTest::newRow("forwards 8 to 9") << QString(9, 'U') << 9 << "WWWWWWWWWR"
                                         << "GGGGGGGGGW";
        QTest::newRow("ten forwards wrap to 0") << QString(10, 'U') << 0 << "RWWWWWWWWW"
                                                << "WGGGGGGGGG";
        QTest::newRow("back from 9 to 8") << QString(9, 'U') + "D" << 8 << "WWWWWWWWRW"
                                          << "GGGGGGGGWG";
        QTest::newRow("back all the way and one more")
            << QString(9, 'U') + QString(10, 'D') << 0 << "RWWWWWWWWW"
            << "WGGGGGGGGG";
    }

    void stepping()
    {
        QFETCH(QString, steps);
        QFETCH(int, position);
        QFETCH(QString, boxes);
        QFETCH(QString, titles);
        uitest::layCelticCross(uitest::kRenamedFirst);
        CCRapport& report = openReport();
        step(report, steps);
        verifyShows(report, position);

        const std::map<QChar, std::uint32_t> colour = {{'R', platform::kRed},
                                                       {'W', platform::kWhite},
                                                       {'G', platform::kGrey},
                                                       {'F', platform::kButtonFace}};
        for (int p = 0; p < CCRapport::kPositions; ++p) {
            QCOMPARE(backColor(report.numberBox(p)), colour.at(boxes[p]));
            QCOMPARE(backColor(report.title(p)), colour.at(titles[p]));
        }
    }

    // Draw names under the picture; the description from the catalogue.
    void namesAreDrawNames()
    {
        uitest::layCelticCross(uitest::kRenamedFirst);
        CCRapport& report = openReport();
        QCOMPARE(report.CardNameLabel->text(), QString("The Tower"));
        QCOMPARE(report.Picture2->accessibleName(), QString("The Tower"));
        step(report, "UUUU");
        QCOMPARE(report.CardNameLabel->text(), QString("Two of Cups"));
        QCOMPARE(QString::fromStdString(Module1::CardName), QString("Two of cups"));
    }

    // A later deal shows from the next step on; the Identifier part keeps
    // what it showed when the report was made.
    void laterDealShowsFromTheNextStep()
    {
        deck::drawRandomSource().setTimer([] { return std::uint64_t(7); });
        deck::drawRandomSource().setState(42);
        CelticCross& reading = platform::form<CelticCross>();
        reading.show();
        reading.Command1->click();
        CCRapport& report = openReport();
        const QString earlierCard = report.CardNameLabel->text();
        const int earlierImage = report.Picture2->imageNumber();

        // Closing the reading and opening it again clears the guard.
        reading.close();
        platform::existingForm<MainMenu>()->CC_Cmd->click();
        platform::existingForm<CelticCross>()->Command1->click();
        deck::drawRandomSource().setTimer({});
        QVERIFY2(QString::fromStdString(Module1::CardNames[0]) != earlierCard,
                 "the fixed seed repeats card 0");
        Module1::SignName = "Someone else";
        Module1::SignImage = 3;

        platform::existingForm<CelticCross>()->Command3->click();
        QCOMPARE(platform::existingForm<CCRapport>(), &report);
        QCOMPARE(report.CardNameLabel->text(), earlierCard);
        QCOMPARE(report.Picture2->imageNumber(), earlierImage);

        step(report, "U");
        verifyShows(report, 1);
        step(report, "D");
        verifyShows(report, 0);
        QCOMPARE(report.SignLabel->text(), QString("The Tower"));
        QCOMPARE(report.Picture1->imageNumber(), 16);
    }

    // Before any deal of the run no position holds a card: the picture box
    // shows the card back and no card's text pretends to be the reading.
    void beforeAnyDeal_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("opened") << "";
        QTest::newRow("stepped") << "UUU";
        QTest::newRow("after a one-card deal, beyond it") << "U";
    }

    void beforeAnyDeal()
    {
        QFETCH(QString, steps);
        if (QTest::currentDataTag() == QByteArray("after a one-card deal, beyond it")) {
            Module1::LastPosition = 0;
            Module1::DrawCards(Module1::LastPosition);
        }
        CCRapport& report = openReport();
        step(report, steps);
        QCOMPARE(report.Picture2->imageNumber(), int(deck::kCardBackImage));
        QVERIFY(!report.Picture2->shownPicture().isNull());
        QCOMPARE(report.Picture2->accessibleName(), QString("Card back"));
        QCOMPARE(report.CardNameLabel->text(), QString());
        QCOMPARE(report.Text1->toPlainText(), QString());
        QCOMPARE(report.SignLabel->text(), QString("The Tower"));
    }

    void openingAgainOnlyBringsItForward()
    {
        uitest::layCelticCross(uitest::kRenamedFirst);
        CCRapport& report = openReport();
        step(report, "UU");
        report.move(5, 5);
        platform::existingForm<CelticCross>()->Command3->click();
        QCOMPARE(platform::existingForm<CCRapport>(), &report);
        QCOMPARE(report.HighlightedPosition, std::int16_t(2));
        QCOMPARE(report.pos(), QPoint(5, 5));
    }

    void closeBoxDestroysIt()
    {
        uitest::layCelticCross(uitest::kRenamedFirst);
        CCRapport& report = openReport();
        step(report, "UU");
        QPointer<CCRapport> closed = &report;
        QVERIFY(report.close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        QCOMPARE(uitest::visibleWindows(), QStringList{"CelticCross"});

        CCRapport& again = openReport();
        verifyShows(again, 0);
        QCOMPARE(backColor(again.numberBox(2)), platform::kWhite);
        QCOMPARE(backColor(again.title(1)), platform::kButtonFace);
    }
};

QTEST_MAIN(TestCCRapport)
#include "tst_cc_rapport.moc"
