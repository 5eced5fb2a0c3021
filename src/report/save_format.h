// The instances the driver needs around saving: the FileFormat that the
// application's version calls for, and a second instance that opens the saved
// workbook. Neither has a trap: a failure reaches the calling step.
#pragma once

#include "automation/object.h"

#include <QString>
#include <cstdint>

namespace automation {
class Registry;
}

namespace report {

// 56 (the 97-2003 workbook) when the application's major version is above 11,
// else -4143 (the normal workbook). Without an application, a separate
// instance is created for the question and quit again.
int32_t GetSaveFileFormat(automation::Registry& registry, const automation::ObjectRef& application = nullptr);

// A new instance, never shown, with the workbook at path open in it.
automation::ObjectRef OpenWorkbookInNewInstance(automation::Registry& registry, const QString& path);

}  // namespace report
