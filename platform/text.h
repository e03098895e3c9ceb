// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

namespace platform {

// The program's fixed texts are held as UTF-8 views; this is how they reach
// the toolkit.
inline QString text(std::string_view held)
{
    return QString::fromUtf8(held.data(), qsizetype(held.size()));
}

} // namespace platform
