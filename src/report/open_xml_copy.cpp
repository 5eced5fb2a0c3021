#include "report/open_xml_copy.h"

#include "automation/registry.h"
#include "report/excel_constants.h"
#include "report/save_format.h"

#include <QScopeGuard>

namespace report {

bool isOpenXmlName(const QString& fileName) { return fileName.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive); }

void saveOpenXmlCopy(automation::Registry& registry, const QString& temporaryWorkbook, const QString& destination) {
    using automation::Variant;
    const automation::ObjectRef application = OpenWorkbookInNewInstance(registry, temporaryWorkbook);
    const auto quit = qScopeGuard([&] {
        try {
            application->put("DisplayAlerts", Variant(false));
            application->call("Quit");
        } catch (...) {  // the copy's own outcome is what the caller hears of
        }
    });
    const automation::ObjectRef workbooks = automation::member(application, "Workbooks");
    const automation::ObjectRef workbook = automation::requireObject(workbooks->call("Item", {workbooks->get("Count")}));
    workbook->call("SaveAs", {Variant(destination.toStdString()), Variant(xl::kOpenXmlWorkbook)});
}

}  // namespace report
