// Constants and cached results mapped onto the kinds the library writes.
#include "spreadsheet/xlsx/cell_entry.h"

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xlsx/xml_text.h"

#include <cmath>

namespace spreadsheet::xlsx {
namespace {

using model::Value;

// The value as a cell of the file holds it: a number that is not finite is #NUM!.
Value storable(Value value) {
    if (value.isNumber() && !std::isfinite(value.asNumber())) return Value::error(model::ErrorCode::Num);
    return value;
}

std::string errorLiteral(model::ErrorCode code) { return std::string(model::errorText(code)); }

// A cached result: a number, or the text a reader shows for it.
std::variant<double, std::string> resultOf(const Value& value) {
    switch (value.kind()) {
    case model::ValueKind::Number: return value.asNumber();
    case model::ValueKind::Text: return cellText(value.asText());
    case model::ValueKind::Boolean: return std::string(value.asBoolean() ? "TRUE" : "FALSE");
    case model::ValueKind::Error: return errorLiteral(value.asError());
    case model::ValueKind::Empty: break;
    }
    return 0.0;  // a formula reading only empty cells shows 0
}

CellEntry constantEntry(const Value& value) {
    switch (value.kind()) {
    case model::ValueKind::Number: return NumberEntry{value.asNumber()};
    case model::ValueKind::Text: return TextEntry{cellText(value.asText())};
    case model::ValueKind::Boolean: return BooleanEntry{value.asBoolean()};
    case model::ValueKind::Error: return FormulaEntry{errorLiteral(value.asError()), errorLiteral(value.asError())};
    case model::ValueKind::Empty: break;
    }
    return BlankEntry{};
}

}  // namespace

CellEntry cellEntry(const model::Cell& cell, model::CellAddress address, const std::function<Value()>& result) {
    if (!cell.hasFormula()) return constantEntry(storable(cell.constant));
    const Value cached = storable(result());
    const std::string a1 = cell.formula->toA1(address);
    const std::string_view body = std::string_view(a1).substr(a1.starts_with('=') ? 1 : 0);
    if (body.empty() || unicode::utf16Length(body) > kMaxFormulaCharacters) return constantEntry(cached);
    return FormulaEntry{cellText(body), resultOf(cached)};
}

}  // namespace spreadsheet::xlsx
