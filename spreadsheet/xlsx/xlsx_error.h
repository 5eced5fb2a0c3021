// XlsxError: why an Office Open XML workbook was not written. Its message
// says what and where ("cannot save \"/tmp/book.xlsx\": the sheet name ...").
// Unstorable: the workbook holds something this file cannot carry, found
// before anything is written; SaveFailed: writing the file went wrong.
#pragma once

#include <stdexcept>
#include <string>

namespace spreadsheet::xlsx {

enum class XlsxErrorKind { Unstorable, SaveFailed };

class XlsxError : public std::runtime_error {
public:
    XlsxError(XlsxErrorKind kind, const std::string& message) : std::runtime_error(message), m_kind(kind) {}
    XlsxErrorKind kind() const { return m_kind; }

private:
    XlsxErrorKind m_kind;
};

}  // namespace spreadsheet::xlsx
