// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_printing.h"

#include "platform/colours.h"
#include "platform/geometry.h"
#include "platform/message_box.h"
#include "platform/print_worker.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <thread>

namespace platform {
namespace {

// How long the print system may take to take the pages, before the user is
// told it does not answer. A scheduler that has hung would otherwise keep the
// print waiting for minutes.
constexpr int kTimeLimitMs = 20000;

PageSink& sink()
{
    static PageSink current;
    return current;
}

QString failureText(PrintResult failure)
{
    switch (failure) {
    case PrintResult::NoPrinter:
        return QStringLiteral("The report could not be printed: no printer is available.");
    case PrintResult::NoAnswer:
        return QStringLiteral("The report could not be printed: the printer does not answer.");
    case PrintResult::Printed:
    case PrintResult::Failed:
        break;
    }
    return QStringLiteral("The report could not be printed.");
}

void tellTheUser(PrintResult failure)
{
    messageBox(failureText(failure), Buttons::Ok, QStringLiteral("Print"));
}

bool toSink(const std::vector<QWidget*>& windows)
{
    for (QWidget* window : windows) {
        const PrintResult result = sink()(renderWindow(window));
        if (result != PrintResult::Printed) {
            tellTheUser(result);
            return false;
        }
    }
    return true;
}

// The print under way in the GUI thread's eyes: the run the worker shares,
// until it has handed its pages over or been given up.
std::shared_ptr<PrintRun>& underway()
{
    static std::shared_ptr<PrintRun> run;
    return run;
}

// Ends the wait for `run` in the GUI thread, unless it ended already: true
// when this call ended it.
bool endWait(const std::shared_ptr<PrintRun>& run)
{
    if (underway() != run)
        return false;
    underway().reset();
    QApplication::restoreOverrideCursor();
    return true;
}

// Runs `action` in the GUI thread, whichever thread asks.
void inGuiThread(std::function<void()> action)
{
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, std::move(action), Qt::QueuedConnection);
}

void toPrinter(const std::vector<QWidget*>& windows)
{
    auto run = std::make_shared<PrintRun>();
    for (QWidget* window : windows)
        run->pages.push_back(renderWindow(window));
    const std::weak_ptr<PrintRun> weak = run;
    run->handedOver = [weak](PrintResult result) {
        inGuiThread([weak, result] {
            if (const auto run = weak.lock(); run && endWait(run) && result != PrintResult::Printed)
                tellTheUser(result);
        });
    };
    run->failedLater = [] { inGuiThread([] { tellTheUser(PrintResult::Failed); }); };

    underway() = run;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QTimer::singleShot(kTimeLimitMs, qApp, [weak] {
        const auto run = weak.lock();
        if (run && endWait(run)) {
            run->abandoned = true;
            tellTheUser(PrintResult::NoAnswer);
        }
    });
    // Detached: a print system that has hung may keep the thread for minutes,
    // and nothing should wait for it, not even the program's end.
    std::thread([run] { printInThisThread(*run); }).detach();
}

} // namespace

QImage PrintedPage::image(double dpi) const
{
    const double scale = dpi / qreal(kScreenDpi);
    QImage result((inches * dpi).toSize(), QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, picture);
    return result;
}

QRectF placeOnPaper(QSizeF page, const QRectF& printable)
{
    const double fit = std::min({1.0, printable.width() / page.width(), printable.height() / page.height()});
    return {printable.topLeft(), page * fit};
}

void setPageSink(PageSink newSink)
{
    sink() = std::move(newSink);
}

PrintedPage renderWindow(QWidget* window)
{
    // Recorded, not rendered: the printer draws it again at its own
    // resolution, text as text. The lines are broken here, at screen
    // resolution, as on screen.
    PrintedPage page{window->objectName(), QPicture(), QSizeF(window->size()) / qreal(kScreenDpi)};
    QPainter painter(&page.picture);
    withPaperColours(window, [&] {
        painter.fillRect(window->rect(), window->palette().color(window->backgroundRole()));
        window->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    });
    painter.end();
    return page;
}

bool printWindows(const std::vector<QWidget*>& windows)
{
    if (sink())
        return toSink(windows);
    if (printing())
        return false;
    toPrinter(windows);
    return true;
}

bool printing()
{
    return underway() != nullptr;
}

} // namespace platform
