// Messages of the compound file layer: one phrase per kind, then the detail.
#include "spreadsheet/xls/ole/ole_error.h"

namespace spreadsheet::xls::ole {
namespace {

std::string_view phrase(OleErrorKind kind) {
    switch (kind) {
    case OleErrorKind::NotCompoundFile: return "not a compound file: ";
    case OleErrorKind::Unsupported: return "unsupported compound file: ";
    case OleErrorKind::Damaged: return "the file is damaged: ";
    case OleErrorKind::InvalidName: return "invalid stream name: ";
    case OleErrorKind::TooLarge: return "too large for a compound file: ";
    case OleErrorKind::NoSuchStream: return "no such stream: ";
    case OleErrorKind::ReadFailed: return "cannot read ";
    case OleErrorKind::SaveFailed: return "cannot save ";
    }
    return "";
}

}  // namespace

OleError::OleError(OleErrorKind kind, std::string_view detail)
    : std::runtime_error(std::string(phrase(kind)) + std::string(detail)), m_kind(kind) {}

std::string inQuotes(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace spreadsheet::xls::ole
