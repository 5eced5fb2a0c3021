// The snapshot of the active sheet's used range, through the embedded
// spreadsheet: the bitmap of the breakeven sheet is the renderer's picture in
// a 24-bit BMP; a used range ending in row 1 or column 1 writes nothing; a
// failing step is reported once with its line and the next steps run; the
// calls go with their automation types; the file is written safely.
#include "failing_object.h"
#include "recording_object.h"
#include "automation/registry.h"
#include "breakeven_fixture.h"
#include "fake_message_service.h"
#include "report/generate_report.h"
#include "report/sheet_snapshot.h"
#include "shell/context_names.h"
#include "shell/error_report.h"
#include "spreadsheet/objects/class_registration.h"
#include "spreadsheet/render/sheet_renderer.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using automation::ObjectRef;
using automation::Variant;
namespace fs = std::filesystem;

namespace {

// One instance of the embedded spreadsheet with a new workbook, and a folder for the bitmap.
struct Snapshot {
    automation::Registry registry;
    ObjectRef app;
    ObjectRef workbook;
    testing_support::FakeMessageService messages;
    QTemporaryDir folder;

    Snapshot() {
        spreadsheet::objects::registerApplicationClass(registry);
        app = registry.CreateObject("Excel.Application");
        workbook = automation::member(app, "Workbooks")->call("Add").toObject();
    }
    void write(const char* address, const Variant& entry) {
        app->get("Range", {address}).toObject()->put("FormulaR1C1", entry);
    }
    fs::path bitmap() const { return fs::path(folder.path().toStdString()) / "temp.bmp"; }
    void run(const ObjectRef& book, const ObjectRef& application) {
        report::saveCellsActivesheet(book, QString::fromStdString(bitmap().string()), application, messages);
    }
    void run() { run(workbook, app); }
};

QString reportAt(const char* description, int line) {
    return shell::buildErrorPrompt(description, shell::contexts::kExcel1SaveCellsActivesheet, line);
}

// Bits per pixel from a BMP's information header.
int bitsPerPixel(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char header[30] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    return in ? header[28] | (header[29] << 8) : -1;
}

}  // namespace

TEST(SheetSnapshot, the_breakeven_sheet_gives_a_24_bit_bmp_of_its_used_range_as_the_renderer_paints_it) {
    breakeven_test::Instance xl;
    report::GenerateReport(xl.app, breakeven_test::Fields(breakeven_test::kSample), xl.messages);
    ASSERT_TRUE(xl.messages.texts().isEmpty()) << xl.messages.texts().join("\n").toStdString();
    QTemporaryDir folder;
    const QString path = folder.filePath("temp.bmp");

    report::saveCellsActivesheet(xl.app->get("ActiveWorkbook").toObject(), path, xl.app, xl.messages);
    EXPECT_TRUE(xl.messages.texts().isEmpty()) << xl.messages.texts().join("\n").toStdString();
    EXPECT_EQ(bitsPerPixel(path.toStdString()), 24);
    const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), QSize(1162, 871));
    spreadsheet::formula::Evaluator evaluator(xl.book());
    const int index = xl.book().findSheet(breakeven_test::kDataSheet).value();
    const QImage expected = spreadsheet::render::renderUsedRange(xl.book(), evaluator, index);
    // Corners, a section bar, the title, a red loss and the pies' middles.
    for (const QPoint at : {QPoint(0, 0), QPoint(1161, 870), QPoint(300, 130), QPoint(60, 70), QPoint(250, 860),
                            QPoint(760, 200), QPoint(760, 530)})
        EXPECT_EQ(saved.pixel(at), expected.pixel(at)) << at.x() << "," << at.y();
    EXPECT_EQ(saved, expected.convertToFormat(QImage::Format_RGB32));
}

TEST(SheetSnapshot, a_used_range_ending_in_row_1_or_column_1_writes_no_file) {
    for (const char* last : {"E1", "A6"}) {
        Snapshot s;
        s.write("A1", "first");
        s.write(last, "last");
        auto log = std::make_shared<testing_support::CallLog>();
        s.run(testing_support::recordCalls(s.workbook, log, "Workbook"), testing_support::recordCalls(s.app, log, "Application"));
        EXPECT_FALSE(fs::exists(s.bitmap())) << last;
        EXPECT_TRUE(s.messages.texts().isEmpty()) << last;
        EXPECT_EQ(log->lines().back(), std::string("get Workbook.ActiveSheet.UsedRange.Columns.Item(I4(") +
                                           (last[0] == 'E' ? "5" : "1") + ")).Column")
            << last;
    }
}

TEST(SheetSnapshot, calls_go_in_order_with_their_automation_types) {
    Snapshot s;
    s.write("B2", "x");
    s.write("D3", 1.0);
    s.app->put("ScreenUpdating", false);
    auto log = std::make_shared<testing_support::CallLog>();
    s.run(testing_support::recordCalls(s.workbook, log, "Workbook"), testing_support::recordCalls(s.app, log, "Application"));
    EXPECT_TRUE(s.messages.texts().isEmpty()) << s.messages.texts().join("\n").toStdString();
    const std::string used = "Workbook.ActiveSheet.UsedRange";
    EXPECT_EQ(log->lines(), (std::vector<std::string>{
                                "get Workbook.ActiveSheet",
                                "get Workbook.ActiveSheet.UsedRange",
                                "get " + used + ".Rows",
                                "get " + used + ".Rows.Count",
                                "get " + used + ".Rows.Item(I4(2))",
                                "get " + used + ".Rows.Item(I4(2)).Row",
                                "get Workbook.ActiveSheet.UsedRange",
                                "get " + used + ".Columns",
                                "get " + used + ".Columns.Count",
                                "get " + used + ".Columns.Item(I4(3))",
                                "get " + used + ".Columns.Item(I4(3)).Column",
                                "put Application.ScreenUpdating = BOOL(true)",
                                "get Workbook.ActiveSheet.UsedRange",
                                "call " + used + ".CopyPicture(Appearance:=I2(1), Format:=I2(2))",
                                "get Application.CopiedPicture",
                                "call Application.CopiedPicture.SaveAsBitmap(BSTR(\"" + s.bitmap().string() + "\"))",
                            }));
    EXPECT_TRUE(s.app->get("ScreenUpdating").toBool());
    EXPECT_EQ(QImage(QString::fromStdString(s.bitmap().string())).size(), QSize(3 * 64 + 1, 2 * 17 + 1));
}

TEST(SheetSnapshot, a_failing_step_is_reported_once_with_its_line_and_the_next_steps_run) {
    Snapshot s;
    s.write("B2", "x");
    s.write("D3", 1.0);
    const testing_support::FailurePlan plan{.failAtCall = 0, .failMember = "ScreenUpdating", .description = "Boom"};
    s.run(s.workbook, testing_support::failCalls(s.app, plan));
    EXPECT_EQ(s.messages.texts(), QStringList{reportAt("Boom", 110)});
    EXPECT_TRUE(fs::exists(s.bitmap()));  // 122 and 126 ran after it
}

TEST(SheetSnapshot, a_picture_that_cannot_be_taken_is_reported_and_an_older_file_stays) {
    Snapshot s;
    s.write("B2", "x");
    s.write("D3", 1.0);
    std::ofstream(s.bitmap()) << "older";
    const testing_support::FailurePlan plan{.failAtCall = 0, .failMember = "CopyPicture", .description = "No picture"};
    s.run(testing_support::failCalls(s.workbook, plan), s.app);
    ASSERT_EQ(s.messages.texts().size(), 2);
    EXPECT_EQ(s.messages.texts()[0], reportAt("No picture", 122));
    EXPECT_TRUE(s.messages.texts()[1].contains("at line 126"));  // no picture was copied: nothing to save
    std::ifstream in(s.bitmap());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "older");
}

TEST(SheetSnapshot, a_link_planted_at_the_bitmap_path_is_replaced_and_its_target_untouched) {
    Snapshot s;
    s.write("B2", "x");
    s.write("D3", 1.0);
    const fs::path victim = fs::path(s.folder.path().toStdString()) / "victim.txt";
    std::ofstream(victim) << "keep me";
    fs::create_symlink(victim, s.bitmap());
    s.run();
    EXPECT_TRUE(s.messages.texts().isEmpty()) << s.messages.texts().join("\n").toStdString();
    EXPECT_FALSE(fs::is_symlink(s.bitmap()));
    EXPECT_EQ(bitsPerPixel(s.bitmap()), 24);
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep me");
}

TEST(SheetSnapshot, a_missing_folder_gives_one_report_at_line_126_and_no_file) {
    Snapshot s;
    s.write("B2", "x");
    s.write("D3", 1.0);
    const fs::path missing = fs::path(s.folder.path().toStdString()) / "gone" / "temp.bmp";
    report::saveCellsActivesheet(s.workbook, QString::fromStdString(missing.string()), s.app, s.messages);
    ASSERT_EQ(s.messages.texts().size(), 1);
    EXPECT_TRUE(s.messages.texts()[0].contains("at line 126"));
    EXPECT_TRUE(s.messages.texts()[0].contains(QString::fromStdString(missing.string())));
    EXPECT_TRUE(s.messages.texts()[0].contains("No such file or directory"));
    EXPECT_FALSE(fs::exists(missing.parent_path()));
}
