// Reading a format code: split it at unquoted ";", read each section character by
// character into tokens, and refuse what the spreadsheet refuses (unbalanced quotes
// or brackets, unknown bracketed words, unquoted letters, more than four sections).
#include "spreadsheet/numfmt/format_section.h"

#include <array>
#include <cctype>
#include <charconv>

namespace spreadsheet::numfmt {
namespace {

using Section = NumberFormat::Section;

[[noreturn]] void refuse(const std::string& why) { throw NumberFormatError(why); }

char lowerAscii(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

bool isPlaceholder(char c) { return c == '0' || c == '#' || c == '?'; }

// A literal of spaces only, as may stand between a numerator and its "/".
bool isSpaces(const Token& token) {
    return token.kind == TokenKind::Literal && token.text.find_first_not_of(' ') == std::string::npos;
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Letters that make a date or time code: day, month or minute, year, hour,
// second, and the calendar codes era (g), era year (e) and Buddhist year (b).
bool isDateTimeLetter(char c) { return std::string_view("dmyhsgeb").find(lowerAscii(c)) != std::string_view::npos; }

// Bytes in the UTF-8 character starting at text[pos]; literals are copied whole.
size_t charLength(std::string_view text, size_t pos) {
    size_t length = 1;
    while (pos + length < text.size() && (static_cast<unsigned char>(text[pos + length]) & 0xC0) == 0x80) ++length;
    return length;
}

// sections := section { ";" section } ; a ";" inside quotes, brackets or after \ _ * does not split.
std::vector<std::string_view> splitSections(std::string_view code) {
    std::vector<std::string_view> sections;
    size_t start = 0;
    for (size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"') {
            i = code.find('"', i + 1);
            if (i == std::string_view::npos) refuse("a quoted text has no closing quote");
        } else if (c == '[') {
            i = code.find(']', i + 1);
            if (i == std::string_view::npos) refuse("a \"[\" has no closing \"]\"");
        } else if (c == '\\' || c == '_' || c == '*') {
            if (i + 1 >= code.size()) refuse(std::string("\"") + c + "\" at the end needs a character after it");
            i += charLength(code, i + 1);
        } else if (c == ';') {
            sections.push_back(code.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(code.substr(start));
    if (sections.size() > 4) refuse("more than four sections");
    return sections;
}

struct NamedColor {
    std::string_view name;
    int index;
};

constexpr std::array<NamedColor, 8> kNamedColors = {{
    {"black", 1}, {"white", 2}, {"red", 3}, {"green", 4}, {"blue", 5}, {"yellow", 6}, {"magenta", 7}, {"cyan", 8},
}};

// color := "[" name "]" | "[Color" 1..56 "]"  (case-insensitive)
std::optional<int> parseColor(std::string_view word) {
    for (const NamedColor& color : kNamedColors)
        if (equalsIgnoringCase(word, color.name)) return color.index;
    if (word.size() <= 5 || !equalsIgnoringCase(word.substr(0, 5), "color")) return std::nullopt;
    int index = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data() + 5, end, index);
    if (error != std::errc() || stop != end) return std::nullopt;
    if (index < 1 || index > 56) refuse("colour numbers run from 1 to 56");
    return index;
}

// condition := "[" ( "<" | "<=" | ">" | ">=" | "=" | "<>" ) number "]"
std::optional<Condition> parseCondition(std::string_view word) {
    struct Operator {
        std::string_view text;
        Comparison comparison;
    };
    static constexpr std::array<Operator, 6> kOperators = {{
        {"<=", Comparison::LessOrEqual}, {">=", Comparison::GreaterOrEqual}, {"<>", Comparison::NotEqual},
        {"<", Comparison::Less}, {">", Comparison::Greater}, {"=", Comparison::Equal},
    }};
    for (const Operator& op : kOperators) {
        if (!word.starts_with(op.text)) continue;
        const std::string_view operand = word.substr(op.text.size());
        double value = 0;
        const auto [stop, error] = std::from_chars(operand.data(), operand.data() + operand.size(), value);
        if (operand.empty() || error != std::errc() || stop != operand.data() + operand.size())
            refuse("a condition needs a number after its comparison");
        return Condition{op.comparison, value};
    }
    return std::nullopt;
}

// Elapsed-time brackets: [h], [hh], [m], [mm], [s], [ss].
bool isElapsedTime(std::string_view word) {
    if (word.empty() || word.size() > 2) return false;
    const char c = lowerAscii(word[0]);
    return (c == 'h' || c == 'm' || c == 's') && (word.size() == 1 || lowerAscii(word[1]) == c);
}

// Reads one section into tokens; finish() checks the section as a whole.
class SectionReader {
public:
    explicit SectionReader(std::string_view text) : m_text(text) {}
    Section read();

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek(size_t ahead = 0) const { return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0'; }
    bool startsWithWord(std::string_view word) const;
    std::string_view takeChar();
    void readNext();
    void readLetter();
    void readQuoted();
    void readBracket();
    void applyBracket(std::string_view word);
    void readComma();
    void readDigit();
    void readDecimalPoint();
    void readSlash();
    bool startsFraction() const;
    void takeNumerator();
    void readFixedDenominator();
    void addLiteral(std::string_view text);
    void finish();
    void checkFraction() const;

    std::string_view m_text;
    size_t m_pos = 0;
    Section m_section;
    NumberPart m_part = NumberPart::Integer;
    bool m_extraDecimalPoint = false;
};

Section SectionReader::read() {
    while (!atEnd()) readNext();
    finish();
    return m_section;
}

bool SectionReader::startsWithWord(std::string_view word) const {
    return equalsIgnoringCase(m_text.substr(m_pos, word.size()), word);
}

// The next whole (UTF-8) character.
std::string_view SectionReader::takeChar() {
    const size_t length = charLength(m_text, m_pos);
    const std::string_view c = m_text.substr(m_pos, length);
    m_pos += length;
    return c;
}

// item := quoted | "\" char | "_" char | "*" char | bracket | placeholder | "." | "," | "/" | "%" | letters | literal
void SectionReader::readNext() {
    const char c = peek();
    if (c == '"') {
        readQuoted();
    } else if (c == '\\') {
        ++m_pos;
        addLiteral(takeChar());
    } else if (c == '_') {
        ++m_pos;
        takeChar();
        addLiteral(" ");  // the width of the next character, taken as one space
    } else if (c == '*') {
        ++m_pos;
        takeChar();  // fill character: the text does not know the cell width
    } else if (c == '[') {
        readBracket();
    } else if (m_part == NumberPart::Denominator && c >= '1' && c <= '9' && m_section.denominatorPlaceholders == 0 &&
               m_section.fixedDenominator == 0) {
        readFixedDenominator();
    } else if (isPlaceholder(c)) {
        readDigit();
    } else if (c == '/') {
        readSlash();
    } else if (c == '.') {
        readDecimalPoint();
    } else if (c == ',') {
        readComma();
    } else if (c == '@') {
        ++m_pos;
        m_section.tokens.emplace_back(TokenKind::TextValue, "@");
        m_section.hasTextValue = true;
    } else if (c == ']') {
        refuse("a \"]\" has no opening \"[\"");
    } else if (isAsciiLetter(c)) {
        readLetter();
    } else {
        if (c == '%') ++m_section.percentCount;
        addLiteral(takeChar());
    }
}

// letters := "General" | ("E" | "e") ("+" | "-") | "AM/PM" | "A/P" | date-or-time letter
// An "e" without a sign is the era year, a date code.
void SectionReader::readLetter() {
    const char c = peek();
    if (startsWithWord("General")) {
        m_pos += 7;
        m_section.tokens.emplace_back(TokenKind::GeneralNumber, "General");
        m_section.hasGeneral = true;
    } else if ((c == 'E' || c == 'e') && (peek(1) == '+' || peek(1) == '-')) {
        if (m_section.hasExponent) refuse("more than one exponent in a section");
        m_section.tokens.emplace_back(TokenKind::Exponent, std::string(m_text.substr(m_pos, 2)));
        m_section.hasExponent = true;
        m_part = NumberPart::Exponent;
        m_pos += 2;
    } else if (startsWithWord("AM/PM") || startsWithWord("A/P")) {
        m_pos += startsWithWord("AM/PM") ? 5 : 3;
        m_section.dateTime = true;
    } else if (isDateTimeLetter(c)) {
        ++m_pos;
        m_section.dateTime = true;
    } else {
        refuse(std::string("the letter \"") + c + "\" must be quoted or escaped with \"\\\"");
    }
}

// quoted := '"' { char } '"'  (splitSections has checked the closing quote)
void SectionReader::readQuoted() {
    const size_t close = m_text.find('"', m_pos + 1);
    addLiteral(m_text.substr(m_pos + 1, close - m_pos - 1));
    m_pos = close + 1;
}

// bracket := "[" ( color | condition | elapsed-time | "$" currency [ "-" locale ] ) "]"
void SectionReader::readBracket() {
    const size_t close = m_text.find(']', m_pos);
    const std::string_view word = m_text.substr(m_pos + 1, close - m_pos - 1);
    m_pos = close + 1;
    applyBracket(word);
}

void SectionReader::applyBracket(std::string_view word) {
    if (const std::optional<int> color = parseColor(word)) {
        if (m_section.colorIndex) refuse("more than one colour in a section");
        m_section.colorIndex = color;
    } else if (const std::optional<Condition> condition = parseCondition(word)) {
        if (m_section.condition) refuse("more than one condition in a section");
        m_section.condition = condition;
    } else if (isElapsedTime(word)) {
        m_section.dateTime = true;
    } else if (word.starts_with('$')) {
        const size_t dash = word.find('-');  // "[$€-407]": symbol, then a locale number
        addLiteral(word.substr(1, dash == std::string_view::npos ? dash : dash - 1));
    } else {
        refuse("unknown \"[" + std::string(word) + "]\"");
    }
}

// A "," between placeholders groups thousands; "," after the last placeholder
// divides by 1000 each; anywhere else it is a literal comma.
void SectionReader::readComma() {
    size_t count = 0;
    for (; peek() == ','; ++m_pos) ++count;
    const bool afterDigit = !m_section.tokens.empty() && m_section.tokens.back().kind == TokenKind::Digit;
    if (afterDigit && isPlaceholder(peek())) {
        if (m_part == NumberPart::Integer) m_section.grouping = true;  // between decimals: no effect
    } else if (afterDigit) {
        m_section.thousandsScale += static_cast<int>(count);
    } else {
        addLiteral(std::string(count, ','));
    }
}

void SectionReader::readDigit() {
    const char placeholder = m_text[m_pos++];
    m_section.tokens.emplace_back(TokenKind::Digit, std::string(1, placeholder), m_part);
    switch (m_part) {
    case NumberPart::Integer:
        ++m_section.integerPlaceholders;
        if (placeholder != '0') m_section.integerHasOptional = true;
        break;
    case NumberPart::Fraction: ++m_section.fractionPlaceholders; break;
    case NumberPart::Exponent: ++m_section.exponentPlaceholders; break;
    case NumberPart::Numerator: ++m_section.numeratorPlaceholders; break;
    case NumberPart::Denominator: ++m_section.denominatorPlaceholders; break;
    }
}

// fraction := [ integer-placeholders literal ] numerator-placeholders [ " " ] "/" [ " " ] ( placeholders | number )
// A "/" after integer placeholders, with placeholders or a number after it,
// makes the section a fraction; any other "/" is a literal ("0/-" is no fraction).
void SectionReader::readSlash() {
    ++m_pos;
    if (!startsFraction()) {
        addLiteral("/");
        return;
    }
    takeNumerator();
    m_section.tokens.emplace_back(TokenKind::FractionBar, "/");
    m_section.isFraction = true;
    m_part = NumberPart::Denominator;
}

bool SectionReader::startsFraction() const {
    if (m_section.isFraction || m_part != NumberPart::Integer || m_section.hasExponent) return false;
    auto before = m_section.tokens.rbegin();
    while (before != m_section.tokens.rend() && isSpaces(*before)) ++before;
    if (before == m_section.tokens.rend() || before->kind != TokenKind::Digit) return false;
    size_t after = m_pos;
    while (after < m_text.size() && m_text[after] == ' ') ++after;
    return after < m_text.size() && (isPlaceholder(m_text[after]) || (m_text[after] >= '1' && m_text[after] <= '9'));
}

// The placeholders just before the "/" are the numerator; any before them, set
// apart by a literal, show the whole part.
void SectionReader::takeNumerator() {
    auto token = m_section.tokens.rbegin();
    while (isSpaces(*token)) ++token;
    for (; token != m_section.tokens.rend() && token->kind == TokenKind::Digit; ++token) {
        token->part = NumberPart::Numerator;
        --m_section.integerPlaceholders;
        ++m_section.numeratorPlaceholders;
    }
}

// denominator-number := digit-1-to-9 { digit }
void SectionReader::readFixedDenominator() {
    const size_t start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9') ++m_pos;
    const std::string_view digits = m_text.substr(start, m_pos - start);
    const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), m_section.fixedDenominator);
    (void)stop;
    if (error != std::errc()) refuse("the denominator " + std::string(digits) + " is too large");
    m_section.tokens.emplace_back(TokenKind::DenominatorValue, std::string(digits), NumberPart::Denominator);
}

// Only the first "." is the decimal point; a later one is refused unless the
// section turns out to be a time ("hh:mm:ss.00").
void SectionReader::readDecimalPoint() {
    ++m_pos;
    if (m_part != NumberPart::Integer) {
        m_extraDecimalPoint = true;
        addLiteral(".");
        return;
    }
    m_section.tokens.emplace_back(TokenKind::DecimalPoint, ".");
    m_part = NumberPart::Fraction;
}

void SectionReader::addLiteral(std::string_view text) {
    if (text.empty()) return;
    if (!m_section.tokens.empty() && m_section.tokens.back().kind == TokenKind::Literal)
        m_section.tokens.back().text += text;
    else
        m_section.tokens.emplace_back(TokenKind::Literal, std::string(text));
}

// Checks the section as a whole; a date or time section becomes plain General.
void SectionReader::finish() {
    Section& s = m_section;
    if (s.dateTime) {
        Section general;
        general.tokens.emplace_back(TokenKind::GeneralNumber, "General");
        general.hasGeneral = true;
        general.dateTime = true;
        general.colorIndex = s.colorIndex;
        general.condition = s.condition;
        s = std::move(general);
        return;
    }
    if (s.isFraction) checkFraction();
    if (m_extraDecimalPoint) refuse("more than one decimal point in a section");
    if (s.hasExponent && s.exponentPlaceholders == 0) refuse("an exponent needs digit placeholders after it");
    if (s.hasGeneral && (s.placeholderCount() > 0 || s.hasTextValue))
        refuse("\"General\" cannot be mixed with digit placeholders or \"@\"");
    if (s.hasTextValue && s.placeholderCount() > 0) refuse("\"@\" cannot be mixed with digit placeholders");
}

// What a fraction section cannot hold besides its whole part, numerator and denominator.
void SectionReader::checkFraction() const {
    if (m_extraDecimalPoint) refuse("a fraction has no decimal point");
    if (m_section.hasExponent) refuse("a fraction has no exponent");
    if (m_section.fixedDenominator > 0 && m_section.denominatorPlaceholders > 0)
        refuse("a fraction's denominator is either a number or placeholders");
}

}  // namespace

bool Condition::holds(double number) const {
    switch (comparison) {
    case Comparison::Less: return number < operand;
    case Comparison::LessOrEqual: return number <= operand;
    case Comparison::Greater: return number > operand;
    case Comparison::GreaterOrEqual: return number >= operand;
    case Comparison::Equal: return number == operand;
    case Comparison::NotEqual: return number != operand;
    }
    return false;
}

bool Condition::admitsOnlyNegatives() const {
    return (comparison == Comparison::Less && operand <= 0) || (comparison == Comparison::LessOrEqual && operand < 0) ||
           (comparison == Comparison::Equal && operand < 0);
}

// The text section is the fourth, or the last when it holds "@"; "@" elsewhere is refused.
ParsedCode parseFormatCode(std::string_view code) {
    ParsedCode parsed;
    for (const std::string_view text : splitSections(code)) parsed.sections.push_back(SectionReader(text).read());
    const size_t count = parsed.sections.size();
    parsed.hasTextSection = count == 4 || parsed.sections.back().hasTextValue;
    for (size_t i = 0; i + 1 < count; ++i)
        if (parsed.sections[i].hasTextValue) refuse("\"@\" belongs in the last section only");
    // "General" in the text section shows the text as it is, as "@" does.
    const Section& last = parsed.sections.back();
    if (parsed.hasTextSection && last.placeholderCount() > 0) refuse("the text section cannot show a number");
    return parsed;
}

}  // namespace spreadsheet::numfmt
