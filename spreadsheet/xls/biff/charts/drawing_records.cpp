// OfficeArt records are assembled in memory, then handed to the record
// stream as one MSODRAWINGGROUP or MSODRAWING body. Every length is known
// beforehand: a chart's shape container has a fixed size.
#include "spreadsheet/xls/biff/charts/drawing_records.h"

#include "spreadsheet/xls/biff/charts/chart_fields.h"
#include "spreadsheet/xls/biff/charts/chart_record_ids.h"

#include <array>
#include <utility>

namespace spreadsheet::xls::biff {
namespace {

using officeart::kHeaderSize;

// The properties of a chart's shape, in property id order.
constexpr std::array<std::pair<uint16_t, uint32_t>, 9> kChartShapeProperties = {{
    {shapeprop::kProtection, shapeprop::kLockAgainstGrouping},
    {shapeprop::kTextBooleans, shapeprop::kFitTextToShape},
    {shapeprop::kFillColor, shapeprop::kChartBackground},
    {shapeprop::kFillBackColor, shapeprop::kChartForeground},
    {shapeprop::kFillBooleans, shapeprop::kFilled},
    {shapeprop::kLineColor, shapeprop::kChartForeground},
    {shapeprop::kLineBooleans, shapeprop::kLined},
    {shapeprop::kShadowBooleans, shapeprop::kNoShadow},
    {shapeprop::kGroupBooleans, shapeprop::kPrinted},
}};

constexpr std::size_t kGroupShapeSize = kHeaderSize + officeart::kFspgrSize + kHeaderSize + officeart::kFspSize;
constexpr std::size_t kChartShapeSize = kHeaderSize + officeart::kFspSize + kHeaderSize +
                                        kChartShapeProperties.size() * officeart::kPropertySize + kHeaderSize +
                                        officeart::kClientAnchorSize + kHeaderSize;

class ArtBytes {
public:
    void u16(uint16_t v) {
        m_bytes.push_back(static_cast<uint8_t>(v));
        m_bytes.push_back(static_cast<uint8_t>(v >> 8));
    }
    void u32(uint32_t v) {
        u16(static_cast<uint16_t>(v));
        u16(static_cast<uint16_t>(v >> 16));
    }
    void header(uint16_t version, uint16_t instance, uint16_t type, std::size_t length) {
        u16(static_cast<uint16_t>(version | instance << 4));
        u16(type);
        u32(static_cast<uint32_t>(length));
    }
    void container(uint16_t type, std::size_t length) { header(officeart::kContainerVersion, 0, type, length); }
    const std::vector<uint8_t>& bytes() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

uint32_t firstShapeId(const SheetDrawing& drawing) { return drawing.drawingId * officeart::kShapesPerCluster; }

void writeRecord(RecordStream& out, uint16_t id, const ArtBytes& art) {
    out.begin(id);
    out.bytes(art.bytes());
    out.end();
}

// The drawing's headers and its group shape, which the first MSODRAWING carries.
void drawingHead(ArtBytes& art, const SheetDrawing& drawing) {
    const std::size_t charts = drawing.shapes - 1;
    const std::size_t groupLength = kHeaderSize + kGroupShapeSize + charts * (kHeaderSize + kChartShapeSize);
    art.container(officeart::kDgContainer, kHeaderSize + officeart::kFdgSize + kHeaderSize + groupLength);
    art.header(0, static_cast<uint16_t>(drawing.drawingId), officeart::kFdg, officeart::kFdgSize);
    art.u32(drawing.shapes);
    art.u32(firstShapeId(drawing) + drawing.shapes - 1);  // the last shape id in use
    art.container(officeart::kSpgrContainer, groupLength);
    art.container(officeart::kSpContainer, kGroupShapeSize);
    art.header(officeart::kFspgrVersion, 0, officeart::kFspgr, officeart::kFspgrSize);
    for (int i = 0; i < 4; ++i) art.u32(0);  // the group's own coordinates: none
    art.header(officeart::kFspVersion, 0, officeart::kFsp, officeart::kFspSize);
    art.u32(firstShapeId(drawing));
    art.u32(officeart::kGroup | officeart::kPatriarch);
}

void chartShape(ArtBytes& art, uint32_t shapeId, const CellAnchor& a) {
    art.container(officeart::kSpContainer, kChartShapeSize);
    art.header(officeart::kFspVersion, officeart::kShapeHostControl, officeart::kFsp, officeart::kFspSize);
    art.u32(shapeId);
    art.u32(officeart::kHaveAnchor | officeart::kHaveShapeType);
    art.header(officeart::kFoptVersion, static_cast<uint16_t>(kChartShapeProperties.size()), officeart::kFopt,
               kChartShapeProperties.size() * officeart::kPropertySize);
    for (const auto& [id, value] : kChartShapeProperties) {
        art.u16(id);
        art.u32(value);
    }
    art.header(0, 0, officeart::kClientAnchor, officeart::kClientAnchorSize);
    art.u16(anchorrec::kMoveAndSizeWithCells);
    for (const uint16_t field : {a.firstColumn, a.firstColumnOffset, a.firstRow, a.firstRowOffset, a.lastColumn,
                                 a.lastColumnOffset, a.lastRow, a.lastRowOffset})
        art.u16(field);
    art.header(0, 0, officeart::kClientData, 0);
}

}  // namespace

std::vector<SheetDrawing> sheetDrawings(const model::Workbook& workbook) {
    std::vector<SheetDrawing> out;
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        const std::size_t shapes = workbook.sheet(i).shapes().size();
        if (shapes == 0) continue;
        out.push_back({i, static_cast<uint32_t>(out.size() + 1), static_cast<uint32_t>(shapes + 1)});
    }
    return out;
}

// OfficeArtDggContainer: the drawing group's record and one shape id cluster per drawing.
void writeDrawingGroup(RecordStream& out, const std::vector<SheetDrawing>& drawings) {
    if (drawings.empty()) return;
    uint32_t shapes = 0;
    for (const SheetDrawing& d : drawings) shapes += d.shapes;
    const std::size_t fdggLength = officeart::kFdggSize + drawings.size() * officeart::kIdclSize;
    ArtBytes art;
    art.container(officeart::kDggContainer, kHeaderSize + fdggLength);
    art.header(0, 0, officeart::kFdgg, fdggLength);
    art.u32(firstShapeId(drawings.back()) + drawings.back().shapes);  // the next shape id
    art.u32(static_cast<uint32_t>(drawings.size() + 1));  // clusters, plus one
    art.u32(shapes);
    art.u32(static_cast<uint32_t>(drawings.size()));
    for (const SheetDrawing& d : drawings) {
        art.u32(d.drawingId);
        art.u32(d.shapes);  // the next free id in the cluster
    }
    writeRecord(out, record::kMsoDrawingGroup, art);
}

void writeShapeDrawing(RecordStream& out, const SheetDrawing& drawing, std::size_t index, const CellAnchor& anchor) {
    ArtBytes art;
    if (index == 0) drawingHead(art, drawing);
    chartShape(art, firstShapeId(drawing) + 1 + static_cast<uint32_t>(index), anchor);
    writeRecord(out, record::kMsoDrawing, art);
}

}  // namespace spreadsheet::xls::biff
