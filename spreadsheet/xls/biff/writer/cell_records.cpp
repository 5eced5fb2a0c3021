// Cell record bodies. Rows and columns are 0-based in the file.
// Each writer fills only the body; the record stream frames it.
#include "spreadsheet/xls/biff/writer/cell_records.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"

namespace spreadsheet::xls::biff {
namespace {

void writeCellHeader(RecordStream& out, const CellOutput& cell) {
    out.u16(static_cast<uint16_t>(cell.address.row - 1));
    out.u16(static_cast<uint16_t>(cell.address.column - 1));
    out.u16(cell.xf);
}

void writeBoolErr(RecordStream& out, const CellOutput& cell) {
    out.begin(record::kBoolErr);
    writeCellHeader(out, cell);
    if (cell.value.isBoolean()) {
        out.u8(cell.value.asBoolean() ? 1 : 0);
        out.u8(cellrec::kBoolean);
    } else {
        out.u8(static_cast<uint8_t>(cell.value.asError()));
        out.u8(cellrec::kError);
    }
    out.end();
}

void writeNumber(RecordStream& out, const CellOutput& cell) {
    if (const auto rk = encodeRk(cell.value.asNumber())) {
        out.begin(record::kRk);
        writeCellHeader(out, cell);
        out.u32(*rk);
    } else {
        out.begin(record::kNumber);
        writeCellHeader(out, cell);
        out.f64(cell.value.asNumber());
    }
    out.end();
}

// The eight result bytes of a formula that did not give a number: a type, its
// payload in the third byte, and the marker in the last two.
void writeSpecialResult(RecordStream& out, uint8_t type, uint8_t payload) {
    out.u8(type);
    out.u8(0);
    out.u8(payload);
    out.u8(0);
    out.u8(0);
    out.u8(0);
    out.u16(fmla::kResultMarker);
}

void writeFormulaResult(RecordStream& out, const model::Value& v) {
    switch (v.kind()) {
    case model::ValueKind::Number: out.f64(v.asNumber()); break;
    case model::ValueKind::Text:
        writeSpecialResult(out, v.asText().empty() ? fmla::kResultEmptyString : fmla::kResultString, 0);
        break;
    case model::ValueKind::Boolean: writeSpecialResult(out, fmla::kResultBoolean, v.asBoolean() ? 1 : 0); break;
    case model::ValueKind::Error:
        writeSpecialResult(out, fmla::kResultError, static_cast<uint8_t>(v.asError()));
        break;
    case model::ValueKind::Empty: out.f64(0); break;  // a formula shows 0 for nothing
    }
}

void writeFormula(RecordStream& out, const CellOutput& cell) {
    out.begin(record::kFormula);
    writeCellHeader(out, cell);
    writeFormulaResult(out, cell.value);
    out.u16(fmla::kAlwaysCalc);
    out.u32(0);  // reserved
    out.u16(static_cast<uint16_t>(cell.rgce.size()));
    out.bytes(cell.rgce);
    out.end();
    if (cell.value.isText() && !cell.value.asText().empty()) {
        out.begin(record::kString);
        out.string(unicode::utf16FromUtf8Replacing(cell.value.asText()));
        out.end();
    }
}

}  // namespace

bool isRkNumber(const CellOutput& cell) {
    return !cell.isFormula() && cell.value.isNumber() && encodeRk(cell.value.asNumber()).has_value();
}

bool isBlank(const CellOutput& cell) { return !cell.isFormula() && cell.value.isEmpty(); }

void writeCell(RecordStream& out, const CellOutput& cell) {
    if (cell.isFormula()) return writeFormula(out, cell);
    switch (cell.value.kind()) {
    case model::ValueKind::Empty:
        out.begin(record::kBlank);
        writeCellHeader(out, cell);
        out.end();
        return;
    case model::ValueKind::Number: return writeNumber(out, cell);
    case model::ValueKind::Text:
        out.begin(record::kLabelSst);
        writeCellHeader(out, cell);
        out.u32(cell.sst.value_or(0));
        out.end();
        return;
    case model::ValueKind::Boolean:
    case model::ValueKind::Error: return writeBoolErr(out, cell);
    }
}

void writeMulRk(RecordStream& out, std::span<const CellOutput> run) {
    out.begin(record::kMulRk);
    out.u16(static_cast<uint16_t>(run.front().address.row - 1));
    out.u16(static_cast<uint16_t>(run.front().address.column - 1));
    for (const CellOutput& cell : run) {
        out.u16(cell.xf);
        out.u32(encodeRk(cell.value.asNumber()).value_or(0));
    }
    out.u16(static_cast<uint16_t>(run.back().address.column - 1));
    out.end();
}

void writeMulBlank(RecordStream& out, std::span<const CellOutput> run) {
    out.begin(record::kMulBlank);
    out.u16(static_cast<uint16_t>(run.front().address.row - 1));
    out.u16(static_cast<uint16_t>(run.front().address.column - 1));
    for (const CellOutput& cell : run) out.u16(cell.xf);
    out.u16(static_cast<uint16_t>(run.back().address.column - 1));
    out.end();
}

}  // namespace spreadsheet::xls::biff
