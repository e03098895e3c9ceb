// SPDX-License-Identifier: GPL-3.0-or-later
// In-process figures, printed as one JSON object.
//   bench_inprocess images: the card image list against bare decoding of the
//     same pictures, in a process where nothing has asked the list yet;
//   bench_inprocess windows [--print]: a Celtic Cross deal to its window
//     painted, one step of the Celtic Cross report, the three print pages
//     recorded for paper and, with --print, the three pages handed
//     to the default printer.

#include "clock.h"
#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "platform/image_list.h"
#include "platform/registry.h"
#include "platform/resources.h"
#include "platform/window_printing.h"
#include "readings/celtic_cross.h"
#include "reports/cc_print_pages.h"
#include "reports/cc_rapport.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double msSince(std::int64_t startNs)
{
    return double(bench::monotonicNs() - startNs) / 1e6;
}

double timeMs(const std::function<void()>& action)
{
    const std::int64_t start = bench::monotonicNs();
    action();
    return msSince(start);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The first run, which may decode pictures on the way, and the median of the
// runs after it.
QJsonObject firstAndMedian(int runs, const std::function<double()>& once)
{
    const double first = once();
    std::vector<double> rest;
    for (int i = 1; i < runs; ++i)
        rest.push_back(once());
    return {{"first_ms", first}, {"median_ms", median(rest)}, {"runs", runs}};
}

QString cardFile(int imageNumber)
{
    return QStringLiteral(":/cards/%1.jpg").arg(imageNumber, 2, 10, QLatin1Char('0'));
}

// Every picture once through the image list and once decoded bare, the two in
// turns so that neither always finds the other's data warm; then the list
// asked again, which must find each picture kept.
QJsonObject imageListAgainstBareDecoding()
{
    // The JPEG reader is a plugin, loaded on the first JPEG read of the run:
    // loaded here, with a picture that is not one of the 79, so that neither
    // side pays for it. The list's own window and object are the list's cost.
    const QImage readerLoaded(QStringLiteral(":/pictures/menu-fool.jpg"));
    if (readerLoaded.isNull())
        std::fprintf(stderr, "no JPEG reader\n");
    double bare = 0, listed = 0;
    std::vector<QPixmap> bareKept;
    for (int n = 1; n <= deck::kImageCount; ++n) {
        const auto fromList = [&] { listed += timeMs([&] { platform::imageList().image(n); }); };
        const auto decoded = [&] { bare += timeMs([&] { bareKept.emplace_back(cardFile(n)); }); };
        if (n % 2) {
            fromList();
            decoded();
        } else {
            decoded();
            fromList();
        }
    }
    const double again = timeMs([] {
        for (int n = 1; n <= deck::kImageCount; ++n)
            platform::imageList().image(n);
    });
    return {{"bare_decode_ms", bare}, {"image_list_first_ms", listed}, {"image_list_again_ms", again}};
}

void showAndWait(QWidget& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "%s was never exposed\n", qPrintable(window.objectName()));
}

// Deal, then the whole window repainted at once: the cards drawn, ten
// pictures and names set, every pixel of the window drawn again.
QJsonObject dealToPainted(int runs)
{
    CelticCross& spread = platform::form<CelticCross>();
    showAndWait(spread);
    return firstAndMedian(runs, [&spread] {
        Module1::DealCount = 0; // the guard allows one deal a visit
        return timeMs([&spread] {
            spread.Command1->click();
            spread.repaint();
        });
    });
}

QJsonObject reportStep(int runs)
{
    CCRapport& report = platform::form<CCRapport>();
    showAndWait(report);
    return firstAndMedian(runs, [&report] {
        return timeMs([&report] {
            report.UpCom->click();
            report.repaint();
        });
    });
}

QJsonArray printPages(int runs)
{
    QJsonArray pages;
    const std::vector<std::pair<const char*, std::function<QWidget*()>>> makers = {
        {"CCPrintAll", [] { return &platform::form<CCPrintAll>(); }},
        {"CCPrintAll2", [] { return &platform::form<CCPrintAll2>(); }},
        {"CCPrintAll3", [] { return &platform::form<CCPrintAll3>(); }},
    };
    for (const auto& [name, make] : makers) {
        QWidget* page = nullptr;
        const double made = timeMs([&] { page = make(); });
        QJsonObject figures =
            firstAndMedian(runs, [page] { return timeMs([page] { platform::renderWindow(page); }); });
        figures.insert("page", QString::fromLatin1(name));
        figures.insert("made_and_filled_ms", made);
        figures.insert("pixels", QStringLiteral("%1 x %2").arg(page->width()).arg(page->height()));
        pages.append(figures);
    }
    return pages;
}

// The longest time the GUI thread went without running its event loop, read
// from a timer that asks to run every millisecond.
class LongestBlock {
public:
    LongestBlock()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        last_ = bench::monotonicNs();
        timer_.start(1);
    }
    double ms()
    {
        tick();
        return double(longest_) / 1e6;
    }

private:
    void tick()
    {
        const std::int64_t now = bench::monotonicNs();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    QTimer timer_;
    std::int64_t last_ = 0;
    std::int64_t longest_ = 0;
};

QJsonObject handToPrinter()
{
    LongestBlock block;
    QTest::qWait(50);
    const std::int64_t start = bench::monotonicNs();
    const bool printed = platform::printWindows(
        {&platform::form<CCPrintAll>(), &platform::form<CCPrintAll2>(), &platform::form<CCPrintAll3>()});
    // The pages are drawn in the call; the print system is asked in a thread
    // of its own, so the call returns before they are handed over.
    const bool handed = QTest::qWaitFor([] { return !platform::printing(); }, 60000);
    const double handedOver = msSince(start);
    QTest::qWait(50);
    return {{"printed", printed && handed},
            {"started_ns", QString::number(start)},
            {"handed_over_ms", handedOver},
            {"longest_block_ms", block.ms()}};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString mode = arguments.value(1);
    if (mode != QLatin1String("images") && mode != QLatin1String("windows")) {
        std::fprintf(stderr, "usage: bench_inprocess images | windows [--print]\n");
        return 2;
    }
    platform::initResources();

    QJsonObject figures;
    figures.insert("platform", QGuiApplication::platformName());
    figures.insert("qt", QString::fromLatin1(qVersion()));
    if (mode == QLatin1String("images")) {
        figures.insert("image_list", imageListAgainstBareDecoding());
    } else {
        // The Magician as the Identifier; the first deal decodes its pictures
        // on the way, as the program's first deal of a run does.
        Module1::SignIndex = 1;
        Module1::SignInfo();
        figures.insert("deal", dealToPainted(50));
        figures.insert("report_step", reportStep(50));
        figures.insert("print_pages", printPages(5));
        if (arguments.contains(QStringLiteral("--print")))
            figures.insert("cups", handToPrinter());
    }

    std::printf("%s\n", QJsonDocument(figures).toJson(QJsonDocument::Compact).constData());
    platform::destroyAllForms();
    return 0;
}
