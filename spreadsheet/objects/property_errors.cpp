// The refused property write, worded in one place.
#include "spreadsheet/objects/property_errors.h"

#include "automation/automation_error.h"

namespace spreadsheet::objects {

void unableToSet(const std::string& property, const std::string& className, const std::string& reason) {
    throw automation::AutomationError("Unable to set the " + property + " property of the " + className +
                                      " class: " + reason);
}

void unableToSet(const std::string& property, const std::string& reason) {
    throw automation::AutomationError("Unable to set the " + property + " property: " + reason);
}

}  // namespace spreadsheet::objects
