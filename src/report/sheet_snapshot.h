// saveCellsActivesheet: the picture of the used range of a workbook's active
// sheet, as the spreadsheet shows it on screen, written as a 24-bit BMP file.
// The spreadsheet hands the picture straight to the program (CopyPicture, then
// the application's copied picture), so the user's clipboard is never touched.
#pragma once

#include "automation/object.h"
#include "shell/message_service.h"

#include <QString>

namespace report {

// Runs its steps under its own error trap: a failing step is reported with its
// line and the next step runs; nothing reaches the caller. A used range that
// ends in row 1 or column 1 writes no file.
void saveCellsActivesheet(const automation::ObjectRef& workbook, const QString& bitmapPath,
                          const automation::ObjectRef& application, shell::MessageService& messages);

}  // namespace report
