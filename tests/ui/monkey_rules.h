// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules the monkey checks after every action: what the program promises
// about its reading state, its windows, its reports and its printing,
// whatever the user did before.

#include "monkey.h"

#include <QPointer>
#include <QStringList>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

class CCRapport;

namespace monkey {

// The reading state at one moment.
struct Reading {
    std::array<std::int16_t, 79> drawn{};
    std::array<std::string, 79> names;
    std::array<std::int16_t, 79> images{};
    std::int16_t lastPosition = 0;
    std::int16_t dealCount = 0;
    std::int16_t signIndex = 0;
    std::int16_t signImage = 0;
    std::string signName;
    std::string signKeywords;
    std::string signDescription;
    std::string cardName;
    std::string cardDescription;
    std::int16_t cardImage = 0;

    static Reading now();
};

// Everything a rule compares between before and after an action.
struct Snapshot {
    Reading state;
    QStringList visible; // object names of the windows on screen, sorted
    QPointer<QWidget> oneCard, threeCards, celticCross, ocRapport, tcRapport, ccRapport;
    int highlighted = -1;

    static Snapshot now();
};

class Rules {
public:
    // The program has just started (again).
    void restarted();
    // Checks everything after one action.
    void after(const Action& action);

    const QStringList& failures() const { return failures_; }
    std::uint64_t checks() const { return checks_; }
    int deals() const { return deals_; }
    // The spread window that dealt in the last action, or nothing.
    const QString& dealtBy() const { return dealtBy_; }

private:
    template <class Describe> void expect(bool ok, Describe&& describe);

    void checkEnd(const Action& action);
    void checkQuestions(const Action& action);
    void checkPrinting(const Action& action);
    void checkReadingState(const Reading& state);
    void checkDeal(const Action& action, const Snapshot& now);
    void checkIdentifier(const Action& action, const Snapshot& now);
    void checkWindows(const Action& action, const Snapshot& now);
    void checkNavigation(const Action& action, const Snapshot& now);
    void checkPictures();
    void checkSpreadWindows();
    void checkFilledOnce(const QString& name, QWidget* window, const Snapshot& now);
    void checkCelticReport(const Action& action, const Snapshot& now);

    // What the right part of the Celtic Cross report showed last.
    struct RightPart {
        QPointer<CCRapport> window;
        int image = 0;
        QString name;
        QString text;
    };
    // A window whose contents are filled once: what it showed when first seen.
    struct Filled {
        QPointer<QWidget> window;
        QStringList contents;
    };
    struct Identifier {
        std::int16_t index;
        std::int16_t image;
        std::string name, keywords, description;
    };

    Snapshot before_;
    RightPart right_;
    std::map<QString, Filled> filled_;      // by window: the reports and the print pages
    std::map<QString, Filled> spreadShown_; // by window: the spread windows
    QString dealtBy_;                       // the spread window that dealt in this action
    std::optional<Identifier> chosen_;
    bool entered_ = false;
    int lastDealt_ = -1; // the last position of the latest deal of this run
    int deals_ = 0;

    QStringList failures_;
    std::uint64_t checks_ = 0;
};

} // namespace monkey
