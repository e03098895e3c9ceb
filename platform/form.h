// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/window_frame.h"

#include <QSize>
#include <QString>
#include <QWidget>

namespace platform {

// What a close request does to a window, by its frame. Only a close box
// closes; a window without one still gets requests from the window manager
// (Alt+F4, a taskbar), which must neither end the program unasked nor leave
// the user without a window.
enum class CloseRequest {
    Close,   // the close box: the window goes and is made anew next time
    AskExit, // no caption: the exit question, as the red square asks it
    Hide,    // a dialog without a control box: as its own button does
    Ignore,  // the print pages: nothing closes them
};
CloseRequest closeRequestFor(Frame frame);

// The base of every window: one class per window, one instance per class
// (see registry.h). Form_Load runs once, right after construction and before
// the window is first shown; Form_Activate runs each time it becomes active.
class Form : public QWidget {
    Q_OBJECT

public:
    Form(const char* name, Frame frame, QSize clientTwips);
    ~Form() override;

    // Runs Form_Load; the registry calls it once, right after construction.
    void load();

    // Places the window in the middle of the whole screen: Left, then Top,
    // from the outer size, in single-precision twips, without clamping.
    void centre();

    virtual void Form_Load() {}
    virtual void Form_Activate() {}

    // What the exit question asks when the window manager closes a window
    // without a caption.
    virtual QString exitPrompt() const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Frame frame_;
    QSize centredFrame_;    // the outer size the last centring used
    bool recentre_ = false; // the frame may be known only once mapped
    bool shownOnce_ = false;
};

// Shows a window; one that is open already, perhaps behind others or
// minimised, comes to the front as it is, with its place and contents.
void showInFront(QWidget& window);

} // namespace platform
