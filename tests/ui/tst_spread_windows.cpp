// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading_support.h"
#include "ui_support.h"

#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "platform/colours.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "readings/celtic_cross.h"
#include "readings/one_card.h"
#include "readings/three_cards.h"
#include "shell/main_menu.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <set>

namespace {

// The spread windows by the key that opens them from the main menu.
QWidget* openSpread(const QString& window)
{
    return uitest::play(window == "OneCard" ? "1" : "3") ? uitest::currentSpread() : nullptr;
}

int lastPositionOf(const QString& window)
{
    return window == "OneCard" ? 0 : 2;
}

} // namespace

class TestSpreadWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::startAtMainMenu(); }

    void windows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("clientTwips");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("OneCard") << "OneCard" << QSize(5625, 3060) << "One Card Reading";
        QTest::newRow("ThreeCards") << "ThreeCards" << QSize(4860, 5730) << "Three Card Reading";
    }

    // Shown without a title bar, black, named for screen readers, and in the
    // middle of the screen; the main menu goes out of sight.
    void windows()
    {
        QFETCH(QString, window);
        QFETCH(QSize, clientTwips);
        QFETCH(QString, accessibleName);
        QWidget* spread = openSpread(window);
        QVERIFY(spread);
        QCOMPARE(uitest::visibleWindows(), QStringList{window});
        QCOMPARE(spread->size(), clientTwips / 15);
        QCOMPARE(platform::backColor(spread), platform::kBlack);
        QCOMPARE(spread->accessibleName(), accessibleName);
        QVERIFY(!(spread->windowFlags() & Qt::WindowTitleHint));
        QCOMPARE(spread->windowTitle(), QString());
        const QPoint middle = spread->screen()->geometry().center();
        QVERIFY(qAbs(spread->frameGeometry().center().x() - middle.x()) <= 1);
        QVERIFY(qAbs(spread->frameGeometry().center().y() - middle.y()) <= 1);
    }

    void spreads_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("OneCard") << "OneCard";
        QTest::newRow("ThreeCards") << "ThreeCards";
    }

    // The load clears the guard and shows the Identifier; the slots keep the
    // card back and their design text.
    void beforeTheFirstDeal_data() { spreads_data(); }
    void beforeTheFirstDeal()
    {
        QFETCH(QString, window);
        Module1::DealCount = 4;
        QWidget* spread = openSpread(window);
        QVERIFY(spread);
        QCOMPARE(Module1::DealCount, std::int16_t(0));
        const int positions = lastPositionOf(window) + 1;
        const uitest::Slots backs{QList<int>(positions, 79), QStringList(positions, "Card back"),
                                  QStringList(positions, "Label1")};
        QCOMPARE(uitest::slotsOf(spread), backs);
        auto* identifier = spread->findChild<platform::PictureBox*>("Picture1(3)");
        QCOMPARE(identifier->imageNumber(), 16);
        QCOMPARE(identifier->accessibleName(), QString("The Tower"));
        QVERIFY(!identifier->shownPicture().isNull());
    }

    // Distinct cards, each shown by picture and draw name in its own slot,
    // and the guard raised.
    void theFirstDeal_data() { spreads_data(); }
    void theFirstDeal()
    {
        QFETCH(QString, window);
        Module1::LastPosition = 9;
        QVERIFY(uitest::play(window == "OneCard" ? "1p" : "3p"));
        const int last = lastPositionOf(window);
        QCOMPARE(int(Module1::LastPosition), last);
        QCOMPARE(Module1::DealCount, std::int16_t(1));

        const uitest::Slots shown = uitest::slotsOf(uitest::currentSpread());
        std::set<int> cards;
        for (int i = 0; i <= last; ++i) {
            const std::int16_t card = Module1::DrawnCards[std::size_t(i)];
            QVERIFY(card >= 1 && card <= 77);
            cards.insert(card);
            const deck::CardRow& row = deck::cardRow(card);
            const QString drawName = platform::text(row.drawName);
            QCOMPARE(shown.names[i], drawName);
            QCOMPARE(shown.images[i], int(card));
            QCOMPARE(shown.accessibleNames[i], drawName);
        }
        QCOMPARE(int(cards.size()), last + 1);
    }

    // Whether Pick Your Cards deals after the clicks before it. The guard is
    // one for all spread windows: a deal anywhere closes it, and only the
    // first showing of a spread window opens it again.
    void dealGuard_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("deals");
        QTest::newRow("One Card, first pick") << "1" << true;
        QTest::newRow("Three Card, first pick") << "3" << true;
        QTest::newRow("One Card, second pick of the visit") << "1p" << false;
        QTest::newRow("Three Card, second pick of the visit") << "3p" << false;
        QTest::newRow("One Card dealt, back from the menu") << "1pm1" << false;
        QTest::newRow("Three Card dealt, back from the menu") << "3pm3" << false;
        QTest::newRow("One Card seen, Three Card dealt, One Card again") << "1m3pm1" << false;
        QTest::newRow("One Card dealt, Three Card first shown") << "1pm3" << true;
        QTest::newRow("One Card dealt, Three Card first shown, One Card again") << "1pm3m1" << true;
        QTest::newRow("Three Card dealt, One Card first shown") << "3pm1" << true;
        QTest::newRow("both shown, Three Card dealt last") << "1pm3pm1" << false;
        QTest::newRow("both shown, One Card dealt last") << "3m1pm3" << false;
        QTest::newRow("report opened first") << "1rm3r" << true;
    }

    void dealGuard()
    {
        QFETCH(QString, before);
        QFETCH(bool, deals);
        QVERIFY(uitest::play(before));
        QWidget* spread = uitest::currentSpread();
        const uitest::Slots shownBefore = uitest::slotsOf(spread);
        const uitest::DealState stateBefore = uitest::dealState();

        QVERIFY(uitest::play("p"));

        if (deals) {
            QCOMPARE(stateBefore.dealCount, std::int16_t(0));
            QCOMPARE(Module1::DealCount, std::int16_t(1));
            const uitest::Slots shown = uitest::slotsOf(spread);
            for (int i = 0; i < shown.names.size(); ++i) {
                QCOMPARE(shown.names[i], QString::fromStdString(Module1::CardNames[std::size_t(i)]));
                QCOMPARE(shown.images[i], int(Module1::CardImages[std::size_t(i)]));
            }
        } else {
            QCOMPARE(uitest::slotsOf(spread), shownBefore);
            QCOMPARE(uitest::dealState(), stateBefore);
        }
    }

    // Main Menu only hides the window: shown again, it is the same window at
    // the same place with the same cards.
    void revisitKeepsWhatItShowed_data() { spreads_data(); }
    void revisitKeepsWhatItShowed()
    {
        QFETCH(QString, window);
        const QString key = window == "OneCard" ? "1" : "3";
        QVERIFY(uitest::play(key + "p"));
        QWidget* spread = uitest::currentSpread();
        spread->move(spread->pos() + QPoint(17, 11));
        const QPoint place = spread->pos();
        const uitest::Slots shown = uitest::slotsOf(spread);

        QVERIFY(uitest::play("m"));
        QCOMPARE(uitest::visibleWindows(), QStringList{"MainMenu"});
        QVERIFY(uitest::play(key));
        QCOMPARE(uitest::currentSpread(), spread);
        QCOMPARE(spread->pos(), place);
        QCOMPARE(uitest::slotsOf(spread), shown);
        QCOMPARE(Module1::DealCount, std::int16_t(1));
    }

    // One Card leaves its report on screen; Three Card takes its report along.
    void mainMenuAndTheReport_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("onScreen");
        QTest::newRow("One Card") << "1prm" << QStringList{"MainMenu", "OCRapport"};
        QTest::newRow("Three Card") << "3prm" << QStringList{"MainMenu"};
    }

    void mainMenuAndTheReport()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, onScreen);
        QVERIFY(uitest::play(steps.chopped(1)));
        QCOMPARE(uitest::visibleWindows().size(), 2);
        QVERIFY(uitest::play("m"));
        QCOMPARE(uitest::visibleWindows(), onScreen);
    }

    // A deal the guard refuses touches nothing, not even its window: one
    // that was never opened stays unmade, and the reading state stays as the
    // last deal left it.
    void refusedDealMakesNoWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("One Card") << "OneCard";
        QTest::newRow("Three Card") << "ThreeCards";
        QTest::newRow("Celtic Cross") << "CelticCross";
    }
    void refusedDealMakesNoWindow()
    {
        QFETCH(QString, window);
        uitest::freshProgram();
        Module1::DealCount = 1;
        Module1::LastPosition = 4;
        if (window == "OneCard")
            Module1::DealOneCard();
        else if (window == "ThreeCards")
            Module1::DealThreeCards();
        else
            Module1::DealCelticCross();
        QVERIFY(!platform::existingForm<OneCard>());
        QVERIFY(!platform::existingForm<ThreeCards>());
        QVERIFY(!platform::existingForm<CelticCross>());
        QCOMPARE(Module1::LastPosition, std::int16_t(4));
        QCOMPARE(Module1::DealCount, std::int16_t(1));
    }
};

QTEST_MAIN(TestSpreadWindows)
#include "tst_spread_windows.moc"
