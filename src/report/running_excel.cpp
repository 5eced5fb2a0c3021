// Detecting a running spreadsheet instance and asking whether to go on anyway.
#include "report/running_excel.h"

#include "automation/registry.h"
#include "report/excel_constants.h"

namespace report {

QString excelMayBeOpenMessage() {
    return QStringLiteral("Excel may be open. It is recommended that you close Excel first.") +
           QStringLiteral("\r") + QStringLiteral("Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.") +
           QStringLiteral("\r\n\r\n") + QStringLiteral("Would you like to proceed anyway?");
}

bool IsExcelRunning(const automation::Registry& registry) {
    try {
        const automation::ObjectRef running = registry.GetObject(xl::kApplicationClass);
        return running->get("Value").toString() == xl::kApplicationName;
    } catch (...) {
        return false;  // no instance, or one that cannot answer: nothing to warn about
    }
}

bool WarnExcelOpen(const automation::Registry& registry, shell::MessageService& messages) {
    if (!IsExcelRunning(registry)) return false;
    const shell::MessageAnswer answer = shell::showMessage(messages, excelMayBeOpenMessage(), shell::MessageIcon::None,
                                                           shell::MessageButtons::YesNo);
    return answer != shell::MessageAnswer::Yes;
}

}  // namespace report
