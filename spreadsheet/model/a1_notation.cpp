// Reading and writing A1 addresses: cells, ranges, whole rows and columns, with or without "$".
#include "spreadsheet/model/a1_notation.h"

#include <cctype>

namespace spreadsheet::model {
namespace {

// One side of an area: a cell ("B1"), a column ("B") or a row ("1").
struct Part {
    std::optional<int> row;
    std::optional<int> column;
};

bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string_view trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// part := ["$"] letters ["$"] digits | ["$"] letters | ["$"] digits
std::optional<Part> parsePart(std::string_view text) {
    Part part;
    size_t i = 0;
    if (i < text.size() && text[i] == '$') ++i;
    const size_t lettersStart = i;
    while (i < text.size() && isLetter(text[i])) ++i;
    if (i > lettersStart) {
        part.column = columnNumber(text.substr(lettersStart, i - lettersStart));
        if (!part.column) return std::nullopt;
        if (i < text.size() && text[i] == '$') ++i;
    } else if (lettersStart > 0 && i == lettersStart && i < text.size() && !isDigit(text[i])) {
        return std::nullopt;
    }
    const size_t digitsStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    if (i != text.size()) return std::nullopt;
    if (i > digitsStart) {
        if (i - digitsStart > 6) return std::nullopt;
        const int row = std::stoi(std::string(text.substr(digitsStart)));
        if (row < 1 || row > kMaxRows) return std::nullopt;
        part.row = row;
    }
    if (!part.row && !part.column) return std::nullopt;
    return part;
}

}  // namespace

std::string columnLetters(int column) {
    std::string letters;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        letters.insert(letters.begin(), static_cast<char>('A' + digit));
        column = (column - 1) / 26;
    }
    return letters;
}

std::optional<int> columnNumber(std::string_view letters) {
    if (letters.empty() || letters.size() > 3) return std::nullopt;
    int column = 0;
    for (char c : letters) {
        if (!isLetter(c)) return std::nullopt;
        column = column * 26 + (std::toupper(static_cast<unsigned char>(c)) - 'A' + 1);
    }
    if (column > kMaxColumns) return std::nullopt;
    return column;
}

// area := part [":" part], where both parts are cells, both columns or both rows
std::optional<CellRange> parseA1Area(std::string_view address) {
    address = trim(address);
    const size_t colon = address.find(':');
    const std::optional<Part> a = parsePart(address.substr(0, colon));
    if (!a) return std::nullopt;
    const std::optional<Part> b = colon == std::string_view::npos ? a : parsePart(address.substr(colon + 1));
    if (!b) return std::nullopt;
    const bool cells = a->row && a->column && b->row && b->column;
    const bool columns = !a->row && !b->row;
    const bool rows = !a->column && !b->column;
    if (cells) return CellRange({*a->row, *a->column}, {*b->row, *b->column});
    if (colon == std::string_view::npos) return std::nullopt;  // "A" or "3" alone is no address
    if (columns) return CellRange::wholeColumns(std::min(*a->column, *b->column), std::max(*a->column, *b->column));
    if (rows) return CellRange::wholeRows(std::min(*a->row, *b->row), std::max(*a->row, *b->row));
    return std::nullopt;
}

std::optional<RangeList> parseA1(std::string_view address) {
    RangeList ranges;
    size_t start = 0;
    while (true) {
        const size_t comma = address.find(',', start);
        const std::optional<CellRange> area = parseA1Area(address.substr(start, comma - start));
        if (!area) return std::nullopt;
        ranges.push_back(*area);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return ranges;
}

std::string formatA1(CellAddress address, bool absolute) {
    const std::string dollar = absolute ? "$" : "";
    return dollar + columnLetters(address.column) + dollar + std::to_string(address.row);
}

std::string formatA1(const CellRange& range, bool absolute) {
    const std::string dollar = absolute ? "$" : "";
    if (range.spansAllRows() && !range.spansAllColumns())
        return dollar + columnLetters(range.first.column) + ":" + dollar + columnLetters(range.last.column);
    if (range.spansAllColumns() && !range.spansAllRows())
        return dollar + std::to_string(range.first.row) + ":" + dollar + std::to_string(range.last.row);
    if (range.isSingleCell()) return formatA1(range.first, absolute);
    return formatA1(range.first, absolute) + ":" + formatA1(range.last, absolute);
}

std::string formatA1(const RangeList& ranges, bool absolute) {
    std::string out;
    for (const CellRange& range : ranges) out += (out.empty() ? "" : ",") + formatA1(range, absolute);
    return out;
}

}  // namespace spreadsheet::model
