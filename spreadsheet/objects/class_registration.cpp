// Registering the application class without pictures of ranges (the workbook-only core).
#include "spreadsheet/objects/class_registration.h"

#include "spreadsheet/objects/application.h"

namespace spreadsheet::objects {

void registerWorkbookApplicationClass(automation::Registry& registry) {
    registry.registerClass(kApplicationClassName, [] { return std::make_shared<Application>(); });
}

}  // namespace spreadsheet::objects
