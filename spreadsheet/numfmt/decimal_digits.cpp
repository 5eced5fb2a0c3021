// Decimal digits of a number and their rounding, half away from zero, both at
// the 15-digit cut from the binary value and on the decimal digits afterwards.
// Working on the 15-digit decimal text rather than the double keeps display
// rounding free of binary representation error.
#include "spreadsheet/numfmt/decimal_digits.h"

#include <charconv>
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

// Every significant digit of a finite double: its exact decimal value has at most
// 767 of them, which printf writes out in full.
std::string exactDigits(double magnitude) {
    constexpr int kMaxExactDigits = 767;
    char buffer[kMaxExactDigits + 16];
    std::snprintf(buffer, sizeof buffer, "%.*e", kMaxExactDigits, magnitude);
    const std::string text = buffer;
    return text.substr(0, 1) + text.substr(2, text.find('e') - 2);
}

}  // namespace

// The magnitude's 15-significant-digit decimal form, rounded half away from zero.
DecimalDigits DecimalDigits::fromMagnitude(double magnitude) {
    DecimalDigits number;
    magnitude = std::fabs(magnitude);
    if (magnitude == 0.0 || !std::isfinite(magnitude)) return number;
    // "d.dddddddddddddddde+XX": two digits past the cut, rounded from the exact binary value.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits + 1, magnitude);
    std::string text = buffer;
    const auto exponentAt = text.find('e');
    number.digits = text.substr(0, 1) + text.substr(2, exponentAt - 2);
    number.pointPosition = std::atoi(text.c_str() + exponentAt + 1) + 1;
    // "...50" past the cut may stand for an exact half or for a value just below
    // it; only the exact digits tell which way the half rounds.
    if (number.digits.compare(kSignificantDigits, 2, "50") == 0) number.digits = exactDigits(magnitude);
    number.roundToSignificant(kSignificantDigits);
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

DecimalDigits DecimalDigits::fractionalPart() const {
    if (pointPosition <= 0) return *this;
    DecimalDigits part;
    if (pointPosition >= static_cast<int>(digits.size())) return part;
    part.digits = digits.substr(pointPosition);
    const auto first = part.digits.find_first_not_of('0');
    part.digits.erase(0, first);
    part.pointPosition = -static_cast<int>(first);
    return part;
}

// Schoolbook multiplication from the last digit; the carry becomes new leading digits.
void DecimalDigits::multiplyBy(unsigned factor) {
    if (isZero()) return;
    if (factor == 0) {
        *this = DecimalDigits{};
        return;
    }
    unsigned long long carry = 0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        const unsigned long long product = static_cast<unsigned long long>(*digit - '0') * factor + carry;
        *digit = static_cast<char>('0' + product % 10);
        carry = product / 10;
    }
    for (; carry > 0; carry /= 10) {
        digits.insert(digits.begin(), static_cast<char>('0' + carry % 10));
        ++pointPosition;
    }
    stripTrailingZeros(*this);
}

// from_chars reads "1234e-2" the same in every locale; beyond the range of a
// double it leaves the value alone, so the overflow is told apart here.
double DecimalDigits::toDouble() const {
    if (isZero()) return 0.0;
    const std::string text = digits + "e" + std::to_string(pointPosition - static_cast<int>(digits.size()));
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) return pointPosition > 0 ? HUGE_VAL : 0.0;
    return value;
}

}  // namespace spreadsheet::numfmt
