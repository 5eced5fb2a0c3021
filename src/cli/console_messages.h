// Message boxes for a run without windows: each is printed as one line on
// standard error, in the box's own words, and counted. A question is
// answered No, so nothing is ever replaced on a guess.
#pragma once

#include "shell/message_service.h"

#include <cstdio>

namespace cli {

class ConsoleMessages final : public shell::MessageService {
public:
    explicit ConsoleMessages(std::FILE* out = stderr) : m_out(out) {}
    shell::MessageAnswer show(const shell::Message& message) override;
    int shown() const { return m_shown; }

private:
    std::FILE* m_out;
    int m_shown = 0;
};

// The box's text on one line: its line breaks become single blanks.
QString oneLine(const QString& text);

}  // namespace cli
