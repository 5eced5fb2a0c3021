// Cell record bodies into ReadCell entries.
// Cells off the 256-column grid are passed over; unknown error codes read as #N/A.
#include "spreadsheet/xls/biff/reader/cell_reader.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/storable_value.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"
#include "spreadsheet/xls/biff/records/xls_error.h"
#include "spreadsheet/xls/tokens/formula_tokens.h"

namespace spreadsheet::xls::biff {
namespace {

constexpr std::size_t kRkEntrySize = 6;     // XF index, RK number
constexpr std::size_t kXfEntrySize = 2;
constexpr std::size_t kRunFrameSize = 6;    // row and first column before the entries, last column after
constexpr std::size_t kResultTypeByte = 0;
constexpr std::size_t kResultPayloadByte = 2;
constexpr std::size_t kResultMarkerByte = 6;
constexpr std::size_t kFormulaFlagsSize = 2 + 4;  // flags, then four reserved bytes
constexpr std::size_t kSharedUseSize = 2;         // SHRFMLA: a reserved byte, the use count

model::Value errorValue(uint8_t code) {
    using model::ErrorCode;
    for (const ErrorCode e : {ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value, ErrorCode::Ref, ErrorCode::Name,
                              ErrorCode::Num, ErrorCode::NA})
        if (static_cast<uint8_t>(e) == code) return model::Value::error(e);
    return model::Value::error(ErrorCode::NA);
}

// The cached result of a formula; a text result is empty until its STRING record is read.
model::Value formulaResult(Bytes result, bool& textFollows) {
    textFollows = false;
    const auto marker = static_cast<uint16_t>(result[kResultMarkerByte] | result[kResultMarkerByte + 1] << 8);
    const bool special = marker == fmla::kResultMarker;
    if (!special) return model::Value::number(ByteCursor(result, "a FORMULA record").f64());
    switch (result[kResultTypeByte]) {
    case fmla::kResultString: textFollows = true; return model::Value::text("");
    case fmla::kResultBoolean: return model::Value::boolean(result[kResultPayloadByte] != 0);
    case fmla::kResultError: return errorValue(result[kResultPayloadByte]);
    default: return model::Value::text("");
    }
}

}  // namespace

bool CellReader::read(const Record& record) {
    if (record.id != record::kString && record.id != record::kShrFmla && record.id != record::kArray &&
        record.id != record::kTable)
        m_awaitingString.reset();
    switch (record.id) {
    case record::kLabelSst: readLabelSst(record); return true;
    case record::kLabel:
    case record::kRString: readText(record); return true;
    case record::kNumber: readNumber(record); return true;
    case record::kRk: readRk(record); return true;
    case record::kMulRk: readMulRk(record); return true;
    case record::kBoolErr: readBoolErr(record); return true;
    case record::kBlank: readBlank(record); return true;
    case record::kMulBlank: readMulBlank(record); return true;
    case record::kFormula: readFormula(record); return true;
    case record::kString: readString(record); return true;
    case record::kShrFmla: readSharedFormula(record); return true;
    default: return false;
    }
}

void CellReader::add(uint16_t row, uint16_t column, uint16_t xf, model::Value value) {
    if (column >= limits::kMaxColumns) return;  // off the grid: not a cell any reader shows
    m_cells.push_back({{row + 1, column + 1}, xf, storableValue(std::move(value)), nullptr});
}

void CellReader::readLabelSst(const Record& record) {
    ByteCursor in(record.body, "a LABELSST record");
    const uint16_t row = in.u16(), column = in.u16(), xf = in.u16();
    const uint32_t index = in.u32();
    if (index >= m_globals.sharedStrings.size())
        throwDamaged("a LABELSST record refers to shared string " + std::to_string(index) + " of " +
                     std::to_string(m_globals.sharedStrings.size()));
    add(row, column, xf, model::Value::text(m_globals.sharedStrings[index]));
}

void CellReader::readText(const Record& record) {
    const std::vector<uint8_t> body = record.joined();
    ByteCursor in(body, "a LABEL record");
    const uint16_t row = in.u16(), column = in.u16(), xf = in.u16();
    add(row, column, xf, model::Value::text(unicode::utf8FromUtf16(in.string())));
}

void CellReader::readNumber(const Record& record) {
    ByteCursor in(record.body, "a NUMBER record");
    const uint16_t row = in.u16(), column = in.u16(), xf = in.u16();
    add(row, column, xf, model::Value::number(in.f64()));
}

void CellReader::readRk(const Record& record) {
    ByteCursor in(record.body, "an RK record");
    const uint16_t row = in.u16(), column = in.u16(), xf = in.u16();
    add(row, column, xf, model::Value::number(decodeRk(in.u32())));
}

void CellReader::readMulRk(const Record& record) {
    ByteCursor in(record.body, "a MULRK record");
    const uint16_t row = in.u16(), first = in.u16();
    const std::size_t count = record.body.size() < kRunFrameSize ? 0 : (record.body.size() - kRunFrameSize) / kRkEntrySize;
    for (std::size_t i = 0; i < count; ++i) {
        const uint16_t xf = in.u16();
        add(row, static_cast<uint16_t>(first + i), xf, model::Value::number(decodeRk(in.u32())));
    }
}

void CellReader::readBoolErr(const Record& record) {
    ByteCursor in(record.body, "a BOOLERR record");
    const uint16_t row = in.u16(), column = in.u16(), xf = in.u16();
    const uint8_t value = in.u8();
    const bool isError = in.u8() == cellrec::kError;
    add(row, column, xf, isError ? errorValue(value) : model::Value::boolean(value != 0));
}

void CellReader::readBlank(const Record& record) {
    ByteCursor in(record.body, "a BLANK record");
    const uint16_t row = in.u16(), column = in.u16(), xf = in.u16();
    add(row, column, xf, model::Value());
}

void CellReader::readMulBlank(const Record& record) {
    ByteCursor in(record.body, "a MULBLANK record");
    const uint16_t row = in.u16(), first = in.u16();
    const std::size_t count = record.body.size() < kRunFrameSize ? 0 : (record.body.size() - kRunFrameSize) / kXfEntrySize;
    for (std::size_t i = 0; i < count; ++i) add(row, static_cast<uint16_t>(first + i), in.u16(), model::Value());
}

void CellReader::readFormula(const Record& record) {
    ByteCursor in(record.body, "a FORMULA record");
    const uint16_t row = in.u16(), column = in.u16(), xf = in.u16();
    bool textFollows = false;
    model::Value cached = formulaResult(in.take(fmla::kResultSize), textFollows);
    in.skip(kFormulaFlagsSize);
    const Bytes tokens = in.take(in.u16());
    if (column >= limits::kMaxColumns) return;
    add(row, column, xf, std::move(cached));
    const std::size_t index = m_cells.size() - 1;
    if (textFollows) m_awaitingString = index;
    ReadCell& cell = m_cells.back();
    try {
        cell.formula = tokens::decompileFormula(tokens, cell.address, tokens::TokenContext::Cell, &m_externs);
    } catch (const tokens::SharedFormulaError& e) {
        m_pending.push_back({index, e.baseCell()});
    } catch (const tokens::TokenError&) {
        // Kept as its cached value: the cell shows what it showed.
    }
}

void CellReader::readString(const Record& record) {
    if (!m_awaitingString) return;
    ContinuedCursor in(record, "a STRING record");
    m_cells[*m_awaitingString].value = storableValue(model::Value::text(unicode::utf8FromUtf16(in.richString())));
    m_awaitingString.reset();
}

void CellReader::readSharedFormula(const Record& record) {
    ByteCursor in(record.body, "a SHRFMLA record");
    const int firstRow = in.u16(), lastRow = in.u16();
    const int firstColumn = in.u8(), lastColumn = in.u8();
    in.skip(kSharedUseSize);
    const Bytes tokens = in.take(in.u16());
    m_shared.push_back({model::CellRange({firstRow + 1, firstColumn + 1}, {lastRow + 1, lastColumn + 1}),
                        std::vector<uint8_t>(tokens.begin(), tokens.end())});
}

std::vector<ReadCell> CellReader::finish() {
    for (const PendingShared& p : m_pending) {
        ReadCell& cell = m_cells[p.cell];
        for (const SharedFormula& shared : m_shared) {
            if (shared.range.first != p.base || !shared.range.contains(cell.address)) continue;
            try {
                cell.formula = tokens::decompileFormula(shared.tokens, cell.address, tokens::TokenContext::Cell,
                                                        &m_externs);
            } catch (const tokens::TokenError&) {
            }
            break;
        }
    }
    m_pending.clear();
    return std::move(m_cells);
}

}  // namespace spreadsheet::xls::biff
