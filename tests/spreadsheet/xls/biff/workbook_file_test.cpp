// Saving to and opening from disk: the file is a compound file holding the
// Workbook stream and the two property streams, and the whole breakeven
// workbook reads back from it unchanged; a save that fails leaves the
// previous file as it was and says which path and why; opening reports the
// path with what went wrong.
#include "biff_test_support.h"
#include "chart_samples.h"
#include "chart_test_support.h"
#include "sample_workbooks.h"

#include "spreadsheet/xls/biff/document_properties.h"
#include "spreadsheet/xls/ole/compound_file_reader.h"
#include "spreadsheet/xls/ole/compound_file_writer.h"

#include <gmock/gmock.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

using namespace biff_test;
using biff::XlsError;
using biff::XlsErrorKind;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

std::vector<uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void save(const model::Workbook& book, const std::filesystem::path& path) {
    formula::Evaluator evaluator(book);
    biff::saveWorkbook(book, evaluator, path);
}

XlsError saveError(const model::Workbook& book, const std::filesystem::path& path) {
    try {
        save(book, path);
    } catch (const XlsError& e) {
        return e;
    }
    ADD_FAILURE() << "the save did not fail";
    return XlsError(XlsErrorKind::SaveFailed, "none");
}

XlsError loadError(const std::filesystem::path& path) {
    model::Workbook into;
    try {
        biff::loadWorkbook(path, into);
    } catch (const XlsError& e) {
        return e;
    }
    ADD_FAILURE() << "the load did not fail";
    return XlsError(XlsErrorKind::Damaged, "none");
}

}  // namespace

// The whole breakeven workbook in one file: the sheet of the size the program
// makes, the data sheet with its two embedded pies, and the line chart on a
// sheet of its own printed landscape. The file holds the workbook stream with
// the summary and document summary beside it (it held the workbook stream
// alone once), and reads back to the same workbook: cells, styles, sizes,
// merges, selections, page setups and the active sheet, each chart with its
// series, titles, labels and borders, and the pies where they were placed
// within what the cell anchor keeps.
TEST(WorkbookFile, the_breakeven_workbook_saved_to_a_file_reads_back_whole) {
    ScratchFolder folder;
    const auto path = folder.path() / "breakeven.xls";
    model::Workbook book;
    buildBreakeven(book);
    buildBreakevenCharts(book);
    model::PageSetup landscape = printedLandscape();  // a chart sheet prints too,
    landscape.fitToPages = false;  // but fitting to pages is a worksheet's switch (WSBOOL), not a chart sheet's
    const int chartSheet = book.findSheet(kChartSheet).value();
    book.sheet(chartSheet).setPageSetup(landscape);
    save(book, path);

    const auto file = spreadsheet::xls::ole::CompoundFileReader::fromFile(path);
    EXPECT_EQ(file.streamNames(), (std::vector<std::string>{"Workbook", "\005SummaryInformation",
                                                            "\005DocumentSummaryInformation"}));
    EXPECT_EQ(file.stream("Workbook"), streamOf(book));
    EXPECT_EQ(file.stream("\005DocumentSummaryInformation"), biff::documentSummaryStream(book));

    model::Workbook back;
    biff::loadWorkbook(path, back);
    EXPECT_THAT(differences(book, back), IsEmpty()) << "cells, layout, page setups and the active data sheet";
    ASSERT_EQ(back.sheetCount(), 3);
    ASSERT_EQ(back.sheet(chartSheet).kind(), model::SheetKind::Chart);
    ASSERT_NE(back.sheet(chartSheet).chart(), nullptr);
    EXPECT_THAT(chartDifferences(*book.sheet(chartSheet).chart(), *back.sheet(chartSheet).chart()), IsEmpty());
    const int data = book.findSheet(kDataSheet).value();
    const auto& shapes = back.sheet(data).shapes();
    ASSERT_EQ(shapes.size(), 2u);
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const model::Shape& saved = book.sheet(data).shapes()[i];
        EXPECT_EQ(shapes[i].name, saved.name);
        EXPECT_THAT(chartDifferences(saved.chart, shapes[i].chart), IsEmpty()) << saved.name;
        EXPECT_NEAR(shapes[i].bounds.top, saved.bounds.top, 0.05) << saved.name;
        EXPECT_NEAR(shapes[i].bounds.left, saved.bounds.left, 0.05) << saved.name;
        EXPECT_NEAR(shapes[i].bounds.width, saved.bounds.width, 0.1) << saved.name;
        EXPECT_NEAR(shapes[i].bounds.height, saved.bounds.height, 0.1) << saved.name;
        EXPECT_NE(shapes[i].chart.id, 0) << "every chart read back has its id";
    }
    EXPECT_NE(shapes[0].chart.id, shapes[1].chart.id);
}

// Saved at one time, a workbook gives the same file each time; saved later, only
// the summary's save time differs. Read back, the creation time is the saved one.
TEST(WorkbookFile, the_file_depends_on_the_save_time_only_through_the_summary) {
    model::Workbook book;
    buildBreakeven(book);
    book.setCreatedAt(std::chrono::sys_days(std::chrono::year(2024) / 5 / 17) + std::chrono::hours(9));
    formula::Evaluator evaluator(book);
    const auto noon = std::chrono::sys_days(std::chrono::year(2025) / 1 / 2) + std::chrono::hours(12);
    const std::vector<uint8_t> first = biff::workbookFileBytes(book, evaluator, noon);
    EXPECT_EQ(biff::workbookFileBytes(book, evaluator, noon), first);
    const std::vector<uint8_t> later = biff::workbookFileBytes(book, evaluator, noon + std::chrono::minutes(5));
    EXPECT_NE(later, first);
    const spreadsheet::xls::ole::CompoundFileReader a(first), b(later);
    EXPECT_EQ(a.stream("Workbook"), b.stream("Workbook"));
    EXPECT_EQ(a.stream("\005DocumentSummaryInformation"), b.stream("\005DocumentSummaryInformation"));
    EXPECT_NE(a.stream("\005SummaryInformation"), b.stream("\005SummaryInformation"));

    model::Workbook back;
    biff::loadWorkbook(first, back);
    EXPECT_EQ(back.createdAt(), book.createdAt());
}

// A file without a summary, or with one that makes no sense, still opens; its
// workbook keeps the time it was made.
TEST(WorkbookFile, a_missing_or_damaged_summary_costs_only_the_creation_time) {
    model::Workbook book;
    buildBreakeven(book);
    for (const std::vector<uint8_t>& summary :
         {std::vector<uint8_t>{}, std::vector<uint8_t>{0xFE, 0xFF, 0, 0}, std::vector<uint8_t>(48, 0xFF)}) {
        spreadsheet::xls::ole::CompoundFileWriter writer;
        writer.addStream("Workbook", streamOf(book));
        if (!summary.empty()) writer.addStream("\005SummaryInformation", summary);
        const auto before = std::chrono::system_clock::now();
        model::Workbook back;
        ASSERT_NO_THROW(biff::loadWorkbook(writer.bytes(), back)) << summary.size();
        EXPECT_GE(back.createdAt(), before);
        EXPECT_THAT(differences(book, back), IsEmpty());
    }
}

// A workbook the format cannot hold fails before anything is written: the file saved before stays.
TEST(WorkbookFile, a_failed_save_leaves_the_previous_file_and_no_temporary_file) {
    ScratchFolder folder;
    const auto path = folder.path() / "kept.xls";
    model::Workbook good;
    buildEverything(good);
    save(good, path);
    const std::vector<uint8_t> before = fileBytes(path);
    model::Workbook longName;
    longName.addSheet("Data", model::SheetKind::Worksheet, 0);
    longName.addSheet(std::string(32, 'n'), model::SheetKind::Chart, 1);
    const XlsError e = saveError(longName, path);
    EXPECT_EQ(e.kind(), XlsErrorKind::SaveFailed);
    EXPECT_EQ(std::string(e.what()), "cannot save \"" + path.string() + "\": cannot store the workbook: the sheet name \"" +
                                         std::string(32, 'n') + "\" has 32 characters; a sheet name has 1 to 31");
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WorkbookFile, a_save_into_a_missing_folder_names_the_path) {
    ScratchFolder folder;
    const auto path = folder.path() / "no such folder" / "book.xls";
    model::Workbook book;
    buildEverything(book);
    const XlsError e = saveError(book, path);
    EXPECT_EQ(e.kind(), XlsErrorKind::SaveFailed);
    EXPECT_THAT(e.what(), HasSubstr("cannot save \"" + path.string() + "\": "));
}

// A sheet's shapes share one block of 1024 shape ids: more charts are refused rather than saved without some.
TEST(WorkbookFile, workbooks_the_format_cannot_hold_are_refused) {
    model::Workbook none;
    EXPECT_THROW(streamOf(none), XlsError) << "no sheets";
    model::Workbook embedded;
    embedded.addSheet("Data", model::SheetKind::Worksheet, 0);
    for (int i = 0; i < 1024; ++i) embedded.embedChart(0, model::Chart{}, model::ShapeBounds{0, 0, 200, 100});
    try {
        streamOf(embedded);
        ADD_FAILURE() << "1024 embedded charts were stored";
    } catch (const XlsError& e) {
        EXPECT_STREQ(e.what(), "cannot store the workbook: the sheet \"Data\" has 1024 charts; a sheet holds at most 1023");
    }
    model::Workbook longName;
    longName.addSheet(std::string(32, 'n'), model::SheetKind::Worksheet, 0);
    try {
        streamOf(longName);
        ADD_FAILURE() << "a 32-character sheet name was stored";
    } catch (const XlsError& e) {
        EXPECT_EQ(e.kind(), XlsErrorKind::Unstorable);
        EXPECT_THAT(e.what(), HasSubstr("has 32 characters; a sheet name has 1 to 31"));
    }
}

TEST(WorkbookFile, opening_names_the_path_and_the_fault) {
    ScratchFolder folder;
    const XlsError missing = loadError(folder.path() / "missing.xls");
    EXPECT_EQ(missing.kind(), XlsErrorKind::ReadFailed);
    EXPECT_THAT(missing.what(), HasSubstr("cannot read \"" + (folder.path() / "missing.xls").string() + "\": "));

    const auto text = folder.path() / "notes.xls";
    std::ofstream(text) << "not a workbook";
    const XlsError foreign = loadError(text);
    EXPECT_EQ(foreign.kind(), XlsErrorKind::NotWorkbook);
    EXPECT_EQ(std::string(foreign.what()), "not an Excel 97-2003 workbook: \"" + text.string() +
                                               "\": not a compound file: the signature is missing");
}

TEST(WorkbookFile, reading_into_a_workbook_that_has_sheets_is_refused) {
    model::Workbook book;
    buildEverything(book);
    model::Workbook into;
    into.addSheet("Existing", model::SheetKind::Worksheet, 0);
    EXPECT_THROW(biff::loadWorkbookStream(streamOf(book), into), std::invalid_argument);
    EXPECT_EQ(into.sheetCount(), 1);
}
