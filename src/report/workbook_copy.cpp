#include "report/workbook_copy.h"

#include "files/file_replace.h"
#include "spreadsheet/xls/ole/compound_file_reader.h"
#include "spreadsheet/xls/ole/ole_error.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <string>

namespace report {
namespace {

namespace ole = spreadsheet::xls::ole;

constexpr uint16_t kBofRecord = 0x0809;
constexpr uint16_t kBiff8Version = 0x0600;
constexpr uint16_t kGlobalsSubstream = 0x0005;

uint16_t fieldAt(const std::vector<uint8_t>& bytes, std::size_t offset) {
    return uint16_t(bytes[offset] | bytes[offset + 1] << 8);
}

// The stream opens with BOF (id, size, version, substream type): the globals
// of a BIFF8 workbook.
bool opensWithWorkbookBof(const std::vector<uint8_t>& stream) {
    return stream.size() >= 8 && fieldAt(stream, 0) == kBofRecord && fieldAt(stream, 2) >= 4 &&
           fieldAt(stream, 4) == kBiff8Version && fieldAt(stream, 6) == kGlobalsSubstream;
}

WorkbookBytes readWhole(const QString& path) {
    QFile file(path);
    if (!file.exists()) throw IncompleteWorkbook("it was never written");
    if (!file.open(QIODevice::ReadOnly))
        throw IncompleteWorkbook("it cannot be read: " + file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IncompleteWorkbook("it cannot be read: " + file.errorString().toStdString());
    return WorkbookBytes(bytes.begin(), bytes.end());
}

}  // namespace

WorkbookBytes readWorkbookToSave(const QString& path) {
    WorkbookBytes bytes = readWhole(path);
    if (bytes.empty()) throw IncompleteWorkbook("it is empty");
    try {
        const ole::CompoundFileReader file{WorkbookBytes(bytes)};
        if (!file.contains("Workbook")) throw IncompleteWorkbook("it holds no workbook");
        if (!opensWithWorkbookBof(file.stream("Workbook"))) throw IncompleteWorkbook("its workbook is damaged");
    } catch (const ole::OleError&) {
        throw IncompleteWorkbook("it is not a complete Excel 97-2003 file");
    }
    return bytes;
}

void saveWorkbookCopy(const WorkbookBytes& workbook, const QString& destination) {
    try {
        files::replaceFile(QFile::encodeName(destination).toStdString(), workbook,
                           files::NewFileAccess::KeepExisting);
    } catch (const files::FileWriteError& error) {
        throw std::runtime_error(std::string("Cannot copy to ") + error.what());
    }
}

}  // namespace report
