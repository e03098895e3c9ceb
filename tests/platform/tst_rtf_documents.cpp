// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/resources.h"
#include "platform/rtf_reader.h"
#include "rtf_test_support.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextLayout>
#include <QtTest>

using namespace rtftest;

namespace {

const char* const kDocuments[] = {":/documents/lecture.rtf", ":/documents/histoire.rtf",
                                  ":/documents/cartes.rtf"};

std::unique_ptr<QTextDocument> load(const QString& resource)
{
    return platform::readRtf(readFile(resource));
}

struct Major {
    const char* numeral;
    int spaces;
    const char* name;
};

const Major kMajorArcana[22] = {
    {"0", 8, "Fool"},          {"I", 9, "Magician"},   {"II", 8, "High Priestess"},  {"III", 6, "Empress"},
    {"IV", 6, "Emperor"},      {"V", 7, "Hierophant"}, {"VI", 6, "Lovers"},          {"VII", 4, "Chariot"},
    {"VIII", 3, "Strength"},   {"IX", 6, "Hermit"},    {"X", 7, "Wheel of Fortune"}, {"XI", 6, "Justice"},
    {"XII", 4, "Hanging Man"}, {"XIII", 3, "Death"},   {"XIV", 3, "Alchemy"},        {"XV", 4, "The Devil"},
    {"XVI", 3, "The Tower"},   {"XVII", 2, "Star"},    {"XVIII", 1, "The Moon"},     {"XIX", 4, "The Sun"},
    {"XX", 5, "Aeon"},         {"XXI", 4, "Universe"},
};

QStringList cardsDocument()
{
    QStringList paragraphs = {"There are seventy-eight cards in the Tarot deck.",
                              "They are divided into two categories:", "",
                              "The Major Arcana which contains the following cards:", ""};
    for (const Major& card : kMajorArcana)
        paragraphs << QString(card.numeral) + QString(card.spaces, ' ') + card.name;
    paragraphs << ""
               << "The Minor Arcana  which contains the following cards:"
               << ""
               << "The Court Cards:"
               << "";
    for (const char* suit : {"Wands", "Cups", "Swords", "Stones"})
        for (const char* rank : {"Mother", "Father", "Daughter", "Son"})
            paragraphs << QString("%1 of %2").arg(rank, suit);
    paragraphs << "";
    for (const char* suit : {"Wands", "Cups", "Swords", "Stones"})
        paragraphs << QString("Suit of %1: Ace to ten").arg(suit);
    paragraphs << ""
               << "";
    return paragraphs;
}

QString tag(const QTextCharFormat& format)
{
    QString result;
    if (format.fontWeight() >= QFont::Bold)
        result += 'b';
    if (format.fontItalic())
        result += 'i';
    if (format.fontUnderline())
        result += 'u';
    return result + QString::number(format.fontPointSize());
}

const QString kBulletTab = QStringLiteral("\u2022\t");

} // namespace

class TestRtfDocuments : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::initResources(); }

    void paragraphCount_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("count");
        QTest::newRow("Readings") << QString(kDocuments[0]) << 13;
        QTest::newRow("History of Tarot") << QString(kDocuments[1]) << 10;
        QTest::newRow("Cards") << QString(kDocuments[2]) << 55;
    }

    void paragraphCount()
    {
        QFETCH(QString, resource);
        QFETCH(int, count);
        QCOMPARE(load(resource)->blockCount(), count);
    }

    void header_data()
    {
        QTest::addColumn<QString>("resource");
        for (const char* resource : kDocuments)
            QTest::newRow(resource) << QString(resource);
    }

    // What a word processor sees first: version 1, ANSI, 720-twip tabs, the
    // three fonts, and black as the only colour.
    void header()
    {
        QFETCH(QString, resource);
        const QByteArray rtf = readFile(resource);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi"));
        QVERIFY(rtf.contains("\\deftab720"));
        const QRegularExpression fonts(R"(\{\\fonttbl\{\\f0[^ ;]* MS Sans Serif;\}\{\\f1[^ ;]* Symbol;\})"
                                       R"(\{\\f2[^ ;]* Times New Roman;\}\})");
        QVERIFY(fonts.match(QString::fromLatin1(rtf)).hasMatch());
        QVERIFY(rtf.contains("{\\colortbl ;\\red0\\green0\\blue0;}"));
        QCOMPARE(rtf.count("\\red"), 1);
        QCOMPARE(load(resource)->defaultTextOption().tabStopDistance(), 48.0);
    }

    // Times New Roman throughout; the bullet, written in Symbol, is read as a
    // Unicode bullet and takes the viewer's font.
    void fonts_data() { header_data(); }

    void fonts()
    {
        QFETCH(QString, resource);
        const auto document = load(resource);
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            QCOMPARE(family(block.charFormat()), QString("Times New Roman"));
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const bool bullet = fragment.text() == kBulletTab && fragment.position() == block.position();
                QCOMPARE(family(fragment.charFormat()), bullet ? QString() : QString("Times New Roman"));
            }
        }
    }

    void structure_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("paragraph");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("bullet");
        // The runs' formats after any bullet, or for an empty paragraph the
        // format of its mark: b, i, u and the size in points.
        QTest::addColumn<QStringList>("tags");

        const int left = Qt::AlignLeft, centre = Qt::AlignHCenter;
        const QStringList regular = {"11"}, empty = {"(empty) 11"};
        const QStringList named = {"11", "bi11", "11"};
        const auto add = [](const char* resource, int paragraph, int alignment, bool bullet,
                            const QStringList& tags) {
            QTest::addRow("%s #%d", resource + 7, paragraph)
                << QString(resource) << paragraph << alignment << bullet << tags;
        };

        const char* lecture = kDocuments[0];
        add(lecture, 1, centre, false, {"biu11"});
        for (int p : {2, 3, 5, 7, 9, 11, 13})
            add(lecture, p, left, false, empty);
        add(lecture, 4, left, false, regular);
        for (int p : {6, 8, 10})
            add(lecture, p, left, true, named);
        add(lecture, 12, left, false, named);

        const char* histoire = kDocuments[1];
        add(histoire, 1, centre, false, {"biu11"});
        for (int p : {2, 3, 9, 10})
            add(histoire, p, left, false, empty);
        add(histoire, 4, left, false, {"biu11"});
        add(histoire, 5, centre, false, {"(empty) biu11"});
        for (int p : {6, 7, 8})
            add(histoire, p, left, false, regular);

        const char* cartes = kDocuments[2];
        add(cartes, 1, left, false, {"bi12"});
        add(cartes, 2, left, false, {"bi12"});
        add(cartes, 3, left, false, {"(empty) b11"});
        add(cartes, 4, left, false, {"bi11"});
        add(cartes, 5, left, false, {"(empty) b11"});
        for (int p = 6; p <= 27; ++p)
            add(cartes, p, left, false, regular);
        for (int p : {28, 30, 32, 49, 54, 55})
            add(cartes, p, left, false, empty);
        add(cartes, 29, left, false, {"bi11"});
        add(cartes, 31, left, false, {"u11"});
        for (int p = 33; p <= 53; ++p)
            if (p != 49)
                add(cartes, p, left, false, regular);
    }

    void structure()
    {
        QFETCH(QString, resource);
        QFETCH(int, paragraph);
        QFETCH(int, alignment);
        QFETCH(bool, bullet);
        QFETCH(QStringList, tags);

        const auto document = load(resource);
        const QTextBlock block = blockAt(*document, paragraph);
        QVERIFY(block.isValid());
        const QTextBlockFormat format = block.blockFormat();
        QCOMPARE(int(format.alignment() & Qt::AlignHorizontal_Mask), alignment);

        QCOMPARE(block.text().startsWith(kBulletTab), bullet);
        QCOMPARE(format.leftMargin(), bullet ? 48.0 : 0.0);
        QCOMPARE(format.textIndent(), bullet ? -24.0 : 0.0);
        QCOMPARE(format.rightMargin(), 0.0);
        QCOMPARE(format.topMargin(), 0.0);
        QCOMPARE(format.bottomMargin(), 0.0);

        QStringList found;
        if (block.text().isEmpty())
            found << "(empty) " + tag(block.charFormat());
        for (const QString& run : runs(block, bullet ? 2 : 0))
            found << run.section('|', 0, 0);
        QCOMPARE(found, tags);
    }

    // The Cards document is given word for word, runs of spaces included.
    void cardsText()
    {
        const auto document = load(kDocuments[2]);
        QStringList texts;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            texts << block.text();
        QCOMPARE(texts, cardsDocument());
    }

    void quotedText_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("paragraph");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("text");

        const QString lecture = kDocuments[0], histoire = kDocuments[1];
        QTest::newRow("READINGS") << lecture << 1 << "is"
                                  << "READINGS";
        QTest::newRow("space factor")
            << lecture << 4 << "ends"
            << "Due to the space factor, we will use three types of readings in this "
               "software:";
        QTest::newRow("First") << lecture << 6 << "starts" << kBulletTab + "First, One Card Reading";
        QTest::newRow("Secondly") << lecture << 8 << "starts" << kBulletTab + "Secondly, Three Card Reading";
        QTest::newRow("Finally") << lecture << 10 << "starts"
                                 << kBulletTab + "Finally The Celtic Cross Reading";
        QTest::newRow("lunar cycle") << lecture << 10 << "contains"
                                     << "the next lunar cycle (28 days)";
        QTest::newRow("once per cycle") << lecture << 10 << "ends"
                                        << "There are those who believe that a complete reading should be "
                                           "done only once per lunar cycle.";
        QTest::newRow("Identifier") << lecture << 12 << "contains"
                                    << "Identifier (the card that represents us in the reading)";
        QTest::newRow("title") << histoire << 1 << "is"
                               << "The History of Tarot";
        QTest::newRow("Abridged") << histoire << 4 << "is"
                                  << "Abridged Version:";
        QTest::newRow("have fun") << histoire << 7 << "ends"
                                  << "Whatever your reasons, I think that you should just have fun with this "
                                     "software.";
        QTest::newRow("Good Luck") << histoire << 8 << "is"
                                   << "Good Luck!";
    }

    void quotedText()
    {
        QFETCH(QString, resource);
        QFETCH(int, paragraph);
        QFETCH(QString, where);
        QFETCH(QString, text);
        const QString found = blockAt(*load(resource), paragraph).text();
        const bool ok = where == "is"       ? found == text
                        : where == "starts" ? found.startsWith(text)
                        : where == "ends"   ? found.endsWith(text)
                                            : found.contains(text);
        if (!ok)
            qWarning() << "paragraph" << paragraph << "reads" << found;
        QVERIFY(ok);
    }

    void boldItalicNames_data()
    {
        QTest::addColumn<int>("paragraph");
        QTest::addColumn<QString>("name");
        QTest::newRow("One Card") << 6 << "One Card Reading";
        QTest::newRow("Three Card") << 8 << "Three Card Reading";
        QTest::newRow("Celtic Cross") << 10 << "The Celtic Cross Reading";
        QTest::newRow("Identifier") << 12 << "Identifier";
    }

    void boldItalicNames()
    {
        QFETCH(int, paragraph);
        QFETCH(QString, name);
        const QStringList found = runs(blockAt(*load(kDocuments[0]), paragraph));
        QVERIFY(found.contains("bi11|" + name));
    }

    // In the Readings window's viewer (6735 twips wide) the long bullet wraps;
    // its text and its second line start at the hanging indent.
    void bulletWrapsUnderItsText()
    {
        const auto document = load(kDocuments[0]);
        document->setTextWidth(6735 / 15.0);
        const QTextBlock block = blockAt(*document, 10);
        document->documentLayout()->blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        QVERIFY(layout->lineCount() >= 2);
        const qreal textStart = layout->lineAt(0).cursorToX(2);
        QCOMPARE(textStart, layout->lineAt(1).x());
        QVERIFY(layout->lineAt(0).x() < textStart);
    }
};

QTEST_MAIN(TestRtfDocuments)
#include "tst_rtf_documents.moc"
