// A number as the spreadsheet holds it for display: at most 15 significant
// decimal digits and the position of the decimal point. Rounding works on these
// digits, so 2.675 rounds up although its binary value lies just below.
#pragma once

#include <string>

namespace spreadsheet::numfmt {

inline constexpr int kSignificantDigits = 15;

struct DecimalDigits {
    std::string digits;     // significant digits, without leading or trailing zeros; empty for zero
    int pointPosition = 0;  // the value is 0.<digits> times 10 to this power

    static DecimalDigits fromMagnitude(double magnitude);

    bool isZero() const { return digits.empty(); }
    // The power of ten of the leading digit (2 for 123.4, -1 for 0.05).
    int leadingExponent() const { return pointPosition - 1; }
    void roundToSignificant(int keep);
    void roundToDecimals(int decimals) { roundToSignificant(pointPosition + decimals); }
    std::string integerDigits() const;
    std::string fractionDigits(int count) const;
    // The digits after the decimal point alone (0.75 of 12.75).
    DecimalDigits fractionalPart() const;
    // Multiplies exactly: 0.375 times 16 is 6.
    void multiplyBy(unsigned factor);
    // The double nearest to these digits.
    double toDouble() const;
};

}  // namespace spreadsheet::numfmt
