// XlsError: the one exception of the workbook file layer. Its kind tells a
// caller what went wrong (not our format, damaged, something we cannot open,
// disk trouble); its message says it in words, starting with the kind's phrase.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace spreadsheet::xls::biff {

enum class XlsErrorKind {
    NotWorkbook,  // "not an Excel 97-2003 workbook: ..."
    Damaged,      // "the workbook is damaged: ..."
    Unsupported,  // "cannot open this workbook: ..." (encrypted, for one)
    Unstorable,   // "cannot store the workbook: ..." (something the file format cannot hold)
    ReadFailed,   // "cannot read ...": the path and the system's reason
    SaveFailed,   // "cannot save ...": the path and the system's reason
};

class XlsError : public std::runtime_error {
public:
    XlsError(XlsErrorKind kind, std::string_view detail);
    XlsErrorKind kind() const { return m_kind; }
    // The message without the kind's phrase.
    const std::string& detail() const { return m_detail; }

private:
    XlsErrorKind m_kind;
    std::string m_detail;
};

// Shorthands for the reader, which reports damage from many places.
[[noreturn]] void throwDamaged(std::string_view detail);
[[noreturn]] void throwNotWorkbook(std::string_view detail);

}  // namespace spreadsheet::xls::biff
