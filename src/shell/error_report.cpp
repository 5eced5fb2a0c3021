#include "shell/error_report.h"

#include "shell/end_program.h"

#include <exception>

namespace shell {

QString buildErrorPrompt(const QString& description, const QString& context, int line) {
    return description + QStringLiteral("\r\n") + context + QStringLiteral("at line ") + QString::number(line) +
           QStringLiteral("\r\r") + QStringLiteral("Please email screenshot of this message to ") +
           QLatin1String(kSupportAddress);
}

void showErrorReport(MessageService& messages, const QString& description, const QString& context, int line) {
    messages.show({buildErrorPrompt(description, context, line), QLatin1String(kErrorReportTitle),
                   MessageIcon::Warning, MessageButtons::Ok});
}

void ErrorTrap::report(int line, const QString& description) {
    ++m_failures;
    showErrorReport(m_messages, description, m_context, line);
}

void ErrorTrap::run(int line, const std::function<void()>& statement) {
    try {
        statement();
    } catch (const EndProgram&) {
        throw;  // ending the program is not a failure
    } catch (const std::exception& e) {
        report(line, QString::fromUtf8(e.what()));
    } catch (...) {
        report(line, QStringLiteral("Unexpected error"));
    }
}

bool ErrorTrap::test(int line, const std::function<bool()>& condition) {
    bool result = true;
    run(line, [&] { result = condition(); });
    return result;
}

}  // namespace shell
