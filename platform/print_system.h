// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Questions for the CUPS scheduler that Qt's print support does not ask: the
// state of a queue, handing a document over as a job whose number we keep,
// and that job's fate. Each call waits for the scheduler at most
// kAnswerSeconds for each answer, but may still take longer where the
// scheduler trickles; call them off the GUI thread.
namespace platform::print_system {

inline constexpr double kAnswerSeconds = 10.0;

// What the queue of a printer named as Qt names it ("queue" or
// "queue/instance") says of itself; `known` is false when it could not be
// asked.
struct QueueState {
    bool known = false;
    bool paused = false;    // stopped: it takes jobs and holds them
    bool landscape = false; // its default orientation
};
QueueState queueState(const QString& printer);

// Hands a PDF file to the printer's queue as one job with this title: the
// job's number, or 0 when the queue refused it or could not be reached.
int submit(const QString& printer, const QString& file, const QString& title);

enum class JobState { Waiting, Printed, Failed, Unknown };
JobState jobState(const QString& printer, int job);

// Takes the job out of the queue, whatever it has printed so far.
void cancel(const QString& printer, int job);

} // namespace platform::print_system
