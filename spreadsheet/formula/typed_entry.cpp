// Reading what a user types into a cell. Number reading follows the user's
// separators; the number itself is then handed to the locale-free decimal
// reader, so "1.234,5" in German and "1,234.5" in English give the same value.
#include "spreadsheet/formula/typed_entry.h"

#include "spreadsheet/formula/number_text.h"
#include "spreadsheet/unicode/utf16.h"

#include <algorithm>
#include <cctype>

namespace spreadsheet::formula {
namespace {

constexpr int kKeptDigits = 15;

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The parts of a number without its sign, currency sign and percent sign.
struct Body {
    std::string integerDigits;
    std::string fractionDigits;
    std::string exponent;  // with its sign, may be empty
    bool grouped = false;
    bool hasDecimalSeparator = false;
};

// body := integer [decimal digits] [("E"|"e") ["+"|"-"] digits]
// integer := digits | 1-3 digits {group 3 digits}
std::optional<Body> readBody(std::string_view s, const NumberConventions& conventions) {
    Body body;
    size_t i = 0;
    size_t groupLength = 0;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            body.integerDigits += s[i];
            ++groupLength;
        } else if (s[i] == conventions.groupSeparator) {
            const bool firstGroup = !body.grouped;
            if (groupLength == 0 || (firstGroup ? groupLength > 3 : groupLength != 3)) return std::nullopt;
            body.grouped = true;
            groupLength = 0;
        } else {
            break;
        }
    }
    if (body.grouped && groupLength != 3) return std::nullopt;
    if (i < s.size() && s[i] == conventions.decimalSeparator) {
        body.hasDecimalSeparator = true;
        for (++i; i < s.size() && isDigit(s[i]); ++i) body.fractionDigits += s[i];
    }
    if (body.integerDigits.empty() && body.fractionDigits.empty()) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        for (++i; i < s.size() && (isDigit(s[i]) || (body.exponent.empty() && (s[i] == '+' || s[i] == '-'))); ++i)
            body.exponent += s[i];
        if (body.exponent.empty() || !isDigit(body.exponent.back())) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    return body;
}

// The written exponent, clamped far beyond any double's range.
long long exponentValue(std::string_view written) {
    long long value = 0;
    for (char c : written)
        if (isDigit(c)) value = std::min(value * 10 + (c - '0'), 100000LL);
    return !written.empty() && written.front() == '-' ? -value : value;
}

// The format the typing implies: currency, then percent, then digit grouping.
std::string impliedFormat(const Body& body, bool currency, bool percent) {
    const bool decimals = !body.fractionDigits.empty();
    if (currency) return decimals ? "$#,##0.00_);($#,##0.00)" : "$#,##0_);($#,##0)";
    if (percent) return decimals ? "0.00%" : "0%";
    if (body.grouped) return decimals ? "#,##0.00" : "#,##0";
    return {};
}

}  // namespace

// number := ["+"|"-"] ["$"] body ["%"] | "$" ["+"|"-"] body | "(" ["$"] body ["%"] ")"
std::optional<TypedNumber> readTypedNumber(std::string_view text, const NumberConventions& conventions) {
    std::string_view s = trimSpaces(text);
    bool negative = false;
    bool currency = false;
    bool signSeen = false;
    const bool parenthesized = s.size() >= 2 && s.front() == '(' && s.back() == ')';
    if (parenthesized) s = s.substr(1, s.size() - 2);
    for (int prefix = 0; prefix < 2 && !s.empty(); ++prefix) {
        if (!signSeen && !parenthesized && (s.front() == '+' || s.front() == '-')) {
            signSeen = true;
            negative = s.front() == '-';
        } else if (!currency && s.front() == '$') {
            currency = true;
        } else {
            break;
        }
        s.remove_prefix(1);
    }
    const bool percent = !s.empty() && s.back() == '%';
    if (percent) s.remove_suffix(1);
    if (currency && percent) return std::nullopt;
    const std::optional<Body> body = readBody(s, conventions);
    if (!body) return std::nullopt;
    // A percent sign moves the decimal exponent by two, so "7%" is exactly 0.07.
    const long long exponent = exponentValue(body->exponent) - (percent ? 2 : 0);
    const std::string decimal = (body->integerDigits.empty() ? "0" : body->integerDigits) + "." +
                                body->fractionDigits + "0e" + std::to_string(exponent);
    const std::optional<double> value = readDecimal(decimal);
    if (!value) return std::nullopt;
    TypedNumber out;
    out.value = roundToSignificant(negative || parenthesized ? -*value : *value, kKeptDigits);
    out.impliedFormat = impliedFormat(*body, currency, percent);
    return out;
}

TypedEntry readTypedEntry(std::string_view text, const NumberConventions& conventions) {
    TypedEntry entry;
    if (text.empty()) return entry;
    if (unicode::utf16Length(text) > kMaxCellTextLength)
        throw std::length_error("Text values are limited to " + std::to_string(kMaxCellTextLength) + " characters");
    if (text.front() == '=' && text.size() > 1) {
        entry.kind = TypedEntry::Kind::Formula;
        entry.formulaText = std::string(text);
        return entry;
    }
    entry.kind = TypedEntry::Kind::Constant;
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (text.front() == '\'') {
        entry.constant = model::Value::text(std::string(text.substr(1)));
    } else if (upper == "TRUE" || upper == "FALSE") {
        entry.constant = model::Value::boolean(upper == "TRUE");
    } else if (const auto error = model::parseErrorText(text)) {
        entry.constant = model::Value::error(*error);
    } else if (const auto number = readTypedNumber(text, conventions)) {
        entry.constant = model::Value::number(number->value);
        entry.impliedFormat = number->impliedFormat;
    } else {
        entry.constant = model::Value::text(std::string(text));
    }
    return entry;
}

}  // namespace spreadsheet::formula
