// Numbers as formula text and as General text, written and read without
// regard to the C locale (formulas always use "." as decimal point).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace spreadsheet::formula {

// The shortest text that reads back as the same number: "0.1", "1", "1E+20".
std::string formulaNumberText(double value);
// The General text of a number, as "&" joins it: at most 15 significant digits,
// scientific from 1E+15 up and below 1E-9 ("0.333333333333333", "1E+20").
std::string generalNumberText(double value);
// The value rounded to the given number of significant digits.
double roundToSignificant(double value, int digits);
// Plain decimal text ("12.5", "1e3", ".5"); nullopt for anything else or overflow.
std::optional<double> readDecimal(std::string_view text);

}  // namespace spreadsheet::formula
