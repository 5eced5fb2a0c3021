// Saving through the library end to end: a complete package replaces the
// target; a workbook the file cannot hold is refused before anything is
// written, with the path and the reason; the old file stays and nothing is
// left beside it.
#include "scratch_folder.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/xlsx/workbook_file.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>

namespace fs = std::filesystem;
namespace model = spreadsheet::model;
namespace xlsx = spreadsheet::xlsx;
using testing_support::ScratchFolder;

namespace {

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t entryCount(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// The message of the XlsxError a save throws, with its kind; "" when it saves.
std::pair<std::string, xlsx::XlsxErrorKind> failureOf(const model::Workbook& book, const fs::path& path) {
    spreadsheet::formula::Evaluator evaluator(book);
    try {
        xlsx::saveWorkbook(book, evaluator, path);
    } catch (const xlsx::XlsxError& e) {
        return {e.what(), e.kind()};
    }
    return {"", xlsx::XlsxErrorKind::SaveFailed};
}

void fillSmallSheet(model::Workbook& book) {
    model::Sheet& sheet = book.addSheet("Data", model::SheetKind::Worksheet, 0);
    sheet.setConstant({1, 1}, model::Value::number(2));
    sheet.setFormula({1, 2}, spreadsheet::formula::Formula::parseA1("=A1*3", {1, 2}));
    sheet.setConstant({2, 1}, model::Value::text("x"));
}

}  // namespace

TEST(SavedWorkbook, a_workbook_saves_as_one_zip_package_that_replaces_the_file_keeping_its_permissions) {
    ScratchFolder folder;
    const fs::path path = folder.path() / "book.xlsx";
    std::ofstream(path) << "old";
    ::chmod(path.c_str(), 0604);
    model::Workbook book;
    fillSmallSheet(book);
    EXPECT_EQ(failureOf(book, path).first, "");
    const std::string saved = contentsOf(path);
    EXPECT_EQ(saved.substr(0, 4), std::string("PK\x03\x04", 4));
    EXPECT_NE(saved.find("xl/worksheets/sheet1.xml"), std::string::npos);
    struct stat s {};
    ::stat(path.c_str(), &s);
    EXPECT_EQ(s.st_mode & 07777, 0604u);
    EXPECT_EQ(entryCount(folder.path()), 1u);
}

TEST(SavedWorkbook, workbooks_the_file_cannot_hold_are_refused_and_the_old_file_stays) {
    struct Case {
        const char* what;
        std::function<void(model::Workbook&)> build;
        std::string reason;
    };
    const Case cases[] = {
        {"no sheet", [](model::Workbook&) {}, "a workbook needs at least one sheet"},
        {"a slash", [](model::Workbook& b) { b.addSheet("Q1/Q2", model::SheetKind::Worksheet, 0); },
         "the sheet name \"Q1/Q2\" holds '/', which no sheet name may hold (: \\ / ? * [ ])"},
        {"32 characters", [](model::Workbook& b) { b.addSheet(std::string(32, 'n'), model::SheetKind::Worksheet, 0); },
         "has 32 characters; a sheet name has 1 to 31"},
        {"a control character", [](model::Workbook& b) { b.addSheet("Tab\tName", model::SheetKind::Worksheet, 0); },
         "holds a control character, which no sheet name may hold"},
        {"names equal but for case",
         [](model::Workbook& b) {
             b.addSheet("Data", model::SheetKind::Worksheet, 0);
             b.addSheet("DATA", model::SheetKind::Worksheet, 1);
         },
         "the sheet names \"Data\" and \"DATA\" differ only in case"},
        {"a title taken for a reference",
         [](model::Workbook& b) {
             model::Sheet& chart = b.addSheet("Chart1", model::SheetKind::Chart, 0);
             model::Chart c = *chart.chart();
             c.title = {true, "=Costs"};
             chart.setChart(c);
         },
         "the title \"=Costs\" of the chart of the sheet \"Chart1\" begins with \"=\", which the file would take for "
         "a reference"},
    };
    for (const Case& c : cases) {
        ScratchFolder folder;
        const fs::path path = folder.path() / "book.xlsx";
        std::ofstream(path) << "old";
        model::Workbook book;
        c.build(book);
        const auto [message, kind] = failureOf(book, path);
        EXPECT_EQ(message.rfind("cannot save \"" + path.string() + "\": ", 0), 0u) << c.what << ": " << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << c.what << ": " << message;
        EXPECT_EQ(kind, xlsx::XlsxErrorKind::Unstorable) << c.what;
        EXPECT_EQ(contentsOf(path), "old") << c.what;
        EXPECT_EQ(entryCount(folder.path()), 1u) << c.what;
    }
}

TEST(SavedWorkbook, a_save_into_a_missing_folder_fails_naming_the_path) {
    ScratchFolder folder;
    model::Workbook book;
    fillSmallSheet(book);
    const fs::path path = folder.path() / "missing" / "book.xlsx";
    const auto [message, kind] = failureOf(book, path);
    EXPECT_EQ(message, "cannot save \"" + path.string() + "\": cannot create a temporary file: No such file or directory");
    EXPECT_EQ(kind, xlsx::XlsxErrorKind::SaveFailed);
}
