#include "shell/settings_store.h"

#include <QSettings>
#include <QStandardPaths>

namespace shell {
namespace {

QString qualifiedKey(const QString& key) { return QLatin1String(kSettingsSection) + QLatin1Char('/') + key; }

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
