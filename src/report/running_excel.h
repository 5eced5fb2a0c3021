// The warning shown before a generation when a spreadsheet instance is already
// running: the lookup of a running instance, and the Yes/No question that lets
// the user stop.
#pragma once

#include "shell/message_service.h"

namespace automation {
class Registry;
}

namespace report {

// The question's text, byte for byte (a lone CR after the first sentence, two
// CR LF pairs before the question).
QString excelMayBeOpenMessage();

// True when a running "Excel.Application" instance is found and its default
// member reads "Microsoft Excel". Any failure of the lookup answers false.
bool IsExcelRunning(const automation::Registry& registry);

// True means the caller must not go on. Shows nothing and answers false when no
// instance is running; otherwise asks (Yes/No, application title) and answers
// false on Yes, true on No.
bool WarnExcelOpen(const automation::Registry& registry, shell::MessageService& messages);

}  // namespace report
