// Values of every kind, error values with their file codes, and how they compare.
#include "spreadsheet/model/value.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace spreadsheet::model {
namespace {

struct ErrorName {
    ErrorCode code;
    std::string_view text;
};

constexpr std::array<ErrorName, 7> kErrorNames = {{
    {ErrorCode::Null, "#NULL!"},
    {ErrorCode::Div0, "#DIV/0!"},
    {ErrorCode::Value, "#VALUE!"},
    {ErrorCode::Ref, "#REF!"},
    {ErrorCode::Name, "#NAME?"},
    {ErrorCode::Num, "#NUM!"},
    {ErrorCode::NA, "#N/A"},
}};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::string_view errorText(ErrorCode code) {
    for (const ErrorName& e : kErrorNames)
        if (e.code == code) return e.text;
    return "#VALUE!";
}

std::optional<ErrorCode> parseErrorText(std::string_view text) {
    for (const ErrorName& e : kErrorNames)
        if (equalsIgnoringCase(e.text, text)) return e.code;
    return std::nullopt;
}

std::string Value::debugString() const {
    switch (kind()) {
    case ValueKind::Empty: return "<empty>";
    case ValueKind::Number: {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", asNumber());
        return buffer;
    }
    case ValueKind::Text: return "\"" + asText() + "\"";
    case ValueKind::Boolean: return asBoolean() ? "TRUE" : "FALSE";
    case ValueKind::Error: return std::string(errorText(asError()));
    }
    return "?";
}

}  // namespace spreadsheet::model
