// A fresh instance of the embedded spreadsheet with one new workbook, driven
// through the automation interface as a client drives it.
#pragma once

#include "automation/automation_error.h"
#include "automation/registry.h"
#include "spreadsheet/objects/class_registration.h"

#include <gtest/gtest.h>
#include <string>

namespace object_tests {

using automation::Args;
using automation::ObjectRef;
using automation::Variant;

struct Instance {
    automation::Registry registry;
    ObjectRef app;
    ObjectRef workbook;

    Instance() {
        spreadsheet::objects::registerApplicationClass(registry);
        app = registry.CreateObject("Excel.Application");
        workbook = automation::member(app, "Workbooks")->call("Add").toObject();
    }

    ObjectRef range(const char* address) { return app->get("Range", {address}).toObject(); }
    Variant value(const char* address) { return range(address)->get("Value"); }
    void write(const char* address, const Variant& entry) { range(address)->put("FormulaR1C1", entry); }
};

// The description of the AutomationError a call throws, or "" when it does not throw.
inline std::string failureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const automation::AutomationError& e) {
        return e.what();
    }
    return "";
}

}  // namespace object_tests
