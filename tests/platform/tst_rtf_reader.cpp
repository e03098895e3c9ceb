// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rtf_reader.h"
#include "rtf_test_support.h"

#include <QAbstractTextDocumentLayout>
#include <QTextLayout>
#include <QtTest>

using namespace rtftest;

namespace {

const QString kBulletTab = QStringLiteral("\u2022\t");

// The same page as written by LibreOffice and by two rich-edit styles.
const QStringList kFixtureParagraphs = {
    "About This Sample Document",
    "",
    "",
    "This is an ordinary paragraph set in eleven point Times New Roman. It\u2019s long enough to wrap onto "
    "a second line when the viewer is narrow, so that word wrapping can be checked as well.",
    kBulletTab +
        "The first bullet has a bold italic run in the middle and is long enough to wrap, which shows "
        "the hanging indent.",
    kBulletTab + "Bold italic opens the second bullet.",
    kBulletTab + "The third bullet ends with bold italic words",
    "",
    "A twelve point bold italic line",
    "An underlined line",
    "XIV     Example Name",
};

const char* const kFixtures[] = {"libreoffice.rtf", "wordpad.rtf", "wordpad-plain.rtf"};

// A document around a snippet, with a Times and a Symbol font.
QByteArray wrap(const QByteArray& body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\froman\\fcharset2 Symbol;}"
           "{\\f2\\fswiss MS Sans Serif;}}\\fs22 " +
           body + "}";
}

QStringList blockTexts(const QTextDocument& document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void fixtureParagraphs_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* file : kFixtures)
            QTest::newRow(file) << QString(file);
    }

    // Paragraph count and text, including the Windows-1252 apostrophe, the
    // bullets from three kinds of bullet text and the run of spaces.
    void fixtureParagraphs()
    {
        QFETCH(QString, file);
        const auto document = platform::readRtf(fixture(file));
        QCOMPARE(blockTexts(*document), kFixtureParagraphs);
    }

    void fixtureFormatting_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("paragraph");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("bullet");
        QTest::addColumn<QStringList>("expectedRuns");

        struct Row {
            int paragraph;
            Qt::Alignment alignment;
            bool bullet;
            QStringList runs;
        };
        const Row rows[] = {
            {1, Qt::AlignHCenter, false, {"biu12|About This Sample Document"}},
            {4, Qt::AlignLeft, false, {"11|" + kFixtureParagraphs[3]}},
            {5,
             Qt::AlignLeft,
             true,
             {"11|The first bullet has a ", "bi11|bold italic",
              "11| run in the middle and is long enough to wrap, which shows the hanging indent."}},
            {6, Qt::AlignLeft, true, {"bi11|Bold italic", "11| opens the second bullet."}},
            {7, Qt::AlignLeft, true, {"11|The third bullet ends with ", "bi11|bold italic words"}},
            {9, Qt::AlignLeft, false, {"bi12|A twelve point bold italic line"}},
            {10, Qt::AlignLeft, false, {"u11|An underlined line"}},
            {11, Qt::AlignLeft, false, {"11|XIV     Example Name"}},
        };
        for (const char* file : kFixtures)
            for (const Row& row : rows)
                QTest::addRow("%s #%d", file, row.paragraph)
                    << QString(file) << row.paragraph << int(row.alignment) << row.bullet << row.runs;
    }

    void fixtureFormatting()
    {
        QFETCH(QString, file);
        QFETCH(int, paragraph);
        QFETCH(int, alignment);
        QFETCH(bool, bullet);
        QFETCH(QStringList, expectedRuns);

        const auto document = platform::readRtf(fixture(file));
        const QTextBlock block = blockAt(*document, paragraph);
        const QTextBlockFormat format = block.blockFormat();
        QCOMPARE(int(format.alignment() & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(block.text().startsWith(kBulletTab), bullet);
        // 720 and -360 twips at 15 twips a pixel.
        QCOMPARE(format.leftMargin(), bullet ? 48.0 : 0.0);
        QCOMPARE(format.textIndent(), bullet ? -24.0 : 0.0);
        QCOMPARE(format.rightMargin(), 0.0);
        QCOMPARE(runs(block, bullet ? 2 : 0), expectedRuns);

        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() >= block.position() + (bullet ? 2 : 0))
                QCOMPARE(family(fragment.charFormat()), QString("Times New Roman"));
        }
    }

    // The text after a bullet's tab must start where the wrapped lines do.
    void hangingIndentLinesUp_data() { fixtureParagraphs_data(); }

    void hangingIndentLinesUp()
    {
        QFETCH(QString, file);
        const auto document = platform::readRtf(fixture(file));
        document->setTextWidth(300);
        const QTextBlock block = blockAt(*document, 5);
        document->documentLayout()->blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        QVERIFY(layout->lineCount() >= 2);
        QCOMPARE(layout->lineAt(0).x(), 24.0);
        QCOMPARE(layout->lineAt(1).x(), 48.0);
        QCOMPARE(layout->lineAt(0).cursorToX(2), 48.0);
    }

    void paragraphLengths_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QList<qreal>>("leftRightIndentTopBottom");
        QTest::addColumn<QList<qreal>>("tabs");

        using L = QList<qreal>;
        QTest::newRow("left and right") << QByteArray("\\li1440\\ri300 x\\par") << L{96, 20, 0, 0, 0} << L{};
        QTest::newRow("first line in") << QByteArray("\\fi360 x\\par") << L{0, 0, 24, 0, 0} << L{};
        QTest::newRow("hanging") << QByteArray("\\li1080\\fi-720 x\\par") << L{72, 0, -48, 0, 0} << L{48};
        QTest::newRow("space before and after")
            << QByteArray("\\sb240\\sa120 x\\par") << L{0, 0, 0, 16, 8} << L{};
        QTest::newRow("pard clears") << QByteArray("\\li720\\fi-360\\sb60\\pard x\\par") << L{0, 0, 0, 0, 0}
                                     << L{};
        QTest::newRow("set after the text")
            << QByteArray("\\pard x\\li720\\sa60\\par") << L{48, 0, 0, 0, 4} << L{};
        QTest::newRow("in force at a later par")
            << QByteArray("\\li720 a\\par b\\par") << L{48, 0, 0, 0, 0} << L{};
        QTest::newRow("negative space is none") << QByteArray("\\sb-240 x\\par") << L{0, 0, 0, 0, 0} << L{};
    }

    // Paragraph lengths are pixels at 15 twips each, taken at the paragraph mark.
    void paragraphLengths()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QList<qreal>, leftRightIndentTopBottom);
        QFETCH(QList<qreal>, tabs);
        const auto document = platform::readRtf(wrap(rtf));
        const QTextBlockFormat format = document->lastBlock().blockFormat();
        const QList<qreal> lengths = {format.leftMargin(), format.rightMargin(), format.textIndent(),
                                      format.topMargin(), format.bottomMargin()};
        QCOMPARE(lengths, leftRightIndentTopBottom);
        QList<qreal> tabPositions;
        for (const QTextOption::Tab& tab : format.tabPositions())
            tabPositions << tab.position;
        QCOMPARE(tabPositions, tabs);
    }

    void alignment_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QList<int>>("alignments");
        const int l = Qt::AlignLeft, c = Qt::AlignHCenter, r = Qt::AlignRight, j = Qt::AlignJustify;
        QTest::newRow("each") << QByteArray("\\qc a\\par\\qr b\\par\\qj c\\par\\ql d\\par")
                              << QList<int>{c, r, j, l};
        QTest::newRow("kept until pard")
            << QByteArray("\\qc a\\par b\\par\\pard c\\par") << QList<int>{c, c, l};
        QTest::newRow("group restores") << QByteArray("{\\qc a\\par}b\\par") << QList<int>{c, l};
        QTest::newRow("plain keeps it") << QByteArray("\\qc\\plain a\\par") << QList<int>{c};
    }

    void alignment()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QList<int>, alignments);
        const auto document = platform::readRtf(wrap(rtf));
        QList<int> found;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            found << int(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
        QCOMPARE(found, alignments);
    }

    void defaultTab_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<qreal>("pixels");
        QTest::newRow("unset: 720 twips") << QByteArray("{\\rtf1 x}") << 48.0;
        QTest::newRow("deftab1440") << QByteArray("{\\rtf1\\deftab1440 x}") << 96.0;
        QTest::newRow("deftab0 ignored") << QByteArray("{\\rtf1\\deftab0 x}") << 48.0;
    }

    void defaultTab()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(qreal, pixels);
        QCOMPARE(platform::readRtf(rtf)->defaultTextOption().tabStopDistance(), pixels);
    }

    void paragraphs_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("closed by par") << QByteArray("a\\par b\\par") << QStringList{"a", "b"};
        QTest::newRow("last one open") << QByteArray("a\\par b") << QStringList{"a", "b"};
        QTest::newRow("empty ones") << QByteArray("a\\par\\par\\par b\\par") << QStringList{"a", "", "", "b"};
        QTest::newRow("only empty ones") << QByteArray("\\par\\par\\par") << QStringList{"", "", ""};
        QTest::newRow("backslash newline") << QByteArray("a\\\nb\\\r\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("par in bullet text") << QByteArray("{\\pntext\\par x}y") << QStringList{"xy"};
        QTest::newRow("nothing") << QByteArray("") << QStringList{""};
    }

    // One block for each paragraph, with no extra block after the last \par.
    void paragraphs()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QStringList, texts);
        QCOMPARE(blockTexts(*platform::readRtf(wrap(rtf))), texts);
    }

    void text_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");

        QTest::newRow("Windows-1252 0x80-0x9F")
            << QByteArray("\\'80\\'85\\'8a\\'91\\'92\\'93\\'94\\'95\\'96\\'97\\'99\\'9f")
            << QString("\u20AC\u2026\u0160\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u2122\u0178");
        QTest::newRow("unassigned 1252 bytes dropped")
            << QByteArray("a\\'81\\'8d\\'8f\\'90\\'9db") << QString("ab");
        QTest::newRow("raw 8-bit bytes")
            << QByteArray("\x93quoted\x94 caf\xe9") << QString("\u201Cquoted\u201D caf\u00E9");
        QTest::newRow("upper case hex") << QByteArray("\\'E9\\'c9") << QString("\u00E9\u00C9");
        QTest::newRow("unicode with fallback") << QByteArray("\\u8364?x") << QString("\u20ACx");
        QTest::newRow("fallback escape") << QByteArray("It\\u8217\\'92s") << QString("It\u2019s");
        QTest::newRow("negative unicode") << QByteArray("\\u-3913?") << QString("\u2022");
        QTest::newRow("fallback is a control symbol") << QByteArray("\\u8364\\~x") << QString("\u20ACx");
        QTest::newRow("uc2") << QByteArray("\\uc2\\u8364??x") << QString("\u20ACx");
        QTest::newRow("uc0") << QByteArray("\\uc0\\u8364 x") << QString("\u20ACx");
        QTest::newRow("uc is per group") << QByteArray("{\\uc2 a}\\u8364?x") << QString("a\u20ACx");
        QTest::newRow("skip ends at group end") << QByteArray("{\\uc3\\u8364 a}b") << QString("\u20ACb");
        QTest::newRow("surrogate pair") << QByteArray("\\uc0\\u-10179\\u-8704 x") << QString("\U0001F600x");
        QTest::newRow("lone surrogate") << QByteArray("\\uc0\\u-10179 x") << QString("\uFFFDx");
        QTest::newRow("private-use bullet") << QByteArray("\\u61623?") << QString("\u2022");
        QTest::newRow("escapes") << QByteArray("\\\\ \\{ \\}") << QString("\\ { }");
        QTest::newRow("tab and line") << QByteArray("a\\tab b\\line c") << QString("a\tb\u2028c");
        QTest::newRow("symbols")
            << QByteArray("\\~\\_\\-\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet")
            << QString("\u00A0\u2011\u2014\u2013\u2018\u2019\u201C\u201D\u2022");
        QTest::newRow("delimiter space eaten, second kept") << QByteArray("\\b x\\b0  y") << QString("x y");
        QTest::newRow("newlines ignored") << QByteArray("a\r\nb\nc") << QString("abc");
        QTest::newRow("Symbol bullet") << QByteArray("{\\f1\\'B7}{\\f0\\'B7}") << QString("\u2022\u00B7");
        QTest::newRow("unknown words") << QByteArray("\\foo\\bar12\\baz-3 x") << QString("x");
        QTest::newRow("ignorable destination") << QByteArray("{\\*\\generator Writer;}x") << QString("x");
        QTest::newRow("nested ignorable") << QByteArray("{\\*\\pn{\\pntxtb\\'B7}{\\b y}}x") << QString("x");
        QTest::newRow("colortbl") << QByteArray("{\\colortbl;\\red0\\green0\\blue0;}x") << QString("x");
        QTest::newRow("stylesheet") << QByteArray("{\\stylesheet{\\s0 Normal;}}x") << QString("x");
        QTest::newRow("info") << QByteArray("{\\info{\\title T}{\\author A}}x") << QString("x");
        QTest::newRow("pict") << QByteArray("{\\pict\\pngblip 89504e47}x") << QString("x");
        QTest::newRow("list tables") << QByteArray(
                                            "{\\listtable{\\list{\\listlevel{\\leveltext \\'01\\u-3913 ?;}}}}"
                                            "{\\listoverridetable{\\listoverride\\ls1}}x")
                                     << QString("x");
        QTest::newRow("headers and footers")
            << QByteArray("{\\header h}{\\headerl h}{\\footer f}{\\footerf f}x") << QString("x");
        QTest::newRow("bin skips raw bytes") << QByteArray("\\bin4 {}\\{x") << QString("x");
        QTest::newRow("pntext") << QByteArray("{\\pntext\\f1\\'B7\\tab}x") << QString("\u2022\tx");
        QTest::newRow("listtext, spaces trimmed")
            << QByteArray("{\\listtext\\pard\\plain  \\u61623\\'3f\\tab}x") << QString("\u2022\tx");
    }

    void text()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(platform::readRtf(wrap(rtf))->toRawText(), text);
    }

    void characterRuns_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QStringList>("expectedRuns");
        QTest::newRow("group restores")
            << QByteArray("{\\b bold}plain") << QStringList{"b11|bold", "11|plain"};
        QTest::newRow("toggles") << QByteArray("\\b\\i x\\b0 y\\i0 z")
                                 << QStringList{"bi11|x", "i11|y", "11|z"};
        QTest::newRow("zero and one") << QByteArray("\\b1 x\\b0 y") << QStringList{"b11|x", "11|y"};
        QTest::newRow("underline on and off")
            << QByteArray("\\ul a\\ulnone b\\ul c\\ul0 d\\uld e\\plain f")
            << QStringList{"u11|a", "11|b", "u11|c", "11|d", "u11|e", "12|f"};
        QTest::newRow("underline colour is not underline") << QByteArray("\\ulc0 x") << QStringList{"11|x"};
        QTest::newRow("plain resets")
            << QByteArray("\\b\\i\\ul\\fs40 a\\plain b") << QStringList{"biu20|a", "12|b"};
        QTest::newRow("pard keeps characters") << QByteArray("\\b a\\pard b") << QStringList{"b11|ab"};
        QTest::newRow("half points") << QByteArray("\\fs23 x") << QStringList{"11.5|x"};
    }

    void characterRuns()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QStringList, expectedRuns);
        QCOMPARE(runs(platform::readRtf(wrap(rtf))->firstBlock()), expectedRuns);
    }

    // The paragraph mark's formatting is what an empty paragraph shows.
    void emptyParagraphFormat()
    {
        const auto document = platform::readRtf(wrap("\\b\\fs28 a\\par\\b0\\fs20\\par\\b\\par"));
        QCOMPARE(document->blockCount(), 3);
        QCOMPARE(blockAt(*document, 2).charFormat().fontPointSize(), 10.0);
        QCOMPARE(blockAt(*document, 2).charFormat().fontWeight(), int(QFont::Normal));
        QCOMPARE(blockAt(*document, 3).charFormat().fontWeight(), int(QFont::Bold));
    }

    void fonts_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QStringList>("families");
        const QByteArray table = "{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1\\froman\\fcharset2 Symbol;}"
                                 "{\\f2\\froman Times New Roman;}}";
        QTest::newRow("default font")
            << "{\\rtf1\\deff0" + table + "a{\\f2 b}}" << QStringList{"MS Sans Serif", "Times New Roman"};
        QTest::newRow("deff2") << "{\\rtf1\\deff2" + table + "a\\f0 b\\plain c}"
                               << QStringList{"Times New Roman", "MS Sans Serif", "Times New Roman"};
        QTest::newRow("old-style table")
            << QByteArray("{\\rtf1{\\fonttbl\\f0\\fswiss Helv;\\f1\\froman Tms Rmn;}"
                          "a\\f1 b}")
            << QStringList{"Helv", "Tms Rmn"};
        QTest::newRow("alternative name skipped")
            << QByteArray(
                   "{\\rtf1{\\fonttbl{\\f3\\froman Liberation Serif{\\*\\falt Times New Roman};}}\\f3 a}")
            << QStringList{"Liberation Serif"};
        QTest::newRow("last semicolon missing")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New}}\\f1 a}")
            << QStringList{"Courier New"};
        QTest::newRow("unknown number") << "{\\rtf1" + table + "\\f9 a}" << QStringList{""};
    }

    // The family of the first character after each font change.
    void fonts()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QStringList, families);
        const auto document = platform::readRtf(rtf);
        QStringList found;
        for (auto it = document->firstBlock().begin(); !it.atEnd(); ++it)
            found << family(it.fragment().charFormat());
        QCOMPARE(found, families);
    }

    // Reading into a document replaces what it held.
    void replacesContent()
    {
        QTextDocument document;
        document.setPlainText("old\nlines\nhere");
        platform::readRtf(wrap("new"), document);
        QCOMPARE(document.toRawText(), QString("new"));
        QCOMPARE(document.blockCount(), 1);
    }
};

QTEST_MAIN(TestRtfReader)
#include "tst_rtf_reader.moc"
