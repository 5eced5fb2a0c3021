// Globals, then the sheets the model can hold, then the model.
// Macro sheets and modules are read past; chart sheets come in with their charts.
#include "spreadsheet/xls/biff/reader/workbook_reader.h"

#include "spreadsheet/model/sheet_names.h"
#include "spreadsheet/xls/biff/charts/chart_reader.h"
#include "spreadsheet/xls/biff/reader/globals_reader.h"
#include "spreadsheet/xls/biff/reader/model_builder.h"
#include "spreadsheet/xls/biff/reader/worksheet_reader.h"
#include "spreadsheet/xls/biff/records/extern_sheet_table.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/xls_error.h"

#include <stdexcept>

namespace spreadsheet::xls::biff {
namespace {

// A chart sheet is its chart's substream.
void readChartSheet(Bytes stream, const WorkbookGlobals& globals, const ReadExternSheets& externs, ReadSheet& sheet) {
    const SheetEntry& entry = *sheet.entry;
    if (entry.offset >= stream.size())
        throwDamaged("the chart sheet \"" + entry.name + "\" starts past the end of the Workbook stream");
    RecordReader reader(stream, entry.offset);
    readBof(reader.next());
    sheet.chart = readChartSubstream(reader, globals.formats, externs, &sheet.chartPageSetup);
}

bool entersModel(const SheetEntry& entry) {
    return entry.type == boundsheet::kWorksheet || entry.type == boundsheet::kChartSheet;
}

// The names of the sheets the model receives follow the rules the writer keeps;
// a file that breaks them is refused rather than saved into something else.
void checkSheetNames(const std::vector<SheetEntry>& entries) {
    std::vector<std::string> names;
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entersModel(entries[i])) continue;
        const std::string& name = entries[i].name;
        const std::string sheet = "the BOUNDSHEET8 record of sheet " + std::to_string(i + 1);
        if (const std::optional<std::string> problem = model::sheetNameProblem(name))
            throwDamaged(sheet + " gives the name \"" + name + "\", which " + *problem);
        names.push_back(name);
        positions.push_back(i + 1);
        if (const std::optional<std::size_t> same = model::earlierSameName(names, names.size() - 1))
            throwDamaged(sheet + " gives the name \"" + name + "\", which sheet " + std::to_string(positions[*same]) +
                         " already has (\"" + names[*same] + "\"; sheet names are compared ignoring case)");
    }
}

}  // namespace

void readWorkbookStream(Bytes stream, model::Workbook& into) {
    if (into.sheetCount() != 0) throw std::invalid_argument("a workbook is read into an empty workbook only");
    const WorkbookGlobals globals = readGlobals(stream);
    checkSheetNames(globals.sheets);
    const ReadExternSheets externs(globals.externSheets);
    std::vector<ReadSheet> sheets;
    for (std::size_t i = 0; i < globals.sheets.size(); ++i) {
        const SheetEntry& entry = globals.sheets[i];
        ReadSheet sheet{&entry, static_cast<int>(i), std::nullopt, std::nullopt, {}};
        if (!entersModel(entry)) continue;  // macro sheets and modules have no place in the model
        if (entry.type == boundsheet::kWorksheet) {
            sheet.contents = readWorksheet(stream, entry.offset, globals, externs);
        } else {
            readChartSheet(stream, globals, externs, sheet);
        }
        sheets.push_back(std::move(sheet));
    }
    if (sheets.empty()) throwDamaged("the workbook lists no worksheet or chart sheet");
    buildWorkbook(globals, sheets, into);
}

}  // namespace spreadsheet::xls::biff
