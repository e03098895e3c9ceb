// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace platform {

struct FontSpec {
    const char* family;
    double points;
    bool bold = false;
    bool italic = false;
};

inline constexpr const char* kTimes = "Times New Roman";
inline constexpr const char* kSansSerif = "MS Sans Serif";

// A font as the layouts name it. "MS Sans Serif" has no metric alias on Linux
// and would fall back to a wider face, so it is substituted once, on first use.
QFont makeFont(const FontSpec& wanted);

} // namespace platform
