// Messages of the workbook file layer: one phrase per kind, then the detail.
// Messages start with the kind's phrase so callers can show them as they are.
#include "spreadsheet/xls/biff/records/xls_error.h"

namespace spreadsheet::xls::biff {
namespace {

std::string_view phrase(XlsErrorKind kind) {
    switch (kind) {
    case XlsErrorKind::NotWorkbook: return "not an Excel 97-2003 workbook: ";
    case XlsErrorKind::Damaged: return "the workbook is damaged: ";
    case XlsErrorKind::Unsupported: return "cannot open this workbook: ";
    case XlsErrorKind::Unstorable: return "cannot store the workbook: ";
    case XlsErrorKind::ReadFailed: return "cannot read ";
    case XlsErrorKind::SaveFailed: return "cannot save ";
    }
    return "";
}

}  // namespace

XlsError::XlsError(XlsErrorKind kind, std::string_view detail)
    : std::runtime_error(std::string(phrase(kind)) + std::string(detail)), m_kind(kind), m_detail(detail) {}

void throwDamaged(std::string_view detail) { throw XlsError(XlsErrorKind::Damaged, detail); }

void throwNotWorkbook(std::string_view detail) { throw XlsError(XlsErrorKind::NotWorkbook, detail); }

}  // namespace spreadsheet::xls::biff
