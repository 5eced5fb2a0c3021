// What the spreadsheet makes of a text a user types into a cell (or a client
// writes through Formula/FormulaR1C1): a formula when it starts with "=", a
// number when it reads as one, TRUE/FALSE, an error literal, nothing when
// empty, and otherwise text ("'" keeps the rest as text).
#pragma once

#include "spreadsheet/model/value.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace spreadsheet::formula {

inline constexpr size_t kMaxCellTextLength = 32767;  // UTF-16 units

struct TypedEntry {
    enum class Kind { Empty, Constant, Formula };
    Kind kind = Kind::Empty;
    model::Value constant;       // for Constant: number, text, Boolean or error
    std::string formulaText;     // for Formula: the text as typed, with its "="
    std::string impliedFormat;   // a number format the typing implies ("0%", "#,##0"), or empty
};

// The user's number conventions: decimal separator, and the digit-group
// separator that goes with it ("." and "," in English, "," and "." in German).
struct NumberConventions {
    char decimalSeparator = '.';
    char groupSeparator = ',';
};

// Throws std::length_error for a text longer than 32767 characters.
TypedEntry readTypedEntry(std::string_view text, const NumberConventions& conventions = {});

// A number as typed ("1,234.5", "-$5", "(5)", "12.5%", " 1e3 "), rounded to 15
// significant digits, with the format its typing implies; nullopt when the
// text reads as no number. Formulas use it to turn text into numbers.
struct TypedNumber {
    double value = 0;
    std::string impliedFormat;
};
std::optional<TypedNumber> readTypedNumber(std::string_view text, const NumberConventions& conventions = {});

}  // namespace spreadsheet::formula
