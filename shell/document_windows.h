// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

class QTextBrowser;

namespace platform {
class PictureBox;
} // namespace platform

struct DocumentLayout;

// A window that shows one of the stored documents and nothing else. The
// document is read when the window is made, so a window closed with its close
// box comes back with its document from the first line.
class DocumentWindow : public platform::Form {
    Q_OBJECT

public:
    void Form_Load() override;

    QTextBrowser* RichTextBox1;

protected:
    explicit DocumentWindow(const DocumentLayout& layout);
};

// On the three readings and the Identifier.
class LectureDesc : public DocumentWindow {
    Q_OBJECT

public:
    LectureDesc();
};

// On the origins and uses of the tarot.
class HistoireDesc : public DocumentWindow {
    Q_OBJECT

public:
    HistoireDesc();
};

// The 78 cards, with a card back lying over the right of the text.
class CartesDesc : public DocumentWindow {
    Q_OBJECT

public:
    CartesDesc();

    platform::PictureBox* Picture1;
};
