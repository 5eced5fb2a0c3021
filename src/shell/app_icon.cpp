#include "shell/app_icon.h"

// Resources compiled into a static library must be registered by hand, from
// outside any namespace.
static void registerShellResources() { Q_INIT_RESOURCE(quorvane); }

namespace shell {

// Read once for both windows: a new QIcon decodes the whole picture just to
// learn its size, which costs more than the preview's other work on showing.
QIcon appIcon() {
    static const bool registered = (registerShellResources(), true);
    Q_UNUSED(registered);
    static const QIcon icon(QStringLiteral(":/quorvane/icon.png"));
    return icon;
}

}  // namespace shell
