#include "ui_support.h"

#include "deck/module1.h"
#include "platform/geometry.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "shell/main_menu.h"

#include <QPushButton>
#include <QToolButton>
#include <QtTest>

class TestMainMenu : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::freshProgram(); }

    void buttonsAndTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("LectureCmd") << "LectureCmd"
                                    << "Readings" << QRect(1200, 1560, 1695, 2535);
        QTest::newRow("HistoireCmd") << "HistoireCmd"
                                     << "History of Tarot" << QRect(3000, 1560, 1695, 2535);
        QTest::newRow("CartesCmd") << "CartesCmd"
                                   << "The Cards" << QRect(4800, 1560, 1695, 2535);
        QTest::newRow("Lecture1Cmd") << "Lecture1Cmd"
                                     << "One Card Reading" << QRect(1200, 4200, 1695, 2535);
        QTest::newRow("Lecture3Cmd") << "Lecture3Cmd"
                                     << "Three Card Reading" << QRect(3000, 4200, 1695, 2535);
        QTest::newRow("CC_Cmd") << "CC_Cmd"
                                << "Celtic Cross Reading" << QRect(4800, 4200, 1695, 2535);
        QTest::newRow("AideCmd") << "AideCmd"
                                 << "Info" << QRect(6600, 4920, 855, 855);
        QTest::newRow("SortirCmd") << "SortirCmd"
                                   << "Exit" << QRect(240, 4920, 855, 855);
    }

    void buttonsAndTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        MainMenu& menu = platform::form<MainMenu>();
        auto* button = menu.findChild<QAbstractButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(),
                 platform::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        if (auto* face = qobject_cast<QToolButton*>(button)) {
            QVERIFY(!face->icon().isNull());
            QCOMPARE(face->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        }
    }

    void tabOrder()
    {
        MainMenu& menu = platform::form<MainMenu>();
        QCOMPARE(uitest::focusChain(&menu),
                 (QStringList{"Picture1", "PanicButton", "LectureCmd", "HistoireCmd", "CartesCmd",
                              "Lecture1Cmd", "Lecture3Cmd", "CC_Cmd", "AideCmd", "SortirCmd"}));
    }

    // Exit asks nothing: the program ends at once, whatever is open or dealt.
    void exitEndsAtOnce()
    {
        MainMenu& menu = platform::form<MainMenu>();
        menu.show();
        Module1::DealCount = 1;
        uitest::Question question;
        uitest::answerNextQuestion(question, Qt::Key_Escape);
        QCOMPARE(uitest::runUntilProgramEnds([&] { menu.SortirCmd->click(); }), 0);
        QVERIFY(!question.asked);
        QCOMPARE(uitest::visibleWindows(), QStringList());
    }

    void placedOnceAndKept()
    {
        MainMenu& menu = platform::form<MainMenu>();
        menu.show();
        menu.move(30, 40);
        menu.hide();
        platform::form<MainMenu>().show();
        QCOMPARE(menu.pos(), QPoint(30, 40));
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_main_menu.moc"
