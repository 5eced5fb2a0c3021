// The entry points: stream <-> compound file <-> disk, and their errors.
// Container errors are translated into XlsErrors that name the path.
#include "spreadsheet/xls/biff/workbook_file.h"

#include "spreadsheet/xls/biff/save_plan.h"
#include "spreadsheet/xls/biff/workbook_reader.h"
#include "spreadsheet/xls/biff/workbook_writer.h"
#include "spreadsheet/xls/ole/compound_file_reader.h"
#include "spreadsheet/xls/ole/compound_file_writer.h"
#include "spreadsheet/xls/ole/ole_error.h"
#include "spreadsheet/xls/ole/safe_file_write.h"

#include <string>
#include <string_view>

namespace spreadsheet::xls::biff {
namespace {

constexpr std::string_view kWorkbookStream = "Workbook";
constexpr std::string_view kOlderWorkbookStream = "Book";  // Excel 5.0/95

// The container layer's message without its leading phrase ("cannot save ", "the file is damaged: ").
std::string oleDetail(const ole::OleError& e, std::string_view phrase) {
    const std::string message = e.what();
    return message.starts_with(phrase) ? message.substr(phrase.size()) : message;
}

XlsError fromOleError(const ole::OleError& e) {
    switch (e.kind()) {
    case ole::OleErrorKind::Damaged: return XlsError(XlsErrorKind::Damaged, oleDetail(e, "the file is damaged: "));
    case ole::OleErrorKind::ReadFailed: return XlsError(XlsErrorKind::ReadFailed, oleDetail(e, "cannot read "));
    case ole::OleErrorKind::SaveFailed: return XlsError(XlsErrorKind::SaveFailed, oleDetail(e, "cannot save "));
    default: return XlsError(XlsErrorKind::NotWorkbook, e.what());
    }
}

std::vector<uint8_t> workbookStreamOf(const ole::CompoundFileReader& file) {
    if (file.contains(kWorkbookStream)) return file.stream(kWorkbookStream);
    if (file.contains(kOlderWorkbookStream)) throwNotWorkbook("it was saved in the older Excel 5.0/95 format");
    throwNotWorkbook("the file has no Workbook stream");
}

}  // namespace

std::vector<uint8_t> workbookStream(const model::Workbook& workbook, formula::Evaluator& evaluator) {
    const SavePlan plan(workbook, evaluator);
    return buildWorkbookStream(workbook, plan);
}

void saveWorkbook(const model::Workbook& workbook, formula::Evaluator& evaluator, const std::filesystem::path& path,
                  files::Durability durability) {
    std::vector<uint8_t> stream;
    try {
        stream = workbookStream(workbook, evaluator);
    } catch (const XlsError& e) {
        throw XlsError(XlsErrorKind::SaveFailed, ole::inQuotes(path.string()) + ": " + e.what());
    }
    try {
        ole::CompoundFileWriter writer;
        writer.addStream(kWorkbookStream, std::move(stream));
        ole::writeFileAtomically(path, writer.bytes(), durability);
    } catch (const ole::OleError& e) {
        if (e.kind() == ole::OleErrorKind::SaveFailed) throw fromOleError(e);
        throw XlsError(XlsErrorKind::SaveFailed, ole::inQuotes(path.string()) + ": " + e.what());
    }
}

void loadWorkbookStream(std::span<const uint8_t> stream, model::Workbook& into) { readWorkbookStream(stream, into); }

void loadWorkbook(std::span<const uint8_t> fileBytes, model::Workbook& into) {
    std::vector<uint8_t> stream;
    try {
        const ole::CompoundFileReader file(std::vector<uint8_t>(fileBytes.begin(), fileBytes.end()));
        stream = workbookStreamOf(file);
    } catch (const ole::OleError& e) {
        throw fromOleError(e);
    }
    readWorkbookStream(stream, into);
}

void loadWorkbook(const std::filesystem::path& path, model::Workbook& into) {
    try {
        std::vector<uint8_t> stream;
        try {
            stream = workbookStreamOf(ole::CompoundFileReader::fromFile(path));
        } catch (const ole::OleError& e) {
            throw fromOleError(e);
        }
        readWorkbookStream(stream, into);
    } catch (const XlsError& e) {
        if (e.kind() == XlsErrorKind::ReadFailed) throw;
        throw XlsError(e.kind(), ole::inQuotes(path.string()) + ": " + e.detail());
    }
}

}  // namespace spreadsheet::xls::biff
