// One library call per cell, chosen by the cell's entry.
#include "spreadsheet/xlsx/cell_writer.h"

#include "spreadsheet/model/a1_notation.h"
#include "spreadsheet/xlsx/cell_entry.h"

namespace spreadsheet::xlsx {
namespace {

struct Target {
    lxw_worksheet* worksheet;
    lxw_row_t row;
    lxw_col_t column;
    lxw_format* format;
};

lxw_error write(const Target& t, const CellEntry& entry) {
    struct Writer {
        const Target& t;
        lxw_error operator()(const BlankEntry&) const { return worksheet_write_blank(t.worksheet, t.row, t.column, t.format); }
        lxw_error operator()(const NumberEntry& e) const {
            return worksheet_write_number(t.worksheet, t.row, t.column, e.number, t.format);
        }
        lxw_error operator()(const TextEntry& e) const {
            return worksheet_write_string(t.worksheet, t.row, t.column, e.text.c_str(), t.format);
        }
        lxw_error operator()(const BooleanEntry& e) const {
            return worksheet_write_boolean(t.worksheet, t.row, t.column, e.value ? 1 : 0, t.format);
        }
        lxw_error operator()(const FormulaEntry& e) const {
            if (const double* number = std::get_if<double>(&e.result))
                return worksheet_write_formula_num(t.worksheet, t.row, t.column, e.formula.c_str(), t.format, *number);
            return worksheet_write_formula_str(t.worksheet, t.row, t.column, e.formula.c_str(), t.format,
                                               std::get<std::string>(e.result).c_str());
        }
    };
    return std::visit(Writer{t}, entry);
}

}  // namespace

void writeCells(WriteContext& context, int sheetIndex, lxw_worksheet* worksheet) {
    const model::Sheet& sheet = context.workbook.sheet(sheetIndex);
    for (const auto& [address, cell] : sheet.cells()) {
        if (!model::isOnGrid(address)) continue;  // the grid the model and the 97-2003 file share
        const CellEntry entry = cellEntry(cell, address, [&] { return context.evaluator.cellValue(sheetIndex, address); });
        const Target target{worksheet, static_cast<lxw_row_t>(address.row - 1),
                            static_cast<lxw_col_t>(address.column - 1), context.formats.formatOf(cell.style)};
        checkLibrary(write(target, entry), "cell " + model::formatA1(address) + " of " + sheetWords(sheet));
    }
}

}  // namespace spreadsheet::xlsx
