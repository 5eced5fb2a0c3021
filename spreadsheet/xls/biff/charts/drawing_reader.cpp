// OfficeArt records are walked by their headers: containers are opened in
// place, atoms skipped by their length; only client anchors are kept.
#include "spreadsheet/xls/biff/charts/drawing_reader.h"

#include "spreadsheet/xls/biff/charts/chart_fields.h"
#include "spreadsheet/xls/biff/charts/chart_reader.h"
#include "spreadsheet/xls/biff/charts/chart_record_ids.h"
#include "spreadsheet/xls/biff/charts/object_records.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/xls_error.h"

namespace spreadsheet::xls::biff {
namespace {

// Passes over a substream nested in the worksheet, up to its EOF.
void skipNested(RecordReader& reader) {
    for (int depth = 1; depth > 0;) {
        if (reader.atEnd()) throwDamaged("an embedded substream has no EOF record");
        const uint16_t id = reader.next().id;
        if (id == record::kBof) ++depth;
        if (id == record::kEof) --depth;
    }
}

}  // namespace

std::vector<CellAnchor> anchorsIn(Bytes drawing) {
    std::vector<CellAnchor> anchors;
    std::size_t at = 0;
    while (drawing.size() - at >= officeart::kHeaderSize) {
        ByteCursor header(drawing.subspan(at, officeart::kHeaderSize), "an MSODRAWING record");
        const uint16_t version = header.u16() & 0xF;
        const uint16_t type = header.u16();
        const uint32_t length = header.u32();
        at += officeart::kHeaderSize;
        if (version == officeart::kContainerVersion) continue;  // its records follow
        if (length > drawing.size() - at) break;  // goes on in a record this reader does not join
        if (type == officeart::kClientAnchor && length >= officeart::kClientAnchorSize) {
            ByteCursor in(drawing.subspan(at, length), "a shape's anchor");
            in.u16();  // how the shape moves with its cells
            CellAnchor a;
            for (uint16_t* field : {&a.firstColumn, &a.firstColumnOffset, &a.firstRow, &a.firstRowOffset, &a.lastColumn,
                                    &a.lastColumnOffset, &a.lastRow, &a.lastRowOffset})
                *field = in.u16();
            anchors.push_back(a);
        }
        at += length;
    }
    return anchors;
}

bool DrawingReader::read(const Record& record) {
    if (record.id == record::kMsoDrawing) {
        const std::vector<uint8_t> body = record.joined();
        const std::vector<CellAnchor> anchors = anchorsIn(body);
        if (!anchors.empty()) m_anchor = anchors.back();
        return true;
    }
    if (record.id == record::kObj) {
        const std::optional<CommonObject> object = readCommonObject(record);
        m_chartNext = object && object->type == objrec::kChart && m_anchor;
        m_chartAnchor = m_chartNext ? m_anchor : std::nullopt;
        m_anchor.reset();
        return true;
    }
    return false;
}

void DrawingReader::readNested(RecordReader& reader) {
    if (!m_chartNext) {
        skipNested(reader);
        return;
    }
    m_chartNext = false;
    m_shapes.push_back({*m_chartAnchor, readChartSubstream(reader, m_formats, m_externs)});
}

}  // namespace spreadsheet::xls::biff
