#pragma once

#include <QSize>
#include <QWidget>

namespace platform {

// How a window's frame looks. Windows without a caption have no title bar at
// all; the print pages have no frame either.
enum class Frame {
    NoTitleBar,       // sizable border, no caption, no control box
    Titled,           // caption, close, minimise and maximise boxes
    TitledNoMinimise, // caption, close and maximise boxes
    FixedDialog,      // caption only, fixed size, no control box
    None,             // no border, no title bar
};

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

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QSize centredFrame_;    // the outer size the last centring used
    bool recentre_ = false; // the frame may be known only once mapped
    bool shownOnce_ = false;
};

// Shows a window; one that is open already, perhaps behind others or
// minimised, comes to the front as it is, with its place and contents.
void showInFront(QWidget& window);

} // namespace platform
