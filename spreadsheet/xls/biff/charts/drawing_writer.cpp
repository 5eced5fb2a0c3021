// Shapes become MSODRAWING + OBJ + chart substream, in z-order.
// The chart area of an embedded chart is the shape's size.
#include "spreadsheet/xls/biff/charts/drawing_writer.h"

#include "spreadsheet/xls/biff/charts/chart_writer.h"
#include "spreadsheet/xls/biff/charts/drawing_records.h"
#include "spreadsheet/xls/biff/charts/object_records.h"

#include <algorithm>
#include <stdexcept>

namespace spreadsheet::xls::biff {

void writeSheetDrawing(RecordStream& out, const model::Workbook& workbook, int sheetIndex,
                       std::span<const ChartOutput> shapeCharts) {
    const model::Sheet& sheet = workbook.sheet(sheetIndex);
    if (sheet.shapes().empty()) return;
    if (shapeCharts.size() != sheet.shapes().size()) throw std::out_of_range("a shape without its planned chart");
    const std::vector<SheetDrawing> drawings = sheetDrawings(workbook);
    const auto drawing = std::find_if(drawings.begin(), drawings.end(),
                                      [&](const SheetDrawing& d) { return d.sheet == sheetIndex; });
    for (std::size_t i = 0; i < sheet.shapes().size(); ++i) {
        const model::Shape& shape = sheet.shapes()[i];
        writeShapeDrawing(out, *drawing, i, anchorOf(sheet, shape.bounds));
        writeChartObject(out, static_cast<uint16_t>(shape.id));
        writeChartSubstream(out, shape.chart, shapeCharts[i], model::PageSetup{},
                            {shape.bounds.width, shape.bounds.height, false, false}, workbook.palette());
    }
}

void writeWorkbookDrawingGroup(RecordStream& out, const model::Workbook& workbook) {
    writeDrawingGroup(out, sheetDrawings(workbook));
}

}  // namespace spreadsheet::xls::biff
