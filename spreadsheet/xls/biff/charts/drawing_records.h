// The drawing layer that embeds charts in worksheets: OfficeArt records
// (the public [MS-ODRAW] structures) carried in MSODRAWINGGROUP (the drawing
// group in the globals) and MSODRAWING (each sheet's drawing). Each
// worksheet with shapes is a drawing, numbered from 1 in sheet order; its
// shape ids are drawing * 1024, the group shape that holds the others, then
// one per chart in z-order.
//
// A sheet's drawing is one OfficeArtDgContainer whose bytes are spread over
// one MSODRAWING record per shape, each followed by the shape's OBJ record and
// chart substream: the first record holds the container's headers and the
// group shape too. The containers' lengths count all of those bytes.
#pragma once

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/charts/drawing_anchor.h"
#include "spreadsheet/xls/biff/records/record_stream.h"

#include <cstdint>
#include <vector>

namespace spreadsheet::xls::biff {

struct SheetDrawing {
    int sheet = 0;           // 0-based sheet index
    uint32_t drawingId = 0;  // 1-based
    uint32_t shapes = 0;     // the group shape and the charts
};

// The drawings of the workbook: one per worksheet that has shapes.
std::vector<SheetDrawing> sheetDrawings(const model::Workbook& workbook);

// MSODRAWINGGROUP, when any sheet has a drawing.
void writeDrawingGroup(RecordStream& out, const std::vector<SheetDrawing>& drawings);

// The MSODRAWING record of shape `index` (0-based, z-order) of the drawing.
void writeShapeDrawing(RecordStream& out, const SheetDrawing& drawing, std::size_t index, const CellAnchor& anchor);

}  // namespace spreadsheet::xls::biff
