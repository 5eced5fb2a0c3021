// Makes the embedded spreadsheet creatable under its automation class name.
#pragma once

#include "automation/registry.h"

namespace spreadsheet::objects {

inline constexpr const char* kApplicationClassName = "Excel.Application";

void registerApplicationClass(automation::Registry& registry);

}  // namespace spreadsheet::objects
