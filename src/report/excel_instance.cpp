// Filling and emptying the instance reference.
#include "report/excel_instance.h"

#include "automation/registry.h"
#include "report/excel_constants.h"

namespace report {

void ExcelInstance::CreateExcelInstance() {
    m_application = m_registry.CreateObject(xl::kApplicationClass);
}

void ExcelInstance::ReleaseExcelInstance() {
    m_application.reset();
}

}  // namespace report
