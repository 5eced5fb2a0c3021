// Builds the breakeven workbook through the embedded spreadsheet exactly as the
// program does (through the automation interface) and saves it, for the
// independent readers to judge. By default the whole workbook: the driver's
// one-sheet workbook named as the data sheet, GenerateReport with the layout,
// the three charts and the page setup, then C5 and the first sheet selected
// and SaveAs in the format the instance's version calls for, as the driver
// leaves it.
// With "cells", only the worksheet layout and the page setup are written,
// without the charts. With "xlsx", the saved workbook is then opened again in
// a new instance and saved as an Office Open XML workbook at <out>, as the
// program's Save does for a .xlsx name (the 97-2003 file is removed). Data
// sets: the sample, the worked example, all empty, text in number fields
// ("text"), and a name of 300 characters from many scripts ("long-name").
//   make_breakeven_workbook <out> [sample|worked|empty|text|long-name] [cells] [xlsx]
#include "automation/registry.h"
#include "breakeven_inputs.h"
#include "report/breakeven_layout.h"
#include "report/generate_report.h"
#include "report/open_xml_copy.h"
#include "report/page_setup.h"
#include "report/save_format.h"
#include "shell/context_names.h"
#include "shell/error_report.h"
#include "shell/message_service.h"
#include "spreadsheet/objects/class_registration.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QStringList>
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

// The sample with words where the price and the commission go: the
// arithmetic on them gives #VALUE!, the sums pass them by.
QMap<QString, QString> textInNumberFields() {
    QMap<QString, QString> texts = testing_support::sampleTexts();
    texts.insert("txtSalesPrice", "twelve");
    texts.insert("txtCommission", "two");
    return texts;
}

// The sample under a name of 300 characters (code points) from many scripts,
// some beyond the Basic Multilingual Plane; tests/interop/xlsx_data_sets.py
// builds the same name.
QMap<QString, QString> longName() {
    QMap<QString, QString> texts = testing_support::sampleTexts();
    const QString piece = QString::fromUtf8("Smith & Söhne — Αθήνα 東京 Привет \xF0\x9F\x93\x88 ");
    const QList<uint> pieceCodes = piece.toUcs4();
    QList<uint> codes;
    while (codes.size() < 300) codes.append(pieceCodes.at(codes.size() % pieceCodes.size()));
    texts.insert("txtName", QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.constData()), codes.size()));
    return texts;
}

QMap<QString, QString> dataSet(const QString& name) {
    if (name == QLatin1String("worked")) return testing_support::workedExampleTexts();
    if (name == QLatin1String("empty")) return {};
    if (name == QLatin1String("text")) return textInNumberFields();
    if (name == QLatin1String("long-name")) return longName();
    return testing_support::sampleTexts();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_breakeven_workbook <out> [sample|worked|empty|text|long-name] [cells] [xlsx]\n");
        return 2;
    }
    QStringList options;
    for (int i = 3; i < argc; ++i) options << QString::fromLocal8Bit(argv[i]);
    const QString out = QString::fromLocal8Bit(argv[1]);
    const bool openXml = options.contains(QLatin1String("xlsx"));
    const QString saved = openXml ? out + QLatin1String(".xls") : out;

    automation::Registry registry;
    spreadsheet::objects::registerApplicationClass(registry);
    const automation::ObjectRef excel = registry.CreateObject("Excel.Application");
    const automation::ObjectRef workbook = automation::member(excel, "Workbooks")->call("Add").toObject();
    const automation::ObjectRef sheets = excel->get("Sheets").toObject();
    while (sheets->get("Count").toI4() > 1) sheets->get("Item", {int16_t{2}}).toObject()->call("Delete");
    sheets->get("Item", {int16_t{1}}).toObject()->put("Name", "Breakeven Analysis Data");

    FailingMessages messages;
    const testing_support::FieldTexts fields(dataSet(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString()));
    if (options.contains(QLatin1String("cells"))) {
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
    workbook->call("SaveAs", {saved.toStdString()}, {{"FileFormat", format}});
    if (openXml) {
        report::saveOpenXmlCopy(registry, saved, out);
        QFile::remove(saved);
    }
    return messages.count == 0 ? 0 : 1;
}
