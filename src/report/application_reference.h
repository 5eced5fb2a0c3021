// The instance reference as the sheet's steps use it: an empty one (the
// instance was never created) fails the step as the runtime would.
#pragma once

#include "automation/object.h"

namespace report {

// The application object, or "Object variable not set" (error 91) when the reference is empty.
automation::ObjectRef requireApplication(const automation::ObjectRef& application);

}  // namespace report
