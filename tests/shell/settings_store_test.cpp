// The INI settings store: where it lives, what it holds, and how it fails.
#include "qt_printers.h"
#include "shell/settings_file_lines.h"
#include "shell/settings_store.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using shell::IniSettingsStore;

TEST(IniSettingsStore, lives_in_wrenfield_ini_under_the_config_home) {
    QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    EXPECT_EQ(IniSettingsStore::defaultFilePath(), home.filePath(QStringLiteral("Wrenfield.ini")));
    qputenv("XDG_CONFIG_HOME", saved);
}

TEST(IniSettingsStore, writes_under_the_quorvane_section_at_once_and_reads_back) {
    QTemporaryDir home;
    IniSettingsStore store(home.filePath(QStringLiteral("Wrenfield.ini")));
    EXPECT_EQ(store.read(QStringLiteral("Sales Price"), QStringLiteral("12.5")), QStringLiteral("12.5"));
    store.write(QStringLiteral("Sales Price"), QStringLiteral("9,75 per box"));
    store.write(QStringLiteral("Name"), QString());

    // Flushed at once: a second store on the same file sees both values.
    IniSettingsStore other(store.filePath());
    EXPECT_EQ(other.read(QStringLiteral("Sales Price"), QStringLiteral("12.5")), QStringLiteral("9,75 per box"));
    EXPECT_EQ(other.read(QStringLiteral("Name"), QStringLiteral("default")), QString());  // empty, not absent

    QFile file(store.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("[Quorvane]"));
}

TEST(IniSettingsStore, a_store_that_cannot_be_written_throws_a_readable_error) {
    QTemporaryDir home;
    QFile blocker(home.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    IniSettingsStore store(home.filePath(QStringLiteral("not-a-folder/Wrenfield.ini")));
    try {
        store.write(QStringLiteral("Rent"), QStringLiteral("800"));
        FAIL() << "the write should fail";
    } catch (const shell::SettingsError& e) {
        EXPECT_NE(std::string(e.what()).find("cannot be written"), std::string::npos);
    }
}

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

// Every line the INI reader would pass over, or read as something else, is
// found; what it reads faithfully is kept word for word.
TEST(SettingsFileLines, finds_the_lines_the_store_cannot_read_and_keeps_the_rest) {
    const struct {
        const char* what;
        QByteArray file;
        std::vector<int> unreadable;
        QByteArray readable;
    } cases[] = {
        {"as the store writes it", "[Quorvane]\nName=\"Smith, Inc.\"\nSales%20Price=12.5\r\nRent=\"a\\\"b\"\n", {},
         "[Quorvane]\nName=\"Smith, Inc.\"\nSales%20Price=12.5\nRent=\"a\\\"b\"\n"},
        {"comments and blanks", "; mine\n# also mine\n\n[Quorvane]\nRent=800 ; a month", {},
         "; mine\n# also mine\n\n[Quorvane]\nRent=800 ; a month\n"},
        {"a byte-order mark", "\xEF\xBB\xBF[Quorvane]\nRent=1\n", {}, "[Quorvane]\nRent=1\n"},
        {"a junk line", "[Quorvane]\nRent=800\nthis is not a setting\nInsurance=500\n", {3},
         "[Quorvane]\nRent=800\nInsurance=500\n"},
        {"an unterminated quote", "[Quorvane]\nName=\"Smith\nRent=800\n", {2}, "[Quorvane]\nRent=800\n"},
        {"a line continued into the next", "[Quorvane]\nName=Smith\\\nRent=800\n", {2}, "[Quorvane]\nRent=800\n"},
        {"a key without a name", "[Quorvane]\n=800\n  = 1\n", {2, 3}, "[Quorvane]\n"},
        {"a broken header takes its keys along", "[Quorvane]\nRent=1\n[Other\nRent=2\n[Quorvane]\nTax=3\n", {3, 4},
         "[Quorvane]\nRent=1\n[Quorvane]\nTax=3\n"},
        {"bytes that are not UTF-8", "[Quorvane]\nName=M\xFC\x6Cler\nRent=1\n", {2}, "[Quorvane]\nRent=1\n"},
        {"control characters", QByteArray("[Quorvane]\nName=a\0b\nRent=\x1b[0m\nTax=1\n", 36), {2, 3},
         "[Quorvane]\nTax=1\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const shell::SettingsFileLines lines = shell::readSettingsFileLines(c.file);
        EXPECT_EQ(lines.unreadable, c.unreadable);
        EXPECT_EQ(lines.readable, c.readable);
    }
}

TEST(IniSettingsStore, an_unreadable_file_is_kept_unchanged_beside_it_and_the_store_goes_on_with_what_it_could_read) {
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("Wrenfield.ini"));
    const QByteArray original = "[Quorvane]\nName=\"Smith & Sons\nRent=800\n\x01\x02 garbage \xFF\nInsurance=500\n";
    writeBytes(path, original);
    IniSettingsStore store(path);

    const std::optional<QString> copy = store.setAsideUnreadableFile();
    ASSERT_TRUE(copy.has_value());
    EXPECT_TRUE(copy->startsWith(path + ".unreadable-" + QDate::currentDate().toString(Qt::ISODate)))
        << copy->toStdString();
    EXPECT_EQ(fileBytes(*copy), original);
    EXPECT_EQ(QFile::permissions(*copy) & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
              QFile::Permissions()) << "settings may be private";

    // What could be read, and the defaults for the rest; nothing swallowed.
    EXPECT_EQ(store.read(QStringLiteral("Rent"), QStringLiteral("?")), QStringLiteral("800"));
    EXPECT_EQ(store.read(QStringLiteral("Insurance"), QStringLiteral("?")), QStringLiteral("500"));
    EXPECT_EQ(store.read(QStringLiteral("Name"), QStringLiteral("default")), QStringLiteral("default"));

    // Told once: the cleaned file has nothing left to set aside.
    EXPECT_EQ(store.setAsideUnreadableFile(), std::nullopt);
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    // A second unreadable file in the same second keeps the first copy.
    writeBytes(path, "junk\n");
    const std::optional<QString> second = store.setAsideUnreadableFile();
    ASSERT_TRUE(second.has_value());
    EXPECT_NE(*second, *copy);
    EXPECT_EQ(fileBytes(*copy), original);
    EXPECT_EQ(fileBytes(*second), QByteArray("junk\n"));
}

TEST(IniSettingsStore, a_readable_or_missing_file_is_left_alone) {
    QTemporaryDir home;
    IniSettingsStore store(home.filePath(QStringLiteral("Wrenfield.ini")));
    EXPECT_EQ(store.setAsideUnreadableFile(), std::nullopt);
    store.write(QStringLiteral("Name"), QStringLiteral("Smith; \"quoted\" \\ and\nmore"));
    const QByteArray written = fileBytes(store.filePath());
    EXPECT_EQ(store.setAsideUnreadableFile(), std::nullopt) << written.toStdString();
    EXPECT_EQ(fileBytes(store.filePath()), written);
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}
