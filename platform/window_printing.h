// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/geometry.h"

#include <QImage>
#include <QPicture>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace platform {

inline constexpr int kPrintDpi = 300;

// One printed page: a window's whole client area as drawing commands (text
// stays text, pictures keep their own resolution), in the window's pixels,
// and the size it takes on paper, the window's own size at 96 pixels to the
// inch.
struct PrintedPage {
    QString window;
    QPicture picture;
    QSizeF inches;

    // The page drawn at `dpi` dots per inch on white, as a printer would.
    QImage image(double dpi = kPrintDpi) const;
};

// Where a page of `page` inches goes in the printable area of the paper (also
// in inches): at its top left at its own size, or scaled down to fit, never
// up, keeping its proportions.
QRectF placeOnPaper(QSizeF page, const QRectF& printable);

// NoPrinter: no default printer, or no print system to ask; NoAnswer: the
// print system did not answer within the time limit; Failed: the printer or
// the print system refused the page, or gave up on it.
enum class PrintResult { Printed, NoPrinter, NoAnswer, Failed };

// Where pages go: the system's default printer unless a test installs its own
// sink (the seam through which tests see what would have been printed). A
// sink is handed each page in turn in the GUI thread.
using PageSink = std::function<PrintResult(const PrintedPage&)>;
void setPageSink(PageSink sink);

// The page of a window as it would print, without printing it.
PrintedPage renderWindow(QWidget* window);

// Prints each window as one page, in order, each a job of its own, and tells
// the user once if it fails. The pages are drawn at once; everything that
// asks the print system happens off the GUI thread, so the program goes on
// while it answers (a busy cursor shows it), and a job that fails after the
// queue took it is told as well. While a print is under way another one
// starts nothing. True when the pages went out (to a sink) or are on their
// way (to the printer); false when nothing was started or a sink refused.
bool printWindows(const std::vector<QWidget*>& windows);
inline bool printWindow(QWidget* window)
{
    return printWindows({window});
}

// A print has been started and not yet handed to the print system, nor given
// up after the time limit.
bool printing();

} // namespace platform
