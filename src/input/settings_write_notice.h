// SettingsWriteNotice: tells the user, once, that typed text could not be
// stored. A failed write does not end the program: the text stays in its
// field and the next change tries again; the notice shows again only after a
// write has succeeded in between.
#pragma once

#include "shell/message_service.h"

namespace input {

class SettingsWriteNotice {
public:
    explicit SettingsWriteNotice(shell::MessageService& messages) : m_messages(messages) {}

    void failed(const QString& key, const QString& detail);
    void succeeded() { m_shown = false; }

    static QString messageText(const QString& key, const QString& detail);

private:
    shell::MessageService& m_messages;
    bool m_shown = false;
};

}  // namespace input
