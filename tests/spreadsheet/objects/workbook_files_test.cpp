// Workbook.SaveAs and Workbooks.Open: the 97-2003 file both ways, the formats
// accepted, and failures that say what went wrong and change nothing.
#include "object_test_support.h"

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/objects/workbook_files.h"
#include "spreadsheet/xls/biff/document_properties.h"
#include "spreadsheet/xls/biff/workbook_file.h"
#include "spreadsheet/xls/ole/compound_file_reader.h"
#include "spreadsheet/xls/ole/property_set.h"

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace object_tests;
namespace fs = std::filesystem;

namespace {

// A fresh folder, removed with everything in it at the end of the test.
struct TempDir {
    fs::path path;
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "quorvane-objects-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TempDir() { fs::remove_all(path); }
};

std::string pathIn(const TempDir& dir, const char* name) { return (dir.path / name).string(); }

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The summary's properties without the save time (id 13), which two saves never share.
std::vector<spreadsheet::xls::ole::Property> summaryWithoutSaveTime(const spreadsheet::xls::ole::CompoundFileReader& file) {
    namespace biff = spreadsheet::xls::biff;
    std::vector<spreadsheet::xls::ole::Property> properties =
        spreadsheet::xls::ole::readPropertySet(file.stream(biff::kSummaryStreamName)).properties;
    std::erase_if(properties, [](const auto& p) { return p.id == 0x0D; });
    return properties;
}

// Two saved files alike in every stream and property but the time they were saved.
::testing::AssertionResult sameFileButTheSaveTime(const std::string& a, const std::string& b) {
    using spreadsheet::xls::ole::CompoundFileReader;
    const CompoundFileReader first = CompoundFileReader::fromFile(a), second = CompoundFileReader::fromFile(b);
    if (first.streamNames() != second.streamNames()) return ::testing::AssertionFailure() << "other streams";
    for (const std::string& name : first.streamNames())
        if (name != spreadsheet::xls::biff::kSummaryStreamName && first.stream(name) != second.stream(name))
            return ::testing::AssertionFailure() << "the stream " << name << " differs";
    if (summaryWithoutSaveTime(first) != summaryWithoutSaveTime(second))
        return ::testing::AssertionFailure() << "the summaries differ beyond the save time";
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(WorkbookFiles, a_saved_workbook_opens_with_its_cells_formats_and_sheets) {
    Instance xl;
    TempDir dir;
    xl.app->get("Sheets", {int16_t{1}}).toObject()->put("Name", "Breakeven Analysis Data");
    xl.write("F5", "12.5");
    xl.write("F6", "1000");
    xl.write("G7", "=R[-2]C[-1]*R[-1]C[-1]");
    xl.range("G7")->put("NumberFormat", "#,##0.00");
    xl.range("C5")->call("Select");
    const std::string path = pathIn(dir, "book.xls");
    xl.workbook->call("SaveAs", {path}, {{"FileFormat", int32_t{56}}});
    EXPECT_EQ(xl.workbook->get("Name").toString(), "book.xls");
    xl.workbook->call("Close");

    ObjectRef opened = automation::member(xl.app, "Workbooks")->call("Open", {path}).toObject();
    EXPECT_EQ(opened->get("Name").toString(), "book.xls");
    EXPECT_EQ(xl.app->get("ActiveSheet").toObject()->get("Name").toString(), "Breakeven Analysis Data");
    EXPECT_EQ(xl.range("G7")->get("FormulaR1C1").toString(), "=R[-2]C[-1]*R[-1]C[-1]");
    EXPECT_EQ(xl.range("G7")->get("Text").toString(), "12,500.00");
    EXPECT_EQ(xl.app->get("ActiveCell").toObject()->get("Address").toString(), "$C$5");
    EXPECT_EQ(xl.app->get("Sheets").toObject()->get("Count").toI4(), 3);
}

TEST(WorkbookFiles, both_accepted_formats_write_the_same_file_and_others_are_refused) {
    Instance xl;
    TempDir dir;
    xl.write("A1", "1");
    xl.workbook->call("SaveAs", {pathIn(dir, "a.xls"), int32_t{56}});
    xl.workbook->call("SaveAs", {pathIn(dir, "b.xls")}, {{"FileFormat", int32_t{-4143}}});
    EXPECT_TRUE(sameFileButTheSaveTime(pathIn(dir, "a.xls"), pathIn(dir, "b.xls")));
    EXPECT_GT(contentsOf(pathIn(dir, "a.xls")).size(), 1000u);
    EXPECT_EQ(failureOf([&] { xl.workbook->call("SaveAs", {pathIn(dir, "c.xlsm")}, {{"FileFormat", int32_t{52}}}); }),
              "SaveAs method of Workbook class failed: the file format 52 is not supported; use 56 (Excel 97-2003 "
              "workbook), -4143 or 51 (Excel Workbook, .xlsx).");
    EXPECT_FALSE(fs::exists(pathIn(dir, "c.xlsm")));
}

// Format 51 goes through the Open XML writer: a zip package, named as saved;
// a workbook that writer refuses leaves the file that was there.
TEST(WorkbookFiles, format_51_writes_an_open_xml_workbook_and_a_refusal_keeps_the_old_file) {
    Instance xl;
    TempDir dir;
    xl.write("A1", "1");
    const std::string path = pathIn(dir, "book.xlsx");
    xl.workbook->call("SaveAs", {path}, {{"FileFormat", int32_t{51}}});
    const std::string saved = contentsOf(path);
    EXPECT_EQ(saved.substr(0, 4), std::string("PK\x03\x04", 4));
    EXPECT_NE(saved.find("xl/workbook.xml"), std::string::npos);
    EXPECT_EQ(xl.workbook->get("Name").toString(), "book.xlsx");

    // A chart sheet titled "=Costs": the file would take the title for a reference.
    const ObjectRef chart = automation::member(xl.app, "Charts")->call("Add").toObject();
    chart->put("HasTitle", true);
    automation::member(chart->get("ChartTitle").toObject(), "Characters")->put("Text", "=Costs");
    const std::string failure = failureOf([&] { xl.workbook->call("SaveAs", {path, int32_t{51}}); });
    EXPECT_NE(failure.find("SaveAs method of Workbook class failed: cannot save \"" + path + "\": the title \"=Costs\" of"),
              std::string::npos)
        << failure;
    EXPECT_EQ(contentsOf(path), saved);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);  // no fragment beside it
}

TEST(WorkbookFiles, a_save_into_a_missing_folder_fails_clearly) {
    Instance xl;
    TempDir dir;
    const std::string path = pathIn(dir, "no-such-folder/book.xls");
    const std::string failure = failureOf([&] { xl.workbook->call("SaveAs", {path}); });
    EXPECT_EQ(failure.rfind("SaveAs method of Workbook class failed: ", 0), 0u) << failure;
    EXPECT_NE(failure.find("no-such-folder"), std::string::npos) << failure;
}

TEST(WorkbookFiles, a_file_that_is_not_a_workbook_is_refused_and_nothing_opens) {
    Instance xl;
    TempDir dir;
    std::ofstream(pathIn(dir, "notes.xls")) << "These are just notes, not a workbook.";
    ObjectRef workbooks = automation::member(xl.app, "Workbooks");
    const std::string failure = failureOf([&] { workbooks->call("Open", {pathIn(dir, "notes.xls")}); });
    EXPECT_EQ(failure.rfind("Open method of Workbooks class failed: ", 0), 0u) << failure;
    EXPECT_EQ(failureOf([&] { workbooks->call("Open", {pathIn(dir, "missing.xls")}); }).empty(), false);
    EXPECT_EQ(workbooks->get("Count").toI4(), 1);
}

namespace {

// While alive, the process may not write files larger than `bytes`: a full
// disk as the save sees it (a write fails part-way with "File too large").
struct FileSizeLimit {
    rlimit saved{};
    void (*savedHandler)(int) = nullptr;
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedHandler);
    }
};

}  // namespace

TEST(WorkbookFiles, a_save_that_runs_out_of_space_leaves_the_existing_file_untouched) {
    Instance xl;
    TempDir dir;
    const std::string path = pathIn(dir, "book.xls");
    std::ofstream(path) << "the user's earlier file";
    for (int row = 1; row <= 200; ++row)
        xl.write(("A" + std::to_string(row)).c_str(), "a text long enough to make the file larger than the limit");
    std::string failure;
    {
        FileSizeLimit full(2048);
        failure = failureOf([&] { xl.workbook->call("SaveAs", {path}); });
    }
    EXPECT_EQ(failure.rfind("SaveAs method of Workbook class failed: ", 0), 0u) << failure;
    EXPECT_EQ(contentsOf(path), "the user's earlier file");
    for (const auto& entry : fs::directory_iterator(dir.path))  // no half-written temporary file stays behind
        EXPECT_EQ(entry.path().filename(), "book.xls");
}

// Before: Text of a cell whose number format the formatter refuses threw the
// formatter's own error through the automation boundary.
TEST(WorkbookFiles, an_opened_cell_whose_number_format_is_refused_shows_its_value_as_general) {
    namespace model = spreadsheet::model;
    TempDir dir;
    const std::string path = pathIn(dir, "foreign.xls");
    {
        model::Workbook book;
        model::Sheet& sheet = book.addSheet("Data", model::SheetKind::Worksheet, 0);
        sheet.setConstant({1, 1}, model::Value::number(1234.5));
        sheet.applyStyle(model::CellRange({1, 1}), [](model::CellStyle& s) { s.numberFormat = "0;0;0;0;0"; });
        spreadsheet::formula::Evaluator evaluator(book);
        spreadsheet::xls::biff::saveWorkbook(book, evaluator, path);
    }
    Instance xl;
    automation::member(xl.app, "Workbooks")->call("Open", {path});
    EXPECT_EQ(xl.range("A1")->get("Text").toString(), "1234.5");
}

// Which saves are hand-overs that need not wait for the disk: files directly
// in the temporary folder, however the path is spelled; nothing else.
TEST(WorkbookFiles, only_a_file_directly_in_the_temporary_folder_counts_as_a_hand_over) {
    TempDir temp;
    TempDir elsewhere;
    const char* saved = std::getenv("TEMP");
    const std::string savedTemp = saved ? saved : "";
    ::setenv("TEMP", temp.path.c_str(), 1);
    fs::create_directory(temp.path / "sub");
    fs::create_directory_symlink(temp.path, elsewhere.path / "link-to-temp");
    using spreadsheet::objects::isInTemporaryFolder;
    EXPECT_TRUE(isInTemporaryFolder(temp.path / "halden12345678.xls"));
    EXPECT_TRUE(isInTemporaryFolder(temp.path / "sub" / ".." / "book.xls"));
    EXPECT_TRUE(isInTemporaryFolder(elsewhere.path / "link-to-temp" / "book.xls"));
    EXPECT_FALSE(isInTemporaryFolder(temp.path / "sub" / "book.xls"));
    EXPECT_FALSE(isInTemporaryFolder(elsewhere.path / "book.xls"));
    if (saved) ::setenv("TEMP", savedTemp.c_str(), 1);
    else ::unsetenv("TEMP");
    const char* tmpdir = std::getenv("TMPDIR");
    EXPECT_EQ(spreadsheet::objects::temporaryFolder(), fs::path(saved ? savedTemp.c_str() : tmpdir ? tmpdir : "/tmp"));
}
