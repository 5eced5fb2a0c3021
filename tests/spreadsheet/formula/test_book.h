// A small workbook for formula tests: cells are filled the way a user types
// them (through readTypedEntry), formulas in A1 or R1C1, and read through one
// Evaluator that lives as long as the book, so its cache is exercised too.
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/formula/typed_entry.h"
#include "spreadsheet/model/a1_notation.h"
#include "spreadsheet/model/workbook.h"

#include <gtest/gtest.h>

#include <ostream>

namespace spreadsheet::model {
inline void PrintTo(const Value& value, std::ostream* out) { *out << value.debugString(); }
}  // namespace spreadsheet::model

namespace formula_test {

using spreadsheet::model::ErrorCode;
using spreadsheet::model::Value;

inline Value num(double n) { return Value::number(n); }
inline Value txt(std::string t) { return Value::text(std::move(t)); }
inline Value boolean(bool b) { return Value::boolean(b); }
inline Value err(ErrorCode e) { return Value::error(e); }

inline spreadsheet::model::CellAddress at(std::string_view a1) {
    return spreadsheet::model::parseA1Area(a1).value().first;
}

class TestBook {
public:
    explicit TestBook(std::initializer_list<std::string> sheetNames = {"Data"}) {
        for (const std::string& name : sheetNames)
            m_book.addSheet(name, spreadsheet::model::SheetKind::Worksheet, m_book.sheetCount());
    }

    // Types text into a cell; a formula is read in A1 notation.
    void enter(std::string_view cell, std::string_view text, int sheet = 0) { put(cell, text, sheet, false); }
    // Types text into a cell; a formula is read in R1C1 notation, as the program writes them.
    void enterR1C1(std::string_view cell, std::string_view text, int sheet = 0) { put(cell, text, sheet, true); }

    Value value(std::string_view cell, int sheet = 0) { return m_evaluator.cellValue(sheet, at(cell)); }

    // The value of an A1 formula typed into a spare cell (H20 of the first sheet).
    Value eval(std::string_view formula) {
        enter("H20", formula);
        return value("H20");
    }

    spreadsheet::model::Workbook& book() { return m_book; }

private:
    void put(std::string_view cell, std::string_view text, int sheet, bool r1c1) {
        using spreadsheet::formula::Formula;
        using spreadsheet::formula::TypedEntry;
        const TypedEntry entry = spreadsheet::formula::readTypedEntry(text);
        auto& target = m_book.sheet(sheet);
        if (entry.kind == TypedEntry::Kind::Formula)
            target.setFormula(at(cell), r1c1 ? Formula::parseR1C1(entry.formulaText, at(cell))
                                             : Formula::parseA1(entry.formulaText, at(cell)));
        else
            target.setConstant(at(cell), entry.constant);
    }

    spreadsheet::model::Workbook m_book;
    spreadsheet::formula::Evaluator m_evaluator{m_book};
};

}  // namespace formula_test
