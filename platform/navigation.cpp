// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/navigation.h"

#include <utility>

namespace platform {
namespace {

std::function<void()>& mainMenu()
{
    static std::function<void()> show;
    return show;
}

} // namespace

void showMainMenu()
{
    if (mainMenu())
        mainMenu()();
}

void setMainMenu(std::function<void()> show)
{
    mainMenu() = std::move(show);
}

} // namespace platform
