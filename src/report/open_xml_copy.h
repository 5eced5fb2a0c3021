// The saved workbook as an Excel Workbook (.xlsx): a fresh spreadsheet
// instance opens the temporary workbook and saves it in the Office Open XML
// format, so every cell, style, chart and page setting goes over by the
// spreadsheet's own rules. The destination is replaced in one step.
//
//   if (isOpenXmlName(name)) saveOpenXmlCopy(registry, mExcelFile, name);
#pragma once

#include <QString>

namespace automation {
class Registry;
}

namespace report {

// True for a name ending in ".xlsx", in any case.
bool isOpenXmlName(const QString& fileName);

// Converts the temporary workbook (which must be complete: see
// readWorkbookToSave) to Office Open XML at the destination. The instance is
// quit whatever happens. Throws automation::AutomationError or
// std::runtime_error naming what failed; the destination is then as it was.
void saveOpenXmlCopy(automation::Registry& registry, const QString& temporaryWorkbook, const QString& destination);

}  // namespace report
