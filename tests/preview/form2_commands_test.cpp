// The preview's commands: saving copies the temporary workbook byte for byte
// and never loses an existing file, back discards the workbook, and closing
// ends the program.
#include "file_contents.h"
#include "form2_harness.h"
#include "minimal_workbook.h"
#include "small_disks.h"
#include "shell/app_title.h"
#include "shell/context_names.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

using testing_support::Form2Harness;

namespace {

using testing_support::contents;
using testing_support::writeFile;

// A preview showing a picture, with a temporary workbook of known bytes.
struct SavingPreview : Form2Harness {
    QByteArray workbookBytes = testing_support::minimalWorkbookFile();
    QTemporaryDir saveFolder;

    SavingPreview() {
        showWith(400, 300);
        EXPECT_TRUE(writeFile(form->mExcelFile, workbookBytes));
    }
    QString target(const char* name) const { return saveFolder.filePath(QLatin1String(name)); }
    void save(const QString& answer) {
        saveDialog.answers << answer;
        QTest::mouseClick(form->PushButton6(), Qt::LeftButton);
    }
};

}  // namespace

TEST(Form2Save, asks_with_the_title_and_filter_saves_a_byte_identical_copy_and_says_done) {
    SavingPreview p;
    p.save(p.target("results.xls"));
    ASSERT_EQ(p.saveDialog.requests.size(), 1u);
    EXPECT_EQ(p.saveDialog.requests[0].title, QStringLiteral("Save File"));
    EXPECT_EQ(p.saveDialog.requests[0].filter, QStringLiteral("Excel Files (*.xls)|*.xls|Excel Workbook (*.xlsx)|*.xlsx|"));
    EXPECT_TRUE(p.saveDialog.requests[0].fileName.isEmpty());
    EXPECT_EQ(contents(p.target("results.xls")), p.workbookBytes);
    ASSERT_EQ(p.messages.shown().size(), 1u);
    EXPECT_EQ(p.messages.shown()[0].text, QStringLiteral("Done."));
    EXPECT_EQ(p.messages.shown()[0].icon, shell::MessageIcon::None);
    EXPECT_EQ(p.messages.shown()[0].title, shell::appTitle());
    EXPECT_EQ(p.form->pointer().pointer(), shell::MousePointer::Default);

    // Again under another name, and one typed without extension: identical
    // files, and the temporary workbook is still there for more.
    p.save(p.target("again.xls"));
    p.save(p.target("no-extension"));
    EXPECT_EQ(contents(p.target("again.xls")), p.workbookBytes);
    EXPECT_EQ(contents(p.target("no-extension")), p.workbookBytes);
    EXPECT_FALSE(QFile::exists(p.target("no-extension.xls")));
    EXPECT_EQ(contents(p.form->mExcelFile), p.workbookBytes);
    EXPECT_EQ(QDir(p.saveFolder.path()).entryList(QDir::Files | QDir::Hidden).size(), 3)
        << "no partial copies left behind";
}

TEST(Form2Save, cancel_does_nothing_at_all) {
    SavingPreview p;
    p.save(QString());
    EXPECT_TRUE(p.messages.shown().empty());
    EXPECT_TRUE(QDir(p.saveFolder.path()).isEmpty());
}

TEST(Form2Save, over_an_existing_file_asks_first_and_No_keeps_it_untouched) {
    SavingPreview p;
    ASSERT_TRUE(writeFile(p.target("old.xls"), "the user's old file"));
    p.messages.answerNext(shell::MessageAnswer::No);
    p.save(p.target("old.xls"));
    ASSERT_EQ(p.messages.shown().size(), 1u);
    EXPECT_EQ(p.messages.shown()[0].text, "Are you sure you wish to overwrite " + p.target("old.xls") + " ?");
    EXPECT_EQ(p.messages.shown()[0].buttons, shell::MessageButtons::YesNo);
    EXPECT_EQ(p.messages.shown()[0].icon, shell::MessageIcon::None);
    EXPECT_EQ(contents(p.target("old.xls")), QByteArray("the user's old file"));
}

TEST(Form2Save, Yes_replaces_the_file_and_keeps_its_permissions) {
    SavingPreview p;
    ASSERT_TRUE(writeFile(p.target("old.xls"), "the user's old file"));
    ASSERT_EQ(::chmod(QFile::encodeName(p.target("old.xls")).constData(), 0640), 0);
    p.messages.answerNext(shell::MessageAnswer::Yes);
    p.save(p.target("old.xls"));
    EXPECT_EQ(contents(p.target("old.xls")), p.workbookBytes);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(p.target("old.xls")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(p.messages.texts().back(), QStringLiteral("Done."));
}

TEST(Form2Save, a_failing_copy_is_reported_says_no_Done_and_leaves_the_old_file_intact) {
    SavingPreview p;
    ASSERT_TRUE(writeFile(p.target("old.xls"), "the user's old file"));
    {  // the copy outgrows the file-size limit half-way
        testing_support::FileSizeLimit limit(16 * 1024);
        p.messages.answerNext(shell::MessageAnswer::Yes);
        p.save(p.target("old.xls"));
    }
    ASSERT_EQ(p.messages.shown().size(), 2u);  // the question, then the report
    EXPECT_EQ(p.messages.shown()[1].title, QStringLiteral("Application Error"));
    EXPECT_TRUE(p.messages.texts()[1].contains(QLatin1String(shell::contexts::kForm2PushButton6Click)));
    EXPECT_TRUE(p.messages.texts()[1].contains(QStringLiteral("File too large"))) << p.messages.texts()[1].toStdString();
    EXPECT_FALSE(p.messages.texts().contains(QStringLiteral("Done.")));
    EXPECT_EQ(contents(p.target("old.xls")), QByteArray("the user's old file"));
    EXPECT_EQ(QDir(p.saveFolder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.xls"})
        << "no fragment of the copy is left";
    EXPECT_EQ(p.form->pointer().pointer(), shell::MousePointer::Default);

    // A folder that does not exist: reported, nothing created.
    p.messages.clear();
    p.save(p.target("missing/folder/results.xls"));
    ASSERT_EQ(p.messages.shown().size(), 1u);
    EXPECT_TRUE(p.messages.texts()[0].contains(QStringLiteral("missing/folder")));
}

// A generation whose save failed leaves no workbook, an empty claim or a
// fragment. Copying that over the user's file would destroy it: it is
// refused with the reason before the destination is asked about or touched.
TEST(Form2Save, a_temporary_workbook_that_is_not_complete_is_refused_and_the_old_file_stays_byte_for_byte) {
    using testing_support::compoundFile;
    using testing_support::workbookStreamOpening;
    std::vector<uint8_t> foreignOpening = workbookStreamOpening();
    foreignOpening[6] = 0x10;  // a worksheet's BOF where the globals' belongs
    const struct {
        const char* what;
        std::optional<QByteArray> temporaryWorkbook;  // none: the file is missing
        const char* reason;
    } cases[] = {
        {"missing", std::nullopt, "it was never written"},
        {"empty claim", QByteArray(), "it is empty"},
        {"fragment", testing_support::minimalWorkbookFile().left(1536), "it is not a complete Excel 97-2003 file"},
        {"not a compound file", QByteArray("PK\x03\x04 something else").repeated(100),
         "it is not a complete Excel 97-2003 file"},
        {"no workbook stream", compoundFile("Book", workbookStreamOpening()), "it holds no workbook"},
        {"not a workbook's opening", compoundFile("Workbook", foreignOpening), "its workbook is damaged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SavingPreview p;
        QFile::remove(p.form->mExcelFile);
        if (c.temporaryWorkbook) {
            ASSERT_TRUE(writeFile(p.form->mExcelFile, *c.temporaryWorkbook));
        }
        const QByteArray old = testing_support::minimalWorkbookFile(9000);
        ASSERT_TRUE(writeFile(p.target("old.xls"), old));

        p.save(p.target("old.xls"));
        ASSERT_EQ(p.messages.shown().size(), 1u) << "no overwrite question, no report, no \"Done.\"";
        EXPECT_EQ(p.messages.shown()[0].text, preview::incompleteWorkbookMessage(c.reason, p.target("old.xls")));
        EXPECT_EQ(p.messages.shown()[0].icon, shell::MessageIcon::Warning);
        EXPECT_EQ(contents(p.target("old.xls")), old);
        EXPECT_EQ(QDir(p.saveFolder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.xls"});
        EXPECT_EQ(p.form->pointer().pointer(), shell::MousePointer::Default);
    }
}

TEST(Form2Save, replaces_a_link_at_the_destination_and_leaves_its_target_alone) {
    SavingPreview p;
    ASSERT_TRUE(writeFile(p.target("target.txt"), "the link's target"));
    ASSERT_TRUE(QFile::link(p.target("target.txt"), p.target("link.xls")));
    p.messages.answerNext(shell::MessageAnswer::Yes);
    p.save(p.target("link.xls"));
    EXPECT_FALSE(QFileInfo(p.target("link.xls")).isSymLink());
    EXPECT_EQ(contents(p.target("link.xls")), p.workbookBytes);
    EXPECT_EQ(contents(p.target("target.txt")), QByteArray("the link's target"));
}

TEST(Form2Save, the_temporary_workbook_itself_is_refused_as_destination_and_survives) {
    SavingPreview p;
    p.save(p.form->mExcelFile);
    ASSERT_EQ(p.messages.shown().size(), 1u);
    EXPECT_EQ(p.messages.shown()[0].text, QLatin1String(preview::kOwnWorkbookRefusal));
    EXPECT_EQ(contents(p.form->mExcelFile), p.workbookBytes);

    // Also when named through another spelling of the same path.
    p.messages.clear();
    const QString roundabout = QFileInfo(p.form->mExcelFile).absolutePath() + "/./" +
                               QFileInfo(p.form->mExcelFile).fileName();
    p.save(roundabout);
    EXPECT_EQ(p.messages.texts(), QStringList{QLatin1String(preview::kOwnWorkbookRefusal)});
    EXPECT_EQ(contents(p.form->mExcelFile), p.workbookBytes);
}

// A .xlsx name, in any case, gets the workbook converted to Office Open XML;
// every other name keeps the byte copy.
TEST(Form2Save, a_name_ending_in_xlsx_gets_the_open_xml_workbook_and_a_failure_keeps_the_old_file) {
    SavingPreview p;
    {  // a real temporary workbook, as the generation leaves it
        const automation::ObjectRef app = p.registry.CreateObject("Excel.Application");
        const automation::ObjectRef book = automation::member(app, "Workbooks")->call("Add").toObject();
        automation::requireObject(app->get("Range", {automation::Variant("A1")}))->put("FormulaR1C1", automation::Variant("42"));
        book->call("SaveAs", {automation::Variant(p.form->mExcelFile.toStdString()), automation::Variant(int32_t{56})});
        app->call("Quit");
    }
    const QByteArray temporary = contents(p.form->mExcelFile);
    p.save(p.target("results.XLSX"));
    EXPECT_EQ(p.messages.texts(), QStringList{"Done."});
    EXPECT_TRUE(contents(p.target("results.XLSX")).startsWith("PK\x03\x04"));
    EXPECT_TRUE(contents(p.target("results.XLSX")).contains("xl/workbook.xml"));
    EXPECT_EQ(contents(p.form->mExcelFile), temporary);

    // Into a folder that is not there: reported, and no "Done.".
    p.messages.clear();
    p.save(p.target("missing/results.xlsx"));
    ASSERT_EQ(p.messages.shown().size(), 1u);
    EXPECT_EQ(p.messages.shown()[0].title, QStringLiteral("Application Error"));
    EXPECT_TRUE(p.messages.texts()[0].contains(QStringLiteral("missing/results.xlsx")));

    // A workbook stream the spreadsheet cannot open: reported, the old file stays.
    p.messages.clear();
    ASSERT_TRUE(writeFile(p.form->mExcelFile, testing_support::minimalWorkbookFile()));
    ASSERT_TRUE(writeFile(p.target("old.xlsx"), "the user's old workbook"));
    p.messages.answerNext(shell::MessageAnswer::Yes);
    p.save(p.target("old.xlsx"));
    ASSERT_EQ(p.messages.shown().size(), 2u);  // the question, then the report
    EXPECT_TRUE(p.messages.texts()[1].contains(QLatin1String(shell::contexts::kForm2PushButton6Click)));
    EXPECT_EQ(contents(p.target("old.xlsx")), QByteArray("the user's old workbook"));
    EXPECT_EQ(QDir(p.saveFolder.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"old.xlsx", "results.XLSX"}));
}

TEST(Form2Back, deletes_the_temporary_workbook_shows_the_input_window_and_hides_itself) {
    SavingPreview p;
    QTest::mouseClick(p.form->PushButton8(), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(p.form->mExcelFile));
    EXPECT_EQ(p.inputWindowShown, 1);
    EXPECT_FALSE(p.form->isVisible());
    EXPECT_EQ(p.endRequests, 0);
    EXPECT_FALSE(p.form->Picture1()->picture().isNull()) << "the window keeps its picture";
}

TEST(Form2Close, deletes_the_temporary_workbook_and_ends_the_program) {
    SavingPreview p;
    p.form->close();
    EXPECT_FALSE(QFile::exists(p.form->mExcelFile));
    EXPECT_EQ(p.endRequests, 1);
    EXPECT_TRUE(p.messages.shown().empty());
}
