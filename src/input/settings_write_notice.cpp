#include "input/settings_write_notice.h"

namespace input {

QString SettingsWriteNotice::messageText(const QString& key, const QString& detail) {
    return QStringLiteral("Your entry for \"") + key + QStringLiteral("\" could not be saved.\r\n") + detail +
           QStringLiteral("\r\n\r\nWhat you typed stays in the window, and it will be saved again with your next "
                          "change. Entries typed until then may not be there at the next start.");
}

void SettingsWriteNotice::failed(const QString& key, const QString& detail) {
    if (m_shown) return;
    m_shown = true;
    shell::showMessage(m_messages, messageText(key, detail), shell::MessageIcon::Warning);
}

}  // namespace input
