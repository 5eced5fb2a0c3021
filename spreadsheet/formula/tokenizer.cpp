// Scans formula text left to right into tokens. Reference syntax is the only
// part that depends on the notation; a reference that starts like a name
// ("ROUND", "RATE", "LOG10") is told apart by what follows it.
#include "spreadsheet/formula/tokenizer.h"

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/formula/number_text.h"
#include "spreadsheet/model/a1_notation.h"

#include <array>
#include <cctype>

namespace spreadsheet::formula {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0 && static_cast<unsigned char>(c) < 0x80; }
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
// Names and unquoted sheet names: letters, digits, "_", ".", "\" and any non-ASCII byte.
bool isNameChar(char c) {
    return isLetter(c) || isDigit(c) || c == '_' || c == '.' || c == '\\' || static_cast<unsigned char>(c) >= 0x80;
}
bool isNameStart(char c) { return isNameChar(c) && !isDigit(c) && c != '.'; }
char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

size_t countWhile(std::string_view s, size_t i, bool (*pred)(char)) {
    size_t j = i;
    while (j < s.size() && pred(s[j])) ++j;
    return j - i;
}

// "A1", "rb9": one to three letters, then digits.
bool readsAsA1Cell(std::string_view name) {
    const size_t letters = countWhile(name, 0, isLetter);
    const size_t digits = countWhile(name, letters, isDigit);
    return letters >= 1 && letters <= 3 && digits > 0 && letters + digits == name.size();
}

// An R1C1 coordinate as written, checked only once the whole reference is known.
struct RawCoordinate {
    long long value = 0;
    bool relative = true;  // nothing written means offset 0
};

// digits, up to a length that cannot overflow; 0 when there are none
size_t scanDigits(std::string_view s, size_t i, long long& value) {
    size_t j = i;
    value = 0;
    while (j < s.size() && isDigit(s[j])) {
        if (j - i < 12) value = value * 10 + (s[j] - '0');
        ++j;
    }
    return j - i;
}

class Scanner {
public:
    Scanner(std::string_view text, int firstPosition, Notation notation, model::CellAddress host)
        : m_text(text), m_first(firstPosition), m_notation(notation), m_host(host) {}

    std::vector<Token> run();

private:
    int positionOf(size_t index) const { return m_first + static_cast<int>(index); }
    bool at(size_t i, char c) const { return i < m_text.size() && m_text[i] == c; }
    bool endsReference(size_t i) const;
    Token& push(TokenKind kind, size_t start);
    void scanOne();
    void scanText();
    void scanError();
    bool scanOperator();
    void scanNumber();
    void scanName();
    bool scanSheetAndReference();
    bool scanReference(size_t start, std::optional<std::string> sheet);
    bool r1c1Reference(size_t& i, Token& token) const;
    bool r1c1Coordinate(size_t& i, RawCoordinate& out) const;
    Coordinate checkedR1C1(const RawCoordinate& raw, int limit, const char* what, size_t start) const;
    bool a1Reference(size_t& i, Token& token) const;
    bool a1Cell(size_t& i, Token& token) const;
    bool a1WholeColumns(size_t& i, Token& token) const;
    bool a1WholeRows(size_t& i, Token& token) const;

    std::string_view m_text;
    int m_first;
    Notation m_notation;
    model::CellAddress m_host;
    size_t m_pos = 0;
    std::vector<Token> m_tokens;
};

std::vector<Token> Scanner::run() {
    while (true) {
        while (m_pos < m_text.size() && isSpace(m_text[m_pos])) ++m_pos;
        if (m_pos >= m_text.size()) break;
        scanOne();
    }
    return std::move(m_tokens);
}

// A reference ends where a name, a call or a sheet name would go on.
bool Scanner::endsReference(size_t i) const {
    return i >= m_text.size() || !(isNameChar(m_text[i]) || m_text[i] == '(' || m_text[i] == '!');
}

Token& Scanner::push(TokenKind kind, size_t start) {
    Token token;
    token.kind = kind;
    token.position = positionOf(start);
    m_tokens.push_back(std::move(token));
    return m_tokens.back();
}

// Picks the scanner for the character at the current position.
void Scanner::scanOne() {
    const char c = m_text[m_pos];
    if (c == '"') return scanText();
    if (c == '#') return scanError();
    if (scanOperator()) return;
    if (scanSheetAndReference()) return;
    if (scanReference(m_pos, std::nullopt)) return;
    if (isDigit(c) || (c == '.' && m_pos + 1 < m_text.size() && isDigit(m_text[m_pos + 1]))) return scanNumber();
    if (isNameStart(c)) return scanName();
    throwFormulaError(std::string("unexpected character '") + c + "'", positionOf(m_pos));
}

// text := '"' { any character except '"' | '""' } '"'
void Scanner::scanText() {
    Token& token = push(TokenKind::Text, m_pos);
    size_t i = m_pos + 1;
    while (true) {
        if (i >= m_text.size()) throwFormulaError("text without its closing quote", token.position);
        if (m_text[i] == '"') {
            if (!at(i + 1, '"')) break;
            ++i;
        }
        token.text += m_text[i++];
    }
    m_pos = i + 1;
}

// error := "#NULL!" | "#DIV/0!" | "#VALUE!" | "#REF!" | "#NAME?" | "#NUM!" | "#N/A"
void Scanner::scanError() {
    for (size_t length = 7; length >= 4; --length) {
        if (m_pos + length > m_text.size()) continue;
        if (const auto code = model::parseErrorText(m_text.substr(m_pos, length))) {
            push(TokenKind::Error, m_pos).error = *code;
            m_pos += length;
            return;
        }
    }
    throwFormulaError("unknown error value", positionOf(m_pos));
}

bool Scanner::scanOperator() {
    static constexpr std::array<std::string_view, 13> kOperators = {"<>", "<=", ">=", "+", "-", "*", "/",
                                                                     "^",  "&",  "=",  "<", ">", "%"};
    const char c = m_text[m_pos];
    if (c == ':' || c == ',' || c == '(' || c == ')') {
        const TokenKind kind = c == ':'   ? TokenKind::Colon
                               : c == ',' ? TokenKind::Comma
                               : c == '(' ? TokenKind::Open
                                          : TokenKind::Close;
        push(kind, m_pos).text = std::string(1, c);
        ++m_pos;
        return true;
    }
    for (std::string_view op : kOperators) {
        if (m_text.substr(m_pos, op.size()) != op) continue;
        push(TokenKind::Operator, m_pos).text = std::string(op);
        m_pos += op.size();
        return true;
    }
    return false;
}

// number := digits ["." digits] [("E"|"e") ["+"|"-"] digits] | "." digits [exponent]
void Scanner::scanNumber() {
    size_t i = m_pos;
    while (i < m_text.size() && isDigit(m_text[i])) ++i;
    if (at(i, '.')) ++i;
    while (i < m_text.size() && isDigit(m_text[i])) ++i;
    if (i < m_text.size() && (m_text[i] == 'e' || m_text[i] == 'E')) {
        size_t j = i + 1;
        if (at(j, '+') || at(j, '-')) ++j;
        if (j < m_text.size() && isDigit(m_text[j])) {
            while (j < m_text.size() && isDigit(m_text[j])) ++j;
            i = j;
        }
    }
    const std::optional<double> value = readDecimal(m_text.substr(m_pos, i - m_pos));
    if (!value) throwFormulaError("number out of range", positionOf(m_pos));
    push(TokenKind::Number, m_pos).number = *value;
    m_pos = i;
}

// name := nameStart {nameChar}; a function when "(" follows, TRUE/FALSE otherwise Booleans
void Scanner::scanName() {
    size_t i = m_pos;
    while (i < m_text.size() && isNameChar(m_text[i])) ++i;
    std::string name(m_text.substr(m_pos, i - m_pos));
    size_t next = i;
    while (next < m_text.size() && isSpace(m_text[next])) ++next;
    std::string upperName;
    for (char c : name) upperName += upper(c);
    if (at(next, '(')) {
        push(TokenKind::Function, m_pos).text = upperName;
    } else if (upperName == "TRUE" || upperName == "FALSE") {
        push(TokenKind::Boolean, m_pos).boolean = upperName == "TRUE";
    } else {
        // A name that A1 notation reads as a cell would change meaning, or be
        // refused, once the formula is shown in A1 notation and entered again.
        if (m_notation == Notation::R1C1 && readsAsA1Cell(name))
            throwFormulaError(name + " is a cell reference in A1 notation, not a name", positionOf(m_pos));
        if (m_notation == Notation::R1C1 && at(next, ':') && model::columnNumber(name))
            throwFormulaError(name + " before ':' is a column reference in A1 notation, not a name", positionOf(m_pos));
        push(TokenKind::Name, m_pos).text = name;
    }
    m_pos = i;
}

// sheetReference := ("'" {any | "''"} "'" | nameChar {nameChar}) "!" reference
bool Scanner::scanSheetAndReference() {
    const size_t start = m_pos;
    std::string sheet;
    size_t i = m_pos;
    if (m_text[i] == '\'') {
        for (++i;; ++i) {
            if (i >= m_text.size()) throwFormulaError("sheet name without its closing quote", positionOf(start));
            if (m_text[i] == '\'') {
                if (!at(i + 1, '\'')) break;
                ++i;
            }
            sheet += m_text[i];
        }
        ++i;
        if (!at(i, '!')) throwFormulaError("missing '!' after the sheet name", positionOf(i));
    } else {
        while (i < m_text.size() && isNameChar(m_text[i])) sheet += m_text[i++];
        if (sheet.empty() || !at(i, '!')) return false;
    }
    if (sheet.empty()) throwFormulaError("empty sheet name", positionOf(start));
    if (!scanReference(i + 1, sheet)) throwFormulaError("a reference must follow the sheet name", positionOf(i + 1));
    m_tokens.back().position = positionOf(start);
    return true;
}

bool Scanner::scanReference(size_t start, std::optional<std::string> sheet) {
    Token token;
    size_t i = start;
    const bool found = m_notation == Notation::R1C1 ? r1c1Reference(i, token) : a1Reference(i, token);
    if (!found) return false;
    token.kind = TokenKind::Reference;
    token.position = positionOf(start);
    token.sheet = std::move(sheet);
    m_tokens.push_back(std::move(token));
    m_pos = i;
    return true;
}

// r1c1 := "R" coordinate ["C" coordinate] | "C" coordinate
bool Scanner::r1c1Reference(size_t& i, Token& token) const {
    size_t j = i;
    std::optional<RawCoordinate> row, column;
    RawCoordinate raw;
    if (j < m_text.size() && upper(m_text[j]) == 'R') {
        ++j;
        if (!r1c1Coordinate(j, raw)) return false;
        row = raw;
    }
    if (j < m_text.size() && upper(m_text[j]) == 'C') {
        ++j;
        if (!r1c1Coordinate(j, raw)) return false;
        column = raw;
    }
    if ((!row && !column) || !endsReference(j)) return false;
    if (row) token.cell.row = checkedR1C1(*row, model::kMaxRows, "row", i);
    if (column) token.cell.column = checkedR1C1(*column, model::kMaxColumns, "column", i);
    token.shape = row && column ? ReferenceShape::Cell : row ? ReferenceShape::Rows : ReferenceShape::Columns;
    i = j;
    return true;
}

// coordinate := "[" ["+"|"-"] digits "]" | digits | nothing (the host's row or column)
bool Scanner::r1c1Coordinate(size_t& i, RawCoordinate& out) const {
    out = RawCoordinate();
    if (at(i, '[')) {
        size_t j = i + 1;
        const bool negative = at(j, '-');
        if (negative || at(j, '+')) ++j;
        const size_t count = scanDigits(m_text, j, out.value);
        if (count == 0 || !at(j + count, ']')) return false;
        if (negative) out.value = -out.value;
        i = j + count + 1;
        return true;
    }
    const size_t count = scanDigits(m_text, i, out.value);
    if (count > 0) out.relative = false;
    i += count;
    return true;
}

// Refuses numbers that no sheet has and offsets that leave the grid from every cell.
Coordinate Scanner::checkedR1C1(const RawCoordinate& raw, int limit, const char* what, size_t start) const {
    if (raw.relative) {
        if (raw.value <= -limit || raw.value >= limit)
            throwFormulaError(std::string(what) + " offset out of range", positionOf(start));
        return Coordinate::offset(static_cast<int>(raw.value));
    }
    if (raw.value < 1 || raw.value > limit)
        throwFormulaError(std::string(what) + " number out of range", positionOf(start));
    return Coordinate::absolute(static_cast<int>(raw.value));
}

bool Scanner::a1Reference(size_t& i, Token& token) const {
    return a1WholeColumns(i, token) || a1WholeRows(i, token) || a1Cell(i, token);
}

// cell := ["$"] letters ["$"] digits
bool Scanner::a1Cell(size_t& i, Token& token) const {
    size_t j = i;
    const bool columnAbsolute = at(j, '$');
    if (columnAbsolute) ++j;
    const size_t lettersStart = j;
    while (j < m_text.size() && isLetter(m_text[j])) ++j;
    const size_t letters = j - lettersStart;
    const bool rowAbsolute = at(j, '$');
    if (rowAbsolute) ++j;
    long long row = 0;
    const size_t digits = scanDigits(m_text, j, row);
    if (letters == 0 || letters > 3 || digits == 0 || !endsReference(j + digits)) return false;
    const std::optional<int> column = model::columnNumber(m_text.substr(lettersStart, letters));
    if (!column) throwFormulaError("column beyond IV", positionOf(i));
    if (row < 1 || row > model::kMaxRows) throwFormulaError("row number out of range", positionOf(i));
    token.shape = ReferenceShape::Cell;
    token.cell.row = rowAbsolute ? Coordinate::absolute(static_cast<int>(row))
                                 : Coordinate::offset(static_cast<int>(row) - m_host.row);
    token.cell.column = columnAbsolute ? Coordinate::absolute(*column) : Coordinate::offset(*column - m_host.column);
    i = j + digits;
    return true;
}

// columns := ["$"] letters ":" ["$"] letters
bool Scanner::a1WholeColumns(size_t& i, Token& token) const {
    size_t j = i;
    std::array<Coordinate, 2> columns;
    for (int side = 0; side < 2; ++side) {
        if (side == 1) {
            if (!at(j, ':')) return false;
            ++j;
        }
        const bool absolute = at(j, '$');
        if (absolute) ++j;
        const size_t start = j;
        while (j < m_text.size() && isLetter(m_text[j])) ++j;
        if (j == start || j - start > 3) return false;
        const std::optional<int> column = model::columnNumber(m_text.substr(start, j - start));
        if (!column) return false;  // "abc:abd" beyond IV reads as names
        columns[side] = absolute ? Coordinate::absolute(*column) : Coordinate::offset(*column - m_host.column);
    }
    if (!endsReference(j)) return false;
    token.shape = ReferenceShape::Area;
    token.area = {{Coordinate::absolute(1), columns[0]}, {Coordinate::absolute(model::kMaxRows), columns[1]}};
    i = j;
    return true;
}

// rows := ["$"] digits ":" ["$"] digits
bool Scanner::a1WholeRows(size_t& i, Token& token) const {
    size_t j = i;
    std::array<long long, 2> numbers{};
    std::array<bool, 2> absolute{};
    std::array<size_t, 2> starts{};
    for (int side = 0; side < 2; ++side) {
        if (side == 1) {
            if (!at(j, ':')) return false;
            ++j;
        }
        absolute[side] = at(j, '$');
        if (absolute[side]) ++j;
        starts[side] = j;
        const size_t digits = scanDigits(m_text, j, numbers[side]);
        if (digits == 0) return false;
        j += digits;
    }
    if (!endsReference(j)) return false;
    std::array<Coordinate, 2> rows;
    for (int side = 0; side < 2; ++side) {
        const long long row = numbers[side];
        if (row < 1 || row > model::kMaxRows) throwFormulaError("row number out of range", positionOf(starts[side]));
        rows[side] = absolute[side] ? Coordinate::absolute(static_cast<int>(row))
                                    : Coordinate::offset(static_cast<int>(row) - m_host.row);
    }
    token.shape = ReferenceShape::Area;
    token.area = {{rows[0], Coordinate::absolute(1)}, {rows[1], Coordinate::absolute(model::kMaxColumns)}};
    i = j;
    return true;
}

}  // namespace

void throwFormulaError(const std::string& problem, int position) {
    throw FormulaError("The formula contains an error: " + problem + " at " + std::to_string(position), position);
}

std::vector<Token> tokenize(std::string_view text, int firstPosition, Notation notation, model::CellAddress host) {
    return Scanner(text, firstPosition, notation, host).run();
}

std::string tokenKinds(std::string_view text, Notation notation, model::CellAddress host) {
    static constexpr std::string_view kLetters = "nsberifo:,()";
    const bool skipEquals = !text.empty() && text.front() == '=';
    std::string kinds;
    for (const Token& token : tokenize(text.substr(skipEquals ? 1 : 0), skipEquals ? 2 : 1, notation, host))
        kinds += kLetters[static_cast<size_t>(token.kind)];
    return kinds;
}

}  // namespace spreadsheet::formula
