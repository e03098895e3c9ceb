// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_support.h"

#include "platform/registry.h"
#include "shell/main_menu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QtTest>

namespace {

// Every top-level window of that name, shown or not.
QList<QWidget*> windowsNamed(const QString& name)
{
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name)
            found << window;
    }
    return found;
}

void click(MainMenu& menu, const QString& button)
{
    menu.findChild<QAbstractButton*>(button)->click();
}

} // namespace

class TestInformationWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::freshProgram(); }

    void openedBesideTheMenu_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("Readings") << "LectureCmd"
                                  << "LectureDesc";
        QTest::newRow("History of Tarot") << "HistoireCmd"
                                          << "HistoireDesc";
        QTest::newRow("The Cards") << "CartesCmd"
                                   << "CartesDesc";
        QTest::newRow("Info") << "AideCmd"
                              << "About";
    }

    // The menu stays; a second click brings the same window forward, also
    // out of the task bar, instead of making another.
    void openedBesideTheMenu()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        MainMenu& menu = uitest::shownMenu();

        click(menu, button);
        QCOMPARE(uitest::visibleWindows(), (QStringList{window, "MainMenu"}));
        QCOMPARE(windowsNamed(window).size(), 1);
        QWidget* opened = windowsNamed(window).first();
        QTRY_VERIFY(opened->isActiveWindow());

        menu.activateWindow();
        QTRY_VERIFY(menu.isActiveWindow());
        click(menu, button);
        QCOMPARE(windowsNamed(window), QList<QWidget*>{opened});
        QTRY_VERIFY(opened->isActiveWindow());
        QVERIFY(menu.isVisible());

        opened->showMinimized();
        click(menu, button);
        QVERIFY(!opened->isMinimized());
        QCOMPARE(windowsNamed(window), QList<QWidget*>{opened});
    }

    // They are windows of their own: any number at once, and still there
    // while the menu is hidden for a reading.
    void allAtOnceAndOutlastingTheMenu()
    {
        MainMenu& menu = uitest::shownMenu();
        for (const char* button : {"LectureCmd", "HistoireCmd", "CartesCmd", "AideCmd"})
            click(menu, button);
        const QStringList information{"About", "CartesDesc", "HistoireDesc", "LectureDesc"};
        QCOMPARE(uitest::visibleWindows(), information + QStringList{"MainMenu"});

        menu.hide();
        QCOMPARE(uitest::visibleWindows(), information);
        menu.show();
        QCOMPARE(uitest::visibleWindows(), information + QStringList{"MainMenu"});
    }
};

QTEST_MAIN(TestInformationWindows)
#include "tst_information_windows.moc"
