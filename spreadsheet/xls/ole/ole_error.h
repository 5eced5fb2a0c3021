// OleError: the one exception of the compound file layer. Its kind tells a
// caller what went wrong (not our format, damaged, a bad name, disk trouble);
// its message says it in words, starting with the kind's phrase.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace spreadsheet::xls::ole {

enum class OleErrorKind {
    NotCompoundFile,  // "not a compound file: ..."
    Unsupported,      // "unsupported compound file: ..."
    Damaged,          // "the file is damaged: ..."
    InvalidName,      // "invalid stream name: ..."
    TooLarge,         // "too large for a compound file: ..."
    NoSuchStream,     // "no such stream: ..."
    ReadFailed,       // "cannot read ...": the path and the system's reason
    SaveFailed,       // "cannot save ...": the path and the system's reason
};

class OleError : public std::runtime_error {
public:
    OleError(OleErrorKind kind, std::string_view detail);
    OleErrorKind kind() const { return m_kind; }

private:
    OleErrorKind m_kind;
};

// A path in double quotes, for messages.
std::string inQuotes(std::string_view text);

}  // namespace spreadsheet::xls::ole
