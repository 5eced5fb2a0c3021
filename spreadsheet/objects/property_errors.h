// The one wording of a refused property write, as clients of the
// spreadsheet application know it: "Unable to set the RowHeight property of
// the Range class: 500 is above 409.5".
#pragma once

#include <string>

namespace spreadsheet::objects {

// Throws automation::AutomationError (application-defined error).
[[noreturn]] void unableToSet(const std::string& property, const std::string& className, const std::string& reason);

// The same without the class, where the object's class is not the subject
// ("Unable to set the RowHeight property: 500 is above 409.5").
[[noreturn]] void unableToSet(const std::string& property, const std::string& reason);

}  // namespace spreadsheet::objects
