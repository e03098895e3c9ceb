// SPDX-License-Identifier: GPL-3.0-or-later
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

    // The upper and lower rows are picture buttons: the face above, the
    // caption under it.
    void pictureButtons_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"LectureCmd", "HistoireCmd", "CartesCmd", "Lecture1Cmd", "Lecture3Cmd", "CC_Cmd"})
            QTest::newRow(name) << QString(name);
    }

    void pictureButtons()
    {
        QFETCH(QString, name);
        auto* face = platform::form<MainMenu>().findChild<QToolButton*>(name);
        QVERIFY(face);
        QVERIFY(!face->icon().isNull());
        QCOMPARE(face->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
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
