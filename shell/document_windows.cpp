// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/document_windows.h"

#include "cards/card_pictures.h"
#include "deck/card_catalogue.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/geometry.h"
#include "platform/picture_box.h"
#include "platform/resources.h"
#include "platform/rtf_reader.h"

#include <QFile>
#include <QTextBrowser>

// What sets one document window apart from the others.
struct DocumentLayout {
    const char* name;
    const char* caption;
    QSize client; // twips
    std::uint32_t back;
    platform::Twips viewer;
    const char* document;
};

namespace {

// The Readings viewer is 45 twips wider than its window and the History one
// leaves a white strip above itself: both are kept as they were laid out.
const DocumentLayout kLecture{
    .name = "LectureDesc",
    .caption = "Readings",
    .client = QSize(6690, 5685),
    .back = platform::kButtonFace,
    .viewer = {0, 0, 6735, 5655},
    .document = ":/documents/lecture.rtf",
};
const DocumentLayout kHistoire{
    .name = "HistoireDesc",
    .caption = "The History of Tarot",
    .client = QSize(6375, 4815),
    .back = platform::kWhite,
    .viewer = {0, 120, 6375, 4695},
    .document = ":/documents/histoire.rtf",
};
const DocumentLayout kCartes{
    .name = "CartesDesc",
    .caption = "The Cards",
    .client = QSize(7110, 6690),
    .back = platform::kButtonFace,
    .viewer = {0, 0, 7095, 6615},
    .document = ":/documents/cartes.rtf",
};

QByteArray storedDocument(const char* path)
{
    platform::initResources();
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

DocumentWindow::DocumentWindow(const DocumentLayout& layout)
    : Form(layout.name, platform::Frame::Titled, layout.client)
{
    using namespace platform;
    setWindowTitle(QString::fromLatin1(layout.caption));
    setBackColor(this, layout.back);

    RichTextBox1 = new QTextBrowser(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setGeometry(
        twipsRect(layout.viewer.left, layout.viewer.top, layout.viewer.width, layout.viewer.height));
    RichTextBox1->setOpenLinks(false);
    // Lines wrap at the viewer's width, so only the length of a document
    // ever needs scrolling.
    RichTextBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichTextBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The documents carry no colours of their own: black on white whatever
    // the desktop's theme.
    setBackColor(RichTextBox1, kWhite);
    setForeColor(RichTextBox1, kBlack);
    // What an empty document or a paragraph without a font of its own falls
    // back to: the documents' own face and size.
    RichTextBox1->setFont(makeFont({kTimes, 11}));
    readRtf(storedDocument(layout.document), *RichTextBox1->document());
    // The viewer's own cursor is carried along by the text inserted in front
    // of it; left at the end, it would open the window at the last line.
    RichTextBox1->moveCursor(QTextCursor::Start);
}

void DocumentWindow::Form_Load()
{
    centre();
}

LectureDesc::LectureDesc()
    : DocumentWindow(kLecture)
{
}

HistoireDesc::HistoireDesc()
    : DocumentWindow(kHistoire)
{
}

CartesDesc::CartesDesc()
    : DocumentWindow(kCartes)
{
    using namespace platform;
    // A sibling of the viewer rather than part of its content, so it stays
    // where it is while the list scrolls under it. The card is a little
    // narrower than its box: a white back lets the margin melt into the page.
    Picture1 = addPictureBox(this, "Picture1", {5280, 1440, 1215, 2055}, kWhite);
    cards::showCard(Picture1, deck::kCardBackImage);
    Picture1->raise();
    chainTabOrder({RichTextBox1, Picture1});
}
