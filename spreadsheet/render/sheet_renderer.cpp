// Rendering a range: the cells, then the embedded charts over them.
#include "spreadsheet/render/sheet_renderer.h"

#include "spreadsheet/render/cell_painter.h"
#include "spreadsheet/render/chart_data.h"
#include "spreadsheet/render/chart_painter.h"
#include "spreadsheet/render/sheet_geometry.h"

#include <QPainter>

namespace spreadsheet::render {
namespace {

// A shape's rectangle in the picture: its points from the sheet's corner, in pixels.
QRect shapeRect(const SheetGeometry& geometry, const model::ShapeBounds& bounds) {
    const QPoint topLeft = geometry.sheetOrigin() + QPoint(pixelsFromPoints(bounds.left), pixelsFromPoints(bounds.top));
    return QRect(topLeft, QSize(pixelsFromPoints(bounds.width), pixelsFromPoints(bounds.height)));
}

// Embedded charts over the cells, oldest first, each where it lies on the sheet.
void paintShapes(QPainter& painter, const SheetGeometry& geometry, const model::Workbook& workbook,
                 formula::Evaluator& evaluator, const model::Sheet& sheet) {
    const QRect picture(QPoint(0, 0), geometry.imageSize());
    for (const model::Shape& shape : sheet.shapes()) {
        const QRect area = shapeRect(geometry, shape.bounds);
        if (area.isEmpty() || !area.intersects(picture)) continue;
        paintChart(painter, area, shape.chart, readChartData(workbook, evaluator, shape.chart), workbook.palette());
    }
}

}  // namespace

QImage renderRange(const model::Workbook& workbook, formula::Evaluator& evaluator, int sheetIndex,
                   const model::CellRange& range) {
    const model::Sheet& sheet = workbook.sheet(sheetIndex);
    const SheetGeometry geometry(sheet, range);
    const QSize size = geometry.imageSize();
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) return {};
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    CellPainter(workbook, evaluator, sheetIndex, geometry).paint(painter);
    paintShapes(painter, geometry, workbook, evaluator, sheet);
    painter.end();
    return image;
}

QImage renderUsedRange(const model::Workbook& workbook, formula::Evaluator& evaluator, int sheetIndex) {
    const std::optional<model::CellRange> used = workbook.sheet(sheetIndex).usedRange();
    if (!used) return {};
    return renderRange(workbook, evaluator, sheetIndex, *used);
}

}  // namespace spreadsheet::render
