// The file services behind saving: the same file recognised however it is
// named, and the bar-separated filter reaching Qt's dialog in its own form.
#include "file_contents.h"
#include "shell/same_file.h"
#include "shell/save_file_dialog.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testing_support::writeFile;

TEST(SameFile, the_same_file_is_recognised_through_links_and_other_spellings) {
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
    EXPECT_EQ(shell::qtNameFilter("Excel Files (*.xls)|*.xls|Excel Workbook (*.xlsx)|*.xlsx|"),
              QStringLiteral("Excel Files (*.xls);;Excel Workbook (*.xlsx)"));
    EXPECT_EQ(shell::qtNameFilter("Workbooks|*.xls;*.xlt|All|*.*"), QStringLiteral("Workbooks (*.xls *.xlt);;All (*.*)"));
    EXPECT_EQ(shell::qtNameFilter(""), QString());
}

}  // namespace
