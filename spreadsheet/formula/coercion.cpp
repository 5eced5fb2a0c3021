// Value conversions shared by operators and functions.
#include "spreadsheet/formula/coercion.h"

#include "spreadsheet/formula/number_text.h"
#include "spreadsheet/formula/typed_entry.h"

#include <cctype>

namespace spreadsheet::formula {
namespace {

using model::Value;
using model::ValueKind;

constexpr int kComparedDigits = 15;

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// Kinds in comparison order; empty never gets here.
int rank(ValueKind kind) {
    switch (kind) {
    case ValueKind::Number: return 0;
    case ValueKind::Text: return 1;
    default: return 2;
    }
}

// The value an empty operand stands for next to a value of the given kind.
Value emptyAs(ValueKind kind) {
    switch (kind) {
    case ValueKind::Text: return Value::text("");
    case ValueKind::Boolean: return Value::boolean(false);
    default: return Value::number(0);
    }
}

template <typename T>
int threeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

Value toNumber(const Value& value) {
    switch (value.kind()) {
    case ValueKind::Empty: return Value::number(0);
    case ValueKind::Number:
    case ValueKind::Error: return value;
    case ValueKind::Boolean: return Value::number(value.asBoolean() ? 1 : 0);
    case ValueKind::Text:
        if (const auto typed = readTypedNumber(value.asText())) return Value::number(typed->value);
        return Value::error(model::ErrorCode::Value);
    }
    return Value::error(model::ErrorCode::Value);
}

Value toBoolean(const Value& value) {
    switch (value.kind()) {
    case ValueKind::Empty: return Value::boolean(false);
    case ValueKind::Number: return Value::boolean(value.asNumber() != 0);
    case ValueKind::Boolean:
    case ValueKind::Error: return value;
    case ValueKind::Text: {
        const std::string text = upperCase(value.asText());
        if (text == "TRUE" || text == "FALSE") return Value::boolean(text == "TRUE");
        if (const auto typed = readTypedNumber(value.asText())) return Value::boolean(typed->value != 0);
        return Value::error(model::ErrorCode::Value);
    }
    }
    return Value::error(model::ErrorCode::Value);
}

Value toText(const Value& value) {
    switch (value.kind()) {
    case ValueKind::Empty: return Value::text("");
    case ValueKind::Number: return Value::text(generalNumberText(value.asNumber()));
    case ValueKind::Text:
    case ValueKind::Error: return value;
    case ValueKind::Boolean: return Value::text(value.asBoolean() ? "TRUE" : "FALSE");
    }
    return Value::error(model::ErrorCode::Value);
}

int compareValues(const Value& left, const Value& right) {
    if (left.isEmpty() && right.isEmpty()) return 0;
    if (left.isEmpty()) return compareValues(emptyAs(right.kind()), right);
    if (right.isEmpty()) return compareValues(left, emptyAs(left.kind()));
    if (rank(left.kind()) != rank(right.kind())) return threeWay(rank(left.kind()), rank(right.kind()));
    switch (left.kind()) {
    case ValueKind::Number:
        return threeWay(roundToSignificant(left.asNumber(), kComparedDigits),
                        roundToSignificant(right.asNumber(), kComparedDigits));
    case ValueKind::Text: return threeWay(upperCase(left.asText()), upperCase(right.asText()));
    default: return threeWay(left.asBoolean(), right.asBoolean());
    }
}

}  // namespace spreadsheet::formula
