// Number text through std::to_chars/from_chars: the program runs with the
// user's locale, under which printf and strtod would use a decimal comma.
#include "spreadsheet/formula/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace spreadsheet::formula {
namespace {

constexpr int kFirstScientificExponent = 15;  // 1E+15 and above print as 1E+15
constexpr int kLastPositionalExponent = -9;   // 1E-9 prints as 0.000000001, 1E-10 as 1E-10

// Significant digits (no trailing zeros) and decimal exponent of |value|,
// so that |value| = d.ddd × 10^exponent; precision < 0 asks for the shortest.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits digitsOf(double value, int precision) {
    char buffer[64];
    const auto result = precision < 0
                            ? std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific)
                            : std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                            std::chars_format::scientific, precision);
    const std::string text(buffer, result.ptr);
    const size_t e = text.find('e');
    Digits out;
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.') out.digits += text[i];
    while (out.digits.size() > 1 && out.digits.back() == '0') out.digits.pop_back();
    out.exponent = std::stoi(text.substr(e + 1));
    return out;
}

// Lays digits out positionally or as d.dddE+XX (at least two exponent digits).
std::string layout(const Digits& d, bool negative) {
    std::string out = negative ? "-" : "";
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent >= kFirstScientificExponent || d.exponent < kLastPositionalExponent) {
        out += d.digits.substr(0, 1);
        if (count > 1) out += "." + d.digits.substr(1);
        const int magnitude = std::abs(d.exponent);
        out += d.exponent < 0 ? "E-" : "E+";
        out += (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    } else if (d.exponent < 0) {
        out += "0." + std::string(static_cast<size_t>(-d.exponent - 1), '0') + d.digits;
    } else if (count <= d.exponent + 1) {
        out += d.digits + std::string(static_cast<size_t>(d.exponent + 1 - count), '0');
    } else {
        out += d.digits.substr(0, static_cast<size_t>(d.exponent + 1)) + "." +
               d.digits.substr(static_cast<size_t>(d.exponent + 1));
    }
    return out;
}

}  // namespace

std::string formulaNumberText(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    return layout(digitsOf(value, -1), value < 0);
}

std::string generalNumberText(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    return layout(digitsOf(value, 14), value < 0);
}

double roundToSignificant(double value, int digits) {
    if (value == 0 || !std::isfinite(value)) return value;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    double out = value;
    std::from_chars(buffer, result.ptr, out);
    return out;
}

std::optional<double> readDecimal(std::string_view text) {
    size_t i = 0;
    size_t mantissaDigits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++mantissaDigits;
    if (i < text.size() && text[i] == '.') ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++mantissaDigits;
    if (mantissaDigits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const size_t exponentStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        if (i == exponentStart) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    double value = 0;
    // from_chars takes neither "+" nor a leading "."; the grammar above has no sign.
    const std::string digits = text.front() == '.' ? "0" + std::string(text) : std::string(text);
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace spreadsheet::formula
