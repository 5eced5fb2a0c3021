// What the breakeven sheet and chart tests share: the input fields as the
// input window hands them over, the sample and worked-example figures, and
// one instance of the embedded spreadsheet with the workbook the generation
// driver prepares for GenerateReport (one sheet, named as the data sheet).
#pragma once

#include "automation/registry.h"
#include "breakeven_inputs.h"
#include "fake_message_service.h"
#include "spreadsheet/objects/application.h"
#include "spreadsheet/objects/class_registration.h"

#include <QMap>
#include <string>
#include <vector>

namespace breakeven_test {

inline constexpr const char* kDataSheet = "Breakeven Analysis Data";
inline constexpr const char* kChartSheet = "Breakeven Analysis Chart";

using Fields = testing_support::FieldTexts;

inline const QMap<QString, QString> kSample = testing_support::sampleTexts();
inline const QMap<QString, QString> kWorkedExample = testing_support::workedExampleTexts();

// One instance of the embedded spreadsheet with a new workbook cut down to one
// sheet named as the data sheet, as the driver leaves it before GenerateReport.
struct Instance {
    automation::Registry registry;
    automation::ObjectRef app;
    testing_support::FakeMessageService messages;

    Instance() {
        spreadsheet::objects::registerApplicationClass(registry);
        app = registry.CreateObject("Excel.Application");
        automation::member(app, "Workbooks")->call("Add");
        const automation::ObjectRef sheets = app->get("Sheets").toObject();
        while (sheets->get("Count").toI4() > 1) sheets->get("Item", {int16_t{2}}).toObject()->call("Delete");
        sheets->get("Item", {int16_t{1}}).toObject()->put("Name", kDataSheet);
    }

    spreadsheet::model::Workbook& book() const {
        return dynamic_cast<spreadsheet::objects::Application&>(*app).state()->activeWorkbook->workbook;
    }
    spreadsheet::model::Sheet& sheet(const char* name) const { return book().sheet(book().findSheet(name).value()); }
    std::vector<std::string> sheetNames() const {
        std::vector<std::string> out;
        for (int i = 0; i < book().sheetCount(); ++i) out.push_back(book().sheet(i).name());
        return out;
    }
};

}  // namespace breakeven_test
