// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibility.h"

#include "platform/form.h"
#include "platform/picture_box.h"

#include <QAccessibleWidget>

namespace platform {
namespace {

QAccessibleInterface* describe(const QString&, QObject* object)
{
    if (auto* picture = qobject_cast<PictureBox*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    if (auto* window = qobject_cast<Form*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(describe), true);
    (void)installed;
}

} // namespace platform
