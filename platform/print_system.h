#pragma once

#include <QString>

// What Qt's print support does not tell about the CUPS print system: whether
// it took the job it was handed (Qt drops the answer, so a queue that refuses
// jobs would pass for a printed page), and whether a queue is paused (it would
// take a job and hold it, and nothing would come out). Both are asked of the
// CUPS library that Qt's print support has loaded already, through its stable
// C interface, so the build needs no CUPS headers. Without that library there
// is no answer: nothing is paused and nothing refused.
namespace platform::print_system {

// The queue of a printer named as Qt names it ("queue" or "queue/instance")
// is stopped.
bool queuePaused(const QString& printer);

// The thread's last request to CUPS failed: right after Qt has handed over a
// job, that the job was refused.
bool lastRequestFailed();

} // namespace platform::print_system
