#include "platform/window_printing.h"

#include "platform/colours.h"
#include "platform/geometry.h"
#include "platform/message_box.h"
#include "platform/print_system.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace platform {
namespace {

PrintResult sendToDefaultPrinter(const PrintedPage& page)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return PrintResult::NoPrinter;
    if (print_system::queuePaused(info.printerName()))
        return PrintResult::PrinterPaused;

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(page.window);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(page.inches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::Failed;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF paper(0, 0, page.inches.width() * printer.resolution(),
                       page.inches.height() * printer.resolution());
    painter.drawImage(paper, page.image);
    if (!painter.end() || print_system::lastRequestFailed())
        return PrintResult::Failed;
    return PrintResult::Printed;
}

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
    case PrintResult::PrinterPaused:
        return QStringLiteral("The report could not be printed: the printer is paused.");
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

} // namespace

void setPageSink(PageSink newSink)
{
    sink() = std::move(newSink);
}

PrintedPage renderWindow(QWidget* window)
{
    // Drawn afresh at paper resolution: text stays sharp, where a screen
    // grab scaled up to the page would not.
    const QSize pixels = window->size();
    const qreal scale = qreal(kPrintDpi) / kScreenDpi;
    QImage image(pixels * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    withPaperColours(window, [&] {
        image.fill(window->palette().color(window->backgroundRole()));
        window->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    });
    image.setDevicePixelRatio(1.0);
    image.setDotsPerMeterX(qRound(kPrintDpi / 0.0254));
    image.setDotsPerMeterY(qRound(kPrintDpi / 0.0254));
    return {window->objectName(), image,
            QSizeF(pixels.width() / qreal(kScreenDpi), pixels.height() / qreal(kScreenDpi))};
}

bool printWindows(const std::vector<QWidget*>& windows)
{
    for (QWidget* window : windows) {
        const PrintedPage page = renderWindow(window);
        const PrintResult result = sink() ? sink()(page) : sendToDefaultPrinter(page);
        if (result != PrintResult::Printed) {
            tellTheUser(result);
            return false;
        }
    }
    return true;
}

} // namespace platform
