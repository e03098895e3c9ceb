// SPDX-License-Identifier: GPL-3.0-or-later
#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "deck/random_source.h"

#include <QtTest>

#include <algorithm>
#include <set>

namespace {

// A timer that ticks on by one on every reading: repeatable, never frozen.
deck::RandomSource::Timer countingTimer(std::uint64_t start)
{
    return [tick = start]() mutable { return tick++; };
}

void startFrom(std::uint64_t seed)
{
    deck::RandomSource& random = deck::drawRandomSource();
    random.setState(seed);
    random.setTimer(countingTimer(seed * 7919));
}

void draw(int last)
{
    const std::int16_t value = static_cast<std::int16_t>(last);
    Module1::DrawCards(value);
}

// The position of a card among positions 0 to last, or -1.
int positionOf(int card, int last)
{
    const auto begin = Module1::DrawnCards.begin();
    const auto end = begin + last + 1;
    const auto at = std::find(begin, end, card);
    return at == end ? -1 : int(at - begin);
}

} // namespace

class TestDraw : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        deck::resetReadingState();
        startFrom(1);
    }

    void cleanupTestCase() { deck::drawRandomSource().setTimer({}); }

    void spread_data()
    {
        QTest::addColumn<int>("last");
        QTest::newRow("one card") << 0;
        QTest::newRow("three cards") << 2;
        QTest::newRow("Celtic Cross") << 9;
    }

    // Distinct cards 1 to 77 with their draw names and image numbers; the
    // entries above the spread stay as they were.
    void spread()
    {
        QFETCH(int, last);
        for (std::uint64_t seed = 1; seed <= 300; ++seed) {
            deck::resetReadingState();
            startFrom(seed);
            for (std::size_t k = std::size_t(last) + 1; k < Module1::kStateEntries; ++k) {
                Module1::DrawnCards[k] = -5;
                Module1::CardNames[k] = "untouched";
                Module1::CardImages[k] = -7;
            }

            draw(last);

            std::set<int> seen;
            for (int i = 0; i <= last; ++i) {
                const std::int16_t card = Module1::DrawnCards[std::size_t(i)];
                QVERIFY2(card >= 1 && card <= 77, qPrintable(QString::number(card)));
                QVERIFY2(seen.insert(card).second, "a card drawn twice");
                const std::string_view drawName = deck::cardRow(card).drawName;
                QCOMPARE(Module1::CardNames[std::size_t(i)], std::string(drawName));
                QCOMPARE(Module1::CardImages[std::size_t(i)], card);
            }
            for (std::size_t k = std::size_t(last) + 1; k < Module1::kStateEntries; ++k) {
                QCOMPARE(Module1::DrawnCards[k], std::int16_t(-5));
                QCOMPARE(Module1::CardNames[k], std::string("untouched"));
                QCOMPARE(Module1::CardImages[k], std::int16_t(-7));
            }
            QCOMPARE(Module1::DrawnName, Module1::CardNames[std::size_t(last)]);
            QCOMPARE(Module1::DrawnImage, Module1::CardImages[std::size_t(last)]);
        }
    }

    void drawNamesNotReportNames_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("name");
        QTest::newRow("16") << 16 << "The Tower";
        QTest::newRow("18") << 18 << "The Moon";
        QTest::newRow("19") << 19 << "The Sun";
        QTest::newRow("21") << 21 << "The Universe";
        QTest::newRow("49") << 49 << "Two of Cups";
    }

    void drawNamesNotReportNames()
    {
        QFETCH(int, card);
        QFETCH(QString, name);
        for (int attempt = 0; attempt < 2000; ++attempt) {
            draw(9);
            const int position = positionOf(card, 9);
            if (position >= 0) {
                QCOMPARE(QString::fromStdString(Module1::CardNames[std::size_t(position)]), name);
                return;
            }
        }
        QFAIL("the card never came up");
    }

    // Later positions of the spread still hold the previous draw's cards and
    // take part in the repeat scan.
    void leftoversFromTheLastDraw()
    {
        int celticCrossLeftoverAtZero = 0;
        for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
            startFrom(seed);
            draw(9);
            const auto cross = Module1::DrawnCards;
            const auto crossNames = Module1::CardNames;
            draw(2);
            const auto& three = Module1::DrawnCards;
            QVERIFY(three[0] != cross[1] && three[0] != cross[2]);
            QVERIFY(three[1] != cross[2]);
            for (std::size_t k = 3; k <= 9; ++k) {
                QCOMPARE(three[k], cross[k]);
                QCOMPARE(Module1::CardNames[k], crossNames[k]);
            }
            celticCrossLeftoverAtZero += three[0] == cross[0];
        }
        // Position 0 may take the card the cross left there: the rule excludes
        // only the other positions.
        QVERIFY(celticCrossLeftoverAtZero > 0);
    }

    void firstDrawOfARunSeesOnlyZeros()
    {
        draw(2);
        for (std::size_t k = 3; k < Module1::kStateEntries; ++k) {
            QCOMPARE(Module1::DrawnCards[k], std::int16_t(0));
            QVERIFY(Module1::CardNames[k].empty());
            QCOMPARE(Module1::CardImages[k], std::int16_t(0));
        }
    }

    void theIdentifierCanBeDrawn()
    {
        Module1::SignIndex = 16;
        Module1::SignInfo();
        for (int attempt = 0; attempt < 5000; ++attempt) {
            draw(9);
            if (positionOf(Module1::SignIndex, 9) >= 0)
                return;
        }
        QFAIL("the Identifier's card was never drawn");
    }

    // A timer that stands still must not stall the redraw loop.
    void frozenTimerStillEnds_data()
    {
        QTest::addColumn<int>("last");
        QTest::newRow("Celtic Cross") << 9;
        QTest::newRow("every card but one") << 75;
        QTest::newRow("all 77 cards") << 76;
    }

    void frozenTimerStillEnds()
    {
        QFETCH(int, last);
        deck::drawRandomSource().setTimer([] { return std::uint64_t(42); });
        draw(9);
        draw(last);
        std::set<int> seen(Module1::DrawnCards.begin(), Module1::DrawnCards.begin() + last + 1);
        QCOMPARE(int(seen.size()), last + 1);
        QVERIFY(*seen.begin() >= 1 && *seen.rbegin() <= 77);
    }

    void impossibleSpreadsDrawNothing_data()
    {
        QTest::addColumn<int>("last");
        QTest::newRow("-1") << -1;
        QTest::newRow("77: more positions than cards") << 77;
        QTest::newRow("78") << 78;
        QTest::newRow("1000") << 1000;
    }

    void impossibleSpreadsDrawNothing()
    {
        QFETCH(int, last);
        draw(last);
        QVERIFY(std::all_of(Module1::DrawnCards.begin(), Module1::DrawnCards.end(),
                            [](std::int16_t c) { return c == 0; }));
        QVERIFY(Module1::DrawnName.empty());
    }

    // Every value the generator can give maps to a card 1 to 77, the grid
    // spread evenly over them; 78 never comes out of rounding.
    void candidateForEveryValue()
    {
        std::array<int, 79> counts{};
        constexpr int kGrid = 1 << 24;
        for (int k = 0; k < kGrid; ++k) {
            const std::int16_t card = deck::candidateCard(float(k) / float(kGrid));
            QVERIFY(card >= 1 && card <= 77);
            ++counts[std::size_t(card)];
        }
        const auto [least, most] = std::minmax_element(counts.begin() + 1, counts.begin() + 78);
        QVERIFY2(*most - *least <= 2, qPrintable(QString("%1 .. %2").arg(*least).arg(*most)));
        QCOMPARE(deck::candidateCard(0.0f), std::int16_t(1));
        QCOMPARE(deck::candidateCard(float(kGrid - 1) / float(kGrid)), std::int16_t(77));
    }

    void generatorStaysInRange()
    {
        deck::RandomSource source;
        source.setTimer(countingTimer(0));
        for (int k = 0; k < 100000; ++k) {
            source.reseedFromTimer();
            const float r = source.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
        }
    }

    // With a fixed timer sequence the draw at position 0 is uniform over the 77
    // cards. The sequence is fixed, so the bound (p < 1e-6 for a fair draw)
    // cannot flake.
    void positionZeroIsUniform()
    {
        constexpr int kPerCard = 300;
        constexpr int kDraws = 77 * kPerCard;
        std::array<int, 79> counts{};
        for (int k = 0; k < kDraws; ++k) {
            draw(0);
            ++counts[std::size_t(Module1::DrawnCards[0])];
        }
        QCOMPARE(counts[0], 0);
        QCOMPARE(counts[78], 0);
        double chiSquare = 0;
        for (std::size_t card = 1; card <= 77; ++card) {
            QVERIFY2(counts[card] > 0, qPrintable(QString("card %1 never drawn").arg(card)));
            const double diff = counts[card] - double(kPerCard);
            chiSquare += diff * diff / kPerCard;
        }
        qInfo("chi-square over 76 degrees of freedom: %.1f", chiSquare);
        QVERIFY2(chiSquare < 140.0, qPrintable(QString::number(chiSquare)));
    }
};

QTEST_APPLESS_MAIN(TestDraw)
#include "tst_draw.moc"
