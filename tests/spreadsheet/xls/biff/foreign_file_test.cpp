// Files another program wrote (LibreOffice's export filter; see
// data/make_foreign_files.sh): its own XF table, shared strings, shared
// formulas filled down a column, column records and row heights must come
// into the model as that program shows them.
#include "biff_test_support.h"
#include "sample_workbooks.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"

#include <gmock/gmock.h>

using namespace biff_test;

namespace {

const std::filesystem::path kData = BIFF_TEST_DATA_DIR;

const model::Cell& cellAt(const model::Sheet& sheet, std::string_view a1) {
    const model::Cell* cell = sheet.findCell(at(a1));
    if (!cell) throw std::runtime_error("no cell " + std::string(a1));
    return *cell;
}

std::vector<uint8_t> record(uint16_t id, const std::vector<uint8_t>& body) {
    std::vector<uint8_t> bytes;
    bytes.reserve(4 + body.size());
    for (const unsigned value : {unsigned{id}, static_cast<unsigned>(body.size())}) {
        bytes.push_back(static_cast<uint8_t>(value));
        bytes.push_back(static_cast<uint8_t>(value >> 8));
    }
    for (const uint8_t b : body) bytes.push_back(b);
    return bytes;
}

// Inserts records before the record at `at`, moving the sheet offsets that lie behind it.
void insertBefore(std::vector<uint8_t>& stream, std::size_t at, const std::vector<uint8_t>& bytes) {
    for (const RecordInfo& r : records(stream)) {
        if (r.id != spreadsheet::xls::biff::record::kBoundSheet8 || le32(r.body, 0) < at) continue;
        const uint32_t moved = le32(r.body, 0) + static_cast<uint32_t>(bytes.size());
        for (int i = 0; i < 4; ++i) stream[r.offset + 4 + i] = static_cast<uint8_t>(moved >> (8 * i));
    }
    stream.insert(stream.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin(), bytes.end());
}

std::string formulaAt(const model::Sheet& sheet, std::string_view a1) {
    const model::Cell& cell = cellAt(sheet, a1);
    return cell.formula ? cell.formula->toA1(at(a1)) : "(no formula) " + cell.constant.debugString();
}

}  // namespace

TEST(ForeignFile, a_libreoffice_workbook_with_formulas_and_styles) {
    model::Workbook book;
    biff::loadWorkbook(kData / "foreign_libreoffice.xls", book);
    ASSERT_EQ(book.sheetCount(), 2);
    const model::Sheet& sales = book.sheet(0);
    EXPECT_EQ(sales.name(), "Sales");
    EXPECT_EQ(book.sheet(1).name(), "Prices");

    EXPECT_EQ(cellAt(sales, "A1").constant, model::Value::text("Item"));
    const model::CellStyle& head = cellAt(sales, "A1").style;
    EXPECT_EQ(head.font, (model::Font{"Arial", 12, true, false, 3}));
    EXPECT_EQ(head.fillColorIndex, 6);
    EXPECT_EQ(head.borders[model::Edge::Bottom].lineStyle, model::LineStyle::Continuous);
    EXPECT_EQ(cellAt(sales, "B3").constant, model::Value::number(200.5));

    // Filled down: the first row's formula, the others shared with it.
    for (const char* row : {"2", "3", "4"}) {
        const std::string r = row;
        EXPECT_EQ(formulaAt(sales, "C" + r), "=B" + r + "*Prices!$A$1");
        EXPECT_EQ(formulaAt(sales, "D" + r), "=C" + r + "/SUM(C$2:C$4)");
        EXPECT_EQ(cellAt(sales, "C" + r).style.numberFormat, "#,##0.00");
        EXPECT_EQ(cellAt(sales, "D" + r).style.numberFormat, "0%");
        EXPECT_TRUE(cellAt(sales, "D" + r).style.font.italic);
    }
    formula::Evaluator evaluator(book);
    EXPECT_EQ(evaluator.cellValue(0, at("D3")), model::Value::number(501.25 / 1000));
    EXPECT_EQ(cellAt(sales, "C5").constant, model::Value::boolean(true));

    EXPECT_EQ(sales.columnWidth(1), 12.29) << "1 inch as that program stores it";
    EXPECT_EQ(sales.columnWidth(2), 10.86);
    EXPECT_EQ(sales.rowHeight(1), 30);
    EXPECT_EQ(sales.rowHeight(2), 12.75);
    EXPECT_EQ(sales.merges(), std::vector<model::CellRange>{area("A5:B5")});
    EXPECT_EQ(sales.pageSetup().paperSize, model::kPaperA4);
}

TEST(ForeignFile, a_csv_file_converted_by_libreoffice) {
    model::Workbook book;
    biff::loadWorkbook(kData / "foreign_csv.xls", book);
    ASSERT_EQ(book.sheetCount(), 1);
    const model::Sheet& s = book.sheet(0);
    const std::pair<const char*, model::Value> expected[] = {
        {"A1", model::Value::text("Name")},   {"B2", model::Value::number(12.5)},
        {"B3", model::Value::number(-3)},     {"B4", model::Value::number(1000000)},
        {"C3", model::Value::number(0.25)},   {"A5", model::Value::text("Quoted, text")},
        {"B5", model::Value::number(7)},      {"C2", model::Value::text("10%")}};
    for (const auto& [cell, value] : expected) EXPECT_EQ(cellAt(s, cell).constant, value) << cell;
    EXPECT_EQ(s.cells().size(), 13u) << "five rows of three, less two empty fields";
}

// Records a reader does not know are passed over, in the globals and in a
// sheet, and so is a whole substream nested in a sheet (an embedded chart).
TEST(ForeignFile, unknown_records_and_embedded_substreams_are_passed_over) {
    namespace rec = spreadsheet::xls::biff::record;
    namespace bof = spreadsheet::xls::biff::bof;
    model::Workbook book;
    buildEverything(book);
    std::vector<uint8_t> stream = streamOf(book);
    const auto offsetOf = [&](uint16_t id, int n) {
        for (const RecordInfo& r : records(stream))
            if (r.id == id && n-- == 0) return r.offset;
        return std::size_t{0};
    };
    const std::vector<uint8_t> unknown = record(0x0866, {1, 2, 3, 4, 5});
    std::vector<uint8_t> chart = record(rec::kBof, {0x00, 0x06, static_cast<uint8_t>(bof::kChartSheet), 0, 0, 0, 0, 0,
                                                    0, 0, 0, 0, 0, 0, 0, 0});
    const std::vector<uint8_t> cell = record(rec::kNumber, std::vector<uint8_t>(14, 0));  // A1 = 0 inside the chart
    const std::vector<uint8_t> end = record(rec::kEof, {});
    chart.insert(chart.end(), cell.begin(), cell.end());
    chart.insert(chart.end(), end.begin(), end.end());
    insertBefore(stream, offsetOf(rec::kWindow2, 0), chart);
    insertBefore(stream, offsetOf(rec::kDimensions, 1), unknown);
    insertBefore(stream, offsetOf(rec::kCountry, 0), unknown);
    model::Workbook back;
    biff::loadWorkbookStream(stream, back);
    EXPECT_THAT(differences(book, back), ::testing::IsEmpty());
}
