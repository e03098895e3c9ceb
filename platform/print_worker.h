// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/window_printing.h"

#include <atomic>
#include <functional>
#include <vector>

namespace platform {

// One print on its way, shared by the GUI thread, which may give up waiting
// for it, and the worker thread that talks to the print system.
struct PrintRun {
    std::vector<PrintedPage> pages;
    // Set by the GUI thread once it has told the user that the print system
    // does not answer: from then on nothing more is handed over, and a job
    // handed over meanwhile is taken back.
    std::atomic<bool> abandoned{false};
    // Called from the worker thread: once with the result of handing the
    // pages over, and later, if a job that was handed over fails, once more
    // with Failed.
    std::function<void(PrintResult)> handedOver;
    std::function<void()> failedLater;
};

// In a worker thread: each page on the default printer's default paper, one
// job each, then the jobs followed for a short while.
void printInThisThread(PrintRun& run);

} // namespace platform
