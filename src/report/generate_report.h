// GenerateReport: writes the whole breakeven sheet into the active sheet of
// the instance, under one error trap whose reports name the procedure and the
// failing step's line.
#pragma once

#include "automation/object.h"
#include "report/input_fields_source.h"
#include "shell/message_service.h"

namespace report {

// Runs every step in order; a failing step shows the procedure error report
// and the next step runs, so nothing fails out of here.
void GenerateReport(const automation::ObjectRef& application, const InputFieldsSource& fields,
                    shell::MessageService& messages);

}  // namespace report
