// The file copy behind saving and the Save dialog's filter: a copy replaces a
// link instead of writing through it, and the bar-separated filter reaches
// Qt's dialog in its own form.
#include "file_contents.h"
#include "shell/file_copy.h"
#include "shell/save_file_dialog.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using testing_support::contents;
using testing_support::writeFile;

TEST(FileCopy, replaces_a_link_at_the_destination_and_leaves_its_target_alone) {
    QTemporaryDir folder;
    ASSERT_TRUE(writeFile(folder.filePath("source.xls"), "new contents"));
    ASSERT_TRUE(writeFile(folder.filePath("target.txt"), "the link's target"));
    ASSERT_TRUE(QFile::link(folder.filePath("target.txt"), folder.filePath("link.xls")));

    shell::copyFileSafely(folder.filePath("source.xls"), folder.filePath("link.xls"));
    EXPECT_FALSE(QFileInfo(folder.filePath("link.xls")).isSymLink());
    EXPECT_EQ(contents(folder.filePath("link.xls")), QByteArray("new contents"));
    EXPECT_EQ(contents(folder.filePath("target.txt")), QByteArray("the link's target"));
}

TEST(FileCopy, a_missing_source_fails_with_its_name_and_creates_nothing) {
    QTemporaryDir folder;
    try {
        shell::copyFileSafely(folder.filePath("gone.xls"), folder.filePath("copy.xls"));
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("gone.xls"), std::string::npos) << error.what();
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(FileCopy, the_same_file_is_recognised_through_links_and_other_spellings) {
    QTemporaryDir folder;
    ASSERT_TRUE(writeFile(folder.filePath("book.xls"), "x"));
    ASSERT_TRUE(QFile::link(folder.filePath("book.xls"), folder.filePath("alias.xls")));
    EXPECT_TRUE(shell::isSameFile(folder.filePath("book.xls"), folder.filePath("alias.xls")));
    EXPECT_TRUE(shell::isSameFile(folder.filePath("book.xls"), folder.path() + "/./book.xls"));
    EXPECT_FALSE(shell::isSameFile(folder.filePath("book.xls"), folder.filePath("other.xls")));
    EXPECT_FALSE(shell::isSameFile(folder.filePath("none.xls"), folder.filePath("none.xls")));
}

TEST(SaveDialogFilter, becomes_qt_name_filters) {
    EXPECT_EQ(shell::qtNameFilter("Excel Files (*.xls)|*.xls|"), QStringLiteral("Excel Files (*.xls)"));
    EXPECT_EQ(shell::qtNameFilter("Workbooks|*.xls;*.xlt|All|*.*"), QStringLiteral("Workbooks (*.xls *.xlt);;All (*.*)"));
    EXPECT_EQ(shell::qtNameFilter(""), QString());
}

}  // namespace
