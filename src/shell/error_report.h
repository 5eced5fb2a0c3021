// The procedure error report and the error trap. A reporting procedure runs
// each numbered statement through its trap; a statement that fails shows the
// report (description, context name, "at line " and the step number, and the
// request to e-mail a screenshot), and the next statement runs.
//
//   ErrorTrap trap(contexts::kForm1FormLoad, messages);
//   trap.run(100, [&] { ApplySkin(window, skinFile); });
//   if (trap.test(106, [&] { return FileExists(cursor); }))   // a failed test runs the block
//       trap.run(108, [&] { loadCursor(); });
#pragma once

#include "shell/message_service.h"

#include <QString>
#include <functional>

namespace shell {

inline constexpr const char* kSupportAddress = "support@wrenfield.example";
inline constexpr const char* kErrorReportTitle = "Application Error";

// The prompt, byte for byte: description, CR LF, context (with its trailing
// blank), "at line ", the step number, CR, CR, and the support request.
QString buildErrorPrompt(const QString& description, const QString& context, int line);

// Shows the report: title "Application Error", warning icon, one OK button.
void showErrorReport(MessageService& messages, const QString& description, const QString& context, int line);

class ErrorTrap {
public:
    ErrorTrap(QString context, MessageService& messages) : m_context(std::move(context)), m_messages(messages) {}

    // Runs one statement; a failure is reported with this line and swallowed.
    void run(int line, const std::function<void()>& statement);

    // Runs the test of a conditional block. A test that fails is reported and
    // answers true, so the block runs as though the test had passed.
    bool test(int line, const std::function<bool()>& condition);

    int failures() const { return m_failures; }

private:
    void report(int line, const QString& description);

    QString m_context;
    MessageService& m_messages;
    int m_failures = 0;
};

}  // namespace shell
