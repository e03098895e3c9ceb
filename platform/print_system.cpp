#include "platform/print_system.h"

#include <QByteArray>
#include <QLibrary>

namespace platform::print_system {
namespace {

// cups_option_t and cups_dest_t of <cups/cups.h>.
struct Option {
    char* name;
    char* value;
};
struct Dest {
    char* name;
    char* instance;
    int isDefault;
    int numOptions;
    Option* options;
};

struct Cups {
    int (*lastError)() = nullptr;
    Dest* (*getNamedDest)(void* http, const char* name, const char* instance) = nullptr;
    const char* (*getOption)(const char* name, int count, Option* options) = nullptr;
    void (*freeDests)(int count, Dest* dests) = nullptr;

    Cups()
    {
        // Loading only counts one more user: the library stays as Qt loaded it.
        QLibrary library(QStringLiteral("cups"), 2);
        lastError = reinterpret_cast<decltype(lastError)>(library.resolve("cupsLastError"));
        getNamedDest = reinterpret_cast<decltype(getNamedDest)>(library.resolve("cupsGetNamedDest"));
        getOption = reinterpret_cast<decltype(getOption)>(library.resolve("cupsGetOption"));
        freeDests = reinterpret_cast<decltype(freeDests)>(library.resolve("cupsFreeDests"));
    }
};

const Cups& cups()
{
    static const Cups library;
    return library;
}

} // namespace

bool queuePaused(const QString& printer)
{
    const Cups& library = cups();
    if (!library.getNamedDest || !library.getOption || !library.freeDests)
        return false;
    const QByteArray queue = printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    Dest* dest = library.getNamedDest(nullptr, queue.constData(), nullptr);
    if (!dest)
        return false;
    // printer-state: 3 idle, 4 processing, 5 stopped.
    const char* state = library.getOption("printer-state", dest->numOptions, dest->options);
    const bool stopped = state && qstrcmp(state, "5") == 0;
    library.freeDests(1, dest);
    return stopped;
}

bool lastRequestFailed()
{
    // IPP status codes from 0x0400 on are errors; below are successes.
    constexpr int kFirstError = 0x0400;
    const Cups& library = cups();
    return library.lastError && library.lastError() >= kFirstError;
}

} // namespace platform::print_system
