// What the reader gathers from the workbook stream before it touches the
// model: the globals (fonts, formats, XFs, palette, sheets, shared strings,
// EXTERNSHEET entries, names) and each sheet's contents, embedded charts
// included. A damaged file is refused while these are filled, so the target
// workbook stays untouched.
#pragma once

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/chart.h"
#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/model/palette.h"
#include "spreadsheet/model/sheet.h"
#include "spreadsheet/model/style.h"
#include "spreadsheet/xls/biff/charts/drawing_reader.h"
#include "spreadsheet/xls/biff/records/name_records.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace spreadsheet::xls::biff {

// An XF's fields as stored.
struct StoredXf {
    uint16_t font = 0;
    uint16_t format = 0;
    uint8_t alignment = 0;
    uint32_t borderLines = 0;   // line styles, left and right colours
    uint32_t borderColors = 0;  // top and bottom colours, fill pattern
    uint16_t fillColors = 0;
};

struct SheetEntry {
    std::string name;
    uint8_t type = 0;  // boundsheet::kWorksheet, kChartSheet, ...
    std::size_t offset = 0;
};

struct WorkbookGlobals {
    std::map<uint16_t, model::Font> fonts;  // by font index
    std::map<uint16_t, std::string> formats;
    std::vector<StoredXf> xfs;
    std::optional<model::Palette> palette;
    std::vector<SheetEntry> sheets;
    int activeSheet = 0;
    std::vector<std::string> sharedStrings;
    std::vector<std::optional<std::string>> externSheets;  // the sheet each EXTERNSHEET entry names
    std::vector<DefinedName> names;
};

struct ReadCell {
    model::CellAddress address;
    uint16_t xf = 0;
    model::Value value;                                // the constant, or a formula's cached result
    std::shared_ptr<const formula::Formula> formula;   // null for constants
};

struct ReadColumns {
    int first = 1;  // 1-based, inclusive
    int last = 1;
    uint16_t width = 0;
    uint16_t xf = 0;
    uint16_t flags = 0;
};

struct ReadRow {
    int row = 1;
    uint16_t height = 0;  // twips
    uint16_t flags = 0;
    uint16_t xf = 0;
};

// An embedded chart: where its shape is anchored, and the chart.
struct SheetContents {
    std::vector<ReadCell> cells;
    std::vector<ReadColumns> columns;
    std::vector<ReadRow> rows;
    std::optional<uint16_t> defaultColumnCharacters;  // DEFCOLWIDTH
    std::optional<uint16_t> standardWidth;            // STANDARDWIDTH, in 1/256 characters
    std::optional<uint16_t> defaultRowHeight;         // twips
    std::vector<model::CellRange> merges;
    std::optional<model::RangeList> selection;
    model::CellAddress activeCell{1, 1};
    model::PageSetup pageSetup;
    std::vector<ReadShape> shapes;  // embedded charts in z-order
};

}  // namespace spreadsheet::xls::biff
