#include "ui/common/Resources.h"

#include <QtCore/QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(templates);
}

void initResources()
{
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered);
}
