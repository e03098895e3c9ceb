// SPDX-License-Identifier: GPL-3.0-or-later
#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "platform/text.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

const char* const kSignNames[22] = {
    "Fool",       "Magician", "High Priestess", "Empress",      "Emperor",          "Hierophant",
    "Lovers",     "Chariot",  "Strength",       "Hermit",       "Wheel of Fortune", "Justice",
    "Hanged Man", "Death",    "Alchemy",        "The Devil",    "The Tower",        "Star",
    "The Moon",   "The Sun",  "Aeon",           "The Universe",
};

const QString kErrorText = "If you are seeing this text, there has been a major error in your software. "
                           "Please reboot the computer and/or contact your local software manufacturer "
                           "or supplier.";

void lookUp(int index)
{
    Module1::SignIndex = static_cast<std::int16_t>(index);
    Module1::SignInfo();
}

} // namespace

class TestSignCatalogue : public QObject {
    Q_OBJECT

private slots:
    void init() { deck::resetReadingState(); }

    void everyRow_data()
    {
        QTest::addColumn<int>("index");
        for (int index = 0; index < 22; ++index)
            QTest::addRow("%d %s", index, kSignNames[index]) << index;
    }

    void everyRow()
    {
        QFETCH(int, index);
        lookUp(index);
        QCOMPARE(platform::text(Module1::SignName), QString(kSignNames[index]));
        QCOMPARE(int(Module1::SignImage), index == 0 ? 78 : index);

        // Shared text with the card catalogue, card 2 being the one exception.
        Module1::CardInfo(static_cast<std::int16_t>(index));
        if (index == 2)
            QVERIFY(Module1::SignDescription != Module1::CardDescription);
        else
            QCOMPARE(platform::text(Module1::SignDescription), platform::text(Module1::CardDescription));

        // A keyword line: keywords in capitals separated by runs of 2 to 35
        // asterisks, starting with a run and (but for card 20) ending with one.
        const QString line = platform::text(Module1::SignKeywords);
        QVERIFY2(line.size() >= 79 && line.size() <= 182, qPrintable(QString::number(line.size())));
        QVERIFY(line.startsWith('*'));
        QCOMPARE(line.endsWith('*'), index != 20);
        static const QRegularExpression shape(R"(^(\*{2,35}[A-Z_()0-9 ]+)+\**$)");
        QVERIFY2(shape.match(line).hasMatch(), qPrintable(line));
        QCOMPARE(line.count(' '), index == 12 ? 1 : 0);
    }

    void keywordLinesVerbatim_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("line");
        QTest::newRow("Fool") << 0
                              << "********SILENT_FORCE********INNOCENT***********ELEMENT_AIR********"
                                 "INFANTILE****************SELDOM_TALKS*****SEEKER*****NATURAL*****"
                                 "SURPRISING*****";
        QTest::newRow("Hanged Man")
            << 12 << "***THOUGHT***MEMOIRY***INDEPENDENCE*****SPIRITUAL_INSIGHT*****ATTACHES EASILY*****";
        QTest::newRow("Aeon") << 20
                              << "*****OLD_IDEAS_TO_NEW_IDEAS************************EVERYTHING_IS_POSSIBLE"
                                 "****REJUVINATION*****SPONTANAIETY";
        QTest::newRow("Lovers") << 6
                                << "*************BEAUTY*************SWORD*************ELEMENT_FIRE_AND_WATER"
                                   "(MALE_FEMALE)*************SEXUAL_DESIRE*****THE_EARTH*****************"
                                   "*************EQUALITY*******************";
    }

    void keywordLinesVerbatim()
    {
        QFETCH(int, index);
        QFETCH(QString, line);
        lookUp(index);
        QCOMPARE(platform::text(Module1::SignKeywords), line);
    }

    void highPriestessHasItsOwnText()
    {
        lookUp(2);
        QCOMPARE(platform::text(Module1::SignDescription),
                 QString("She is designated as the source of life itself. She asks us to seek our inner "
                         "peace and emits an abundance of love for life to share with others. If we are "
                         "avoiding a decision we should spend time in mediation to conclude our business. "
                         "Number 2."));
    }

    void fallback_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("lookedUpBefore");
        QTest::newRow("22, first lookup") << 22 << false;
        QTest::newRow("-1, first lookup") << -1 << false;
        QTest::newRow("22 after a card") << 22 << true;
        QTest::newRow("-1 after a card") << -1 << true;
        QTest::newRow("32767 after a card") << 32767 << true;
        QTest::newRow("-32768 after a card") << -32768 << true;
    }

    void fallback()
    {
        QFETCH(int, index);
        QFETCH(bool, lookedUpBefore);
        if (lookedUpBefore)
            lookUp(7);
        const std::string keywordsBefore = Module1::SignKeywords;

        lookUp(index);
        QCOMPARE(platform::text(Module1::SignName), QString("Veltrano"));
        QCOMPARE(int(Module1::SignImage), 79);
        QCOMPARE(platform::text(Module1::SignDescription), kErrorText);
        QCOMPARE(Module1::SignKeywords, keywordsBefore);
        QCOMPARE(Module1::SignKeywords.empty(), !lookedUpBefore);
    }
};

QTEST_APPLESS_MAIN(TestSignCatalogue)
#include "tst_sign_catalogue.moc"
