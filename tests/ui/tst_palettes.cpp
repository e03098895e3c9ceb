// SPDX-License-Identifier: GPL-3.0-or-later
#include "celtic_fixture.h"
#include "reading_support.h"
#include "ui_support.h"

#include "platform/colours.h"
#include "platform/registry.h"
#include "platform/window_printing.h"
#include "readings/celtic_cross.h"
#include "readings/one_card.h"
#include "readings/significateur.h"
#include "readings/three_cards.h"
#include "reports/cc_print_pages.h"
#include "reports/cc_rapport.h"
#include "shell/about.h"
#include "shell/document_windows.h"
#include "shell/main_menu.h"
#include "shell/omvelis_form.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QtTest>
#include <functional>
#include <map>

namespace {

// A dark scheme as desktop themes make them: light text on dark grey.
QPalette darkPalette()
{
    QPalette dark;
    const QColor window(50, 50, 50);
    const QColor base(30, 30, 30);
    const QColor text(230, 230, 230);
    for (auto [role, colour] : {std::pair{QPalette::Window, window},
                                {QPalette::WindowText, text},
                                {QPalette::Base, base},
                                {QPalette::AlternateBase, window},
                                {QPalette::Text, text},
                                {QPalette::Button, QColor(60, 60, 60)},
                                {QPalette::ButtonText, text},
                                {QPalette::BrightText, QColor(Qt::white)},
                                {QPalette::ToolTipBase, window},
                                {QPalette::ToolTipText, text},
                                {QPalette::PlaceholderText, QColor(140, 140, 140)},
                                {QPalette::Light, QColor(90, 90, 90)},
                                {QPalette::Midlight, QColor(75, 75, 75)},
                                {QPalette::Mid, QColor(40, 40, 40)},
                                {QPalette::Dark, QColor(20, 20, 20)},
                                {QPalette::Shadow, QColor(Qt::black)},
                                {QPalette::Highlight, QColor(42, 130, 218)},
                                {QPalette::HighlightedText, QColor(Qt::white)}})
        dark.setColor(role, colour);
    return dark;
}

QPalette lightPalette()
{
    return QApplication::style()->standardPalette();
}

enum class Scheme { Light, Dark };

QPalette paletteOf(Scheme scheme)
{
    return scheme == Scheme::Dark ? darkPalette() : lightPalette();
}

// How to bring each window on screen with something in it.
using Opener = std::function<QWidget*()>;

template <class T> QWidget* shown()
{
    T& window = platform::form<T>();
    window.show();
    return &window;
}

QWidget* spreadAfter(const QString& steps)
{
    uitest::startAtMainMenu();
    if (!uitest::play(steps))
        return nullptr;
    return uitest::currentSpread();
}

QWidget* reportAfter(const QString& steps, const char* report)
{
    uitest::startAtMainMenu();
    if (!uitest::play(steps))
        return nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(report))
            return window;
    }
    return nullptr;
}

void chooseTower()
{
    Module1::SignIndex = 16;
    Module1::SignInfo();
}

QWidget* celticReport()
{
    chooseTower();
    uitest::layCelticCross(uitest::kRenamedFirst);
    auto* report = static_cast<CCRapport*>(shown<CCRapport>());
    // Two steps on: a red box and a white title, a grey title left behind,
    // and plain system-coloured titles beside them.
    report->UpCom->click();
    report->UpCom->click();
    return report;
}

template <class Page> QWidget* printPage()
{
    chooseTower();
    uitest::layCelticCross(uitest::kRenamedFirst);
    return shown<Page>();
}

const std::map<QString, Opener>& openers()
{
    static const std::map<QString, Opener> table{
        {"OmvelisForm", shown<OmvelisForm>},
        {"Significateur", shown<Significateur>},
        {"MainMenu", shown<MainMenu>},
        {"OneCard", [] { return spreadAfter("1p"); }},
        {"ThreeCards", [] { return spreadAfter("3p"); }},
        {"CelticCross",
         [] {
             chooseTower();
             auto* spread = static_cast<CelticCross*>(shown<CelticCross>());
             spread->Command1->click();
             return static_cast<QWidget*>(spread);
         }},
        {"OCRapport", [] { return reportAfter("1pr", "OCRapport"); }},
        {"TCRapport", [] { return reportAfter("3pr", "TCRapport"); }},
        {"CCRapport", celticReport},
        {"CCPrintAll", printPage<CCPrintAll>},
        {"CCPrintAll2", printPage<CCPrintAll2>},
        {"CCPrintAll3", printPage<CCPrintAll3>},
        {"LectureDesc", shown<LectureDesc>},
        {"HistoireDesc", shown<HistoireDesc>},
        {"CartesDesc", shown<CartesDesc>},
        {"About", shown<About>},
    };
    return table;
}

// The colour behind a widget: its own fill, or that of the nearest
// ancestor that fills itself.
QColor backgroundBehind(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return QApplication::palette().color(QPalette::Window);
}

// Text and the colour it is drawn on, for every control of a window that
// shows text, keyed by its path of object names.
struct Shown {
    QColor fore, back;
    QString text;
    bool operator==(const Shown&) const = default;
};

QString pathOf(const QWidget* widget, const QWidget* window)
{
    QStringList names;
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget())
        names.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                : w->objectName());
    return names.join('/');
}

std::map<QString, Shown> textControls(QWidget* window);

// A window brought on screen and active, once it shows text: the start-up
// window shows its button only when activated.
QWidget* opened(const QString& name)
{
    QWidget* window = openers().at(name)();
    if (!window)
        return nullptr;
    window->activateWindow();
    if (!QTest::qWaitFor([window] { return !textControls(window).empty(); }, 5000))
        qWarning("%s shows no text", qPrintable(name));
    return window;
}

std::map<QString, Shown> textControls(QWidget* window)
{
    std::map<QString, Shown> found;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        Shown seen;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            seen = {label->palette().color(label->foregroundRole()), backgroundBehind(label), label->text()};
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            seen = {button->palette().color(QPalette::ButtonText), button->palette().color(QPalette::Button),
                    button->text()};
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
            seen = {box->palette().color(QPalette::Text), box->palette().color(QPalette::Base),
                    box->toPlainText().left(40)};
        } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
            seen = {rich->palette().color(QPalette::Text), rich->palette().color(QPalette::Base),
                    rich->toPlainText().left(40)};
        } else {
            continue;
        }
        if (!seen.text.trimmed().isEmpty())
            found[pathOf(widget, window)] = seen;
    }
    return found;
}

QString describe(const QColor& colour)
{
    return colour.name();
}

} // namespace

class TestPalettes : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::freshProgram(); }
    void cleanup()
    {
        uitest::freshProgram();
        QApplication::setPalette(lightPalette());
    }

    void contrastOfColours_data()
    {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("equal") << QColor(120, 30, 200) << QColor(120, 30, 200) << 1.0;
        QTest::newRow("either order") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("red on black") << QColor(255, 0, 0) << QColor(Qt::black) << 5.25;
        QTest::newRow("grey on white") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
    }

    void contrastOfColours()
    {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(platform::contrastRatio(a, b) - ratio) < 0.01,
                 qPrintable(QString::number(platform::contrastRatio(a, b))));
    }

    // Fixed colours stay as given, readable or not; a system colour keeps the
    // palette's value where it reads, and gives way only to a fixed partner.
    void systemColourGivesWay_data()
    {
        using namespace platform;
        QTest::addColumn<int>("scheme");
        QTest::addColumn<uint>("back");
        QTest::addColumn<uint>("fore");
        QTest::addColumn<QColor>("shownBack");
        QTest::addColumn<QColor>("shownFore");
        const QPalette dark = darkPalette();
        const QPalette light = lightPalette();
        const auto d = int(Scheme::Dark);
        const auto l = int(Scheme::Light);
        QTest::newRow("dark: system text on white")
            << d << uint(kWhite) << uint(kButtonText) << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("dark: system text on grey")
            << d << uint(kGrey) << uint(kButtonText) << QColor(0xC0, 0xC0, 0xC0) << QColor(Qt::black);
        QTest::newRow("dark: system text on yellow")
            << d << uint(kYellow) << uint(kWindowText) << QColor(Qt::yellow) << QColor(Qt::black);
        QTest::newRow("dark: system text on black")
            << d << uint(kBlack) << uint(kWindowText) << QColor(Qt::black) << dark.color(QPalette::Text);
        QTest::newRow("dark: system pair")
            << d << uint(kButtonFace) << uint(kButtonText) << dark.color(QPalette::Button)
            << dark.color(QPalette::ButtonText);
        QTest::newRow("dark: fixed text on system face")
            << d << uint(kButtonFace) << uint(kBlack) << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("dark: fixed pair")
            << d << uint(kWhite) << uint(kWhite) << QColor(Qt::white) << QColor(Qt::white);
        QTest::newRow("light: system text on white")
            << l << uint(kWhite) << uint(kButtonText) << QColor(Qt::white)
            << light.color(QPalette::ButtonText);
        QTest::newRow("light: system text on black")
            << l << uint(kBlack) << uint(kWindowText) << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("light: system pair") << l << uint(kWindowBackground) << uint(kWindowText)
                                            << light.color(QPalette::Base) << light.color(QPalette::Text);
    }

    void systemColourGivesWay()
    {
        QFETCH(int, scheme);
        QFETCH(uint, back);
        QFETCH(uint, fore);
        QFETCH(QColor, shownBack);
        QFETCH(QColor, shownFore);
        QApplication::setPalette(paletteOf(Scheme(scheme)));
        const platform::ColourPair pair = platform::resolvePair(back, fore);
        QCOMPARE(pair.back, shownBack);
        QCOMPARE(pair.fore, shownFore);
    }

    void everyWindowReads_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("scheme");
        for (const auto& [name, open] : openers()) {
            QTest::newRow(qPrintable(name + " light")) << name << int(Scheme::Light);
            QTest::newRow(qPrintable(name + " dark")) << name << int(Scheme::Dark);
        }
    }

    // Every text on every window stands out from what it is drawn on.
    void everyWindowReads()
    {
        QFETCH(QString, window);
        QFETCH(int, scheme);
        QApplication::setPalette(paletteOf(Scheme(scheme)));
        QWidget* shownWindow = opened(window);
        QVERIFY(shownWindow);
        const std::map<QString, Shown> controls = textControls(shownWindow);
        QVERIFY(!controls.empty());
        QStringList unreadable;
        for (const auto& [path, seen] : controls) {
            const double ratio = platform::contrastRatio(seen.fore, seen.back);
            if (ratio < platform::kReadableContrast)
                unreadable << QString("%1 (%2 on %3: %4)")
                                  .arg(path, describe(seen.fore), describe(seen.back))
                                  .arg(ratio, 0, 'f', 2);
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join("; ")));
    }

    void themeChangeWhileOpen_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        for (const auto& [name, open] : openers()) {
            QTest::newRow(qPrintable(name + " to dark")) << name << int(Scheme::Light) << int(Scheme::Dark);
            QTest::newRow(qPrintable(name + " to light")) << name << int(Scheme::Dark) << int(Scheme::Light);
        }
    }

    // A window open while the desktop's scheme changes ends up exactly as
    // one opened under the new scheme: nothing keeps the old colours.
    void themeChangeWhileOpen()
    {
        QFETCH(QString, window);
        QFETCH(int, from);
        QFETCH(int, to);

        QApplication::setPalette(paletteOf(Scheme(to)));
        QWidget* fresh = opened(window);
        QVERIFY(fresh);
        const std::map<QString, Shown> expected = textControls(fresh);
        const QColor expectedFill = fresh->palette().color(fresh->backgroundRole());

        uitest::freshProgram();
        QApplication::setPalette(paletteOf(Scheme(from)));
        QWidget* open = opened(window);
        QVERIFY(open);
        QApplication::setPalette(paletteOf(Scheme(to)));
        QCoreApplication::processEvents();
        const std::map<QString, Shown> after = textControls(open);

        QCOMPARE(after.size(), expected.size());
        for (const auto& [path, seen] : expected) {
            QVERIFY2(after.count(path), qPrintable(path));
            const Shown& now = after.at(path);
            QVERIFY2(now.fore == seen.fore && now.back == seen.back,
                     qPrintable(QString("%1: %2 on %3, opened afresh %4 on %5")
                                    .arg(path, describe(now.fore), describe(now.back), describe(seen.fore),
                                         describe(seen.back))));
        }
        // The window's own fill follows too.
        QCOMPARE(open->palette().color(open->backgroundRole()), expectedFill);
    }

    void printedAsOnPaper_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* page : {"CCPrintAll", "CCPrintAll2", "CCPrintAll3", "OCRapport", "TCRapport"})
            QTest::newRow(page) << QString(page);
    }

    // Paper is white whatever the desktop's scheme: a page prints under a dark
    // scheme as under a light one, and the window on screen keeps the dark.
    void printedAsOnPaper()
    {
        QFETCH(QString, window);
        QApplication::setPalette(lightPalette());
        QWidget* light = opened(window);
        QVERIFY(light);
        const QImage onLight = platform::renderWindow(light).image;

        uitest::freshProgram();
        QApplication::setPalette(darkPalette());
        QWidget* dark = opened(window);
        QVERIFY(dark);
        const std::map<QString, Shown> onScreen = textControls(dark);
        const QColor fill = dark->palette().color(dark->backgroundRole());
        const QImage onDark = platform::renderWindow(dark).image;

        QCOMPARE(onDark, onLight);
        QVERIFY(textControls(dark) == onScreen);
        QCOMPARE(dark->palette().color(dark->backgroundRole()), fill);
    }
};

QTEST_MAIN(TestPalettes)
#include "tst_palettes.moc"
