#include "shell/settings_store.h"

#include "files/file_replace.h"
#include "shell/settings_file_lines.h"

#include <QDateTime>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace shell {
namespace {

QString qualifiedKey(const QString& key) { return QLatin1String(kSettingsSection) + QLatin1Char('/') + key; }

// "<file>.unreadable-2026-12-08-045401", with "-2", "-3", ... when one of
// that name is there already, so no earlier copy is ever replaced.
QString unusedCopyName(const QString& filePath) {
    const QString stem = filePath + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString name = stem;
    for (int n = 2; QFile::exists(name) || QFile::symLinkTarget(name) != QString(); ++n)
        name = stem + QLatin1Char('-') + QString::number(n);
    return name;
}

}  // namespace

IniSettingsStore::IniSettingsStore(QString filePath) : m_filePath(std::move(filePath)) {}

QString IniSettingsStore::defaultFilePath() {
    // GenericConfigLocation honours XDG_CONFIG_HOME and falls back to ~/.config.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           QLatin1String(kSettingsApplication) + QStringLiteral(".ini");
}

// A fresh QSettings per call: its status sticks at the first error, and a new
// one also sees changes another instance of the program made meanwhile.
QString IniSettingsStore::read(const QString& key, const QString& defaultText) {
    QSettings settings(m_filePath, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        throw SettingsError("The settings file " + m_filePath.toStdString() + " cannot be read.");
    return settings.value(qualifiedKey(key), defaultText).toString();
}

void IniSettingsStore::write(const QString& key, const QString& text) {
    QSettings settings(m_filePath, QSettings::IniFormat);
    settings.setValue(qualifiedKey(key), text);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw SettingsError("The settings file " + m_filePath.toStdString() + " cannot be written.");
}

}  // namespace shell

namespace shell {

std::optional<QString> IniSettingsStore::setAsideUnreadableFile() {
    QFile file(m_filePath);
    if (!file.exists()) return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw SettingsError("The settings file " + m_filePath.toStdString() + " cannot be read.");
    const QByteArray original = file.readAll();
    const SettingsFileLines lines = readSettingsFileLines(original);
    if (lines.unreadable.empty()) return std::nullopt;

    const QString copy = unusedCopyName(m_filePath);
    const auto bytes = [](const QByteArray& data) {
        return std::span(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()));
    };
    try {
        files::replaceFile(QFile::encodeName(copy).toStdString(), bytes(original), files::NewFileAccess::OwnerOnly);
        files::replaceFile(QFile::encodeName(m_filePath).toStdString(), bytes(lines.readable),
                           files::NewFileAccess::KeepExisting);
    } catch (const files::FileWriteError& error) {
        throw SettingsError(std::string("The unreadable settings file cannot be kept: ") + error.what());
    }
    return copy;
}

}  // namespace shell
