// The INI settings store: where it lives, what it holds, and how it fails.
#include "shell/settings_store.h"

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
