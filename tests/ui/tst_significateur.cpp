// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_support.h"

#include "deck/module1.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "readings/significateur.h"
#include "shell/main_menu.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kInstructions =
    "You must choose an Identifier among the cards of the Major Arcana before continuing with your reading. "
    "Your Identifier represents you during the reading and should contribute much to the expected results. "
    "To choose a card click on the \"Next Card\" button to view the cards with a short explanation. Click on "
    "the large button to choose your card. Have fun!\n";

Significateur& openedWindow()
{
    Significateur& window = platform::form<Significateur>();
    window.show();
    return window;
}

// "N" clicks Next Card, "B" clicks Back.
void press(Significateur& window, const QString& steps)
{
    for (const QChar step : steps)
        (step == 'N' ? window.ForwardCom : window.BackCom)->click();
}

} // namespace

class TestSignificateur : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::freshProgram(); }

    void loadShowsTheInstructions()
    {
        Module1::SignIndex = 9;
        Significateur& window = openedWindow();
        QCOMPARE(Module1::SignIndex, std::int16_t(0));
        QCOMPARE(window.SignPic->imageNumber(), 79);
        QCOMPARE(window.SignNameLabel->text(), QString());
        QCOMPARE(window.Text1->toPlainText(), kInstructions);
        QVERIFY(Module1::SignName.empty());
        QCOMPARE(Module1::SignImage, std::int16_t(0));
    }

    void browsing_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("name");
        QTest::newRow("Next Card shows card 1") << "N" << 1 << "Magician";
        QTest::newRow("Back shows card 0") << "B" << 0 << "Fool";
        QTest::newRow("Back on card 0 stays") << "BB" << 0 << "Fool";
        QTest::newRow("Back after Next") << "NNB" << 1 << "Magician";
        QTest::newRow("21 clicks") << QString(21, 'N') << 21 << "The Universe";
        QTest::newRow("22 clicks wrap to 0") << QString(22, 'N') << 0 << "Fool";
        QTest::newRow("23 clicks") << QString(23, 'N') << 1 << "Magician";
        QTest::newRow("the Tower by its draw name") << QString(16, 'N') << 16 << "The Tower";
        QTest::newRow("down from 21") << QString(21, 'N') + "BBBBB" << 16 << "The Tower";
    }

    void browsing()
    {
        QFETCH(QString, steps);
        QFETCH(int, card);
        QFETCH(QString, name);
        Significateur& window = openedWindow();
        press(window, steps);

        QCOMPARE(int(Module1::SignIndex), card);
        QCOMPARE(window.SignNameLabel->text(), name);
        QCOMPARE(QString::fromStdString(Module1::SignName), name);
        const int image = card == 0 ? 78 : card;
        QCOMPARE(int(Module1::SignImage), image);
        QCOMPARE(window.SignPic->imageNumber(), image);
        QVERIFY(!window.SignPic->shownPicture().isNull());
        QCOMPARE(window.SignPic->accessibleName(), card == 0 ? QString("Fool") : name);
        QCOMPARE(window.Text1->toPlainText(), QString::fromStdString(Module1::SignKeywords));
        QVERIFY(window.Text1->toPlainText().startsWith('*'));
        QVERIFY(!Module1::SignDescription.empty());
    }

    void chooseBeforeBrowsingIsRefused_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("OK") << "OK";
        QTest::newRow("Cancel") << "Cancel";
    }

    void chooseBeforeBrowsingIsRefused()
    {
        QFETCH(QString, answer);
        Significateur& window = openedWindow();
        for (int attempt = 0; attempt < 2; ++attempt) {
            uitest::Question question;
            uitest::answerNextQuestion(question, answer);
            window.ChooseCom->click();
            QVERIFY(question.asked);
            QCOMPARE(question.text, QString("You must choose an Identifier."));
            QCOMPARE(question.title, QString("Choose"));
            QCOMPARE(question.buttons, (QStringList{"OK", "Cancel"}));
            QVERIFY(!question.hasIcon);

            QCOMPARE(uitest::visibleWindows(), QStringList{"Significateur"});
            QCOMPARE(window.SignPic->imageNumber(), 79);
            QCOMPARE(window.Text1->toPlainText(), kInstructions);
            QVERIFY(!platform::existingForm<MainMenu>());
        }
    }

    void chooseTakesTheCardOnShow()
    {
        Significateur& window = openedWindow();
        Module1::DealCount = 1;
        press(window, "B");
        window.ChooseCom->click();
        QCOMPARE(uitest::visibleWindows(), QStringList{"MainMenu"});
        QCOMPARE(Module1::SignIndex, std::int16_t(0));
        QCOMPARE(QString::fromStdString(Module1::SignName), QString("Fool"));
        QCOMPARE(Module1::DealCount, std::int16_t(1));
    }

    void keywordLinesReplaceTheInstructionsForGood()
    {
        Significateur& window = openedWindow();
        for (int click = 0; click < 25; ++click) {
            press(window, click % 3 == 2 ? "B" : "N");
            QVERIFY(window.Text1->toPlainText() != kInstructions);
        }
    }
};

QTEST_MAIN(TestSignificateur)
#include "tst_significateur.moc"
