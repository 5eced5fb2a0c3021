// The General format: a number in as few characters as a cell of a given width
// holds. Fixed-point when it shows the number exactly; otherwise fixed-point with
// fewer decimals or scientific with fewer mantissa digits, whichever keeps more
// significant digits (fixed-point when they tie). The format itself allows the
// digits eleven characters and puts the sign in front of them.
#include "spreadsheet/numfmt/decimal_digits.h"
#include "spreadsheet/numfmt/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace spreadsheet::numfmt {
namespace {

// Characters the General format gives a number's digits, whatever the sign.
constexpr int kGeneralChars = 11;

// A candidate text and the count of significant digits its width allows.
struct Candidate {
    std::string text;
    int capacity = 0;
    bool exact = false;  // every significant digit shown: nothing was rounded away
};

// Fixed-point: the integer part whole, then as many rounded decimals as fit.
std::optional<Candidate> fixedPoint(const DecimalDigits& number, int maxChars) {
    const int integerLength = std::max(number.pointPosition, 1);
    if (integerLength > maxChars) return std::nullopt;
    const int decimals = std::max(maxChars - integerLength - 1, 0);
    DecimalDigits rounded = number;
    rounded.roundToDecimals(decimals);
    if (rounded.isZero() || std::max(rounded.pointPosition, 1) > maxChars) return std::nullopt;
    const std::string integer = rounded.integerDigits();
    std::string text = integer.empty() ? "0" : integer;
    const int fractionLength = static_cast<int>(rounded.digits.size()) - rounded.pointPosition;
    if (fractionLength > 0) text += "." + rounded.fractionDigits(fractionLength);
    return Candidate{text, number.pointPosition + decimals, rounded.digits == number.digits};
}

// "d.dddE+XX" with `mantissaDigits` digits before trailing zeros are dropped.
std::string scientificText(DecimalDigits number, int mantissaDigits) {
    number.roundToSignificant(mantissaDigits);
    const int exponent = number.leadingExponent();
    std::string text = number.digits.substr(0, 1);
    if (number.digits.size() > 1) text += "." + number.digits.substr(1);
    const std::string exponentDigits = std::to_string(std::abs(exponent));
    text += exponent < 0 ? "E-" : "E+";
    text += exponentDigits.size() < 2 ? "0" + exponentDigits : exponentDigits;
    return text;
}

// Width of the scientific text with all `mantissaDigits` shown.
int scientificLength(int mantissaDigits, int exponent) {
    const int exponentLength = std::abs(exponent) >= 100 ? 3 : 2;
    return mantissaDigits + (mantissaDigits > 1 ? 1 : 0) + 2 + exponentLength;
}

// Scientific with as many mantissa digits as the width allows.
std::optional<Candidate> scientific(const DecimalDigits& number, int maxChars) {
    for (int digits = kSignificantDigits; digits >= 1; --digits) {
        if (scientificLength(digits, number.leadingExponent()) > maxChars) continue;
        std::string text = scientificText(number, digits);
        if (static_cast<int>(text.size()) <= maxChars) return Candidate{std::move(text), digits};
    }
    return std::nullopt;
}

}  // namespace

std::string formatGeneral(double number, int maxChars) {
    if (!std::isfinite(number) || maxChars < 1) return {};
    if (number < 0) {
        const std::string text = formatGeneral(-number, maxChars - 1);  // the sign takes a character
        return text.empty() ? text : "-" + text;
    }
    const DecimalDigits digits = DecimalDigits::fromMagnitude(number);
    if (digits.isZero()) return "0";
    const std::optional<Candidate> fixed = fixedPoint(digits, maxChars);
    const std::optional<Candidate> exponent = scientific(digits, maxChars);
    if (fixed && (fixed->exact || !exponent || fixed->capacity >= exponent->capacity)) return fixed->text;
    return exponent ? exponent->text : std::string();
}

std::string generalText(double number) {
    const std::string digits = formatGeneral(std::fabs(number), kGeneralChars);
    return number < 0 && !digits.empty() ? "-" + digits : digits;
}

}  // namespace spreadsheet::numfmt
