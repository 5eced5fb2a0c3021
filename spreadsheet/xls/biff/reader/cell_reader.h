// Reading the cell records of a worksheet: text (shared, inline or rich),
// numbers (NUMBER, RK, MULRK), Booleans and errors, blanks (BLANK, MULBLANK)
// and formulas with their cached results (a text result in the STRING record
// that follows). Formulas come back as model formulas through the token
// decompiler; a shared formula is resolved once its SHRFMLA record has been
// read. A formula the decompiler cannot read keeps its cached value, so no
// cell content is lost.
#pragma once

#include "spreadsheet/xls/biff/reader/read_model.h"
#include "spreadsheet/xls/biff/records/extern_sheet_table.h"
#include "spreadsheet/xls/biff/records/record_reader.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace spreadsheet::xls::biff {

class CellReader {
public:
    CellReader(const WorkbookGlobals& globals, const ReadExternSheets& externs) : m_globals(globals), m_externs(externs) {}

    // Takes a cell record (or the STRING or SHRFMLA record that belongs to
    // one); false for any other record.
    bool read(const Record& record);
    // The cells read, shared formulas resolved.
    std::vector<ReadCell> finish();

private:
    struct SharedFormula {
        model::CellRange range;
        std::vector<uint8_t> tokens;
    };
    struct PendingShared {
        std::size_t cell;
        model::CellAddress base;
    };

    void add(uint16_t row, uint16_t column, uint16_t xf, model::Value value);
    void readLabelSst(const Record& record);
    void readText(const Record& record);
    void readNumber(const Record& record);
    void readRk(const Record& record);
    void readMulRk(const Record& record);
    void readBoolErr(const Record& record);
    void readBlank(const Record& record);
    void readMulBlank(const Record& record);
    void readFormula(const Record& record);
    void readString(const Record& record);
    void readSharedFormula(const Record& record);

    const WorkbookGlobals& m_globals;
    const ReadExternSheets& m_externs;
    std::vector<ReadCell> m_cells;
    std::optional<std::size_t> m_awaitingString;  // a formula cell whose text result comes next
    std::vector<SharedFormula> m_shared;
    std::vector<PendingShared> m_pending;
};

}  // namespace spreadsheet::xls::biff
