// PrinterSetup0: the print layout of the active sheet — one landscape A4 page,
// narrow margins, no header or footer space, no comments.
#pragma once

#include "automation/object.h"
#include "shell/message_service.h"

namespace report {

// Runs each step under its own error trap; a refused property is reported
// with its line and the remaining steps still run.
void PrinterSetup0(const automation::ObjectRef& application, shell::MessageService& messages);

}  // namespace report
