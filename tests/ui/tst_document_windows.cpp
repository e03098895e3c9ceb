// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_support.h"

#include "platform/colours.h"
#include "platform/geometry.h"
#include "platform/image_list.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "shell/document_windows.h"
#include "shell/main_menu.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

namespace {

DocumentWindow& documentWindow(const QString& name)
{
    if (name == "LectureDesc")
        return platform::form<LectureDesc>();
    if (name == "HistoireDesc")
        return platform::form<HistoireDesc>();
    return platform::form<CartesDesc>();
}

// The window if it is open, without opening it.
DocumentWindow* existingWindow(const QString& name)
{
    if (name == "LectureDesc")
        return platform::existingForm<LectureDesc>();
    if (name == "HistoireDesc")
        return platform::existingForm<HistoireDesc>();
    return platform::existingForm<CartesDesc>();
}

DocumentWindow& shown(const QString& name)
{
    DocumentWindow& window = documentWindow(name);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("%s never showed", qPrintable(name));
    return window;
}

QScrollBar* scrollBar(DocumentWindow& window)
{
    return window.RichTextBox1->verticalScrollBar();
}

bool sameColour(const QColor& a, const QColor& b)
{
    return a.rgb() == b.rgb();
}

// A desktop with a dark theme: light text on dark ground everywhere the
// program leaves the colours to the system.
class DarkTheme {
public:
    DarkTheme()
        : saved_(QApplication::palette())
    {
        QPalette dark = saved_;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Window, QColor(45, 45, 45));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        QApplication::setPalette(dark);
    }
    ~DarkTheme() { QApplication::setPalette(saved_); }
    DarkTheme(const DarkTheme&) = delete;
    DarkTheme& operator=(const DarkTheme&) = delete;

private:
    QPalette saved_;
};

void addWindowColumn()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Readings") << "LectureDesc";
    QTest::newRow("History of Tarot") << "HistoireDesc";
    QTest::newRow("Cards") << "CartesDesc";
}

} // namespace

class TestDocumentWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::freshProgram(); }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("viewer");
        QTest::addColumn<QRect>("picture");
        // A point of the client area the viewer leaves free, in pixels, and
        // the colour the window shows there.
        QTest::addColumn<QPoint>("bare");
        QTest::addColumn<quint32>("background");

        QTest::newRow("Readings: viewer 45 twips past the right edge")
            << "LectureDesc"
            << "Readings" << QSize(6690, 5685) << QRect(0, 0, 6735, 5655) << QRect() << QPoint(100, 378)
            << quint32(platform::kButtonFace);
        QTest::newRow("History of Tarot: white strip above the viewer")
            << "HistoireDesc"
            << "The History of Tarot" << QSize(6375, 4815) << QRect(0, 120, 6375, 4695) << QRect()
            << QPoint(100, 3) << quint32(platform::kWhite);
        QTest::newRow("Cards: card back over the viewer")
            << "CartesDesc"
            << "The Cards" << QSize(7110, 6690) << QRect(0, 0, 7095, 6615) << QRect(5280, 1440, 1215, 2055)
            << QPoint(473, 200) << quint32(platform::kButtonFace);
    }

    // Where everything is, also after the user has resized the window.
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QRect, viewer);
        QFETCH(QRect, picture);
        QFETCH(QPoint, bare);
        QFETCH(quint32, background);

        DocumentWindow& window = shown(name);
        QCOMPARE(window.objectName(), name);
        QCOMPARE(window.windowTitle(), caption);
        QCOMPARE(window.size(), uitest::pixels(QRect(QPoint(), client)).size());
        QVERIFY2(window.minimumSize() != window.maximumSize(), "the window can be resized");
        QCOMPARE(window.grab().toImage().pixelColor(bare), platform::toColor(background));

        auto* box = window.findChild<platform::PictureBox*>("Picture1");
        QCOMPARE(box != nullptr, !picture.isNull());
        if (box) {
            // Over the viewer and above it, so it is the picture that shows there.
            QVERIFY(window.RichTextBox1->geometry().contains(box->geometry()));
            QCOMPARE(window.childAt(box->geometry().center()), box);
            QCOMPARE(box->shownPicture().toImage(), platform::imageList().image(79).toImage());
        }
        for (const QSize size : {QSize(900, 700), QSize(200, 150)}) {
            window.resize(size);
            QCOMPARE(window.RichTextBox1->geometry(), uitest::pixels(viewer));
            if (box)
                QCOMPARE(box->geometry(), uitest::pixels(picture));
        }
    }

    void document_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("firstParagraph");
        QTest::addColumn<int>("paragraphs");
        QTest::newRow("Readings") << "LectureDesc"
                                  << "READINGS" << 13;
        QTest::newRow("History of Tarot") << "HistoireDesc"
                                          << "The History of Tarot" << 10;
        QTest::newRow("Cards") << "CartesDesc"
                               << "There are seventy-eight cards in the Tarot deck." << 55;
    }

    // The stored document, in a face that is there, shown from its top, to be
    // read and not changed.
    void document()
    {
        QFETCH(QString, name);
        QFETCH(QString, firstParagraph);
        QFETCH(int, paragraphs);

        DocumentWindow& window = shown(name);
        QTextDocument* text = window.RichTextBox1->document();
        QCOMPARE(text->blockCount(), paragraphs);
        QCOMPARE(text->firstBlock().text(), firstParagraph);
        const QFont face = text->firstBlock().begin().fragment().charFormat().font();
        QCOMPARE(QFontInfo(face).family(), QString("Liberation Serif"));

        // Longer than the viewer, read by scrolling down, never across.
        QVERIFY(scrollBar(window)->maximum() > 0);
        QCOMPARE(scrollBar(window)->value(), 0);
        QVERIFY(scrollBar(window)->isVisible());
        QVERIFY(!window.RichTextBox1->horizontalScrollBar()->isVisible());

        const QString before = text->toPlainText();
        window.RichTextBox1->setFocus();
        QTest::keyClicks(window.RichTextBox1, "xyz");
        QTest::keyClick(window.RichTextBox1, Qt::Key_Delete);
        QTest::keyClick(window.RichTextBox1, Qt::Key_Backspace);
        QCOMPARE(text->toPlainText(), before);
    }

    void blackOnWhiteWhateverTheTheme_data() { addWindowColumn(); }

    void blackOnWhiteWhateverTheTheme()
    {
        QFETCH(QString, name);
        DarkTheme theme;
        DocumentWindow& window = shown(name);
        const QImage page = window.RichTextBox1->viewport()->grab().toImage();
        QVERIFY(sameColour(page.pixelColor(page.width() - 2, page.height() - 2), Qt::white));
        int darkest = 255;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                darkest = std::min(darkest, qGray(page.pixel(x, y)));
        QVERIFY2(darkest < 40, qPrintable(QString("the darkest text is grey %1").arg(darkest)));
    }

    void reopenedAfterTheCloseBox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("button");
        QTest::newRow("Readings") << "LectureDesc"
                                  << "LectureCmd";
        QTest::newRow("History of Tarot") << "HistoireDesc"
                                          << "HistoireCmd";
        QTest::newRow("Cards") << "CartesDesc"
                               << "CartesCmd";
    }

    // Moved and scrolled, then closed: the next click makes it anew, centred
    // again, at the first line of its document.
    void reopenedAfterTheCloseBox()
    {
        QFETCH(QString, name);
        QFETCH(QString, button);
        MainMenu& menu = platform::form<MainMenu>();
        menu.show();
        auto* opener = menu.findChild<QToolButton*>(button);

        opener->click();
        QPointer<DocumentWindow> first = existingWindow(name);
        QVERIFY(first && first->isVisible());
        const QPoint centred = first->pos();
        const QRect screen = first->screen()->geometry();
        QVERIFY(qAbs(first->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(first->frameGeometry().center().y() - screen.center().y()) <= 1);
        first->move(centred + QPoint(-120, 75));
        scrollBar(*first)->setValue(scrollBar(*first)->maximum());
        QVERIFY(scrollBar(*first)->value() > 0);

        QVERIFY(first->close());
        QTRY_VERIFY(first.isNull());
        QVERIFY(!uitest::visibleWindows().contains(name));

        opener->click();
        DocumentWindow* again = existingWindow(name);
        QVERIFY(again && again->isVisible());
        QCOMPARE(again->pos(), centred);
        QCOMPARE(scrollBar(*again)->value(), 0);
        QCOMPARE(again->RichTextBox1->cursorForPosition(QPoint(8, 8)).blockNumber(), 0);
    }

    // The card back belongs to the window, not to the page: the list moves
    // under it and it stays where it is.
    void cardBackStaysWhileTheListScrolls()
    {
        CartesDesc& window = static_cast<CartesDesc&>(shown("CartesDesc"));
        const QRect where = window.Picture1->geometry();
        const QImage before = window.grab().toImage();

        scrollBar(window)->setValue(scrollBar(window)->maximum());
        const QImage after = window.grab().toImage();

        QCOMPARE(window.Picture1->geometry(), where);
        QCOMPARE(window.Picture1->mapTo(&window, QPoint()), where.topLeft());
        QCOMPARE(window.childAt(where.center()), window.Picture1);
        QCOMPARE(after.copy(where), before.copy(where));
        const QRect textColumn(8, 8, where.left() - 16, where.height());
        QVERIFY2(after.copy(textColumn) != before.copy(textColumn), "the list itself scrolled");
    }
};

QTEST_MAIN(TestDocumentWindows)
#include "tst_document_windows.moc"
