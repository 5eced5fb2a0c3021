#include "shell/app_icon.h"

// Resources compiled into a static library must be registered by hand, from
// outside any namespace.
static void registerShellResources() { Q_INIT_RESOURCE(quorvane); }

namespace shell {

QIcon appIcon() {
    static const bool registered = (registerShellResources(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/quorvane/icon.png"));
}

}  // namespace shell
