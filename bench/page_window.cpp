// SPDX-License-Identifier: GPL-3.0-or-later
// For the print-quality picture: the first page of the printed Celtic Cross
// report, shown on screen where a screenshot can take it, then printed on the
// default printer the way the report prints it.
//
// Prints "shown" once the page is on screen, and prints the page when a line
// arrives on standard input; prints "printed" (or "not printed") and ends.

#include "deck/module1.h"
#include "platform/registry.h"
#include "platform/resources.h"
#include "platform/window_printing.h"
#include "reports/cc_print_pages.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QtTest>

#include <array>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::initResources();

    // A fixed reading, so that the picture is the same at every run.
    constexpr std::array<std::int16_t, 10> kCards{16, 49, 1, 35, 44, 60, 77, 18, 19, 21};
    for (std::size_t i = 0; i < kCards.size(); ++i)
        Module1::DrawnCards[i] = kCards[i];
    Module1::LastPosition = 9;

    CCPrintAll& page = platform::form<CCPrintAll>();
    page.show();
    if (!QTest::qWaitForWindowExposed(&page))
        return 1;
    QTest::qWait(200); // the window manager has drawn nothing over it by now
    // The page is active on screen, as it never is when the report prints:
    // no text cursor in the picture.
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    QTest::qWait(100);
    std::printf("shown\n");
    std::fflush(stdout);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&page, &input] {
        input.setEnabled(false);
        // Handed to the print system in a thread of its own: done once the
        // print is no longer under way.
        const bool printed =
            platform::printWindow(&page) && QTest::qWaitFor([] { return !platform::printing(); }, 60000);
        std::printf(printed ? "printed\n" : "not printed\n");
        std::fflush(stdout);
        QCoreApplication::exit(printed ? 0 : 1);
    });
    const int code = QApplication::exec();
    platform::destroyAllForms();
    return code;
}
