// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print_worker.h"

#include "platform/print_system.h"

#include <QDeadlineTimer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QThread>

namespace platform {
namespace {

// How long a handed-over job is watched: long enough for a printer that
// fails at once to say so, short enough to let a slow one print unwatched.
constexpr int kFollowMs = 15000;
constexpr int kFollowStepMs = 300;
constexpr int kPdfDpi = 1200;

struct Paper {
    QString printer;
    QPageLayout layout;
    bool pausedAtStart = false;
};

// The default printer, its default paper and orientation, as its queue has
// them; no printer name when there is no default printer.
Paper defaultPaper()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {};
    const print_system::QueueState queue = print_system::queueState(info.printerName());
    // Asked for by name: a printer starts on the locale's paper, not its own.
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(info.defaultPageSize());
    printer.setPageOrientation(queue.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    // The printable area is what the printer can reach, not Qt's own margins.
    QPageLayout layout = printer.pageLayout();
    layout.setMargins(layout.minimumMargins());
    return {info.printerName(), layout, queue.paused};
}

// The page as a PDF document, on the paper given, into `file`.
bool writePdf(const PrintedPage& page, const QPageLayout& layout, QTemporaryFile& file)
{
    if (!file.open())
        return false;
    QPdfWriter writer(&file);
    writer.setTitle(page.window);
    writer.setCreator(QStringLiteral("Veltrano"));
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(layout);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The painter starts at the top left of the printable area.
    const QRectF printable(QPointF(), layout.paintRect(QPageLayout::Inch).size());
    const QRectF place = placeOnPaper(page.inches, printable);
    // A picture plays at its own physical size on any device: scaled only to fit.
    const double fit = place.width() / page.inches.width();
    painter.scale(fit, fit);
    painter.drawPicture(0, 0, page.picture);
    const bool written = painter.end();
    file.close();
    return written;
}

// Whether any of the jobs failed while they were watched. A queue that stops
// after it took our job, where it was running before, stopped on an error
// (a backend that failed): that fails the job too.
bool jobsFailed(const PrintRun& run, const Paper& paper, const std::vector<int>& jobs)
{
    const QDeadlineTimer until(kFollowMs);
    while (!until.hasExpired() && !run.abandoned) {
        bool waiting = false;
        for (int job : jobs) {
            const print_system::JobState state = print_system::jobState(paper.printer, job);
            if (state == print_system::JobState::Failed)
                return true;
            waiting = waiting || state != print_system::JobState::Printed;
        }
        if (!waiting)
            return false;
        if (!paper.pausedAtStart && print_system::queueState(paper.printer).paused)
            return true;
        QThread::msleep(kFollowStepMs);
    }
    return false;
}

// Takes back every job of ours that has not printed.
void cancelUnfinished(const Paper& paper, const std::vector<int>& jobs)
{
    for (int job : jobs) {
        if (print_system::jobState(paper.printer, job) != print_system::JobState::Printed)
            print_system::cancel(paper.printer, job);
    }
}

PrintResult handOver(PrintRun& run, const Paper& paper, std::vector<int>& jobs)
{
    if (paper.printer.isEmpty())
        return PrintResult::NoPrinter;
    for (const PrintedPage& page : run.pages) {
        QTemporaryFile file;
        if (!writePdf(page, paper.layout, file))
            return PrintResult::Failed;
        if (run.abandoned)
            return PrintResult::NoAnswer;
        const int job = print_system::submit(paper.printer, file.fileName(), page.window);
        if (job == 0)
            return PrintResult::Failed;
        jobs.push_back(job);
    }
    return PrintResult::Printed;
}

} // namespace

void printInThisThread(PrintRun& run)
{
    const Paper paper = defaultPaper();
    std::vector<int> jobs;
    const PrintResult result = handOver(run, paper, jobs);
    if (run.abandoned) {
        // The user was told it failed: it must not print after all.
        cancelUnfinished(paper, jobs);
        return;
    }
    if (result != PrintResult::Printed)
        cancelUnfinished(paper, jobs); // the pages before the one that failed
    run.handedOver(result);
    if (result != PrintResult::Printed)
        return;
    const bool failed = jobsFailed(run, paper, jobs);
    // Given up on meanwhile, it was told as failed: it must not print either.
    if (failed || run.abandoned)
        cancelUnfinished(paper, jobs);
    if (failed && !run.abandoned)
        run.failedLater();
}

} // namespace platform
