// Applying a fraction section ("# ?/?", "??/??", "# ??/16"): split the number
// into a whole part and a fraction, or keep it whole over the denominator when
// the section has no whole part, then walk the tokens. A mixed fraction with
// nothing over the whole part leaves spaces where the fraction would stand, so
// that columns of fractions stay aligned.
#include "spreadsheet/numfmt/closest_fraction.h"
#include "spreadsheet/numfmt/decimal_digits.h"
#include "spreadsheet/numfmt/format_section.h"
#include "spreadsheet/numfmt/placeholder_filler.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet::numfmt {
namespace {

using Section = NumberFormat::Section;

// The spreadsheet never picks a denominator of more than seven digits, however
// many "?" the code gives it.
constexpr int kMaxDenominatorDigits = 7;
// Above this a double has no binary fraction left to approximate.
constexpr double kNoFractionAbove = 4503599627370496.0;  // 2^52

// The digits a fraction section shows.
struct FractionText {
    std::string whole;        // "" when the whole part is zero and something is over it
    std::string numerator;    // "" with `blank`
    std::string denominator;
    bool blank = false;       // a mixed fraction with nothing over: spaces instead of "n/d"
};

std::string wholeDigits(double whole) {
    return whole == 0 ? std::string() : DecimalDigits::fromMagnitude(whole).integerDigits();
}

// The largest denominator that "?" placeholders leave room for: 9, 99, 999, ...
int64_t maxDenominator(int placeholders) {
    int64_t largest = 1;
    for (int i = 0; i < std::clamp(placeholders, 1, kMaxDenominatorDigits); ++i) largest *= 10;
    return largest - 1;
}

// The numerator over a fixed denominator: the decimal value times the
// denominator, rounded half away from zero as every display rounding is.
std::string fixedNumerator(DecimalDigits number, int denominator) {
    number.multiplyBy(static_cast<unsigned>(denominator));
    number.roundToDecimals(0);
    return number.integerDigits();
}

// A mixed fraction: the whole part, then what is left over it. A fraction that
// rounds up to a whole one carries into the whole part.
FractionText mixedFraction(const Section& section, const DecimalDigits& number) {
    const double value = number.toDouble();
    const double whole = std::floor(value);
    std::string wholeText = number.integerDigits();
    std::string numerator;
    std::string denominator;
    if (section.fixedDenominator > 0) {
        denominator = std::to_string(section.fixedDenominator);
        numerator = fixedNumerator(number.fractionalPart(), section.fixedDenominator);
    } else {
        const double rest = value < kNoFractionAbove ? value - whole : 0.0;
        const Fraction fraction = closestFraction(rest, maxDenominator(section.denominatorPlaceholders));
        denominator = std::to_string(fraction.denominator);
        numerator = fraction.numerator == 0 ? std::string() : wholeDigits(fraction.numerator);
    }
    if (numerator == denominator) {  // only below 2^52, where the double holds the whole part exactly
        wholeText = wholeDigits(whole + 1);
        numerator.clear();
    }
    const bool blank = numerator.empty();
    if (blank && wholeText.empty()) wholeText.push_back('0');  // nothing at all still shows a number
    return {std::move(wholeText), std::move(numerator), std::move(denominator), blank};
}

// An improper fraction: the whole number over the denominator ("??/??" shows 12.3 as 123/10).
FractionText improperFraction(const Section& section, const DecimalDigits& number) {
    if (section.fixedDenominator > 0) {
        const std::string numerator = fixedNumerator(number, section.fixedDenominator);
        return {"", numerator.empty() ? "0" : numerator, std::to_string(section.fixedDenominator), false};
    }
    const double value = number.toDouble();
    const double whole = std::floor(value);
    const double rest = value < kNoFractionAbove ? value - whole : 0.0;
    const Fraction fraction = closestFraction(rest, maxDenominator(section.denominatorPlaceholders));
    // Without a fraction the whole number keeps its exact digits, however large.
    const std::string numerator =
        fraction.numerator == 0 && fraction.denominator == 1
            ? number.integerDigits()
            : wholeDigits(whole * static_cast<double>(fraction.denominator) + fraction.numerator);
    return {"", numerator.empty() ? "0" : numerator, std::to_string(fraction.denominator), false};
}

// Whether a token stands between the first numerator placeholder and the end
// of the denominator, the stretch a blank fraction turns into spaces.
struct FractionSpan {
    size_t first = 0;
    size_t last = 0;
    bool contains(size_t index) const { return index >= first && index <= last; }
};

FractionSpan fractionSpan(const Section& section) {
    FractionSpan span{section.tokens.size(), 0};
    for (size_t i = 0; i < section.tokens.size(); ++i) {
        const Token& token = section.tokens[i];
        if (token.kind == TokenKind::Digit && token.part == NumberPart::Numerator) span.first = std::min(span.first, i);
        if (token.part == NumberPart::Denominator && token.kind != TokenKind::Literal) span.last = i;
    }
    return span;
}

// A literal's width in characters, for the spaces of a blank fraction.
size_t characterCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string assembleFraction(const Section& section, const FractionText& text, bool minus) {
    std::string out = minus ? "-" : "";
    PlaceholderFiller whole(text.whole, section.integerPlaceholders, section.grouping);
    PlaceholderFiller numerator(text.numerator, section.numeratorPlaceholders, false);
    LeftAlignedFiller denominator(text.denominator, section.denominatorPlaceholders);
    const FractionSpan span = fractionSpan(section);
    for (size_t i = 0; i < section.tokens.size(); ++i) {
        const Token& token = section.tokens[i];
        const bool hidden = text.blank && span.contains(i);
        if (hidden && token.kind != TokenKind::Digit) {
            out.append(token.kind == TokenKind::Literal ? characterCount(token.text) : token.text.size(), ' ');
            continue;
        }
        switch (token.kind) {
        case TokenKind::Literal: out += token.text; break;
        case TokenKind::FractionBar: out += '/'; break;
        case TokenKind::DenominatorValue: out += token.text; break;
        case TokenKind::Digit:
            if (hidden) out += ' ';
            else if (token.part == NumberPart::Numerator) numerator.fillNext(out, token.text[0]);
            else if (token.part == NumberPart::Denominator) denominator.fillNext(out, token.text[0]);
            else whole.fillNext(out, token.text[0]);
            break;
        default: break;  // no decimals, exponent, text or General in a fraction (checked when parsed)
        }
    }
    return out;
}

}  // namespace

std::string formatFractionSection(const Section& section, double magnitude, bool minus) {
    DecimalDigits number = DecimalDigits::fromMagnitude(magnitude);
    if (!number.isZero()) number.pointPosition += 2 * section.percentCount - 3 * section.thousandsScale;
    const bool mixed = section.integerPlaceholders > 0;
    return assembleFraction(section, mixed ? mixedFraction(section, number) : improperFraction(section, number), minus);
}

}  // namespace spreadsheet::numfmt
