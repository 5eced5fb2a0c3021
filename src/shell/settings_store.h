// The per-user settings store: text values under application "Wrenfield",
// section "Quorvane", one key per input field. The real store is an INI file,
// $XDG_CONFIG_HOME/Wrenfield.ini (default ~/.config/Wrenfield.ini), group
// [Quorvane]; every write is flushed to disk at once.
#pragma once

#include <QString>
#include <optional>
#include <stdexcept>

namespace shell {

inline constexpr const char* kSettingsApplication = "Wrenfield";
inline constexpr const char* kSettingsSection = "Quorvane";

class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or the default when the key is absent. Throws SettingsError
    // when the store cannot be read.
    virtual QString read(const QString& key, const QString& defaultText) = 0;
    // Stores the text and flushes it. Throws SettingsError when it cannot be written.
    virtual void write(const QString& key, const QString& text) = 0;
    // A store kept in a file whose lines it cannot all read keeps that file
    // unchanged under a dated name beside it, takes those lines out, and
    // answers the kept copy's path; otherwise it answers nothing. Throws
    // SettingsError when the file cannot be read or either file written.
    virtual std::optional<QString> setAsideUnreadableFile() { return std::nullopt; }
};

class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(QString filePath = defaultFilePath());

    static QString defaultFilePath();
    const QString& filePath() const { return m_filePath; }

    QString read(const QString& key, const QString& defaultText) override;
    void write(const QString& key, const QString& text) override;
    // The copy is "Wrenfield.ini.unreadable-<date>-<time>", readable by the user alone.
    std::optional<QString> setAsideUnreadableFile() override;

private:
    QString m_filePath;
};

}  // namespace shell
