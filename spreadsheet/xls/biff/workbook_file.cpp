// The entry points: stream <-> compound file <-> disk, and their errors.
// Container errors are translated into XlsErrors that name the path.
#include "spreadsheet/xls/biff/workbook_file.h"

#include "spreadsheet/xls/biff/document_properties.h"
#include "spreadsheet/xls/biff/reader/workbook_reader.h"
#include "spreadsheet/xls/biff/writer/save_plan.h"
#include "spreadsheet/xls/biff/writer/workbook_writer.h"
#include "spreadsheet/xls/ole/compound_file_reader.h"
#include "spreadsheet/xls/ole/compound_file_writer.h"
#include "spreadsheet/xls/ole/ole_error.h"
#include "spreadsheet/xls/ole/safe_file_write.h"

#include <optional>
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

// The creation time the summary stream records; a summary that cannot be read costs only the time.
std::optional<std::chrono::system_clock::time_point> creationTimeOf(const ole::CompoundFileReader& file) {
    if (!file.contains(kSummaryStreamName)) return std::nullopt;
    try {
        return creationTimeIn(file.stream(kSummaryStreamName));
    } catch (const ole::OleError&) {
        return std::nullopt;
    }
}

}  // namespace

std::vector<uint8_t> workbookStream(const model::Workbook& workbook, formula::Evaluator& evaluator) {
    const SavePlan plan(workbook, evaluator);
    return buildWorkbookStream(workbook, plan);
}

// The workbook stream with the property streams; the container stays open to errors of its own.
ole::CompoundFileWriter fileWriter(const model::Workbook& workbook, formula::Evaluator& evaluator,
                                   std::chrono::system_clock::time_point savedAt) {
    ole::CompoundFileWriter writer;
    writer.addStream(kWorkbookStream, workbookStream(workbook, evaluator));
    writer.addStream(kSummaryStreamName, summaryStream(workbook, savedAt));
    writer.addStream(kDocumentSummaryStreamName, documentSummaryStream(workbook));
    return writer;
}

std::vector<uint8_t> workbookFileBytes(const model::Workbook& workbook, formula::Evaluator& evaluator,
                                       std::chrono::system_clock::time_point savedAt) {
    try {
        return fileWriter(workbook, evaluator, savedAt).bytes();
    } catch (const ole::OleError& e) {
        throw XlsError(XlsErrorKind::Unstorable, e.what());
    }
}

void saveWorkbook(const model::Workbook& workbook, formula::Evaluator& evaluator, const std::filesystem::path& path,
                  files::Durability durability) {
    std::optional<ole::CompoundFileWriter> writer;
    try {
        writer = fileWriter(workbook, evaluator, std::chrono::system_clock::now());
    } catch (const XlsError& e) {
        throw XlsError(XlsErrorKind::SaveFailed, ole::inQuotes(path.string()) + ": " + e.what());
    } catch (const ole::OleError& e) {
        throw XlsError(XlsErrorKind::SaveFailed, ole::inQuotes(path.string()) + ": " + e.what());
    }
    try {
        ole::writeFileAtomically(path, writer->bytes(), durability);
    } catch (const ole::OleError& e) {
        if (e.kind() == ole::OleErrorKind::SaveFailed) throw fromOleError(e);
        throw XlsError(XlsErrorKind::SaveFailed, ole::inQuotes(path.string()) + ": " + e.what());
    }
}

void loadWorkbookStream(std::span<const uint8_t> stream, model::Workbook& into) { readWorkbookStream(stream, into); }

void loadWorkbook(std::span<const uint8_t> fileBytes, model::Workbook& into) {
    std::vector<uint8_t> stream;
    std::optional<std::chrono::system_clock::time_point> created;
    try {
        const ole::CompoundFileReader file(std::vector<uint8_t>(fileBytes.begin(), fileBytes.end()));
        stream = workbookStreamOf(file);
        created = creationTimeOf(file);
    } catch (const ole::OleError& e) {
        throw fromOleError(e);
    }
    readWorkbookStream(stream, into);
    if (created) into.setCreatedAt(*created);
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
