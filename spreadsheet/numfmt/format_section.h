// The parsed form of one ";"-separated section of a format code: its tokens in
// display order, plus the counts and flags the formatter needs before it walks
// them. Internal to the number-format library.
#pragma once

#include "spreadsheet/numfmt/number_format.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace spreadsheet::numfmt {

enum class TokenKind {
    Literal,        // text shown as it is
    Digit,          // "0", "#" or "?"
    DecimalPoint,   // the first "." of a section
    Exponent,       // "E+", "E-", "e+" or "e-"
    TextValue,      // "@"
    GeneralNumber,  // "General"
    FractionBar,    // the "/" between a fraction's numerator and denominator
    DenominatorValue,  // a fixed denominator's digits ("16" in "# ??/16")
};

// Fraction is the decimals after the point; Numerator and Denominator belong
// to a fraction ("?/?").
enum class NumberPart { Integer, Fraction, Exponent, Numerator, Denominator };

struct Token {
    Token(TokenKind kind, std::string text, NumberPart part = NumberPart::Integer)
        : kind(kind), text(std::move(text)), part(part) {}

    TokenKind kind;
    std::string text;  // a literal's text, a placeholder character or the exponent's "E+"
    NumberPart part;   // for Digit: the part of the number it shows
};

enum class Comparison { Less, LessOrEqual, Greater, GreaterOrEqual, Equal, NotEqual };

struct Condition {
    Comparison comparison;
    double operand;

    bool holds(double number) const;
    // True for [<0], [<=-1] and the like: such a section writes its own sign.
    bool admitsOnlyNegatives() const;
};

struct NumberFormat::Section {
    std::vector<Token> tokens;
    std::optional<int> colorIndex;
    std::optional<Condition> condition;
    int integerPlaceholders = 0;
    int fractionPlaceholders = 0;
    int exponentPlaceholders = 0;
    int numeratorPlaceholders = 0;
    int denominatorPlaceholders = 0;
    int fixedDenominator = 0;         // a denominator given as a number; 0: "?" placeholders choose one
    bool integerHasOptional = false;  // a "#" or "?" before the point: the exponent steps by their count
    bool grouping = false;            // "," between integer placeholders: separate thousands
    int thousandsScale = 0;           // each "," after the last placeholder divides by 1000
    int percentCount = 0;             // each "%" multiplies by 100
    bool hasExponent = false;
    bool isFraction = false;          // "# ?/?", "??/??", "?/8": the integer placeholders are the whole part
    bool hasTextValue = false;
    bool hasGeneral = false;
    bool dateTime = false;  // used date or time codes; shown as General

    int placeholderCount() const {
        return integerPlaceholders + fractionPlaceholders + exponentPlaceholders + numeratorPlaceholders +
               denominatorPlaceholders + (fixedDenominator > 0 ? 1 : 0);
    }
};

// Splits and parses a whole code. The text section, if any, is last.
struct ParsedCode {
    std::vector<NumberFormat::Section> sections;
    bool hasTextSection = false;
};
ParsedCode parseFormatCode(std::string_view code);

// The text of a number section for a non-negative magnitude, "-" first when asked.
std::string formatNumberSection(const NumberFormat::Section& section, double magnitude, bool minus);
// A fraction section for a non-negative magnitude, "-" first when asked.
std::string formatFractionSection(const NumberFormat::Section& section, double magnitude, bool minus);
// The text section applied to a text: literals, with "@" replaced by the text.
std::string formatTextSection(const NumberFormat::Section& section, const std::string& text);

}  // namespace spreadsheet::numfmt
