// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry.h"

#include "platform/form.h"

#include <QPointer>
#include <unordered_map>
#include <vector>

namespace platform {
namespace {

std::unordered_map<std::type_index, QPointer<Form>>& instances()
{
    static std::unordered_map<std::type_index, QPointer<Form>> map;
    return map;
}

} // namespace

void destroyAllForms()
{
    auto& map = instances();
    std::vector<QPointer<Form>> all;
    for (auto& [type, instance] : map)
        all.push_back(instance);
    map.clear();
    for (const QPointer<Form>& window : all)
        delete window.data();
}

Form* findForm(std::type_index type)
{
    const auto at = instances().find(type);
    return at == instances().end() ? nullptr : at->second.data();
}

void registerForm(std::type_index type, Form* window)
{
    instances()[type] = window;
}

void forgetForm(Form* window)
{
    for (auto& [type, instance] : instances()) {
        if (instance == window)
            instance.clear();
    }
}

} // namespace platform
