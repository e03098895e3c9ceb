// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

enum class Buttons { Ok, OkCancel, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// A question modal to the whole program, without an icon; the first button
// is the default (Return) and Escape answers Cancel (OK where there is none).
Answer messageBox(const QString& prompt, Buttons buttons, const QString& title);

} // namespace platform
