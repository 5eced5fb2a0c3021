#include "shell/excel_check.h"

#include "automation/registry.h"
#include "shell/end_program.h"

namespace shell {

QString excelMissingMessage() {
    const QString paragraphBreak = QStringLiteral("\r\n\r\n");
    return QStringLiteral("Error 842001. A normal instance of Excel could not be created.") + paragraphBreak +
           QStringLiteral("1. Please make sure Excel is installed on this computer.") + paragraphBreak +
           QStringLiteral("2. Please open Excel normally and make sure a blank spreadsheet opens immediately without "
                          "any interrupting window (such as an Excel file recovery window).") +
           paragraphBreak +
           QStringLiteral("3. Please make sure that when you double-click on a XLS or XLSX file that Excel opens "
                          "normally without any interrupting messages.") +
           paragraphBreak +
           QStringLiteral("4. All versions of Excel are supported by this software except for the rare Excel "
                          "Starter and Student editions.");
}

void CheckExcelInstalled(automation::Registry& registry, MessageService& messages) {
    automation::ObjectRef instance;
    try {
        instance = registry.CreateObject("Excel.Application");
    } catch (const std::exception&) {
        // Errors are ignored here: no instance is the answer.
    }
    if (instance) return;  // released as it goes out of scope
    showMessage(messages, excelMissingMessage());
    throw EndProgram{kExitNoSpreadsheet};
}

}  // namespace shell
