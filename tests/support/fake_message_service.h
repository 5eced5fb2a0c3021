// Test doubles for the shell's services: a message service that records every
// box and answers from a script, and an in-memory settings store that can be
// told to fail.
#pragma once

#include "shell/message_service.h"
#include "shell/settings_store.h"

#include <QMap>
#include <QStringList>
#include <deque>
#include <vector>

namespace testing_support {

class FakeMessageService final : public shell::MessageService {
public:
    shell::MessageAnswer show(const shell::Message& message) override;

    void answerNext(shell::MessageAnswer answer) { m_answers.push_back(answer); }
    const std::vector<shell::Message>& shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

private:
    std::vector<shell::Message> m_shown;
    std::deque<shell::MessageAnswer> m_answers;
};

class MemorySettingsStore final : public shell::SettingsStore {
public:
    QString read(const QString& key, const QString& defaultText) override;
    void write(const QString& key, const QString& text) override;

    QMap<QString, QString> values;
    QStringList writes;           // "key=text", in order
    bool failReads = false;
    bool failWrites = false;
};

}  // namespace testing_support
