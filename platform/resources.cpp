// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/resources.h"

#include <QtCore/qresource.h>

static void initVeltranoResources()
{
    Q_INIT_RESOURCE(veltrano);
}

namespace platform {

void initResources()
{
    static const bool done = (initVeltranoResources(), true);
    (void)done;
}

} // namespace platform
