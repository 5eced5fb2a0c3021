// Reading a worksheet's embedded charts: the anchors in its MSODRAWING
// records, the OBJ records that say a chart follows, and the chart
// substreams themselves. Shapes that are not charts (pictures, text boxes,
// comments) and their substreams are read past.
#pragma once

#include "spreadsheet/model/chart.h"
#include "spreadsheet/xls/biff/charts/chart_reader.h"
#include "spreadsheet/xls/biff/charts/drawing_anchor.h"
#include "spreadsheet/xls/biff/records/extern_sheet_table.h"
#include "spreadsheet/xls/biff/records/record_reader.h"

#include <optional>
#include <vector>

namespace spreadsheet::xls::biff {

// An embedded chart and where it sits.
struct ReadShape {
    CellAnchor anchor;
    model::Chart chart;
};

// The anchors of the shapes in one MSODRAWING body, in order.
std::vector<CellAnchor> anchorsIn(Bytes drawing);

class DrawingReader {
public:
    DrawingReader(const NumberFormatsById& formats, const ReadExternSheets& externs)
        : m_formats(formats), m_externs(externs) {}

    // Takes MSODRAWING and OBJ records; false for any other.
    bool read(const Record& record);
    // At a BOF nested in the worksheet: reads the chart an OBJ announced, or
    // passes over the substream, through its EOF.
    void readNested(RecordReader& reader);
    std::vector<ReadShape> finish() { return std::move(m_shapes); }

private:
    const NumberFormatsById& m_formats;
    const ReadExternSheets& m_externs;
    std::optional<CellAnchor> m_anchor;      // of the latest shape
    std::optional<CellAnchor> m_chartAnchor;  // of a chart whose substream comes next
    bool m_chartNext = false;
    std::vector<ReadShape> m_shapes;
};

}  // namespace spreadsheet::xls::biff
