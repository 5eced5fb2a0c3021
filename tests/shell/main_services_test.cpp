// The shared services: quiet file test and deletion, colouring, skin and title.
#include "shell/app_title.h"
#include "shell/main_services.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content = "x") {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return path;
}

QColor background(const QWidget& widget) { return widget.palette().color(QPalette::Window); }

// A window with one of each kind the colouring rules name.
struct SampleWindow {
    QWidget window;
    QGroupBox* frame = new QGroupBox(QStringLiteral("Frame"), &window);
    QLabel* label = new QLabel(QStringLiteral("Caption"), frame);
    QLineEdit* field = new QLineEdit(&window);
    QWidget* picture = new QWidget(&window);

    SampleWindow() {
        for (QWidget* w : std::initializer_list<QWidget*>{&window, frame, label, field, picture}) {
            QPalette p = w->palette();
            p.setColor(QPalette::Window, Qt::white);
            w->setPalette(p);
        }
        shell::markAsPictureBox(*picture);
    }
};

}  // namespace

TEST(FileExists, is_true_only_for_a_path_that_is_there) {
    QTemporaryDir dir;
    EXPECT_TRUE(shell::FileExists(writeFile(dir, QStringLiteral("a.xls"))));
    EXPECT_FALSE(shell::FileExists(dir.filePath(QStringLiteral("missing.xls"))));
    EXPECT_FALSE(shell::FileExists(dir.filePath(QStringLiteral("no-such-folder/a.xls"))));
    EXPECT_FALSE(shell::FileExists(QString()));
}

TEST(DeleteTempFile, a_missing_file_is_no_failure) {
    QTemporaryDir dir;
    EXPECT_NO_THROW(shell::DeleteTempFile(dir.filePath(QStringLiteral("missing.bmp"))));
}

TEST(DeleteTempFile, a_read_only_file_is_removed_by_the_forced_deletion) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("locked.xls"));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_THROW(shell::deleteFile(path), std::runtime_error);  // the ordinary deletion refuses it
    ASSERT_TRUE(QFile::exists(path));
    shell::DeleteTempFile(path);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(DeleteTempFile, removes_a_link_and_never_the_file_it_points_to) {
    QTemporaryDir dir;
    const QString target = writeFile(dir, QStringLiteral("precious.txt"));
    const QString link = dir.filePath(QStringLiteral("temp.bmp"));
    ASSERT_TRUE(QFile::link(target, link));
    shell::DeleteTempFile(link);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFile::exists(target));
}

TEST(DeleteTempFile, leaves_a_folder_alone) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    shell::DeleteTempFile(dir.filePath(QStringLiteral("sub")));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("sub"))).isDir());
}

TEST(SetBackColor, colours_window_frames_and_labels_but_not_pictures_or_fields) {
    SampleWindow sample;
    shell::SetBackColor(sample.window);
    EXPECT_EQ(background(sample.window), shell::buttonFaceColor());
    EXPECT_EQ(background(*sample.frame), shell::buttonFaceColor());
    EXPECT_EQ(background(*sample.label), shell::buttonFaceColor());
    EXPECT_EQ(background(*sample.picture), QColor(Qt::white));
    EXPECT_EQ(background(*sample.field), QColor(Qt::white));
}

TEST(ApplySkin, without_the_skin_file_nothing_changes) {
    SampleWindow sample;
    QTemporaryDir dir;
    shell::ApplySkin(sample.window, dir.filePath(QStringLiteral("x/o.cjs")));
    EXPECT_EQ(background(sample.window), QColor(Qt::white));
    EXPECT_EQ(background(*sample.frame), QColor(Qt::white));
    EXPECT_TRUE(sample.window.styleSheet().isEmpty());
}

TEST(ApplySkin, with_the_skin_file_colours_pictures_too_and_loads_the_style_sheet) {
    SampleWindow sample;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("x"));
    writeFile(dir, QStringLiteral("x/o.cjs"), "QPushButton { color: #10243e; }");
    shell::ApplySkin(sample.window, dir.filePath(QStringLiteral("x/o.cjs")));
    EXPECT_EQ(background(sample.window), shell::buttonFaceColor());
    EXPECT_EQ(background(*sample.label), shell::buttonFaceColor());
    EXPECT_EQ(background(*sample.picture), shell::buttonFaceColor());
    EXPECT_EQ(background(*sample.field), QColor(Qt::white));
    EXPECT_EQ(sample.window.styleSheet(), QStringLiteral("QPushButton { color: #10243e; }"));
}

TEST(ApplySkin, the_shipped_skin_is_a_style_sheet_qt_accepts) {
    QFile file(QStringLiteral(QUORVANE_RESOURCES_DIR "/x/o.cjs"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(sheet.contains(QStringLiteral("QPushButton")));
    EXPECT_EQ(sheet.count(QLatin1Char('{')), sheet.count(QLatin1Char('}')));
}

TEST(AppTitle, cuts_at_the_last_blank_at_least_once_then_to_forty_characters) {
    struct Row {
        const char* name;
        const char* title;
    };
    const QString forty = QString(40, QLatin1Char('q'));
    for (const Row& row : {Row{"Quorvane", "Quorvane"}, Row{"Quorvane Pro", "Quorvane"},
                           Row{"Alpha Beta Gamma", "Alpha Beta"}, Row{"", ""}})
        EXPECT_EQ(shell::makeAppTitle(QString::fromLatin1(row.name)), QString::fromLatin1(row.title)) << row.name;
    EXPECT_EQ(shell::makeAppTitle(forty + QStringLiteral("qqqq")), forty);
    const QString words = QStringLiteral("aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee");
    EXPECT_EQ(shell::makeAppTitle(words), QStringLiteral("aaaaaaaaaa bbbbbbbbbb cccccccccc"));
    shell::SetAppTitle();
    EXPECT_EQ(shell::appTitle(), QStringLiteral("Quorvane"));
}
