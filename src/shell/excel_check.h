// The start-up check: can the spreadsheet application be created at all?
#pragma once

#include "shell/message_service.h"

namespace automation {
class Registry;
}

namespace shell {

inline constexpr int kExitNoSpreadsheet = 3;

// The five-paragraph message shown when no instance can be created.
QString excelMissingMessage();

// Creates an instance of "Excel.Application" and releases it at once (no Quit).
// When none can be created, shows the message, captioned with the application
// title, and ends the program (throws EndProgram) before any window is shown.
void CheckExcelInstalled(automation::Registry& registry, MessageService& messages);

}  // namespace shell
