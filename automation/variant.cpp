// Conversions between automation types, with the runtime's rules: Booleans are
// -1/0 as numbers and "True"/"False" as text, integers round half to even and
// overflow rather than wrap, Null converts to nothing but itself.
#include "automation/variant.h"

#include "automation/automation_error.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace automation {
namespace {

[[noreturn]] void typeMismatch() { throw AutomationError("Type mismatch", errors::kTypeMismatch); }
[[noreturn]] void overflow() { throw AutomationError("Overflow", errors::kOverflow); }
[[noreturn]] void invalidNull() { throw AutomationError("Invalid use of Null", errors::kInvalidUseOfNull); }

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Rounds half to even and checks the target range, as integer coercion does.
template <typename Int>
Int roundToInteger(double value) {
    if (std::isnan(value)) overflow();
    const double rounded = std::nearbyint(value);
    if (rounded < double(std::numeric_limits<Int>::min()) || rounded > double(std::numeric_limits<Int>::max()))
        overflow();
    return static_cast<Int>(rounded);
}

}  // namespace

Variant Variant::null() {
    Variant v;
    v.m_type = VarType::Null;
    return v;
}

Variant Variant::missing() { return Variant(ErrorValue{kParamNotFound}); }

bool Variant::isMissing() const {
    return m_type == VarType::Error && std::get<int32_t>(m_value) == kParamNotFound;
}

bool Variant::isNumeric() const {
    return m_type == VarType::Bool || m_type == VarType::I2 || m_type == VarType::I4 || m_type == VarType::R8;
}

double Variant::toDouble() const {
    switch (m_type) {
    case VarType::Empty: return 0.0;
    case VarType::Null: invalidNull();
    case VarType::Bool:
    case VarType::I2: return std::get<int16_t>(m_value);
    case VarType::I4: return std::get<int32_t>(m_value);
    case VarType::R8: return std::get<double>(m_value);
    case VarType::String: {
        double out = 0;
        const std::string text = lower(trim(std::get<std::string>(m_value)));
        if (parseNumber(text, out)) return out;
        if (text == "true") return -1.0;
        if (text == "false") return 0.0;
        typeMismatch();
    }
    case VarType::Object:
    case VarType::Error: typeMismatch();
    }
    typeMismatch();
}

bool Variant::toBool() const {
    if (m_type == VarType::Null) invalidNull();
    return toDouble() != 0.0;
}

int16_t Variant::toI2() const { return roundToInteger<int16_t>(toDouble()); }

int32_t Variant::toI4() const { return roundToInteger<int32_t>(toDouble()); }

std::string Variant::toString() const {
    switch (m_type) {
    case VarType::Empty: return {};
    case VarType::Null: invalidNull();
    case VarType::Bool: return std::get<int16_t>(m_value) ? "True" : "False";
    case VarType::I2: return std::to_string(std::get<int16_t>(m_value));
    case VarType::I4: return std::to_string(std::get<int32_t>(m_value));
    case VarType::R8: return formatNumber(std::get<double>(m_value));
    case VarType::String: return std::get<std::string>(m_value);
    case VarType::Object:
    case VarType::Error: typeMismatch();
    }
    typeMismatch();
}

ObjectRef Variant::toObject() const {
    if (m_type != VarType::Object) throw AutomationError("Object required", errors::kObjectRequired);
    return std::get<ObjectRef>(m_value);
}

std::string Variant::typeName() const {
    switch (m_type) {
    case VarType::Empty: return "VT_EMPTY";
    case VarType::Null: return "VT_NULL";
    case VarType::Bool: return "VT_BOOL";
    case VarType::I2: return "VT_I2";
    case VarType::I4: return "VT_I4";
    case VarType::R8: return "VT_R8";
    case VarType::String: return "VT_BSTR";
    case VarType::Object: return "VT_DISPATCH";
    case VarType::Error: return "VT_ERROR";
    }
    return "VT_UNKNOWN";
}

std::string Variant::describe() const {
    switch (m_type) {
    case VarType::Empty: return "EMPTY";
    case VarType::Null: return "NULL";
    case VarType::Bool: return std::get<int16_t>(m_value) ? "BOOL(true)" : "BOOL(false)";
    case VarType::I2: return "I2(" + toString() + ")";
    case VarType::I4: return "I4(" + toString() + ")";
    case VarType::R8: return "R8(" + toString() + ")";
    case VarType::String: return "BSTR(\"" + std::get<std::string>(m_value) + "\")";
    case VarType::Object: return std::get<ObjectRef>(m_value) ? "OBJECT" : "NOTHING";
    case VarType::Error: return isMissing() ? "MISSING" : "ERROR(" + std::to_string(std::get<int32_t>(m_value)) + ")";
    }
    return "?";
}

bool Variant::operator==(const Variant& other) const {
    return m_type == other.m_type && m_value == other.m_value;
}

std::string formatNumber(double value) {
    if (value == 0.0) return "0";  // also folds -0
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    // printf writes at least two exponent digits ("1E+20", "1E-05"), as the runtime does.
    return text;
}

bool parseNumber(const std::string& text, double& out) {
    const std::string trimmed = trim(text);
    if (trimmed.empty()) return false;
    for (char c : trimmed) {
        const bool allowed = std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' ||
                             c == 'e' || c == 'E';
        if (!allowed) return false;  // rejects "inf", "nan" and hexadecimal forms strtod would take
    }
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || errno == ERANGE) return false;
    out = value;
    return true;
}

}  // namespace automation
