#include "fake_message_service.h"

namespace testing_support {

shell::MessageAnswer FakeMessageService::show(const shell::Message& message) {
    m_shown.push_back(message);
    if (!m_answers.empty()) {
        const shell::MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return message.buttons == shell::MessageButtons::YesNo ? shell::MessageAnswer::Yes : shell::MessageAnswer::Ok;
}

QStringList FakeMessageService::texts() const {
    QStringList out;
    for (const shell::Message& m : m_shown) out << m.text;
    return out;
}

QString MemorySettingsStore::read(const QString& key, const QString& defaultText) {
    if (failReads) throw shell::SettingsError("The settings store cannot be read.");
    return values.value(key, defaultText);
}

void MemorySettingsStore::write(const QString& key, const QString& text) {
    if (failWrites) throw shell::SettingsError("The settings store cannot be written.");
    values.insert(key, text);
    writes << key + QLatin1Char('=') + text;
}

}  // namespace testing_support
