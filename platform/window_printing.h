#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace platform {

// One printed page: an image of a window's whole client area, and the size
// it takes on paper, which is the window's own size at 96 dots per inch.
struct PrintedPage {
    QString window;
    QImage image; // rendered at kPrintDpi
    QSizeF inches;
};

inline constexpr int kPrintDpi = 300;

// NoPrinter: no default printer (or no print system to ask); PrinterPaused:
// the queue is stopped and would only hold the job; Failed: the printer or
// the print system refused the page.
enum class PrintResult { Printed, NoPrinter, PrinterPaused, Failed };

// Where pages go: the system's default printer unless a test installs its own
// sink (the seam through which tests see what would have been printed).
using PageSink = std::function<PrintResult(const PrintedPage&)>;
void setPageSink(PageSink sink);

// The image of a window as it would print, without printing it.
PrintedPage renderWindow(QWidget* window);

// Prints each window as one page, in order, each a job of its own. Stops at
// the first failure and tells the user once; true when every page printed.
bool printWindows(const std::vector<QWidget*>& windows);
inline bool printWindow(QWidget* window)
{
    return printWindows({window});
}

} // namespace platform
