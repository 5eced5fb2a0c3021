// The fraction a "?/?" format shows for a number: the last convergent of the
// number's continued fraction whose denominator fits. Internal to the
// number-format library.
//
//   closestFraction(0.45, 9);    // {4, 9}
//   closestFraction(0.3, 99);    // {3, 10}
#pragma once

#include <cstdint>

namespace spreadsheet::numfmt {

struct Fraction {
    double numerator = 0;  // a double: a whole number times the denominator may pass 2^63
    int64_t denominator = 1;
};

// `number` is finite and not negative; `maxDenominator` at least 1.
Fraction closestFraction(double number, int64_t maxDenominator);

}  // namespace spreadsheet::numfmt
