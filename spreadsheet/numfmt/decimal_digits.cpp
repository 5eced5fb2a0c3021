// Decimal digits of a number and their rounding, half away from zero. Working on
// the 15-digit decimal text rather than the double keeps display rounding free of
// binary representation error.
#include "spreadsheet/numfmt/decimal_digits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace spreadsheet::numfmt {
namespace {

void stripTrailingZeros(DecimalDigits& number) {
    const auto last = number.digits.find_last_not_of('0');
    number.digits.resize(last == std::string::npos ? 0 : last + 1);
    if (number.digits.empty()) number.pointPosition = 0;
}

}  // namespace

// The magnitude's shortest 15-significant-digit decimal form.
DecimalDigits DecimalDigits::fromMagnitude(double magnitude) {
    DecimalDigits number;
    magnitude = std::fabs(magnitude);
    if (magnitude == 0.0 || !std::isfinite(magnitude)) return number;
    char buffer[40];
    // "d.ddddddddddddddde+XX": printf rounds the exact binary value to 15 digits.
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, magnitude);
    const std::string text = buffer;
    const auto exponentAt = text.find('e');
    number.digits = text.substr(0, 1) + text.substr(2, exponentAt - 2);
    number.pointPosition = std::atoi(text.c_str() + exponentAt + 1) + 1;
    stripTrailingZeros(number);
    return number;
}

// Keeps the first `keep` significant digits, rounding the rest half away from zero.
void DecimalDigits::roundToSignificant(int keep) {
    if (keep >= static_cast<int>(digits.size())) return;
    if (keep < 0) {
        *this = DecimalDigits{};
        return;
    }
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');  // 999.6 -> 1000
            ++pointPosition;
        }
    }
    stripTrailingZeros(*this);
}

// The digits before the decimal point, with trailing zeros; "" below 1.
std::string DecimalDigits::integerDigits() const {
    if (pointPosition <= 0) return {};
    std::string text = digits.substr(0, pointPosition);
    text.resize(pointPosition, '0');
    return text;
}

// The first `count` digits after the decimal point, padded with zeros.
std::string DecimalDigits::fractionDigits(int count) const {
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int index = pointPosition + i;
        text += index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
    }
    return text;
}

}  // namespace spreadsheet::numfmt
