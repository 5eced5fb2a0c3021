// Number formats: the display text and colour of a cell value under a format
// code ("General", "#,##0.00", "#", "#,##0.00_);[Red](#,##0.00)"). A code is
// parsed once into its sections and then applied to any number of values.
//
//   NumberFormat f = NumberFormat::parse("#,##0.00_);[Red](#,##0.00)");
//   f.format(Value::number(-4000));   // {"(4,000.00)", red (colour index 3)}
//
// Behaviour callers should know:
// - "_x" (room for the width of x) puts one space in the text; "*x" (repeat x to
//   fill the cell) is dropped, since the text does not know the column width.
// - A section using date or time codes (d m y h s, AM/PM, A/P, [h] [m] [s])
//   shows the number as General, without the section's literals; its colour stays.
// - Numbers show at most 15 significant digits, cut from the binary value and
//   then rounded on that decimal value, both times half away from zero. A
//   negative number that rounds to zero keeps its sign ("-0").
// - General gives a number's digits eleven characters and puts the sign in
//   front; it turns scientific only when fixed-point would lose more digits.
// - Fractions ("# ?/?", "??/??", "# ??/16"): a fixed denominator rounds the
//   numerator; "?" denominators take the closest fraction of the continued-
//   fraction expansion whose denominator fits (seven digits at most). "?"
//   pads the numerator on the left and the denominator on the right; a mixed
//   fraction with nothing over shows spaces in its place, and a number that
//   rounds to nothing shows "0".
// - Non-finite numbers show "#NUM!"; Booleans TRUE/FALSE; errors their text;
//   empty values "". Only number and text sections carry a colour.
// - The text section is the fourth section, or the last one when it holds "@".
//   Without one, text shows as it is; a code with only a text section shows
//   numbers as General.
// - Conditions ([<0], [>=100], [=0], [<>5]) pick sections in order; a section
//   without a condition then takes every number left. A number matching no
//   section shows as General. With conditions, negatives show a "-" unless
//   their section's condition admits only negative numbers ([<0]).
// - An empty code means General.
#pragma once

#include "spreadsheet/model/value.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::numfmt {

class NumberFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Display {
    std::string text;
    std::optional<int> colorIndex;  // a section colour ([Red] is 3); none: the cell's font colour
    bool operator==(const Display&) const = default;
};

class NumberFormat {
public:
    // Throws NumberFormatError for a code the spreadsheet would refuse.
    static NumberFormat parse(std::string_view code);
    static NumberFormat general();

    NumberFormat();  // General
    ~NumberFormat();
    NumberFormat(const NumberFormat&);
    NumberFormat(NumberFormat&&) noexcept;
    NumberFormat& operator=(const NumberFormat&);
    NumberFormat& operator=(NumberFormat&&) noexcept;

    Display format(const model::Value& value) const;
    const std::string& code() const { return m_code; }
    bool isGeneral() const;

    struct Section;  // one ";"-separated part, parsed (format_section.h)

private:
    Display formatNumber(double number) const;
    Display formatText(const std::string& text) const;

    std::string m_code;
    std::vector<Section> m_sections;  // the number sections, then the text section if there is one
    bool m_hasTextSection = false;
};

// The General text of a number: its digits in at most eleven characters, the
// sign in front of them ("-12345670000", "0.000000001", "1.23457E+11").
// Non-finite numbers give "".
std::string generalText(double number);

// The General display of a number in a cell that holds maxChars characters,
// its sign included (fewer decimals, then scientific notation). Returns ""
// when nothing fits (the caller shows "#####") and for non-finite numbers.
std::string formatGeneral(double number, int maxChars);

}  // namespace spreadsheet::numfmt
