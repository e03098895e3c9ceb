// SPDX-License-Identifier: GPL-3.0-or-later
#include "celtic_fixture.h"
#include "ui_support.h"

#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/geometry.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "readings/celtic_cross.h"
#include "reports/cc_rapport.h"
#include "shell/main_menu.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <set>

namespace {

// The way the user gets there: the main menu, then Celtic Cross Reading.
CelticCross& openFromMenu()
{
    MainMenu& menu = platform::form<MainMenu>();
    menu.show();
    menu.CC_Cmd->click();
    CelticCross* window = platform::existingForm<CelticCross>();
    Q_ASSERT(window);
    return *window;
}

// What the ten slots show, to tell whether anything changed.
QStringList shown(const CelticCross& window)
{
    QStringList seen;
    for (int i = 0; i < CelticCross::kPositions; ++i) {
        seen << window.Label1(i)->text() << QString::number(window.Picture1(i)->imageNumber());
    }
    return seen;
}

void verifyUndealt(const CelticCross& window)
{
    for (int i = 0; i < CelticCross::kPositions; ++i) {
        QCOMPARE(window.Label1(i)->text(), QString("Label1"));
        QCOMPARE(window.Picture1(i)->imageNumber(), int(deck::kCardBackImage));
        QVERIFY(!window.Picture1(i)->shownPicture().isNull());
    }
}

} // namespace

class TestCelticCross : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        uitest::freshProgram();
        Module1::SignIndex = 16;
        Module1::SignInfo();
    }

    // Each position has its slot and its name label; a deal fills both and
    // leaves the slot's size as it was.
    void slotsAndNames_data()
    {
        QTest::addColumn<int>("position");
        for (int i = 0; i < CelticCross::kPositions; ++i)
            QTest::addRow("%d", i) << i;
    }

    void slotsAndNames()
    {
        QFETCH(int, position);
        CelticCross& window = openFromMenu();
        auto* picture = window.findChild<platform::PictureBox*>(QString("Picture1(%1)").arg(position));
        auto* label = window.findChild<QLabel*>(QString("Label1(%1)").arg(position));
        QCOMPARE(picture, window.Picture1(position));
        QCOMPARE(label, window.Label1(position));
        const QRect slot = picture->geometry();

        window.Command1->click();
        const auto at = std::size_t(position);
        QCOMPARE(label->text(), QString::fromStdString(Module1::CardNames[at]));
        QCOMPARE(picture->imageNumber(), int(Module1::CardImages[at]));
        QCOMPARE(picture->geometry(), slot);
    }

    // 1 lies over the right part of 0; down the column each card lies over
    // the one above it. The user sees whichever is on top.
    void stacking_data()
    {
        QTest::addColumn<QPoint>("twipsPoint");
        QTest::addColumn<QString>("onTop");
        QTest::newRow("right part of 0 under 1") << QPoint(2700, 3000) << "Picture1(1)";
        QTest::newRow("left part of 0 shows") << QPoint(1900, 3000) << "Picture1(0)";
        QTest::newRow("7 over the foot of 6") << QPoint(8400, 2045) << "Picture1(7)";
        QTest::newRow("8 over the foot of 7") << QPoint(8400, 4085) << "Picture1(8)";
        QTest::newRow("9 over the foot of 8") << QPoint(8400, 6125) << "Picture1(9)";
    }

    void stacking()
    {
        QFETCH(QPoint, twipsPoint);
        QFETCH(QString, onTop);
        CelticCross& window = openFromMenu();
        const QPoint at(platform::twipsToPixels(twipsPoint.x()), platform::twipsToPixels(twipsPoint.y()));
        QWidget* hit = window.childAt(at);
        QVERIFY(hit);
        QCOMPARE(hit->objectName(), onTop);
    }

    void windowAndIdentifierBlock()
    {
        CelticCross& window = openFromMenu();
        QCOMPARE(window.objectName(), QString("CelticCross"));
        QCOMPARE(window.windowTitle(), QString());
        QCOMPARE(window.accessibleName(), QString("Celtic Cross Reading"));
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowMaximizeButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QCOMPARE(window.size(), QSize(712, 544));
        QCOMPARE(platform::backColor(&window), platform::kBlack);
        // Centred on the 1600 x 900 test screen.
        QCOMPARE(window.frameGeometry().topLeft(), QPoint(444, 178));

        verifyUndealt(window);
        QCOMPARE(window.SignLabel->text(), QString("The Tower"));
        QCOMPARE(window.CCSignPicture->imageNumber(), 16);
    }

    void menuOpensTheReading()
    {
        CelticCross& window = openFromMenu();
        QCOMPARE(uitest::visibleWindows(), QStringList{"CelticCross"});
        window.Command2->click();
        QCOMPARE(uitest::visibleWindows(), QStringList{"MainMenu"});
        QCOMPARE(platform::existingForm<CelticCross>(), &window);
    }

    void dealShowsTenDistinctCards()
    {
        CelticCross& window = openFromMenu();
        window.Command1->click();
        QCOMPARE(Module1::LastPosition, std::int16_t(9));
        QCOMPARE(Module1::DealCount, std::int16_t(1));
        std::set<int> cards;
        for (std::size_t i = 0; i < CelticCross::kPositions; ++i) {
            const std::int16_t card = Module1::DrawnCards[i];
            QVERIFY(card >= 1 && card <= 77);
            cards.insert(card);
            const QString drawName = platform::text(deck::cardRow(card).drawName);
            QCOMPARE(window.Label1(int(i))->text(), drawName);
            QCOMPARE(window.Picture1(int(i))->imageNumber(), int(card));
            QCOMPARE(window.Picture1(int(i))->accessibleName(), drawName);
        }
        QCOMPARE(cards.size(), std::size_t(10));
        // The Identifier stays as it was.
        QCOMPARE(window.CCSignPicture->imageNumber(), 16);
    }

    // The guard is one counter for the three spread windows: this window
    // clears it when it loads, and deals only while it is clear.
    void dealGuard_data()
    {
        QTest::addColumn<QString>("between");
        QTest::newRow("second press in the same visit") << "";
        QTest::newRow("after Main Menu and back") << "menu";
        QTest::newRow("after a deal in another spread") << "other";
    }

    void dealGuard()
    {
        QFETCH(QString, between);
        Module1::DealCount = 1; // an earlier deal elsewhere in the run
        CelticCross& window = openFromMenu();
        QCOMPARE(Module1::DealCount, std::int16_t(0));

        if (between == "other") {
            // Shown, left undealt, and another spread window deals meanwhile.
            window.Command2->click();
            ++Module1::DealCount;
            platform::existingForm<MainMenu>()->CC_Cmd->click();
            const auto drawn = Module1::DrawnCards;
            window.Command1->click();
            QCOMPARE(Module1::DrawnCards, drawn);
            verifyUndealt(window);
            return;
        }

        window.Command1->click();
        const QStringList first = shown(window);
        const auto drawn = Module1::DrawnCards;
        if (between == "menu") {
            window.Command2->click();
            platform::existingForm<MainMenu>()->CC_Cmd->click();
            QCOMPARE(platform::existingForm<CelticCross>(), &window);
            QCOMPARE(shown(window), first);
        }
        window.Command1->click();
        QCOMPARE(shown(window), first);
        QCOMPARE(Module1::DrawnCards, drawn);
        QCOMPARE(Module1::DealCount, std::int16_t(1));
    }

    // Closed through its close box, the window goes and the main menu comes
    // back; the next opening makes it anew, clear of cards and of the guard.
    void closeBoxLeadsBackToTheMenu()
    {
        CelticCross& window = openFromMenu();
        window.Command1->click();
        window.move(10, 10);
        QPointer<CelticCross> closed = &window;
        QVERIFY(window.close());
        QCOMPARE(uitest::visibleWindows(), QStringList{"MainMenu"});
        QVERIFY(!platform::existingForm<CelticCross>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());

        CelticCross& again = openFromMenu();
        QCOMPARE(uitest::visibleWindows(), QStringList{"CelticCross"});
        QCOMPARE(Module1::DealCount, std::int16_t(0));
        QCOMPARE(again.frameGeometry().topLeft(), QPoint(444, 178));
        verifyUndealt(again);
        again.Command1->click();
        QCOMPARE(again.Label1(0)->text(), QString::fromStdString(Module1::CardNames[0]));
    }

    // Ending the program from here closes nothing, so nothing comes back.
    void endingTheProgramBringsNoMenuBack()
    {
        CelticCross& window = openFromMenu();
        uitest::Question question;
        uitest::answerNextQuestion(question, Qt::Key_Return);
        QCOMPARE(uitest::runUntilProgramEnds([&] { window.PanicButton->click(); }), 0);
        QVERIFY(question.asked);
        QCOMPARE(uitest::visibleWindows(), QStringList());
    }

    void readingReportBeforeAnyDeal()
    {
        CelticCross& window = openFromMenu();
        window.Command3->click();
        QCOMPARE(uitest::visibleWindows(), (QStringList{"CCRapport", "CelticCross"}));
        QCOMPARE(platform::existingForm<CCRapport>()->Picture2->imageNumber(), int(deck::kCardBackImage));
    }
};

QTEST_MAIN(TestCelticCross)
#include "tst_celtic_cross.moc"
