// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form.h"

#include "platform/accessibility.h"
#include "platform/centering.h"
#include "platform/colours.h"
#include "platform/exit_confirmation.h"
#include "platform/geometry.h"
#include "platform/registry.h"

#include <QCloseEvent>
#include <QScreen>
#include <QTimer>

namespace platform {

CloseRequest closeRequestFor(Frame frame)
{
    switch (frame) {
    case Frame::Titled:
    case Frame::TitledNoMinimise:
        return CloseRequest::Close;
    case Frame::NoTitleBar:
        return CloseRequest::AskExit;
    case Frame::FixedDialog:
        return CloseRequest::Hide;
    case Frame::None:
        return CloseRequest::Ignore;
    }
    return CloseRequest::Ignore;
}

Form::Form(const char* name, Frame frame, QSize clientTwips)
    : QWidget(nullptr, windowFlagsFor(frame))
    , frame_(frame)
{
    installAccessibility();
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    const QSize client(twipsToPixels(clientTwips.width()), twipsToPixels(clientTwips.height()));
    if (frame == Frame::FixedDialog)
        setFixedSize(client);
    else
        resize(client);
}

Form::~Form()
{
    forgetForm(this);
}

void Form::load()
{
    Form_Load();
}

void Form::centre()
{
    const QScreen* shownOn = screen();
    const QRect whole = shownOn->geometry();
    const auto toTwips = [](int pixels) { return static_cast<float>(pixelsToTwips(pixels)); };

    const QRect outer = frameGeometry();
    const float left = centredOffset(toTwips(whole.width()), toTwips(outer.width()));
    move(whole.x() + twipsToPixels(left), frameGeometry().y());

    const QRect outerNow = frameGeometry();
    const float top = centredOffset(toTwips(whole.height()), toTwips(outerNow.height()));
    move(frameGeometry().x(), whole.y() + twipsToPixels(top));

    centredFrame_ = frameGeometry().size();
    recentre_ = !shownOnce_;
}

bool Form::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        // A window manager adds its frame only once the window is mapped; if
        // that changed the outer size, the first centring was off by the frame.
        if (recentre_) {
            recentre_ = false;
            if (frameGeometry().size() != centredFrame_)
                centre();
        }
        const bool handled = QWidget::event(event);
        Form_Activate();
        return handled;
    }
    return QWidget::event(event);
}

QString Form::exitPrompt() const
{
    return QString::fromLatin1(kExitPrompt);
}

void Form::showEvent(QShowEvent* event)
{
    // Before the window is mapped: the window manager reads the hints then.
    if (!event->spontaneous())
        applyFrameHints(*this, frame_);
    QWidget::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // Ask for activation so that Form_Activate also runs where no window
    // manager hands out focus by itself.
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && !isActiveWindow())
            activateWindow();
    });
}

void Form::closeEvent(QCloseEvent* event)
{
    const CloseRequest request = closeRequestFor(frame_);
    if (request != CloseRequest::Close) {
        event->ignore();
        if (request == CloseRequest::AskExit)
            confirmExit(exitPrompt());
        else if (request == CloseRequest::Hide)
            hide();
        return;
    }
    QWidget::closeEvent(event);
    // Closed through its close box: the next use makes a new window, even
    // before this one is deleted.
    if (event->isAccepted())
        forgetForm(this);
}

void showInFront(QWidget& window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace platform
