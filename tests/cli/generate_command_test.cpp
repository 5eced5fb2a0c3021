// `quorvane generate` in-process: the workbook the window's generation would
// save for the same figures, the picture the preview would show, and
// failures that leave no file.
#include "automation/registry.h"
#include "breakeven_inputs.h"
#include "cli/generate_command.h"
#include "cli/kept_preview.h"
#include "fake_message_service.h"
#include "file_contents.h"
#include "generation_windows_fake.h"
#include "input/input_field_table.h"
#include "qt_printers.h"
#include "report/generate_report0.h"
#include "small_disks.h"
#include "spreadsheet/objects/class_registration.h"
#include "spreadsheet/xls/ole/compound_file_reader.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstdio>

namespace {

using testing_support::contents;

// The figures as a user would write them: keyed as in the settings store.
QByteArray figuresJson(const QMap<QString, QString>& fieldTexts) {
    QJsonObject object;
    for (const input::InputFieldInfo& field : input::inputFields())
        if (fieldTexts.contains(QLatin1String(field.name)))
            object.insert(QLatin1String(field.key), fieldTexts.value(QLatin1String(field.name)));
    return QJsonDocument(object).toJson();
}

std::vector<uint8_t> workbookStream(const QString& path) {
    return spreadsheet::xls::ole::CompoundFileReader::fromFile(QFile::encodeName(path).toStdString())
        .stream("Workbook");
}

// What the command printed on standard error.
class CapturedErrors {
public:
    CapturedErrors() : m_file(std::tmpfile()) {}
    ~CapturedErrors() { std::fclose(m_file); }
    std::FILE* file() const { return m_file; }
    QStringList lines() const {
        std::fflush(m_file);
        std::rewind(m_file);
        QByteArray all;
        char buffer[4096];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;) all.append(buffer, qsizetype(got));
        return QString::fromUtf8(all).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    std::FILE* m_file;
};

struct Command {
    QTemporaryDir temp;
    QTemporaryDir out;
    automation::Registry registry;
    CapturedErrors errors;
    QString settingsFile = out.filePath(QStringLiteral("Wrenfield.ini"));
    QByteArray standardInput;

    Command() { spreadsheet::objects::registerApplicationClass(registry); }

    int run(cli::GenerateRequest request, QString temporaryFolder = {}) {
        const cli::Figures figures =
            cli::requestedFigures(request, {settingsFile, errors.file(), [this] { return standardInput; }});
        cli::CommandEnvironment environment{registry, temporaryFolder.isEmpty() ? temp.path() : temporaryFolder,
                                            errors.file(),
                                            [] { return std::unique_ptr<cli::CommandPreview>(new cli::KeptPreview); }};
        return cli::runGenerate(request, figures, environment);
    }
    QString path(const char* name) const { return out.filePath(QLatin1String(name)); }
};

// The workbook the window's generation leaves for Save, for the same figures.
std::vector<uint8_t> windowsWorkbookStream(const QMap<QString, QString>& fieldTexts, QImage* picture = nullptr) {
    QTemporaryDir temp;
    automation::Registry registry;
    spreadsheet::objects::registerApplicationClass(registry);
    testing_support::FakeMessageService messages;
    generation_test::FakeInputWindow input(fieldTexts);
    generation_test::FakePreviewWindow preview;
    report::GenerationDriver driver({registry, messages, input, preview, temp.path(), {}});
    driver.GenerateReport0();
    EXPECT_TRUE(messages.shown().empty());
    if (picture) *picture = preview.picture;
    return workbookStream(driver.workbookPath());
}

}  // namespace

TEST(GenerateCommand, writes_the_workbook_the_window_would_save_and_the_picture_it_would_show) {
    for (const auto& [what, texts] : {std::pair{"sample", testing_support::sampleTexts()},
                                      std::pair{"worked example", testing_support::workedExampleTexts()}}) {
        SCOPED_TRACE(what);
        Command command;
        ASSERT_TRUE(testing_support::writeFile(command.path("figures.json"), figuresJson(texts)));
        cli::GenerateRequest request;
        request.figuresFile = command.path("figures.json");
        request.output = command.path("book.xls");
        request.picture = command.path("sheet.png");
        EXPECT_EQ(command.run(request), 0) << command.errors.lines().join('\n').toStdString();
        EXPECT_TRUE(command.errors.lines().isEmpty());

        QImage shown;
        EXPECT_EQ(workbookStream(request.output), windowsWorkbookStream(texts, &shown));
        const QImage picture(*request.picture, "PNG");
        EXPECT_EQ(picture.size(), shown.size());
        EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), shown.convertToFormat(QImage::Format_RGB32));
        // Compressed for speed, yet no larger than the general writer's PNG of the sheet.
        QByteArray general;
        QBuffer buffer(&general);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(QImageWriter(&buffer, "PNG").write(shown));
        EXPECT_LE(contents(*request.picture).size(), general.size() * 105 / 100);
        EXPECT_EQ(QDir(command.temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList())
            << "the temporary workbook goes with the run";
    }
}

TEST(GenerateCommand, a_book_named_xlsx_is_the_open_xml_workbook_of_the_same_figures) {
    Command command;
    command.standardInput = figuresJson(testing_support::sampleTexts());
    cli::GenerateRequest request;
    request.figuresFile = QStringLiteral("-");
    request.output = command.path("book.xlsx");
    ASSERT_EQ(command.run(request), 0) << command.errors.lines().join('\n').toStdString();
    const QByteArray book = contents(request.output);
    EXPECT_TRUE(book.startsWith("PK\x03\x04"));
    for (const char* part : {"xl/workbook.xml", "xl/chartsheets/sheet1.xml", "xl/charts/chart3.xml"})
        EXPECT_TRUE(book.contains(part)) << part;
    EXPECT_EQ(QDir(command.temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST(GenerateCommand, without_figures_uses_the_stored_ones_and_a_set_overrides_them) {
    Command command;
    ASSERT_TRUE(testing_support::writeFile(command.settingsFile,
                                           "[Quorvane]\nName=Stored Ltd\nRent=640\nSales%20Price=9.5\n"));
    const QByteArray storedBefore = contents(command.settingsFile);
    cli::GenerateRequest request;
    request.output = command.path("book.bmp.xls");
    request.picture = command.path("sheet.bmp");
    request.sets = {{"Rent", "700"}};
    ASSERT_EQ(command.run(request), 0) << command.errors.lines().join('\n').toStdString();

    QMap<QString, QString> expected;
    for (const input::InputFieldInfo& field : input::inputFields())
        expected.insert(QLatin1String(field.name), input::defaultText(field, QLatin1Char('.')));
    expected.insert(QStringLiteral("txtName"), QStringLiteral("Stored Ltd"));
    expected.insert(QStringLiteral("txtSalesPrice"), QStringLiteral("9.5"));
    expected.insert(QStringLiteral("txtRent"), QStringLiteral("700"));
    EXPECT_EQ(workbookStream(request.output), windowsWorkbookStream(expected));
    EXPECT_EQ(contents(command.settingsFile), storedBefore) << "the store is only read";
    EXPECT_EQ(QImage(*request.picture, "BMP").size(), QSize(1162, 871));
}

TEST(GenerateCommand, a_failing_step_prints_the_error_report_on_one_line_answers_1_and_writes_nothing) {
    Command command;
    command.standardInput = figuresJson(testing_support::sampleTexts());
    ASSERT_TRUE(testing_support::writeFile(command.path("book.xls"), "the user's old workbook"));
    cli::GenerateRequest request;
    request.figuresFile = QStringLiteral("-");
    request.output = command.path("book.xls");
    request.picture = command.path("sheet.png");
    EXPECT_EQ(command.run(request, command.temp.filePath(QStringLiteral("no/such/folder"))), 1);

    const QStringList lines = command.errors.lines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("quorvane: Application Error: Cannot create the temporary workbook")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral(" in Tarnwick2021/08/31.BreakEvenAnalysis.GenerateReport0 at line 154")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("at line 156")));
    EXPECT_EQ(contents(command.path("book.xls")), QByteArray("the user's old workbook"));
    EXPECT_FALSE(QFile::exists(command.path("sheet.png")));
}

TEST(GenerateCommand, an_output_that_does_not_fit_answers_1_and_leaves_no_file) {
    Command command;
    testing_support::FullFolder full;
    ASSERT_TRUE(testing_support::writeFile(command.path("figures.json"), figuresJson(testing_support::sampleTexts())));
    cli::GenerateRequest request;
    request.figuresFile = command.path("figures.json");
    request.output = full.path() + QStringLiteral("/book.xls");
    const int status = command.run(request);
    if (full.isTmpfs()) {  // with a size limit instead, the generation itself fails first
        EXPECT_EQ(status, 1);
        ASSERT_EQ(command.errors.lines().size(), 1);
        EXPECT_TRUE(command.errors.lines()[0].contains(QStringLiteral("Cannot copy to")));
        EXPECT_TRUE(command.errors.lines()[0].contains(full.failure()));
    }
    EXPECT_EQ(status, 1);
    EXPECT_EQ(full.entries(), QStringList());
    EXPECT_EQ(QDir(command.temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}
