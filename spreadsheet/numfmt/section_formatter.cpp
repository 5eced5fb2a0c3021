// Applying one parsed section: scale and round the number on its decimal digits,
// then walk the tokens, filling placeholders ("0" shows a zero, "#" nothing, "?"
// a space where the number has no digit) and copying literals.
#include "spreadsheet/numfmt/decimal_digits.h"
#include "spreadsheet/numfmt/format_section.h"
#include "spreadsheet/numfmt/placeholder_filler.h"

#include <cstdlib>

namespace spreadsheet::numfmt {
namespace {

using Section = NumberFormat::Section;

// The digits a section shows, worked out before its tokens are walked.
struct Rendered {
    std::string integerDigits;   // no leading zeros; "" when the integer part is zero
    std::string fractionDigits;  // one per fraction placeholder
    int exponent = 0;
};

int floorDivide(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

// The exponent for a leading digit at 10^lead: one integer digit per "0" placeholder;
// with "#" or "?" ("##0.0E+0") the exponent moves in steps of the placeholder count.
int chooseExponent(const Section& section, int lead) {
    const int n = section.integerPlaceholders;
    if (n == 0) return lead + 1;
    if (section.integerHasOptional) return floorDivide(lead, n) * n;
    return lead - (n - 1);
}

Rendered renderScientific(const Section& section, DecimalDigits number) {
    Rendered rendered;
    if (!number.isZero()) {
        rendered.exponent = chooseExponent(section, number.leadingExponent());
        number.pointPosition -= rendered.exponent;
        number.roundToDecimals(section.fractionPlaceholders);
        const int lead = number.leadingExponent() + rendered.exponent;
        const int exponent = chooseExponent(section, lead);
        if (!number.isZero() && exponent != rendered.exponent) {  // rounding carried: 9.99E+0 -> 1.00E+1
            number.pointPosition += rendered.exponent - exponent;
            rendered.exponent = exponent;
        }
    }
    rendered.integerDigits = number.integerDigits();
    rendered.fractionDigits = number.fractionDigits(section.fractionPlaceholders);
    return rendered;
}

Rendered renderFixed(const Section& section, DecimalDigits number) {
    number.roundToDecimals(section.fractionPlaceholders);
    return Rendered{number.integerDigits(), number.fractionDigits(section.fractionPlaceholders), 0};
}

// Decimal placeholders show their digit up to the last non-zero one; after it
// "0" shows a zero, "?" a space and "#" nothing.
class DecimalFiller {
public:
    explicit DecimalFiller(const std::string& digits)
        : m_digits(digits), m_lastSignificant(static_cast<int>(digits.find_last_not_of('0'))) {}

    void fillNext(std::string& out, char placeholder) {
        const int index = m_next++;
        if (index <= m_lastSignificant) out += m_digits[index];
        else if (placeholder == '0') out += '0';
        else if (placeholder == '?') out += ' ';
    }

private:
    const std::string& m_digits;
    int m_lastSignificant;  // -1 (npos) when all digits are zero
    int m_next = 0;
};

// Walks the tokens of a number section over its rendered digits.
std::string assemble(const Section& section, const Rendered& rendered, bool minus) {
    std::string out = minus ? "-" : "";
    PlaceholderFiller integer(rendered.integerDigits, section.integerPlaceholders, section.grouping);
    DecimalFiller fraction(rendered.fractionDigits);
    const int exponent = std::abs(rendered.exponent);
    PlaceholderFiller exponentDigits(std::to_string(exponent), section.exponentPlaceholders, false);
    for (const Token& token : section.tokens) {
        switch (token.kind) {
        case TokenKind::Literal: out += token.text; break;
        case TokenKind::DecimalPoint:
            integer.fillWithoutPlaceholders(out);
            out += '.';
            break;
        case TokenKind::Digit:
            if (token.part == NumberPart::Integer) integer.fillNext(out, token.text[0]);
            else if (token.part == NumberPart::Fraction) fraction.fillNext(out, token.text[0]);
            else exponentDigits.fillNext(out, token.text[0]);
            break;
        case TokenKind::Exponent:
            integer.fillWithoutPlaceholders(out);
            out += token.text[0];
            if (rendered.exponent < 0) out += '-';
            else if (token.text[1] == '+') out += '+';
            break;
        case TokenKind::TextValue:
        case TokenKind::GeneralNumber:
        case TokenKind::FractionBar:
        case TokenKind::DenominatorValue: break;  // not in a decimal section (checked when parsed)
        }
    }
    return out;
}

// A section holding "General": the General text, the sign in front of it.
std::string assembleGeneral(const Section& section, double magnitude, bool minus) {
    std::string out = minus ? "-" : "";
    for (const Token& token : section.tokens)
        out += token.kind == TokenKind::GeneralNumber ? generalText(magnitude) : token.text;
    return out;
}

}  // namespace

std::string formatNumberSection(const Section& section, double magnitude, bool minus) {
    if (section.tokens.empty()) return {};  // an empty section hides the number
    if (section.hasGeneral) return assembleGeneral(section, magnitude, minus);
    if (section.isFraction) return formatFractionSection(section, magnitude, minus);
    DecimalDigits number = DecimalDigits::fromMagnitude(magnitude);
    if (!number.isZero()) number.pointPosition += 2 * section.percentCount - 3 * section.thousandsScale;
    const Rendered rendered = section.hasExponent ? renderScientific(section, number) : renderFixed(section, number);
    return assemble(section, rendered, minus);
}

std::string formatTextSection(const Section& section, const std::string& text) {
    std::string out;
    for (const Token& token : section.tokens) {
        const bool showsText = token.kind == TokenKind::TextValue || token.kind == TokenKind::GeneralNumber;
        out += showsText ? text : token.text;
    }
    return out;
}

}  // namespace spreadsheet::numfmt
