// The record structure of a saved workbook: the sequence of records in the
// globals and in a worksheet (fields that vary with content left out), and
// the offsets records hold into the stream (BOUNDSHEET8 to each sheet's BOF,
// INDEX to DBCELL and DEFCOLWIDTH, DBCELL to its rows, EXTSST to its
// strings), read back from the bytes.
#include "biff_test_support.h"
#include "sample_workbooks.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/hex_text.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cstring>
#include <map>

using namespace biff_test;
namespace rec = spreadsheet::xls::biff::record;
namespace fields = spreadsheet::xls::biff;
using ::testing::ElementsAreArray;

namespace {

const std::map<uint16_t, std::string>& recordNames() {
    static const std::map<uint16_t, std::string> names = {
        {rec::kBof, "BOF"}, {rec::kEof, "EOF"}, {rec::kContinue, "CONTINUE"}, {rec::kInterfaceHdr, "INTERFACEHDR"},
        {rec::kMms, "MMS"}, {rec::kInterfaceEnd, "INTERFACEEND"}, {rec::kWriteAccess, "WRITEACCESS"},
        {rec::kCodePage, "CODEPAGE"}, {rec::kDsf, "DSF"}, {rec::kRRTabId, "TABID"},
        {rec::kBuiltInFnGroupCount, "FNGROUPCOUNT"}, {rec::kWinProtect, "WINDOWPROTECT"}, {rec::kProtect, "PROTECT"},
        {rec::kPassword, "PASSWORD"}, {rec::kProt4Rev, "PROT4REV"}, {rec::kProt4RevPass, "PROT4REVPASS"},
        {rec::kWindow1, "WINDOW1"}, {rec::kBackup, "BACKUP"}, {rec::kHideObj, "HIDEOBJ"}, {rec::kDate1904, "DATE1904"},
        {rec::kCalcPrecision, "PRECISION"}, {rec::kRefreshAll, "REFRESHALL"}, {rec::kBookBool, "BOOKBOOL"},
        {rec::kFont, "FONT"}, {rec::kFormat, "FORMAT"}, {rec::kXf, "XF"}, {rec::kStyle, "STYLE"},
        {rec::kPalette, "PALETTE"}, {rec::kUsesElfs, "USESELFS"}, {rec::kBoundSheet8, "BOUNDSHEET"},
        {rec::kCountry, "COUNTRY"}, {rec::kSupBook, "SUPBOOK"}, {rec::kExternSheet, "EXTERNSHEET"},
        {rec::kLbl, "NAME"}, {rec::kSst, "SST"}, {rec::kExtSst, "EXTSST"}, {rec::kIndex, "INDEX"},
        {rec::kCalcMode, "CALCMODE"}, {rec::kCalcCount, "CALCCOUNT"}, {rec::kCalcRefMode, "REFMODE"},
        {rec::kCalcIter, "ITERATION"}, {rec::kCalcDelta, "DELTA"}, {rec::kCalcSaveRecalc, "SAVERECALC"},
        {rec::kPrintRowCol, "PRINTHEADERS"}, {rec::kPrintGrid, "PRINTGRIDLINES"}, {rec::kGridSet, "GRIDSET"},
        {rec::kGuts, "GUTS"}, {rec::kDefaultRowHeight, "DEFAULTROWHEIGHT"}, {rec::kWsBool, "WSBOOL"},
        {rec::kHeader, "HEADER"}, {rec::kFooter, "FOOTER"}, {rec::kHCenter, "HCENTER"}, {rec::kVCenter, "VCENTER"},
        {rec::kLeftMargin, "LEFTMARGIN"}, {rec::kRightMargin, "RIGHTMARGIN"}, {rec::kTopMargin, "TOPMARGIN"},
        {rec::kBottomMargin, "BOTTOMMARGIN"}, {rec::kSetup, "SETUP"}, {rec::kDefColWidth, "DEFCOLWIDTH"},
        {rec::kColInfo, "COLINFO"}, {rec::kDimensions, "DIMENSIONS"}, {rec::kRow, "ROW"}, {rec::kBlank, "BLANK"},
        {rec::kMulBlank, "MULBLANK"}, {rec::kNumber, "NUMBER"}, {rec::kRk, "RK"}, {rec::kMulRk, "MULRK"},
        {rec::kBoolErr, "BOOLERR"}, {rec::kLabelSst, "LABELSST"}, {rec::kFormula, "FORMULA"}, {rec::kString, "STRING"},
        {rec::kDbCell, "DBCELL"}, {rec::kWindow2, "WINDOW2"}, {rec::kSelection, "SELECTION"},
        {rec::kMergeCells, "MERGECELLS"}};
    return names;
}

// Record names in order, runs of the same record shown once with a count ("XF x17").
std::vector<std::string> dump(const std::vector<RecordInfo>& recs) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < recs.size();) {
        std::size_t n = 1;
        while (i + n < recs.size() && recs[i + n].id == recs[i].id) ++n;
        const auto name = recordNames().find(recs[i].id);
        std::string line = name == recordNames().end() ? spreadsheet::xls::hexText(recs[i].id, 4) : name->second;
        out.push_back(n == 1 ? line : line + " x" + std::to_string(n));
        i += n;
    }
    return out;
}

// A small workbook: a title, two numbers, a formula with a text result, a print area.
void buildSmall(model::Workbook& book) {
    model::Sheet& s = book.addSheet("Small", model::SheetKind::Worksheet, 0);
    put(s, "A1", model::Value::text("Title"));
    styleCells(s, "A1", [](model::CellStyle& st) { st.font.bold = true; });
    put(s, "A2", model::Value::number(1.5));
    put(s, "B2", model::Value::number(2.5));
    putFormula(s, "C2", "=IF(A2<B2,\"less\",\"more\")");
    s.setColumnWidth(1, 12);
    model::PageSetup p;
    p.printArea = model::RangeList{area("A1:C2")};
    s.setPageSetup(p);
}

// The records of each substream: the globals first, then each sheet.
std::vector<std::vector<RecordInfo>> substreams(const std::vector<uint8_t>& stream) {
    std::vector<std::vector<RecordInfo>> out;
    for (const RecordInfo& r : records(stream)) {
        if (r.id == rec::kBof) out.emplace_back();
        out.back().push_back(r);
    }
    return out;
}

}  // namespace

TEST(Structure, globals_records_in_order) {
    model::Workbook book;
    buildSmall(book);
    const auto parts = substreams(streamOf(book));
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_THAT(dump(parts[0]),
                ElementsAreArray({"BOF", "INTERFACEHDR", "MMS", "INTERFACEEND", "WRITEACCESS", "CODEPAGE", "DSF",
                                  "TABID", "FNGROUPCOUNT", "WINDOWPROTECT", "PROTECT", "PASSWORD", "PROT4REV",
                                  "PROT4REVPASS", "WINDOW1", "BACKUP", "HIDEOBJ", "DATE1904", "PRECISION", "REFRESHALL",
                                  "BOOKBOOL", "FONT x5", "FORMAT x8", "XF x22", "STYLE x6", "PALETTE", "USESELFS",
                                  "BOUNDSHEET", "COUNTRY", "SUPBOOK", "EXTERNSHEET", "NAME", "SST", "EXTSST", "EOF"}));
}

TEST(Structure, worksheet_records_in_order) {
    model::Workbook book;
    buildSmall(book);
    const auto parts = substreams(streamOf(book));
    EXPECT_THAT(dump(parts[1]),
                ElementsAreArray({"BOF", "INDEX", "CALCMODE", "CALCCOUNT", "REFMODE", "ITERATION", "DELTA",
                                  "SAVERECALC", "PRINTHEADERS", "PRINTGRIDLINES", "GRIDSET", "GUTS", "DEFAULTROWHEIGHT",
                                  "WSBOOL", "HEADER", "FOOTER", "HCENTER", "VCENTER", "LEFTMARGIN", "RIGHTMARGIN",
                                  "TOPMARGIN", "BOTTOMMARGIN", "SETUP", "DEFCOLWIDTH", "COLINFO", "DIMENSIONS",
                                  "ROW x2", "LABELSST", "MULRK", "FORMULA", "STRING", "DBCELL", "WINDOW2", "SELECTION",
                                  "EOF"}));
}

// The fifth FONT record is font 5: the first font of our own (bold) is referred to as 5.
// The workbook's own XFs follow the 21 every workbook has.
TEST(Structure, the_first_font_of_our_own_has_index_5) {
    model::Workbook book;
    buildSmall(book);
    const auto parts = substreams(streamOf(book));
    std::vector<RecordInfo> xfs;
    for (const RecordInfo& r : parts[0])
        if (r.id == rec::kXf) xfs.push_back(r);
    ASSERT_EQ(xfs.size(), 22u);
    EXPECT_EQ(le16(xfs[21].body, 0), 5) << "the bold title's XF";
    EXPECT_EQ(le16(xfs[15].body, 0), 0) << "the default cell XF";
    EXPECT_EQ(le16(xfs[16].body, 2), 43) << "the Comma style's format";
}

TEST(Structure, boundsheet_offsets_point_at_each_sheets_bof) {
    model::Workbook book;
    buildEverything(book);
    const std::vector<uint8_t> stream = streamOf(book);
    std::vector<uint32_t> offsets;
    for (const RecordInfo& r : records(stream))
        if (r.id == rec::kBoundSheet8) offsets.push_back(le32(r.body, 0));
    ASSERT_EQ(offsets.size(), 2u);
    for (const uint32_t offset : offsets) {
        EXPECT_EQ(le16(stream, offset), rec::kBof);
        EXPECT_EQ(le16(stream, offset + 6), fields::bof::kWorksheet);
    }
}

// INDEX lists every DBCELL and DEFCOLWIDTH; each DBCELL points back at its
// block's first ROW and from there to each row's first cell.
TEST(Structure, index_and_dbcell_offsets_land_on_their_records) {
    model::Workbook book;
    buildBreakeven(book);
    const std::vector<uint8_t> stream = streamOf(book);
    const auto recs = records(stream);
    const auto index = std::find_if(recs.begin(), recs.end(), [](const RecordInfo& r) { return r.id == rec::kIndex; });
    ASSERT_NE(index, recs.end());
    EXPECT_EQ(le16(stream, le32(index->body, 12)), rec::kDefColWidth);
    const std::size_t blocks = (index->body.size() - 16) / 4;
    EXPECT_EQ(blocks, 2u) << "rows 1 to 22 and 32 to 39";
    const auto recordAt = [&](std::size_t offset) {
        return *std::find_if(recs.begin(), recs.end(), [&](const RecordInfo& r) { return r.offset == offset; });
    };
    for (std::size_t b = 0; b < blocks; ++b) {
        const RecordInfo dbCell = recordAt(le32(index->body, 16 + 4 * b));
        ASSERT_EQ(dbCell.id, rec::kDbCell);
        const std::size_t firstRowRecord = dbCell.offset - le32(dbCell.body, 0);
        std::vector<uint16_t> rows;
        for (std::size_t at = firstRowRecord; recordAt(at).id == rec::kRow; at += 20) rows.push_back(le16(recordAt(at).body, 0));
        ASSERT_EQ(rows.size(), (dbCell.body.size() - 4) / 2);
        std::size_t at = firstRowRecord + 20;  // the offsets count from the end of the first ROW record
        for (std::size_t i = 0; i < rows.size(); ++i) {
            at += le16(dbCell.body, 4 + 2 * i);
            const RecordInfo first = recordAt(at);
            // A row without cells points where the next row's cells begin.
            const bool rowHasCells = std::any_of(book.sheet(0).cells().begin(), book.sheet(0).cells().end(),
                                                 [&](const auto& c) { return c.first.row == rows[i] + 1; });
            if (rowHasCells) {
                EXPECT_EQ(le16(first.body, 0), rows[i]) << "block " << b;
            } else {
                EXPECT_TRUE(first.id == rec::kDbCell || le16(first.body, 0) > rows[i]) << "block " << b;
            }
        }
    }
}

TEST(Structure, extsst_points_at_the_first_string_of_each_bucket) {
    model::Workbook book;
    model::Sheet& s = book.addSheet("S", model::SheetKind::Worksheet, 0);
    for (int i = 0; i < 3000; ++i) s.setConstant({i + 1, 1}, model::Value::text("text number " + std::to_string(i)));
    const std::vector<uint8_t> stream = streamOf(book);
    const auto recs = records(stream);
    const auto ext = std::find_if(recs.begin(), recs.end(), [](const RecordInfo& r) { return r.id == rec::kExtSst; });
    ASSERT_NE(ext, recs.end());
    const uint16_t bucket = le16(ext->body, 0);
    EXPECT_EQ(bucket, 24) << "3000 strings in at most 128 buckets";
    for (std::size_t e = 0; 2 + 8 * e < ext->body.size(); ++e) {
        const uint32_t position = le32(ext->body, 2 + 8 * e);
        const std::size_t length = le16(stream, position);
        const std::string expected = "text number " + std::to_string(e * bucket);
        ASSERT_EQ(length, expected.size()) << "bucket " << e;
        EXPECT_EQ(std::string(stream.begin() + position + 3, stream.begin() + position + 3 + length), expected);
        const std::size_t recordStart = position - le16(ext->body, 2 + 8 * e + 4);
        const uint16_t id = le16(stream, recordStart);
        EXPECT_TRUE(id == rec::kSst || id == rec::kContinue) << "bucket " << e;
    }
}

// Every formula asks to be calculated when the file is opened, and carries its result.
TEST(Structure, formulas_carry_their_results_and_ask_for_recalculation) {
    model::Workbook book;
    model::Sheet& s = book.addSheet("F", model::SheetKind::Worksheet, 0);
    putFormula(s, "A1", "=2*21");
    putFormula(s, "A2", "=\"forty\"&\"-two\"");
    putFormula(s, "A3", "=1<2");
    putFormula(s, "A4", "=1/0");
    putFormula(s, "A5", "=\"\"");
    const auto recs = records(streamOf(book));
    std::vector<std::vector<uint8_t>> results;
    std::string text;
    for (std::size_t i = 0; i < recs.size(); ++i) {
        if (recs[i].id == rec::kString) text.assign(recs[i].body.begin() + 3, recs[i].body.end());
        if (recs[i].id != rec::kFormula) continue;
        EXPECT_EQ(le16(recs[i].body, 14) & fields::fmla::kAlwaysCalc, fields::fmla::kAlwaysCalc);
        results.emplace_back(recs[i].body.begin() + 6, recs[i].body.begin() + 14);
    }
    ASSERT_EQ(results.size(), 5u);
    double number = 0;
    std::memcpy(&number, results[0].data(), sizeof number);
    EXPECT_EQ(number, 42);
    EXPECT_EQ(results[1], (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
    EXPECT_EQ(text, "forty-two");
    EXPECT_EQ(results[2], (std::vector<uint8_t>{1, 0, 1, 0, 0, 0, 0xFF, 0xFF}));
    EXPECT_EQ(results[3], (std::vector<uint8_t>{2, 0, 0x07, 0, 0, 0, 0xFF, 0xFF}));
    EXPECT_EQ(results[4], (std::vector<uint8_t>{3, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
}

// Widths, heights and colours as other programs read them.
TEST(Structure, stored_widths_heights_and_colours) {
    model::Workbook book;
    model::Sheet& s = book.addSheet("S", model::SheetKind::Worksheet, 0);
    s.setColumnWidth(1, 12);
    s.setColumnWidth(3, 15.57);
    s.setRowHeight(2, 61.5);
    styleCells(s, "A2", [](model::CellStyle& st) { st.fillColorIndex = 15; st.font.colorIndex = 3; });
    std::vector<uint16_t> widths, heights, fonts;
    uint16_t fill = 0;
    for (const RecordInfo& r : records(streamOf(book))) {
        if (r.id == rec::kColInfo) widths.push_back(le16(r.body, 4));
        if (r.id == rec::kRow) heights.push_back(le16(r.body, 6));
        if (r.id == rec::kFont) fonts.push_back(le16(r.body, 4));
        if (r.id == rec::kXf) fill = le16(r.body, 18);
    }
    EXPECT_EQ(widths, (std::vector<uint16_t>{3254, 4169}));
    EXPECT_EQ(heights, (std::vector<uint16_t>{1230}));
    EXPECT_EQ(fonts, (std::vector<uint16_t>{0x7FFF, 0x7FFF, 0x7FFF, 0x7FFF, 3 + 7}));
    EXPECT_EQ(fill, 15 + 7 + (65 << 7)) << "palette colour 15 in front of the system background";
}

TEST(Structure, the_same_workbook_gives_the_same_bytes) {
    model::Workbook a, b;
    buildBreakeven(a);
    buildBreakeven(b);
    EXPECT_EQ(streamOf(a), streamOf(b));
}

TEST(Structure, merged_areas_go_at_most_1026_to_a_record) {
    model::Workbook book;
    model::Sheet& s = book.addSheet("S", model::SheetKind::Worksheet, 0);
    for (int i = 0; i < 1100; ++i) s.merge(model::CellRange({i + 1, 1}, {i + 1, 2}));
    std::vector<uint16_t> counts;
    for (const RecordInfo& r : records(streamOf(book)))
        if (r.id == rec::kMergeCells) counts.push_back(le16(r.body, 0));
    EXPECT_EQ(counts, (std::vector<uint16_t>{1026, 74}));
}
