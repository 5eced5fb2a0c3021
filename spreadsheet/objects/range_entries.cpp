// Typed entries through a range: parsing what a user types, writing it to every cell, reading it back.
#include "spreadsheet/objects/range_entries.h"
#include "spreadsheet/objects/property_errors.h"

#include "automation/automation_error.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/formula/typed_entry.h"
#include "spreadsheet/numfmt/number_format.h"

#include <vector>

namespace spreadsheet::objects {
namespace {

using automation::AutomationError;
using automation::Variant;
using model::CellAddress;

// A cell's new content, prepared for every target cell before any is changed,
// so that a refused entry leaves every cell as it was.
struct PreparedEntry {
    CellAddress address;
    formula::TypedEntry entry;
    std::shared_ptr<const formula::Formula> formula;
};

[[noreturn]] void refuse(const std::string& member, const std::string& reason) { unableToSet(member, "Range", reason); }

formula::TypedEntry typedEntryOf(const Variant& value, const formula::NumberConventions& conventions,
                                 const std::string& member) {
    formula::TypedEntry entry;
    switch (value.type()) {
    case automation::VarType::Empty: return entry;
    case automation::VarType::Bool:
        entry.kind = formula::TypedEntry::Kind::Constant;
        entry.constant = model::Value::boolean(value.toBool());
        return entry;
    case automation::VarType::I2:
    case automation::VarType::I4:
    case automation::VarType::R8:
        entry.kind = formula::TypedEntry::Kind::Constant;
        entry.constant = model::Value::number(value.toDouble());
        return entry;
    case automation::VarType::String: break;
    default: refuse(member, "the value has a type a cell cannot hold");
    }
    try {
        return formula::readTypedEntry(value.toString(), conventions);
    } catch (const std::length_error& e) {
        refuse(member, e.what());
    }
}

std::vector<CellAddress> cellsOf(const model::RangeList& areas) {
    constexpr long long kMaxCellsWritten = 1 << 20;
    long long total = 0;
    for (const model::CellRange& area : areas) total += area.cellCount();
    if (total > kMaxCellsWritten) throw AutomationError("The range is too large to fill: " + std::to_string(total) + " cells.");
    std::vector<CellAddress> cells;
    for (const model::CellRange& area : areas)
        for (int r = area.first.row; r <= area.last.row; ++r)
            for (int c = area.first.column; c <= area.last.column; ++c) cells.push_back({r, c});
    return cells;
}

void store(model::Sheet& sheet, const PreparedEntry& prepared) {
    using Kind = formula::TypedEntry::Kind;
    switch (prepared.entry.kind) {
    case Kind::Empty: sheet.setConstant(prepared.address, model::Value()); break;
    case Kind::Constant: sheet.setConstant(prepared.address, prepared.entry.constant); break;
    case Kind::Formula: sheet.setFormula(prepared.address, prepared.formula); break;
    }
    const std::string& implied = prepared.entry.impliedFormat;
    if (!implied.empty() && sheet.effectiveStyle(prepared.address).numberFormat == model::kGeneralFormat)
        sheet.applyStyle(model::CellRange(prepared.address), [&](model::CellStyle& s) { s.numberFormat = implied; });
}

}  // namespace

void writeEntry(const SheetHandle& handle, const model::RangeList& areas, const Variant& value, Notation notation,
                const std::string& member) {
    model::Sheet& sheet = handle.get();
    const formula::TypedEntry entry = typedEntryOf(value, handle.app->conventions, member);
    std::vector<PreparedEntry> prepared;
    for (CellAddress address : cellsOf(areas)) {
        PreparedEntry p{address, entry, nullptr};
        if (entry.kind == formula::TypedEntry::Kind::Formula) {
            try {
                p.formula = notation == Notation::R1C1 ? formula::Formula::parseR1C1(entry.formulaText, address)
                                                       : formula::Formula::parseA1(entry.formulaText, address);
            } catch (const formula::FormulaError& e) {
                refuse(member, e.what());
            }
        }
        prepared.push_back(std::move(p));
    }
    for (const PreparedEntry& p : prepared) store(sheet, p);
}

Variant readFormula(const SheetHandle& handle, CellAddress address, Notation notation) {
    const model::Cell* cell = handle.get().findCell(address);
    if (!cell) return Variant(std::string());
    if (cell->hasFormula())
        return Variant(notation == Notation::R1C1 ? cell->formula->toR1C1(address) : cell->formula->toA1(address));
    const model::Value& v = cell->constant;
    switch (v.kind()) {
    case model::ValueKind::Empty: return Variant(std::string());
    case model::ValueKind::Number: return Variant(automation::formatNumber(v.asNumber()));
    case model::ValueKind::Text: return Variant(v.asText());
    case model::ValueKind::Boolean: return Variant(std::string(v.asBoolean() ? "TRUE" : "FALSE"));
    case model::ValueKind::Error: return Variant(std::string(model::errorText(v.asError())));
    }
    return Variant(std::string());
}

model::Value computedValue(const SheetHandle& handle, CellAddress address) {
    handle.get();  // checks the sheet is still there
    return handle.doc->evaluator.cellValue(handle.index(), address);
}

Variant readValue(const SheetHandle& handle, CellAddress address) {
    const model::Value v = computedValue(handle, address);
    switch (v.kind()) {
    case model::ValueKind::Empty: return Variant();
    case model::ValueKind::Number: return Variant(v.asNumber());
    case model::ValueKind::Text: return Variant(v.asText());
    case model::ValueKind::Boolean: return Variant(v.asBoolean());
    case model::ValueKind::Error: return Variant(automation::ErrorValue{cellErrorCode(v.asError())});
    }
    return Variant();
}

// A code the formatter refuses (an opened file may hold one) shows the value as
// General, as the sheet picture does.
std::string readText(const SheetHandle& handle, CellAddress address) {
    const model::Value v = computedValue(handle, address);
    const std::string code = handle.get().effectiveStyle(address).numberFormat;
    numfmt::NumberFormat format;
    try {
        format = numfmt::NumberFormat::parse(code);
    } catch (const numfmt::NumberFormatError&) {
    }
    return format.format(v).text;
}

int32_t cellErrorCode(model::ErrorCode code) {
    // Cell errors reach clients as VT_ERROR values 2000 + an offset per kind.
    constexpr int32_t kCellErrorBase = static_cast<int32_t>(0x800A0000u);
    switch (code) {
    case model::ErrorCode::Null: return kCellErrorBase + 2000;
    case model::ErrorCode::Div0: return kCellErrorBase + 2007;
    case model::ErrorCode::Value: return kCellErrorBase + 2015;
    case model::ErrorCode::Ref: return kCellErrorBase + 2023;
    case model::ErrorCode::Name: return kCellErrorBase + 2029;
    case model::ErrorCode::Num: return kCellErrorBase + 2036;
    case model::ErrorCode::NA: return kCellErrorBase + 2042;
    }
    return kCellErrorBase + 2015;
}

}  // namespace spreadsheet::objects
