// Save format by version, and the second instance. An instance created here
// and not handed back is quit even when the call after its creation fails, so
// that no hidden instance outlives the request.
#include "report/save_format.h"

#include "automation/automation_error.h"
#include "automation/registry.h"
#include "report/decimal_text.h"
#include "report/excel_constants.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace report {
namespace {

constexpr int kLastNormalFormatVersion = 11;

// Quits an instance after a failure; the first failure is the one that counts.
void quitQuietly(const automation::ObjectRef& instance) {
    try {
        instance->call("Quit");
    } catch (...) {
    }
}

// The text as a 16-bit whole number in the user's locale, rounded half to even.
int16_t localeWholeNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok) throw automation::AutomationError("Type mismatch", automation::errors::kTypeMismatch);
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > std::numeric_limits<int16_t>::max())
        throw automation::AutomationError("Overflow", automation::errors::kOverflow);
    return static_cast<int16_t>(rounded);
}

// The Version text of an instance created for this one question; quit after.
std::string versionOfSeparateInstance(automation::Registry& registry) {
    const automation::ObjectRef instance = registry.CreateObject(xl::kApplicationClass);
    std::string version;
    try {
        version = instance->get("Version").toString();
    } catch (...) {
        quitQuietly(instance);
        throw;
    }
    instance->call("Quit");
    return version;
}

}  // namespace

int32_t GetSaveFileFormat(automation::Registry& registry, const automation::ObjectRef& application) {
    const std::string version =
        application ? application->get("Version").toString() : versionOfSeparateInstance(registry);
    const int16_t major = localeWholeNumber(ConvertDecimalText(QString::fromStdString(version), false));
    return major > kLastNormalFormatVersion ? xl::kExcel8 : xl::kWorkbookNormal;
}

automation::ObjectRef OpenWorkbookInNewInstance(automation::Registry& registry, const QString& path) {
    const automation::ObjectRef instance = registry.CreateObject(xl::kApplicationClass);
    try {
        automation::member(instance, "Workbooks")->call("Open", {automation::Variant(path.toStdString())});
    } catch (...) {
        quitQuietly(instance);
        throw;
    }
    return instance;
}

}  // namespace report
