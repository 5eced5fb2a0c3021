// Builds the breakeven workbook through the embedded spreadsheet exactly as the
// program does (through the automation interface) and saves it, for the
// independent readers to judge. By default the whole workbook: the driver's
// one-sheet workbook named as the data sheet, GenerateReport with the layout,
// the three charts and the page setup, then C5 and the first sheet selected
// and SaveAs in the format the instance's version calls for, as the driver
// leaves it.
// With "cells", only the worksheet layout and the page setup are written,
// without the charts.
//   make_breakeven_workbook <out.xls> [sample|worked|empty] [cells]
#include "automation/registry.h"
#include "breakeven_inputs.h"
#include "report/breakeven_layout.h"
#include "report/generate_report.h"
#include "report/page_setup.h"
#include "report/save_format.h"
#include "shell/context_names.h"
#include "shell/error_report.h"
#include "shell/message_service.h"
#include "spreadsheet/objects/class_registration.h"

#include <QCoreApplication>
#include <QMap>
#include <cstdio>

namespace {

// Any report during generation is a failure of the run.
class FailingMessages final : public shell::MessageService {
public:
    shell::MessageAnswer show(const shell::Message& message) override {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(message.text));
        ++count;
        return shell::MessageAnswer::Ok;
    }
    int count = 0;
};

QMap<QString, QString> dataSet(const QString& name) {
    if (name == QLatin1String("worked")) return testing_support::workedExampleTexts();
    if (name == QLatin1String("empty")) return {};
    return testing_support::sampleTexts();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_breakeven_workbook <out.xls> [sample|worked|empty] [cells]\n");
        return 2;
    }
    automation::Registry registry;
    spreadsheet::objects::registerApplicationClass(registry);
    const automation::ObjectRef excel = registry.CreateObject("Excel.Application");
    const automation::ObjectRef workbook = automation::member(excel, "Workbooks")->call("Add").toObject();
    const automation::ObjectRef sheets = excel->get("Sheets").toObject();
    while (sheets->get("Count").toI4() > 1) sheets->get("Item", {int16_t{2}}).toObject()->call("Delete");
    sheets->get("Item", {int16_t{1}}).toObject()->put("Name", "Breakeven Analysis Data");

    FailingMessages messages;
    const testing_support::FieldTexts fields(dataSet(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString()));
    if (argc > 3 && QLatin1String(argv[3]) == QLatin1String("cells")) {
        shell::ErrorTrap trap(shell::contexts::kGenerateReport, messages);
        report::writeBreakevenLayout(trap, excel, fields);
        report::PrinterSetup0(excel, messages);
    } else {
        report::GenerateReport(excel, fields, messages);
    }
    // As the driver leaves it: C5 current on the data sheet, the first sheet selected.
    excel->get("Range", {"C5"}).toObject()->call("Select");
    sheets->get("Item", {int16_t{1}}).toObject()->call("Select");
    const int32_t format = report::GetSaveFileFormat(registry, excel);
    workbook->call("SaveAs", {QString::fromLocal8Bit(argv[1]).toStdString()}, {{"FileFormat", format}});
    return messages.count == 0 ? 0 : 1;
}
