// A whole run as a user makes it, offscreen: both windows, the real
// spreadsheet, the real files. Only the message boxes and the Save dialog are
// scripted. With QUORVANE_E2E_SAVED_COPY set, the saved workbook is also
// copied there for the independent readers.
#include "file_contents.h"
#include "automation/registry.h"
#include "fake_message_service.h"
#include "fake_save_dialog.h"
#include "minimal_workbook.h"
#include "small_disks.h"
#include "input/form1.h"
#include "input/input_field.h"
#include "preview/form2.h"
#include "preview/picture_box.h"
#include "report/generate_report0.h"
#include "spreadsheet/objects/class_registration.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using testing_support::contents;

using testing_support::FakeMessageService;
using testing_support::FakeSaveFileDialog;
using testing_support::MemorySettingsStore;

// The program as main() joins it, around a temporary folder of its own (or
// the one given).
struct Program {
    QTemporaryDir temp;
    QString tempFolder;
    QTemporaryDir programFolder;
    QTemporaryDir documents;
    automation::Registry registry;
    FakeMessageService messages;
    FakeSaveFileDialog saveDialog;
    MemorySettingsStore settings;  // empty: a first start
    int endRequests = 0;
    input::Form1 form1{{settings, messages, registry, programFolder.path(), [this] { ++endRequests; }, {}}};
    preview::Form2 form2{{messages, saveDialog, registry, programFolder.path(), [this] { form1.showWindow(); },
                          [this] { ++endRequests; }}};
    report::GenerationDriver driver{{registry, messages, form1, form2, tempFolder, {}}};

    explicit Program(const QString& folder = {}) : tempFolder(folder.isEmpty() ? temp.path() : folder) {
        spreadsheet::objects::registerApplicationClass(registry);
        form1.setGenerateReport0([this] { driver.GenerateReport0(); });
        form1.Form_Load();
        form1.showAtStart();
    }

    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void start() {
        click(form1.button(QStringLiteral("PushButton2")));
        click(form1.button(QStringLiteral("PushButton22")));
        QCoreApplication::processEvents();
    }
    void saveAs(const QString& path) {
        saveDialog.answers << path;
        click(form2.PushButton6());
    }
    QStringList tempFiles() const { return QDir(tempFolder).entryList(QDir::Files | QDir::Hidden | QDir::System); }
};

TEST(WholeRun, sample_data_to_preview_to_saved_workbook_and_back) {
    Program program;
    program.start();

    // The preview has taken the input window's place with the sheet's picture.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.form2));
    EXPECT_TRUE(program.form2.isVisible());
    EXPECT_FALSE(program.form1.isVisible());
    EXPECT_EQ(program.form2.Zoom_Ori()->picture().size(), QSize(1162, 871));
    EXPECT_TRUE(program.messages.shown().empty()) << program.messages.texts().join("\n").toStdString();
    EXPECT_EQ(program.form1.pointer().pointer(), shell::MousePointer::Default);

    // TEMP holds the temporary workbook and no bitmap.
    const QString workbook = program.form2.mExcelFile;
    EXPECT_EQ(program.tempFiles(), QStringList{QFileInfo(workbook).fileName()});
    const QByteArray bytes = contents(workbook);
    ASSERT_GT(bytes.size(), 4096);

    // Saved twice: two byte-identical copies, and "Done." each time.
    const QString first = program.documents.filePath(QStringLiteral("breakeven.xls"));
    const QString second = program.documents.filePath(QStringLiteral("breakeven copy.xls"));
    program.saveAs(first);
    program.saveAs(second);
    EXPECT_EQ(contents(first), bytes);
    EXPECT_EQ(contents(second), bytes);
    EXPECT_EQ(program.messages.texts(), (QStringList{"Done.", "Done."}));
    EXPECT_EQ(program.saveDialog.requests.back().filter,
              QStringLiteral("Excel Files (*.xls)|*.xls|Excel Workbook (*.xlsx)|*.xlsx|"));
    if (const QString keep = qEnvironmentVariable("QUORVANE_E2E_SAVED_COPY"); !keep.isEmpty()) {
        QFile::remove(keep);
        ASSERT_TRUE(QFile::copy(first, keep));
    }

    // As an Excel Workbook: a name ending in .xlsx (in any case) gets the
    // Office Open XML package, which the independent readers judge.
    program.messages.clear();
    const QString openXml = program.documents.filePath(QStringLiteral("saved-by-user.XLSX"));  // titled by its name
    program.saveAs(openXml);
    EXPECT_EQ(program.messages.texts(), QStringList{"Done."});
    EXPECT_TRUE(contents(openXml).startsWith("PK\x03\x04"));
    EXPECT_EQ(contents(workbook), bytes) << "the temporary workbook is what it was";
    if (const QString keep = qEnvironmentVariable("QUORVANE_E2E_SAVED_XLSX"); !keep.isEmpty()) {
        QFile::remove(keep);
        ASSERT_TRUE(QFile::copy(openXml, keep));
    }

    // Back: the temporary workbook goes, the input window returns.
    program.click(program.form2.PushButton8());
    EXPECT_FALSE(QFile::exists(workbook));
    EXPECT_TRUE(program.tempFiles().isEmpty());
    EXPECT_TRUE(program.form1.isVisible());
    EXPECT_FALSE(program.form2.isVisible());

    // A second start only asks for a restart; nothing else changes.
    program.messages.clear();
    program.click(program.form1.button(QStringLiteral("PushButton22")));
    EXPECT_EQ(program.messages.texts(), QStringList{"You need to close the software to create another"});
    EXPECT_TRUE(program.tempFiles().isEmpty());
    EXPECT_FALSE(program.form2.isVisible());
    EXPECT_EQ(program.endRequests, 0);
}

TEST(WholeRun, closing_the_preview_removes_the_temporary_workbook_and_ends_the_program) {
    Program program;
    program.start();
    ASSERT_TRUE(program.form2.isVisible());
    const QString workbook = program.form2.mExcelFile;
    ASSERT_TRUE(QFile::exists(workbook));
    program.form2.close();
    EXPECT_FALSE(QFile::exists(workbook));
    EXPECT_EQ(program.endRequests, 1);  // although the input window is only hidden
}

// A temporary folder too small for the workbook: the generation reports the
// failed save, and Save refuses instead of copying an empty file over the
// user's workbook and saying "Done.".
TEST(WholeRun, a_full_temporary_folder_never_costs_the_user_an_existing_workbook) {
    testing_support::FullFolder full;
    Program program(full.path());
    const QString existing = program.documents.filePath(QStringLiteral("breakeven.xls"));
    const QByteArray good = testing_support::minimalWorkbookFile(20000);
    ASSERT_TRUE(testing_support::writeFile(existing, good));

    program.start();  // every report is answered with OK
    ASSERT_TRUE(program.form2.isVisible());
    EXPECT_TRUE(program.messages.texts().join("\n").contains(full.failure()));
    EXPECT_EQ(program.tempFiles(), QStringList()) << "no empty claim, no fragment";

    program.messages.clear();
    program.messages.answerNext(shell::MessageAnswer::Yes);
    program.saveAs(existing);
    ASSERT_EQ(program.messages.shown().size(), 1u) << program.messages.texts().join("\n").toStdString();
    EXPECT_EQ(program.messages.texts()[0],
              preview::incompleteWorkbookMessage("it was never written", existing));
    EXPECT_EQ(contents(existing), good);
    EXPECT_EQ(QDir(program.documents.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"breakeven.xls"});
}

}  // namespace
