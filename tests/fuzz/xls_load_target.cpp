// Any bytes as an .xls file: a damaged file is refused with an XlsError, and
// whatever loads can be used — every cell evaluated, shown through its
// number format and its formula printed in both notations.
#include "fuzz_target.h"

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/numfmt/number_format.h"
#include "spreadsheet/xls/biff/workbook_file.h"

namespace quorvane::fuzz {
namespace {

namespace model = spreadsheet::model;

// What a cell shows: a code the number formats refuse shows the value as General.
void showCell(const model::Cell& cell, const model::Value& value) {
    spreadsheet::numfmt::NumberFormat format;
    try {
        format = spreadsheet::numfmt::NumberFormat::parse(cell.style.numberFormat);
    } catch (const spreadsheet::numfmt::NumberFormatError&) {
    }
    (void)format.format(value);
}

void useLoadedWorkbook(const model::Workbook& book) {
    spreadsheet::formula::Evaluator evaluator(book);
    for (int s = 0; s < book.sheetCount(); ++s) {
        for (const auto& [address, cell] : book.sheet(s).cells()) {
            const model::Value value = evaluator.cellValue(s, address);
            require(!(cell.hasFormula() && value.isEmpty()), "a formula cell evaluated to an empty value");
            showCell(cell, value);
            if (cell.formula) {
                (void)cell.formula->toA1(address);
                (void)cell.formula->toR1C1(address);
            }
        }
    }
}

void loadXls(std::span<const uint8_t> bytes) {
    model::Workbook book;
    try {
        spreadsheet::xls::biff::loadWorkbook(bytes, book);
    } catch (const spreadsheet::xls::biff::XlsError&) {
        require(book.sheetCount() == 0, "a refused file left sheets in the workbook");
        return;
    }
    require(book.sheetCount() > 0, "a loaded workbook has no sheet");
    useLoadedWorkbook(book);
}

}  // namespace
}  // namespace quorvane::fuzz

QUORVANE_FUZZ_TARGET(quorvane::fuzz::loadXls)
