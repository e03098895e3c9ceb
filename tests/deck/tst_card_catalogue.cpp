// SPDX-License-Identifier: GPL-3.0-or-later
#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "platform/text.h"

#include <QtTest>

namespace {

// The report names, in card-number order, as the catalogue must give them.
const char* const kReportNames[78] = {
    "Fool",
    "Magician",
    "High Priestess",
    "Empress",
    "Emperor",
    "Hierophant",
    "Lovers",
    "Chariot",
    "Strength",
    "Hermit",
    "Wheel of Fortune",
    "Justice",
    "Hanged Man",
    "Death",
    "Alchemy",
    "The Devil",
    "Tower",
    "Star",
    "Moon",
    "Sun",
    "Aeon",
    "Universe",
    "Mother of Wands",
    "Father of Wands",
    "Son of Wands",
    "Daughter of Wands",
    "Mother of Cups",
    "Father of Cups",
    "Son of Cups",
    "Daughter of Cups",
    "Mother of Swords",
    "Father of Swords",
    "Son of Swords",
    "Daughter of Swords",
    "Mother of Stones",
    "Father of Stones",
    "Son of Stones",
    "Daughter of Stones",
    "Ace of Wands",
    "Two of Wands",
    "Three of Wands",
    "Four of Wands",
    "Five of Wands",
    "Six of Wands",
    "Seven of Wands",
    "Eight of Wands",
    "Nine of Wands",
    "Ten of Wands",
    "Ace of Cups",
    "Two of cups",
    "Three of Cups",
    "Four of Cups",
    "Five of Cups",
    "Six of Cups",
    "Seven of Cups",
    "Eight of Cups",
    "Nine of Cups",
    "Ten of Cups",
    "Ace of Swords",
    "Two of Swords",
    "Three of Swords",
    "Four of Swords",
    "Five of Swords",
    "Six of Swords",
    "Seven of Swords",
    "Eight of Swords",
    "Nine of Swords",
    "Ten of Swords",
    "Ace of Stones",
    "Two of Stones",
    "Three of Stones",
    "Four of Stones",
    "Five of Stones",
    "Six of Stones",
    "Seven of Stones",
    "Eight of Stones",
    "Nine of Stones",
    "Ten of Stones",
};

// Where the draw name differs from the report name.
QString drawNameOf(int card)
{
    switch (card) {
    case 16:
        return "The Tower";
    case 18:
        return "The Moon";
    case 19:
        return "The Sun";
    case 21:
        return "The Universe";
    case 49:
        return "Two of Cups";
    default:
        return kReportNames[card];
    }
}

// The number closing each description: the card number, except for Two to
// Ten of each suit, which carry a figure of their own (rows Two..Ten, columns
// Wands, Cups, Swords, Stones).
const int kPipTails[9][4] = {
    {26, 1, 11, 16}, {50, 28, 33, 13}, {63, 3, 24, 51}, {49, 9, 47, 23},  {2, 58, 61, 55},
    {40, 4, 36, 12}, {35, 41, 21, 62}, {7, 42, 6, 14},  {54, 46, 29, 48},
};

QString tailOf(int card)
{
    if (card == 64)
        return "Mumber 36.";
    if (card == 72)
        return "Number 23. ";
    int number = card;
    if (card >= 38) {
        const int suit = (card - 38) / 10;
        const int value = (card - 38) % 10 + 1;
        if (value >= 2)
            number = kPipTails[value - 2][suit];
    }
    return QString("Number %1.").arg(number);
}

} // namespace

class TestCardCatalogue : public QObject {
    Q_OBJECT

private slots:
    void init() { deck::resetReadingState(); }

    void everyRow_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("reportName");
        QTest::addColumn<QString>("drawName");
        QTest::addColumn<int>("image");
        QTest::addColumn<QString>("tail");
        for (int card = 0; card < 78; ++card) {
            QTest::addRow("%d %s", card, kReportNames[card])
                << card << QString(kReportNames[card]) << drawNameOf(card) << (card == 0 ? 78 : card)
                << tailOf(card);
        }
    }

    void everyRow()
    {
        QFETCH(int, card);
        QFETCH(QString, reportName);
        QFETCH(QString, drawName);
        QFETCH(int, image);
        QFETCH(QString, tail);

        const std::int16_t number = static_cast<std::int16_t>(card);
        Module1::CardInfo(number);
        QCOMPARE(platform::text(Module1::CardName), reportName);
        QCOMPARE(int(Module1::CardImage), image);
        QCOMPARE(platform::text(deck::cardRow(number).drawName), drawName);

        const QString text = platform::text(Module1::CardDescription);
        QVERIFY2(text.endsWith(tail), qPrintable(text.right(20)));
        // Length and line feeds are settled when the catalogue compiles.
        QVERIFY(!text.contains('\r'));
        for (const QChar c : text)
            QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7F, "descriptions are plain ASCII text");
    }

    void givenTextsVerbatim_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("text");
        QTest::newRow("Fool") << 0
                              << "The Fool is the speaker of truths. He urges you to take advantage of new "
                                 "found situations. He wants you to follow your feelings, act impulsivly "
                                 "and treat new scenarios with excitement. Don't be afraid to take a chance "
                                 "if the situation merits it and the prospects are rewarding. Number 0.";
        QTest::newRow("High Priestess")
            << 2
            << "She is the designated as the source of life itself. She asks us to seek our inner peace "
               "and emits an abundance of love for life to share with others. If we are avoiding a "
               "decision we should spend time in mediation to conclude our business. Number 2.";
        QTest::newRow("Two of Wands")
            << 39
            << "The two crossed swords on the card form a symbol of power and pacification. This card "
               "denotes a strong will and someone who carries the power of spiritual truth. This person "
               "does not misuse his power. Number 26.";
        QTest::newRow("Ten of Stones") << 77
                                       << "The Well. In a deep valley water rushes forth. Card denotes good "
                                          "life, health and a sense of solid reality. Don't delay on that "
                                          "project. Number 48.";
    }

    void givenTextsVerbatim()
    {
        QFETCH(int, card);
        QFETCH(QString, text);
        Module1::CardInfo(static_cast<std::int16_t>(card));
        QCOMPARE(platform::text(Module1::CardDescription), text);
    }

    void descriptionsAreDistinct()
    {
        QSet<QString> seen;
        for (const deck::CardRow& row : deck::cardCatalogue())
            seen.insert(platform::text(row.description));
        QCOMPARE(seen.size(), 78);
    }

    void fallback_data()
    {
        QTest::addColumn<int>("card");
        QTest::newRow("78") << 78;
        QTest::newRow("1000") << 1000;
        QTest::newRow("-1") << -1;
        QTest::newRow("-32768") << -32768;
        QTest::newRow("32767") << 32767;
    }

    void fallback()
    {
        QFETCH(int, card);
        Module1::CardInfo(16); // something else first, so every field must change
        Module1::CardInfo(static_cast<std::int16_t>(card));
        QCOMPARE(platform::text(Module1::CardName), QString("Veltrano"));
        QCOMPARE(int(Module1::CardImage), 79);
        QCOMPARE(platform::text(Module1::CardDescription), QString("Cardback"));
    }

    void secondCallReplacesAllThree()
    {
        Module1::CardInfo(49);
        QCOMPARE(platform::text(Module1::CardName), QString("Two of cups"));
        const std::string first = Module1::CardDescription;
        Module1::CardInfo(0);
        QCOMPARE(platform::text(Module1::CardName), QString("Fool"));
        QCOMPARE(int(Module1::CardImage), 78);
        QVERIFY(Module1::CardDescription != first);
        QVERIFY(platform::text(Module1::CardDescription).endsWith("Number 0."));
    }

    void lookupTouchesNothingElse()
    {
        Module1::SignName = "kept";
        Module1::CardNames[0] = "kept";
        Module1::CardInfo(5);
        QCOMPARE(platform::text(Module1::SignName), QString("kept"));
        QCOMPARE(platform::text(Module1::CardNames[0]), QString("kept"));
        QCOMPARE(int(Module1::DrawnCards[0]), 0);
    }
};

QTEST_APPLESS_MAIN(TestCardCatalogue)
#include "tst_card_catalogue.moc"
