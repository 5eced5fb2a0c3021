// Continued fractions: each step takes the whole part of the remainder and
// inverts what is left; the convergents h/k grow as h = a*h1 + h2, k = a*k1 + k2.
// The spreadsheet stops at the last convergent whose denominator fits, and never
// looks at the in-between fractions (semiconvergents), so 0.456 with one digit
// shows 1/2 rather than the nearer 4/9. The remainders are taken on the binary
// value, as the spreadsheet does: 1.3 shows 1 1/3 where 2.3 shows 2 2/7.
#include "spreadsheet/numfmt/closest_fraction.h"

#include <cmath>

namespace spreadsheet::numfmt {

Fraction closestFraction(double number, int64_t maxDenominator) {
    double h2 = 0, h1 = 1;        // numerators of the two convergents before
    int64_t k2 = 1, k1 = 0;       // and their denominators
    Fraction best{std::floor(number), 1};
    double rest = number;
    for (;;) {
        const double whole = std::floor(rest);
        // Compared as doubles: a huge quotient (an almost exact convergent) must not overflow.
        if (k1 != 0 && whole > static_cast<double>(maxDenominator - k2) / static_cast<double>(k1)) break;
        const double h = whole * h1 + h2;
        // The first step's whole part can be any size, but its denominator is 1.
        const int64_t k = k1 == 0 ? k2 : static_cast<int64_t>(whole) * k1 + k2;
        h2 = h1, h1 = h;
        k2 = k1, k1 = k;
        best = {h, k};
        const double left = rest - whole;
        if (left == 0) break;
        rest = 1 / left;
    }
    return best;
}

}  // namespace spreadsheet::numfmt
