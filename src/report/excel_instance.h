// The instance reference: the one application object through which the
// breakeven workbook is written. CreateExcelInstance fills it from the
// registry; ReleaseExcelInstance empties it. Between generations it is empty.
#pragma once

#include "automation/object.h"

namespace automation {
class Registry;
}

namespace report {

class ExcelInstance {
public:
    explicit ExcelInstance(automation::Registry& registry) : m_registry(registry) {}

    // Creates a new instance of "Excel.Application" into the reference. Has no
    // trap: a failure reaches the caller, and the reference keeps what it held.
    void CreateExcelInstance();

    // Empties the reference. The instance is released, not quit.
    void ReleaseExcelInstance();

    const automation::ObjectRef& application() const { return m_application; }
    bool isEmpty() const { return !m_application; }
    automation::Registry& registry() const { return m_registry; }

private:
    automation::Registry& m_registry;
    automation::ObjectRef m_application;
};

}  // namespace report
