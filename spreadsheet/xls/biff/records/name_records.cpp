// LBL records for print areas, and the few tokens a print area is made of.
// Token ids come from the token compiler's table; only these few are built here.
#include "spreadsheet/xls/biff/records/name_records.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/tokens/ptg_ids.h"

namespace spreadsheet::xls::biff {
namespace {

constexpr uint8_t kArea3dRef = tokens::ptg::kArea3d | tokens::ptg::kClassReference;
constexpr uint8_t kMemFuncRef = tokens::ptg::kMemFunc | tokens::ptg::kClassReference;
constexpr uint16_t kMemLengthSize = 2;
constexpr std::size_t kShortcutSize = 1;
constexpr std::size_t kReservedSize = 2;
constexpr std::size_t kTextLengthsSize = 4;  // menu, description, help and status texts: none in BIFF8
const std::u16string kPrintAreaName(1, lbl::kPrintArea);

void put16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

// An absolute area: rows and columns 0-based, no relative flags.
void putArea3d(std::vector<uint8_t>& out, uint16_t entry, const model::CellRange& range) {
    out.push_back(kArea3dRef);
    put16(out, entry);
    put16(out, static_cast<uint16_t>(range.first.row - 1));
    put16(out, static_cast<uint16_t>(range.last.row - 1));
    put16(out, static_cast<uint16_t>((range.first.column - 1) & tokens::ptg::kColumnMask));
    put16(out, static_cast<uint16_t>((range.last.column - 1) & tokens::ptg::kColumnMask));
}

// Reads one token of a print area into `ranges`; false for a token that has no place in one.
bool readPrintAreaToken(ByteCursor& in, model::RangeList& ranges) {
    const uint8_t id = in.u8();
    const uint8_t base = id & tokens::ptg::kBaseMask;
    const bool classed = (id & tokens::ptg::kClassMask) != 0;
    if (id == tokens::ptg::kUnion || id == tokens::ptg::kParen) return true;
    if (classed && base == tokens::ptg::kMemFunc) {
        in.skip(kMemLengthSize);  // the areas follow as ordinary tokens
        return true;
    }
    if (classed && base == tokens::ptg::kMemArea) {
        in.skip(tokens::ptg::kMemHeaderSize + kMemLengthSize);
        return true;
    }
    if (classed && (base == tokens::ptg::kArea3d || base == tokens::ptg::kRef3d)) {
        in.skip(tokens::ptg::kSheetIndexSize);
        const int firstRow = in.u16();
        const int lastRow = base == tokens::ptg::kArea3d ? in.u16() : firstRow;
        const int firstColumn = in.u16() & tokens::ptg::kColumnMask;
        const int lastColumn = base == tokens::ptg::kArea3d ? in.u16() & tokens::ptg::kColumnMask : firstColumn;
        if (firstColumn >= limits::kMaxColumns || lastColumn >= limits::kMaxColumns) return false;
        ranges.push_back(model::CellRange({firstRow + 1, firstColumn + 1}, {lastRow + 1, lastColumn + 1}));
        return true;
    }
    return false;
}

}  // namespace

std::vector<uint8_t> printAreaTokens(uint16_t entry, const model::RangeList& ranges) {
    std::vector<uint8_t> areas;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        putArea3d(areas, entry, ranges[i]);
        if (i > 0) areas.push_back(tokens::ptg::kUnion);
    }
    if (ranges.size() < 2) return areas;
    std::vector<uint8_t> tokens{kMemFuncRef};  // a union of references is one reference expression
    put16(tokens, static_cast<uint16_t>(areas.size()));
    tokens.insert(tokens.end(), areas.begin(), areas.end());
    return tokens;
}

void writePrintAreaName(RecordStream& out, int sheetIndex, const std::vector<uint8_t>& tokens) {
    out.begin(record::kLbl);
    out.u16(lbl::kBuiltIn);
    out.u8(0);  // no keyboard shortcut
    out.u8(static_cast<uint8_t>(kPrintAreaName.size()));
    out.u16(static_cast<uint16_t>(tokens.size()));
    out.u16(0);  // reserved
    out.u16(static_cast<uint16_t>(sheetIndex + 1));
    out.zeros(kTextLengthsSize);
    out.stringWithoutCount(kPrintAreaName);
    out.bytes(tokens);
    out.end();
}

bool DefinedName::isPrintArea() const { return builtIn && name == kPrintAreaName && sheet >= 0; }

DefinedName readDefinedName(const Record& record) {
    const std::vector<uint8_t> body = record.joined();
    ByteCursor in(body, "a LBL record");
    DefinedName name;
    name.builtIn = (in.u16() & lbl::kBuiltIn) != 0;
    in.skip(kShortcutSize);
    const std::size_t length = in.u8();
    const std::size_t tokenBytes = in.u16();
    in.skip(kReservedSize);
    name.sheet = static_cast<int>(in.u16()) - 1;
    in.skip(kTextLengthsSize);
    name.name = in.stringWithoutCount(length);
    const Bytes tokens = in.take(tokenBytes);
    name.tokens.assign(tokens.begin(), tokens.end());
    return name;
}

std::optional<model::RangeList> printAreaFromTokens(Bytes tokens) {
    ByteCursor in(tokens, "the tokens of a print area");
    model::RangeList ranges;
    while (in.remaining() > 0)
        if (!readPrintAreaToken(in, ranges)) return std::nullopt;
    if (ranges.empty()) return std::nullopt;
    return ranges;
}

}  // namespace spreadsheet::xls::biff
