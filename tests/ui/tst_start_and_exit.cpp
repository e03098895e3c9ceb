// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_support.h"

#include "deck/module1.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/geometry.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "readings/significateur.h"
#include "shell/main_menu.h"
#include "shell/omvelis_form.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// The windows that carry the red square.
const QStringList kWindowsWithTheSquare{"CelticCross", "MainMenu",      "OmvelisForm",
                                        "OneCard",     "Significateur", "ThreeCards"};

QWidget* showWindow(const QString& name)
{
    QWidget* window = uitest::window(name);
    window->show();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("%s never became active", qPrintable(name));
    return window;
}

QAbstractButton* squareOf(QWidget* window)
{
    return window->findChild<QAbstractButton*>("PanicButton");
}

} // namespace

class TestStartAndExit : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::freshProgram(); }

    void beforeActivation()
    {
        OmvelisForm& start = platform::form<OmvelisForm>();
        QVERIFY(!start.findChild<QPushButton*>("EnterButton")->isVisibleTo(&start));
        QVERIFY(!start.findChild<QLabel*>("OmvelisFormLabel1")->isVisibleTo(&start));
        for (int i : {0, 1, 2})
            QCOMPARE(start.Picture1(i)->imageNumber(), 79);
        QCOMPARE(start.size(), QSize(474, 364));
    }

    void activationShowsThePicturesThenEnter()
    {
        Module1::DealCount = 3;
        OmvelisForm& start = platform::form<OmvelisForm>();
        start.show();
        QTRY_VERIFY(start.findChild<QPushButton*>("EnterButton")->isVisible());
        QVERIFY(start.findChild<QLabel*>("OmvelisFormLabel1")->isVisible());
        const int expected[3] = {78, 79, 48};
        const char* names[3] = {"Fool", "Card back", "Ace of Cups"};
        for (int i : {0, 1, 2}) {
            QCOMPARE(start.Picture1(i)->imageNumber(), expected[i]);
            QVERIFY(!start.Picture1(i)->shownPicture().isNull());
            QCOMPARE(start.Picture1(i)->accessibleName(), QString(names[i]));
            // What a screen reader hears: an image named after its card.
            QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(start.Picture1(i));
            QCOMPARE(seen->role(), QAccessible::Graphic);
            QCOMPARE(seen->text(QAccessible::Name), QString(names[i]));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(&start)->role(), QAccessible::Window);
        QCOMPARE(QAccessible::queryAccessibleInterface(&start)->text(QAccessible::Name), QString("Veltrano"));
        QCOMPARE(Module1::DealCount, std::int16_t(0));
    }

    void enterLeadsToTheIdentifierWindow()
    {
        OmvelisForm& start = platform::form<OmvelisForm>();
        start.show();
        auto* enter = start.findChild<QPushButton*>("EnterButton");
        QTRY_VERIFY(enter->isVisible());
        enter->click();
        QCOMPARE(uitest::visibleWindows(), QStringList{"Significateur"});
        QCOMPARE(Module1::DealCount, std::int16_t(0));
        QCOMPARE(Module1::SignIndex, std::int16_t(0));
        // Hidden, not gone: it keeps what it showed.
        QCOMPARE(platform::existingForm<OmvelisForm>(), &start);
        QCOMPARE(start.Picture1(2)->imageNumber(), 48);
    }

    // Where each square stands and its colour are the layout table's.
    void squareIsNamed_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString& name : kWindowsWithTheSquare)
            QTest::newRow(qPrintable(name)) << name;
    }

    void squareIsNamed()
    {
        QFETCH(QString, window);
        QAbstractButton* square = squareOf(showWindow(window));
        QCOMPARE(square->accessibleName(), QString("End the program"));
    }

    void notYesChangesNothing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("answer");
        for (const QString& name : kWindowsWithTheSquare) {
            const QByteArray window = name.toLatin1();
            QTest::addRow("%s, No", window.constData()) << name << "No";
            QTest::addRow("%s, Cancel", window.constData()) << name << "Cancel";
            QTest::addRow("%s, Escape", window.constData()) << name << "Escape";
        }
    }

    void notYesChangesNothing()
    {
        QFETCH(QString, window);
        QFETCH(QString, answer);
        QWidget* shown = showWindow(window);
        // Reading state that no activation touches.
        Module1::SignIndex = 7;
        Module1::DrawnCards[0] = 12;
        const QRect placeBefore = shown->frameGeometry();
        const QStringList windowsBefore = uitest::visibleWindows();

        uitest::Question question;
        if (answer == "Escape")
            uitest::answerNextQuestion(question, Qt::Key_Escape);
        else
            uitest::answerNextQuestion(question, answer);
        const int ended = uitest::runUntilProgramEnds([&] { squareOf(shown)->click(); });

        QVERIFY(question.asked);
        QCOMPARE(question.title, QString("Exit???"));
        QCOMPARE(question.text,
                 QString(window == "OmvelisForm" ? "This action will end the program. Are you sure?"
                                                 : "This will end the program. Are you sure?"));
        QCOMPARE(question.buttons, (QStringList{"Yes", "No", "Cancel"}));
        QCOMPARE(question.defaultButton, QString("Yes"));
        QVERIFY(!question.hasIcon);

        QCOMPARE(ended, -1);
        QCOMPARE(uitest::visibleWindows(), windowsBefore);
        QCOMPARE(shown->frameGeometry(), placeBefore);
        QCOMPARE(Module1::SignIndex, std::int16_t(7));
        QCOMPARE(Module1::DrawnCards[0], std::int16_t(12));
    }

    void yesEndsTheProgram_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("byReturnKey");
        for (const QString& name : kWindowsWithTheSquare) {
            const QByteArray window = name.toLatin1();
            QTest::addRow("%s, Yes", window.constData()) << name << false;
            QTest::addRow("%s, Return", window.constData()) << name << true;
        }
    }

    void yesEndsTheProgram()
    {
        QFETCH(QString, window);
        QFETCH(bool, byReturnKey);
        // Other windows open, hidden ones too: all of them go.
        platform::form<MainMenu>().show();
        platform::form<OmvelisForm>();
        QWidget* shown = showWindow(window);

        uitest::Question question;
        if (byReturnKey)
            uitest::answerNextQuestion(question, Qt::Key_Return);
        else
            uitest::answerNextQuestion(question, QString("Yes"));
        QCOMPARE(uitest::runUntilProgramEnds([&] { squareOf(shown)->click(); }), 0);
        QVERIFY(question.asked);
        QCOMPARE(uitest::visibleWindows(), QStringList());
    }
};

QTEST_MAIN(TestStartAndExit)
#include "tst_start_and_exit.moc"
