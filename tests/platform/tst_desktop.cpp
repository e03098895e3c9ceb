// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program meets the desktop: close requests from the window
// manager, the order of a question's buttons under any theme, and the keys
// that press a focused button.

#include "platform/controls.h"
#include "platform/exit_confirmation.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "platform/registry.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

namespace {

template <platform::Frame F> class Window : public platform::Form {
public:
    Window()
        : Form("Window", F, QSize(3000, 1500))
    {
    }
};

// Answers the next question with a key, and records its buttons left to right.
struct Question {
    bool asked = false;
    QStringList buttons;
};

void answerNext(Question& seen, Qt::Key key, int triesLeft = 200)
{
    QTimer::singleShot(0, [&seen, key, triesLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (triesLeft > 0)
                answerNext(seen, key, triesLeft - 1);
            return;
        }
        seen.asked = true;
        QList<QAbstractButton*> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(),
                  [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
        for (QAbstractButton* button : buttons)
            seen.buttons << button->text().remove('&');
        if (key == Qt::Key_N)
            buttons[1]->click();
        else
            QTest::keyClick(box, key);
    });
}

// Sends a close request as a window manager does, in an event loop of its
// own; true when the program ended.
bool requestClose(QWidget& window)
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        window.close();
        if (loop.isRunning())
            loop.exit(-1);
    });
    return loop.exec() == 0;
}

// A theme that lays out dialog buttons as another desktop does.
class ButtonLayoutStyle : public QProxyStyle {
public:
    explicit ButtonLayoutStyle(int layout)
        : layout_(layout)
    {
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_DialogButtonLayout)
            return layout_;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

private:
    int layout_;
};

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // Ending the program stops every loop until the application's own
        // loop has started again.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        platform::destroyAllForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void closeRequest_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<bool>("ended");
        const int none = 0;
        const auto frame = [](platform::Frame f) { return int(f); };
        using platform::Frame;
        QTest::newRow("no caption, No")
            << frame(Frame::NoTitleBar) << int(Qt::Key_N) << true << true << true << false;
        QTest::newRow("no caption, Escape")
            << frame(Frame::NoTitleBar) << int(Qt::Key_Escape) << true << true << true << false;
        QTest::newRow("no caption, Yes")
            << frame(Frame::NoTitleBar) << int(Qt::Key_Return) << true << false << true << true;
        QTest::newRow("fixed dialog hides")
            << frame(Frame::FixedDialog) << none << false << false << true << false;
        QTest::newRow("close box") << frame(Frame::Titled) << none << false << false << false << false;
        QTest::newRow("close box, no minimise")
            << frame(Frame::TitledNoMinimise) << none << false << false << false << false;
        QTest::newRow("print page") << frame(Frame::None) << none << false << true << true << false;
    }

    void closeRequest()
    {
        QFETCH(int, frame);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, visible);
        QFETCH(bool, kept);
        QFETCH(bool, ended);

        platform::Form* window = nullptr;
        switch (platform::Frame(frame)) {
        case platform::Frame::NoTitleBar:
            window = &platform::form<Window<platform::Frame::NoTitleBar>>();
            break;
        case platform::Frame::Titled:
            window = &platform::form<Window<platform::Frame::Titled>>();
            break;
        case platform::Frame::TitledNoMinimise:
            window = &platform::form<Window<platform::Frame::TitledNoMinimise>>();
            break;
        case platform::Frame::FixedDialog:
            window = &platform::form<Window<platform::Frame::FixedDialog>>();
            break;
        case platform::Frame::None:
            window = &platform::form<Window<platform::Frame::None>>();
            break;
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QPointer<platform::Form> watched(window);

        Question seen;
        if (answer)
            answerNext(seen, Qt::Key(answer));
        const bool programEnded = requestClose(*window);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(seen.asked, asked);
        if (asked)
            QCOMPARE(seen.buttons, QStringList({"Yes", "No", "Cancel"}));
        QCOMPARE(programEnded, ended);
        QCOMPARE(!watched.isNull() && watched->isVisible(), visible);
        QCOMPARE(!watched.isNull() && platform::findForm(typeid(*window)) == watched, kept);
    }

    void buttonOrderUnderEveryTheme_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("order");
        const QStringList yesNoCancel{"Yes", "No", "Cancel"};
        const QStringList okCancel{"OK", "Cancel"};
        const struct {
            const char* name;
            QDialogButtonBox::ButtonLayout layout;
        } themes[] = {{"Windows", QDialogButtonBox::WinLayout},
                      {"GNOME", QDialogButtonBox::GnomeLayout},
                      {"KDE", QDialogButtonBox::KdeLayout},
                      {"macOS", QDialogButtonBox::MacLayout}};
        for (const auto& theme : themes) {
            QTest::addRow("%s, exit question", theme.name)
                << int(theme.layout) << int(platform::Buttons::YesNoCancel) << yesNoCancel;
            QTest::addRow("%s, OK Cancel", theme.name)
                << int(theme.layout) << int(platform::Buttons::OkCancel) << okCancel;
        }
    }

    void buttonOrderUnderEveryTheme()
    {
        QFETCH(int, layout);
        QFETCH(int, buttons);
        QFETCH(QStringList, order);

        const QString before = QApplication::style()->name(); // setStyle deletes it
        QApplication::setStyle(new ButtonLayoutStyle(layout));
        Question seen;
        answerNext(seen, Qt::Key_Escape);
        const platform::Answer answer = platform::messageBox("Sure?", platform::Buttons(buttons), "Title");
        QApplication::setStyle(QStyleFactory::create(before));

        QVERIFY(seen.asked);
        QCOMPARE(seen.buttons, order);
        QCOMPARE(answer, platform::Answer::Cancel);
    }

    void returnPressesAFocusedButton_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("presses");
        for (const char* control : {"push button", "picture button", "red square"}) {
            QTest::addRow("%s, Return", control) << control << int(Qt::Key_Return) << 1;
            QTest::addRow("%s, keypad Enter", control) << control << int(Qt::Key_Enter) << 1;
            QTest::addRow("%s, Space", control) << control << int(Qt::Key_Space) << 1;
            QTest::addRow("%s, A", control) << control << int(Qt::Key_A) << 0;
        }
    }

    void returnPressesAFocusedButton()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(int, presses);

        QWidget window;
        const platform::Twips place{120, 120, 1500, 600};
        QAbstractButton* button = nullptr;
        if (control == "push button")
            button = platform::addButton(&window, "Button", "Press", place, platform::kDefaultFont);
        else if (control == "picture button")
            button = platform::addPictureButton(&window, "Picture", "Press", QPixmap(16, 16), place,
                                                platform::kDefaultFont);
        else
            button = platform::addPanicSquare(&window, 120, 120);
        QLineEdit elsewhere(&window); // a second control, so that focus stays put
        elsewhere.move(0, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());

        QSignalSpy clicked(button, &QAbstractButton::clicked);
        const Qt::KeyboardModifiers keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(button, Qt::Key(key), keypad);
        if (presses)
            QTRY_COMPARE(clicked.count(), presses);
        else {
            QTest::qWait(300);
            QCOMPARE(clicked.count(), 0);
        }
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
