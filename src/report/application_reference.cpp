#include "report/application_reference.h"

#include "automation/automation_error.h"

namespace report {

automation::ObjectRef requireApplication(const automation::ObjectRef& application) {
    if (!application)
        throw automation::AutomationError("Object variable not set", automation::errors::kObjectVariableNotSet);
    return application;
}

}  // namespace report
