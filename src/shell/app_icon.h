// The application icon, shipped inside the program.
#pragma once

#include <QIcon>

namespace shell {

QIcon appIcon();

}  // namespace shell
