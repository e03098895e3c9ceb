// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print_system.h"

#include <QByteArray>

#include <cups/cups.h>

#include <memory>

namespace platform::print_system {
namespace {

struct CloseConnection {
    void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, CloseConnection>;

// A connection of our own to the scheduler, so that a mute scheduler ends a
// request after the time limit instead of after CUPS's own minutes.
Connection connect()
{
    constexpr int kConnectMs = 5000;
    http_t* http =
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectMs, nullptr);
    if (http)
        httpSetTimeout(http, kAnswerSeconds, nullptr, nullptr);
    return Connection(http);
}

QByteArray queueName(const QString& printer)
{
    return printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
}

} // namespace

QueueState queueState(const QString& printer)
{
    const Connection http = connect();
    if (!http)
        return {};
    cups_dest_t* dest = cupsGetNamedDest(http.get(), queueName(printer).constData(), nullptr);
    if (!dest)
        return {};
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const char* orientation = cupsGetOption("orientation-requested", dest->num_options, dest->options);
    QueueState answer;
    answer.known = true;
    answer.paused = state && qstrcmp(state, "5") == 0;                // IPP_PSTATE_STOPPED
    answer.landscape = orientation && qstrcmp(orientation, "4") == 0; // IPP_ORIENT_LANDSCAPE
    cupsFreeDests(1, dest);
    return answer;
}

int submit(const QString& printer, const QString& file, const QString& title)
{
    const Connection http = connect();
    if (!http)
        return 0;
    return cupsPrintFile2(http.get(), queueName(printer).constData(), file.toLocal8Bit().constData(),
                          title.toUtf8().constData(), 0, nullptr);
}

JobState jobState(const QString& printer, int job)
{
    const Connection http = connect();
    if (!http)
        return JobState::Unknown;
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(http.get(), &jobs, queueName(printer).constData(), 0, CUPS_WHICHJOBS_ALL);
    JobState answer = count < 0 ? JobState::Unknown : JobState::Failed; // gone without a trace
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id != job)
            continue;
        switch (jobs[i].state) {
        case IPP_JSTATE_PENDING:
        case IPP_JSTATE_HELD:
        case IPP_JSTATE_PROCESSING:
            answer = JobState::Waiting;
            break;
        case IPP_JSTATE_COMPLETED:
            answer = JobState::Printed;
            break;
        case IPP_JSTATE_STOPPED:
        case IPP_JSTATE_CANCELED:
        case IPP_JSTATE_ABORTED:
            answer = JobState::Failed;
            break;
        }
    }
    cupsFreeJobs(count, jobs);
    return answer;
}

void cancel(const QString& printer, int job)
{
    if (const Connection http = connect())
        cupsCancelJob2(http.get(), queueName(printer).constData(), job, 0);
}

} // namespace platform::print_system
