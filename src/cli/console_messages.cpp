#include "cli/console_messages.h"

#include <QRegularExpression>

namespace cli {

QString oneLine(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    return QString(text).replace(breaks, QStringLiteral(" ")).trimmed();
}

shell::MessageAnswer ConsoleMessages::show(const shell::Message& message) {
    ++m_shown;
    std::fprintf(m_out, "quorvane: %s: %s\n", message.title.toUtf8().constData(), oneLine(message.text).toUtf8().constData());
    std::fflush(m_out);
    return message.buttons == shell::MessageButtons::YesNo ? shell::MessageAnswer::No : shell::MessageAnswer::Ok;
}

}  // namespace cli
