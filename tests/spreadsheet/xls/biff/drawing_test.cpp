// Embedded charts in the file: the drawing group in the globals, each
// sheet's drawing spread over one MSODRAWING per shape with its OBJ record
// and chart substream after it, container lengths that count every piece,
// shape ids in the drawing's block, and anchors computed from the column
// widths and row heights.
#include "chart_samples.h"
#include "chart_test_support.h"

#include "spreadsheet/xls/biff/charts/chart_fields.h"
#include "spreadsheet/xls/biff/charts/drawing_anchor.h"
#include "spreadsheet/xls/biff/records/record_fields.h"

#include <gmock/gmock.h>

using namespace biff_test;
namespace fields = spreadsheet::xls::biff;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

struct ArtRecord {
    uint16_t version = 0;
    uint16_t instance = 0;
    uint16_t type = 0;
    uint32_t length = 0;
    std::size_t body = 0;  // where its body starts in the bytes
    int depth = 0;
};

// Every OfficeArt record in the bytes, containers (version 0xF) opened in place.
std::vector<ArtRecord> artRecords(const std::vector<uint8_t>& bytes) {
    std::vector<ArtRecord> out;
    std::vector<std::size_t> ends;
    for (std::size_t at = 0; at + 8 <= bytes.size();) {
        while (!ends.empty() && at >= ends.back()) ends.pop_back();
        const uint16_t verInst = le16(bytes, at);
        ArtRecord r{static_cast<uint16_t>(verInst & 0xF), static_cast<uint16_t>(verInst >> 4), le16(bytes, at + 2),
                    le32(bytes, at + 4), at + 8, static_cast<int>(ends.size())};
        out.push_back(r);
        if (r.version == 0xF) {
            ends.push_back(r.body + r.length);
            at = r.body;
        } else {
            at = r.body + r.length;
        }
    }
    return out;
}

// The bodies of a run of records of one kind, joined.
std::vector<uint8_t> joined(const std::vector<RecordInfo>& recs, uint16_t id) {
    std::vector<uint8_t> out;
    for (const RecordInfo& r : recs)
        if (r.id == id) out.insert(out.end(), r.body.begin(), r.body.end());
    return out;
}

// Top-level record names of a worksheet: a nested chart substream shows as one "chart".
std::vector<std::string> outline(const std::vector<RecordInfo>& recs) {
    std::vector<std::string> out;
    int depth = 0;
    for (const RecordInfo& r : recs) {
        if (r.id == rec::kBof && ++depth == 2) out.push_back("chart");
        if (depth == 1) out.push_back(recordName(r.id));
        if (r.id == rec::kEof) --depth;
    }
    return out;
}

}  // namespace

TEST(Drawing, shapes_follow_the_cell_table_each_with_its_object_and_chart) {
    model::Workbook book;
    buildBreakevenCharts(book);
    const auto sheet = sheetSubstream(streamOf(book), 0);
    std::vector<std::string> tail = outline(sheet);
    const auto first = std::find(tail.begin(), tail.end(), "MSODRAWING");
    ASSERT_NE(first, tail.end());
    EXPECT_EQ(*(first - 1), "DBCELL") << "after the cell table";
    EXPECT_THAT(std::vector<std::string>(first, tail.end()),
                ElementsAre("MSODRAWING", "OBJ", "chart", "MSODRAWING", "OBJ", "chart", "WINDOW2", "SELECTION", "EOF"));
    // Each embedded chart is a whole chart substream, without a window of its own.
    const auto charts = std::count_if(sheet.begin(), sheet.end(), [](const RecordInfo& r) {
        return r.id == rec::kBof && le16(r.body, 2) == fields::bof::kChartSheet;
    });
    EXPECT_EQ(charts, 2);
    EXPECT_EQ(recordsWithId(sheet, rec::kWindow2).size(), 1u);
}

TEST(Drawing, the_drawing_group_goes_before_the_shared_strings) {
    model::Workbook book;
    buildBreakevenCharts(book, 1);
    const auto globals = substreamAt(streamOf(book), 0);
    std::vector<uint16_t> ids;
    for (const RecordInfo& r : globals) ids.push_back(r.id);
    const auto group = std::find(ids.begin(), ids.end(), rec::kMsoDrawingGroup);
    ASSERT_NE(group, ids.end());
    EXPECT_EQ(*(group + 1), rec::kSst);
    EXPECT_EQ(*(group - 1), rec::kExternSheet) << "the series references made EXTERNSHEET entries";

    model::Workbook plain;
    buildChartData(plain);
    EXPECT_TRUE(recordsWithId(records(streamOf(plain)), rec::kMsoDrawingGroup).empty()) << "no shapes, no drawing group";
}

// The sheet's drawing container is spread over the MSODRAWING records; its
// length and the shape group's count every shape, and the shape ids are the
// drawing's: 1024 for the group, then one per chart.
TEST(Drawing, container_lengths_count_every_piece_and_ids_follow_the_drawing) {
    model::Workbook book;
    buildBreakevenCharts(book);
    const std::vector<uint8_t> art = joined(sheetSubstream(streamOf(book), 0), rec::kMsoDrawing);
    const std::vector<ArtRecord> recs = artRecords(art);
    ASSERT_FALSE(recs.empty());
    EXPECT_EQ(recs[0].type, fields::officeart::kDgContainer);
    EXPECT_EQ(recs[0].length + 8, art.size());
    std::vector<std::string> shapes;
    for (const ArtRecord& r : recs) {
        if (r.type == fields::officeart::kFdg)
            shapes.push_back("drawing " + std::to_string(r.instance) + " shapes " + std::to_string(le32(art, r.body)) +
                             " last " + std::to_string(le32(art, r.body + 4)));
        if (r.type == fields::officeart::kFsp)
            shapes.push_back("shape " + std::to_string(le32(art, r.body)) + " type " + std::to_string(r.instance) +
                             " flags " + std::to_string(le32(art, r.body + 4)));
        if (r.type == fields::officeart::kSpgrContainer) {
            EXPECT_EQ(r.body + r.length, art.size());
        }
    }
    EXPECT_THAT(shapes, ElementsAre("drawing 1 shapes 3 last 1026", "shape 1024 type 0 flags 5",
                                    "shape 1025 type 201 flags 2560", "shape 1026 type 201 flags 2560"));
    std::vector<uint16_t> objects;
    for (const RecordInfo& r : recordsWithId(sheetSubstream(streamOf(book), 0), rec::kObj)) {
        EXPECT_EQ(le16(r.body, 4), fields::objrec::kChart);
        objects.push_back(le16(r.body, 6));
    }
    EXPECT_THAT(objects, ElementsAre(1, 2));
}

// Two sheets with charts are two drawings, each with its block of shape ids,
// and the drawing group counts them all.
TEST(Drawing, the_drawing_group_counts_every_drawing) {
    model::Workbook book;
    buildBreakevenCharts(book, 1);
    book.addSheet("Other", model::SheetKind::Worksheet, 2);
    book.embedChart(2, model::Chart{}, {0, 0, 100, 100});
    book.embedChart(2, model::Chart{}, {0, 100, 100, 100});
    const std::vector<uint8_t> stream = streamOf(book);
    const std::vector<uint8_t> group = joined(records(stream), rec::kMsoDrawingGroup);
    const std::vector<ArtRecord> recs = artRecords(group);
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[1].type, fields::officeart::kFdgg);
    std::vector<uint32_t> fdgg;
    for (std::size_t at = recs[1].body; at < recs[1].body + recs[1].length; at += 4) fdgg.push_back(le32(group, at));
    // Next shape id, clusters + 1, shapes, drawings, then (drawing, next free id) per cluster.
    EXPECT_THAT(fdgg, ElementsAre(2048 + 3, 3, 2 + 3, 2, 1, 2, 2, 3));
    const std::vector<uint8_t> other = joined(sheetSubstream(stream, 2), rec::kMsoDrawing);
    EXPECT_EQ(le32(other, 16), 3u) << "the second drawing holds three shapes";
    EXPECT_EQ(le32(other, 20), 2048u + 2) << "its last shape id";
}

// Anchors from the data sheet's widths (A 12 px, B 114, C 68, D.. 89) and heights:
// the first pie's corners fall in H1 and L14.
TEST(Drawing, anchors_come_from_column_widths_and_row_heights) {
    model::Workbook book;
    buildBreakevenCharts(book, 1);
    const model::Sheet& sheet = book.sheet(0);
    EXPECT_EQ(fields::columnWidthPoints(sheet, 2), 85.5);
    const fields::CellAnchor a = fields::anchorOf(sheet, {50, 420, 300, 200});
    // left 420 = 412.5 + 7.5 of H's 66.75; right 720 = 679.5 + 40.5 of L;
    // top 50 of row 1's 61.5; bottom 250 = 238.5 + 11.5 of row 14's 12.75.
    EXPECT_EQ(a, (fields::CellAnchor{7, 115, 0, 208, 11, 621, 13, 231}));
    const std::vector<uint8_t> art = joined(sheetSubstream(streamOf(book), 0), rec::kMsoDrawing);
    for (const ArtRecord& r : artRecords(art))
        if (r.type == fields::officeart::kClientAnchor) {
            EXPECT_EQ(hexOf(art, r.body, r.length), "00 00 07 00 73 00 00 00 D0 00 0B 00 6D 02 0D 00 E7 00");
        }
}

TEST(Drawing, anchors_give_back_the_bounds) {
    model::Workbook book;
    model::Sheet& sheet = buildChartData(book);
    sheet.setColumnWidth(8, 0);  // a hidden column is passed over
    const model::ShapeBounds cases[] = {{50, 420, 300, 200}, {300, 420, 300, 200}, {0, 0, 10, 10}, {12.75, 9, 66.75, 0.5},
                                        {1000.3, 777.7, 123.4, 56.7}};
    for (const model::ShapeBounds& b : cases) {
        const model::ShapeBounds back = fields::boundsOf(sheet, fields::anchorOf(sheet, b));
        EXPECT_NEAR(back.top, b.top, 0.05) << b.top;
        EXPECT_NEAR(back.left, b.left, 0.05) << b.left;
        EXPECT_NEAR(back.width, b.width, 0.1) << b.width;
        EXPECT_NEAR(back.height, b.height, 0.1) << b.height;
    }
    const fields::CellAnchor far = fields::anchorOf(sheet, {1e7, 1e6, 10, 10});
    EXPECT_EQ(far.firstColumn, 255) << "a corner past the grid stays in its last column";
    EXPECT_EQ(far.firstRow, 65535);
}
