// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/resources.h"
#include "platform/rtf_reader.h"
#include "rtf_test_support.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QtTest>

#include <cstdint>

using namespace rtftest;

namespace {

// Whatever the input, the document must be one that QTextDocument can hold
// and lay out: no code point that stands for structure, no broken UTF-16.
QString soundnessProblem(const QTextDocument& document)
{
    if (document.blockCount() < 1)
        return "no block";
    if (document.rootFrame()->childFrames().size() != 0)
        return "a frame was made";
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c == 0x2029 || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC || c == u'\n' || c == u'\r' ||
                c == 0)
                return QString("U+%1 in block %2").arg(int(c), 4, 16, QChar('0')).arg(block.blockNumber());
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate())
                return QString("lone surrogate in block %1").arg(block.blockNumber());
        }
    }
    return {};
}

class XorShift {
public:
    explicit XorShift(std::uint64_t seed)
        : state_(seed)
    {
    }
    std::uint64_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    qsizetype below(qsizetype bound) { return bound <= 0 ? 0 : qsizetype(next() % std::uint64_t(bound)); }

private:
    std::uint64_t state_;
};

// Tokens that reach the reader's edges when spliced in at random.
const QList<QByteArray>& tokens()
{
    static const QList<QByteArray> list = {
        "{",
        "}",
        "\\",
        "\\'",
        "\\'9",
        "\\bin",
        "\\bin99999999 ",
        "\\bin-3 ",
        "\\par",
        "\\pard",
        "\\plain",
        "\\u-10179 ",
        "\\u-8704 ",
        "\\u8233 ",
        "\\u-560 ",
        "\\u65532",
        "\\uc9 ",
        "\\uc0 ",
        "{\\*",
        "{\\fonttbl",
        "{\\pntext",
        "{\\listtext",
        "\\li-99999999999",
        "\\fi-720",
        "\\fs99999999999999",
        "\\fs0",
        "\\f99 ",
        "\\deff-1 ",
        "\\deftab0 ",
        "\\tab",
        "\\line",
        "\\qc",
        "\\'b7",
        "\\u61623 ",
        QByteArray(1, '\0'),
    };
    return list;
}

QByteArray mutate(QByteArray data, XorShift& random)
{
    const int steps = 1 + int(random.below(4));
    for (int step = 0; step < steps; ++step) {
        const qsizetype at = random.below(data.size() + 1);
        switch (random.below(6)) {
        case 0: // cut short
            data.truncate(at);
            break;
        case 1: { // repeat a stretch
            const QByteArray piece = data.mid(random.below(data.size()), 1 + random.below(200));
            data.insert(at, piece);
            break;
        }
        case 2: // any byte, NUL included
            if (!data.isEmpty())
                data[random.below(data.size())] = char(random.next() & 0xFF);
            break;
        case 3: // unbalance the groups
            data.insert(at, random.below(2) ? '{' : '}');
            break;
        case 4: // drop a stretch
            data.remove(at, 1 + random.below(100));
            break;
        default:
            data.insert(at, tokens()[random.below(tokens().size())]);
            break;
        }
    }
    return data;
}

} // namespace

class TestRtfRobustness : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::initResources(); }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");

        const QByteArray deep = QByteArray(100000, '{') + "x" + QByteArray(100000, '}');
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("not RTF at all") << QByteArray("plain words") << QString("plain words");
        QTest::newRow("extra closing brace") << QByteArray("{\\rtf1 a}}b") << QString("a");
        QTest::newRow("closing brace too early") << QByteArray("{\\rtf1 {\\b a}} b}") << QString("a");
        QTest::newRow("closing brace first") << QByteArray("}}{\\rtf1 a}") << QString("a");
        QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 {\\b a{\\i b") << QString("ab");
        QTest::newRow("only opening braces") << QByteArray(1000, '{') << QString();
        QTest::newRow("truncated in a word") << QByteArray("{\\rtf1 a\\pa") << QString("a");
        QTest::newRow("truncated in hex") << QByteArray("{\\rtf1 a\\'4") << QString("a");
        QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zzb}") << QString("azzb");
        QTest::newRow("lone backslash at the end") << QByteArray("{\\rtf1 a\\") << QString("a");
        QTest::newRow("truncated in the font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ti") << QString();
        QTest::newRow("truncated in a skipped group") << QByteArray("{\\rtf1 a{\\*\\x b") << QString("a");
        QTest::newRow("huge font size") << QByteArray("{\\rtf1\\fs99999999999999 a}") << QString("a");
        QTest::newRow("huge indents")
            << QByteArray("{\\rtf1\\li99999999999999\\fi-99999999999999 a\\par}") << QString("a");
        QTest::newRow("huge unicode skip")
            << QByteArray("{\\rtf1\\uc99999999999 \\u8364 abc}") << QString("\u20AC");
        QTest::newRow("huge unicode value") << QByteArray("{\\rtf1 \\u99999999999 ?x}") << QString("x");
        QTest::newRow("bin past the end") << QByteArray("{\\rtf1 a\\bin99999999999 b}") << QString("a");
        QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << QString("ab");
        QTest::newRow("deep nesting") << deep << QString("x");
        QTest::newRow("NUL bytes") << QByteArray("{\\rtf1 a\0b\\'00c\\uc0\\u0 d}", 25) << QString("abcd");
        QTest::newRow("structure code points")
            << QByteArray("{\\rtf1\\uc0 a\\u8233 b\\u65532 c\\u-560 d\\u-559 e\\u13 f\\u10 g\\'0d\\'0ah}")
            << QString("abcdefgh");
        QTest::newRow("long word") << QByteArray("{\\rtf1 \\") + QByteArray(100000, 'a') + " x}"
                                   << QString("x");
        QTest::newRow("long number") << QByteArray("{\\rtf1 \\fs") + QByteArray(100000, '9') + " x}"
                                     << QString("x");
    }

    void badInput()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QElapsedTimer timer;
        timer.start();
        const auto document = platform::readRtf(rtf);
        QCOMPARE(soundnessProblem(*document), QString());
        QCOMPARE(document->toRawText(), text);
        document->setTextWidth(400);
        document->documentLayout()->documentSize();
        QVERIFY2(timer.elapsed() < 5000, "reading and laying out took too long");
    }

    // Groups past the cap share the deepest state; the reader picks up the
    // outer state again once they close.
    void deepNestingKeepsReading()
    {
        const QByteArray rtf = "{\\rtf1 " + QByteArray(150, '{') + "\\b x\\par" + QByteArray(150, '}') + "y}";
        const auto document = platform::readRtf(rtf);
        QCOMPARE(document->blockCount(), 2);
        QCOMPARE(runs(document->firstBlock()), QStringList{"b12|x"});
        QCOMPARE(runs(document->lastBlock()), QStringList{"12|y"});
    }

    void clampedValues()
    {
        const auto document =
            platform::readRtf("{\\rtf1\\fs99999999999999\\li-99999999999999\\sa99999999 x\\par}");
        const QTextBlock block = document->firstBlock();
        QCOMPARE(block.charFormat().fontPointSize(), 1638.0);
        QCOMPARE(block.blockFormat().leftMargin(), -31680 / 15.0);
        QCOMPARE(block.blockFormat().bottomMargin(), 31680 / 15.0);
    }

    void mutations_data()
    {
        QTest::addColumn<QByteArray>("seed");
        for (const char* file : {"libreoffice.rtf", "wordpad.rtf", "wordpad-plain.rtf"})
            QTest::newRow(file) << fixture(file);
        for (const char* resource :
             {":/documents/lecture.rtf", ":/documents/histoire.rtf", ":/documents/cartes.rtf"})
            QTest::newRow(resource) << readFile(resource);
    }

    // Damaged copies of real documents, made the same way on every run.
    void mutations()
    {
        QFETCH(QByteArray, seed);
        XorShift random(0x9E3779B97F4A7C15ull ^ std::uint64_t(seed.size()));
        for (int round = 0; round < 1500; ++round) {
            const QByteArray input = mutate(seed, random);
            const auto document = platform::readRtf(input);
            const QString problem = soundnessProblem(*document);
            if (!problem.isEmpty())
                QFAIL(qPrintable(
                    QString("round %1: %2\n%3").arg(round).arg(problem, input.toPercentEncoding())));
            if (round % 50 == 0) {
                document->setTextWidth(449);
                document->documentLayout()->documentSize();
            }
        }
    }
};

QTEST_MAIN(TestRtfRobustness)
#include "tst_rtf_robustness.moc"
