// The three values of a window's mouse pointer: the default arrow, the
// hourglass of work in progress, and the custom pointer over push buttons.
#pragma once

namespace shell {

enum class MousePointer { Default = 0, Hourglass = 11, Custom = 99 };

}  // namespace shell
