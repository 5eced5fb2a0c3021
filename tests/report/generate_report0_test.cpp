// One whole generation against the embedded spreadsheet: what lands in the
// temporary folder, what the windows receive, and how the driver keeps going
// (and keeps the user's files safe) when names are taken or steps fail.
#include "breakeven_fixture.h"
#include "fake_message_service.h"
#include "generation_windows_fake.h"
#include "small_disks.h"
#include "spreadsheet/xls/ole/compound_file_reader.h"
#include "report/generate_report0.h"
#include "report/save_format.h"
#include "report/temporary_workbook.h"
#include "shell/context_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <deque>
#include <optional>
#include <sys/stat.h>

namespace {

using generation_test::FakeInputWindow;
using generation_test::FakePreviewWindow;
using shell::MousePointer;
using testing_support::FakeMessageService;

// A clock that reads `first` for the first eight digits, then `second` for ever.
std::function<double()> twoMomentClock(double first, double second) {
    auto readings = std::make_shared<int>(0);
    return [=] { return (*readings)++ < report::kTemporaryNameDigits ? first : second; };
}

QString nameDrawnAt(double moment) {
    return report::TemporaryNameDrawer([=] { return moment; }).drawName();
}

struct Generation {
    QTemporaryDir temp;
    automation::Registry registry;
    FakeMessageService messages;
    FakeInputWindow input{breakeven_test::kSample};
    FakePreviewWindow preview;
    std::function<double()> clock = report::secondsSinceMidnight;

    explicit Generation(bool withSpreadsheet = true) {
        if (withSpreadsheet) spreadsheet::objects::registerApplicationClass(registry);
    }

    report::SheetPicture picture = report::SheetPicture::Taken;

    report::GenerationDriver run(QString folder = {}) {
        report::GenerationDriver driver({registry, messages, input, preview, folder.isEmpty() ? temp.path() : folder,
                                         clock, picture});
        driver.GenerateReport0();
        return driver;
    }

    QStringList tempFiles() const { return QDir(temp.path()).entryList(QDir::Files | QDir::System | QDir::Hidden); }

    // The sheet names of the saved workbook, read back by a fresh instance.
    std::vector<std::string> savedSheetNames(const QString& path) {
        const automation::ObjectRef reader = report::OpenWorkbookInNewInstance(registry, path);
        const automation::ObjectRef sheets = automation::member(reader, "Sheets");
        std::vector<std::string> names;
        for (int32_t i = 1; i <= sheets->get("Count").toI4(); ++i)
            names.push_back(sheets->get("Item", {i}).toObject()->get("Name").toString());
        reader->call("Quit");
        return names;
    }
};

std::vector<uint8_t> workbookStreamOf(const QString& path) {
    return spreadsheet::xls::ole::CompoundFileReader::fromFile(QFile::encodeName(path).toStdString()).stream("Workbook");
}

// The lines of one procedure's error reports, in order; the driver's by default.
std::vector<int> reportedLines(const FakeMessageService& messages,
                               const QString& procedure = QStringLiteral("BreakEvenAnalysis.GenerateReport0")) {
    std::vector<int> lines;
    const QRegularExpression atLine(QRegularExpression::escape(procedure) + QStringLiteral(" at line (\\d+)"));
    for (const shell::Message& message : messages.shown()) {
        const QRegularExpressionMatch match = atLine.match(message.text);
        if (match.hasMatch()) lines.push_back(match.captured(1).toInt());
    }
    return lines;
}

TEST(GenerationDriver, leaves_the_workbook_in_temp_hands_over_the_picture_and_swaps_the_windows) {
    Generation generation;
    const report::GenerationDriver driver = generation.run();

    EXPECT_TRUE(generation.messages.shown().empty()) << generation.messages.texts().join("\n").toStdString();
    const QString path = driver.workbookPath();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^halden[1-9]{8}\\.xls$")).match(QFileInfo(path).fileName()).hasMatch())
        << path.toStdString();
    EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(generation.temp.path()).absoluteFilePath());
    EXPECT_EQ(generation.tempFiles(), QStringList{QFileInfo(path).fileName()});  // no temp.bmp, no leftovers

    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "only the user may read the temporary workbook";
    EXPECT_EQ(generation.savedSheetNames(path),
              (std::vector<std::string>{breakeven_test::kDataSheet, breakeven_test::kChartSheet}));

    EXPECT_EQ(generation.preview.picture.size(), QSize(1162, 871));
    EXPECT_EQ(generation.preview.bitsPerPixel, 24) << "the snapshot file is a 24-bit bitmap";
    EXPECT_EQ(generation.preview.excelFile, path);
    EXPECT_TRUE(generation.preview.visible);
    EXPECT_FALSE(generation.input.visible);
    EXPECT_EQ(generation.input.pointers, (std::vector<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
}

// Without a picture the workbook is the same, and nothing that paints runs:
// no second instance, no bitmap, no hourglass for the snapshot.
TEST(GenerationDriver, a_generation_without_a_picture_saves_the_same_workbook_and_takes_no_snapshot) {
    Generation withPicture;
    const std::vector<uint8_t> pictured = workbookStreamOf(withPicture.run().workbookPath());
    Generation generation;
    generation.picture = report::SheetPicture::NotWanted;
    const report::GenerationDriver driver = generation.run();
    EXPECT_TRUE(generation.messages.shown().empty()) << generation.messages.texts().join("\n").toStdString();
    EXPECT_EQ(workbookStreamOf(driver.workbookPath()), pictured);
    EXPECT_EQ(generation.tempFiles(), QStringList{QFileInfo(driver.workbookPath()).fileName()});
    EXPECT_TRUE(generation.preview.picture.isNull());
    EXPECT_EQ(generation.preview.excelFile, driver.workbookPath());
    EXPECT_TRUE(generation.input.pointers.empty());
}

TEST(GenerationDriver, draws_a_new_name_when_the_drawn_one_exists_in_any_form_and_never_touches_it) {
    Generation generation;
    generation.clock = twoMomentClock(1000.25, 2000.5);
    const QString taken = generation.temp.filePath(nameDrawnAt(1000.25) + ".xls");
    const QString expected = generation.temp.filePath(nameDrawnAt(2000.5) + ".xls");
    ASSERT_NE(taken, expected);

    {  // an ordinary file of that name
        QFile existing(taken);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("someone else's");
    }
    EXPECT_EQ(generation.run().workbookPath(), expected);
    QFile existing(taken);
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("someone else's"));
    EXPECT_TRUE(generation.messages.shown().empty());
}

TEST(GenerationDriver, a_link_planted_at_the_drawn_name_or_at_the_bitmap_is_never_followed) {
    Generation generation;
    generation.clock = twoMomentClock(300.125, 400.75);
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim.txt"));
    const QString missingTarget = elsewhere.filePath(QStringLiteral("created-through-link.xls"));
    {
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    // A dangling link at the first name, a link to the victim at temp.bmp.
    ASSERT_TRUE(QFile::link(missingTarget, generation.temp.filePath(nameDrawnAt(300.125) + ".xls")));
    ASSERT_TRUE(QFile::link(victim, report::snapshotBitmapPath(generation.temp.path())));

    const report::GenerationDriver driver = generation.run();
    EXPECT_EQ(driver.workbookPath(), generation.temp.filePath(nameDrawnAt(400.75) + ".xls"));
    EXPECT_FALSE(QFileInfo::exists(missingTarget)) << "the save went through the planted link";
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));
    EXPECT_EQ(generation.preview.picture.size(), QSize(1162, 871));
    EXPECT_FALSE(QFileInfo(report::snapshotBitmapPath(generation.temp.path())).isSymLink());
    EXPECT_TRUE(generation.messages.shown().empty()) << generation.messages.texts().join("\n").toStdString();
}

TEST(GenerationDriver, without_a_spreadsheet_every_step_that_needs_one_is_reported_in_turn_and_nothing_crashes) {
    Generation generation(false);
    generation.run();
    const std::vector<int> lines = reportedLines(generation.messages);
    // The instance, its flags, the workbook, the sheets, the selection, the
    // flags again, the save, closing, the second instance, and finally the
    // picture that was never written. The snapshot reports its own failures.
    const std::vector<int> expected = {102, 104, 106, 108, 110, 112, 116, 118, 122, 124, 126, 128, 130, 132, 134,
                                       136, 138, 156, 158, 160, 162, 166, 170, 174, 176, 178, 182};
    EXPECT_EQ(lines, expected);
    // The window swap still happens; the temporary name was still claimed.
    EXPECT_TRUE(generation.preview.visible);
    EXPECT_FALSE(generation.input.visible);
    EXPECT_EQ(generation.input.pointers.back(), MousePointer::Default);
}

TEST(GenerationDriver, a_temporary_folder_that_refuses_files_is_reported_once_instead_of_drawing_for_ever) {
    Generation generation;
    const QString missingFolder = generation.temp.filePath(QStringLiteral("no/such/folder"));
    generation.run(missingFolder);
    const std::vector<int> lines = reportedLines(generation.messages);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], 154);
    EXPECT_EQ(lines[1], 156);  // the save fails on its own line, and the generation goes on
    EXPECT_TRUE(generation.messages.shown()[0].text.contains(missingFolder));
}

// A save that fails must not leave the claimed name behind as an empty file:
// the preview would offer it, and Save would copy it over the user's workbook.
TEST(GenerationDriver, a_full_temporary_folder_fails_the_save_and_leaves_nothing_that_could_pass_for_the_workbook) {
    testing_support::FullFolder full;
    Generation generation;
    const report::GenerationDriver driver = generation.run(full.path());
    const std::vector<int> lines = reportedLines(generation.messages);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], 156) << "the claim itself fits; the save does not";
    EXPECT_TRUE(generation.messages.shown()[0].text.contains(full.failure()))
        << generation.messages.shown()[0].text.toStdString();
    EXPECT_EQ(full.entries(), QStringList()) << "no claim, no fragment, no bitmap";
    EXPECT_EQ(generation.preview.excelFile, driver.workbookPath());
    EXPECT_TRUE(generation.preview.visible);
}

TEST(GenerationDriver, under_a_file_size_limit_each_write_that_outgrows_it_is_reported_and_leaves_no_fragment) {
    {  // 12 KiB: the workbook itself does not fit
        Generation generation;
        testing_support::FileSizeLimit limit(12 * 1024);
        generation.run();
        const std::vector<int> lines = reportedLines(generation.messages);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0], 156);
        EXPECT_TRUE(generation.messages.shown()[0].text.contains(QStringLiteral("File too large")));
        EXPECT_EQ(generation.tempFiles(), QStringList());
    }
    {  // 1 MiB: the workbook fits, the 3 MB snapshot bitmap does not
        Generation generation;
        std::optional<testing_support::FileSizeLimit> limit(std::in_place, 1 << 20);
        const report::GenerationDriver driver = generation.run();
        limit.reset();
        EXPECT_EQ(reportedLines(generation.messages), std::vector<int>{182}) << "only the picture that never came";
        EXPECT_EQ(reportedLines(generation.messages, QStringLiteral("Excel1.saveCellsActivesheet")),
                  std::vector<int>{126});
        EXPECT_TRUE(generation.messages.texts().join("\n").contains(QStringLiteral("File too large")));
        EXPECT_EQ(generation.tempFiles(), QStringList{QFileInfo(driver.workbookPath()).fileName()});
        EXPECT_EQ(generation.savedSheetNames(driver.workbookPath()),
                  (std::vector<std::string>{breakeven_test::kDataSheet, breakeven_test::kChartSheet}));
    }
}

TEST(TemporaryNames, are_the_prefix_and_eight_digits_from_one_to_nine_each_drawn_after_a_reseed) {
    std::deque<double> moments;
    for (int i = 0; i < 8; ++i) moments.push_back(100.0 + i * 1e-7);
    int readings = 0;
    report::TemporaryNameDrawer drawer([&] {
        ++readings;
        const double now = moments.front();
        moments.pop_front();
        return now;
    });
    const QString name = drawer.drawName();
    EXPECT_EQ(readings, 8);
    EXPECT_EQ(name.size(), 14);
    EXPECT_TRUE(name.startsWith(QStringLiteral("halden")));

    // Over many moments every digit from 1 to 9 turns up, 0 never does, and
    // the same moment always gives the same digit.
    std::array<int, 10> seen{};
    for (int i = 0; i < 9000; ++i) {
        report::TemporaryNameDrawer at([=] { return 43200.0 + i * 1e-6; });
        at.reseed();
        ++seen[at.nextDigit()];
    }
    EXPECT_EQ(seen[0], 0);
    for (int digit = 1; digit <= 9; ++digit) EXPECT_GT(seen[digit], 800) << digit;
    EXPECT_EQ(nameDrawnAt(5.5), nameDrawnAt(5.5));
}

TEST(TemporaryNames, the_folder_comes_from_TEMP_or_the_system) {
    const QByteArray saved = qgetenv("TEMP");
    qputenv("TEMP", "/some/where/");
    EXPECT_EQ(report::temporaryFolder(), QStringLiteral("/some/where"));
    EXPECT_EQ(report::temporaryWorkbookPath(report::temporaryFolder(), "halden12345678"),
              QStringLiteral("/some/where/halden12345678.xls"));
    EXPECT_EQ(report::snapshotBitmapPath(QStringLiteral("/t")), QStringLiteral("/t/temp.bmp"));
    qunsetenv("TEMP");
    EXPECT_EQ(report::temporaryFolder(), QDir::tempPath());
    if (!saved.isNull()) qputenv("TEMP", saved);
}

}  // namespace
