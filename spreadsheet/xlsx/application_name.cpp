#include "spreadsheet/xlsx/application_name.h"

#include "spreadsheet/xlsx/xlsx_error.h"
#include "spreadsheet/xlsx/xml_text.h"

#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <cstdio>
#include <vector>

namespace spreadsheet::xlsx {
namespace {

constexpr const char* kExtendedPropertiesPart = "docProps/app.xml";
constexpr unsigned kCopyChunk = 64 * 1024;

[[noreturn]] void failed(const std::filesystem::path& package, const std::string& step) {
    throw XlsxError(XlsxErrorKind::SaveFailed, "cannot name the application in \"" + package.string() + "\": " + step);
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : plainText(text)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

// The open source package and the package being written, closed whatever happens.
struct Packages {
    unzFile in = nullptr;
    zipFile out = nullptr;
    ~Packages() {
        if (in) unzClose(in);
        if (out) zipClose(out, nullptr);
    }
};

zip_fileinfo storedInfo(const unz_file_info64& info) {
    zip_fileinfo stored{};
    stored.tmz_date.tm_sec = info.tmu_date.tm_sec;
    stored.tmz_date.tm_min = info.tmu_date.tm_min;
    stored.tmz_date.tm_hour = info.tmu_date.tm_hour;
    stored.tmz_date.tm_mday = info.tmu_date.tm_mday;
    stored.tmz_date.tm_mon = info.tmu_date.tm_mon;
    stored.tmz_date.tm_year = info.tmu_date.tm_year;
    stored.dosDate = info.dosDate;
    stored.internal_fa = info.internal_fa;
    stored.external_fa = info.external_fa;
    return stored;
}

// Copies the current part's compressed bytes as they are.
bool copyStored(Packages& p, const char* name, const unz_file_info64& info) {
    int method = 0;
    int level = 0;
    if (unzOpenCurrentFile2(p.in, &method, &level, 1) != UNZ_OK) return false;
    const zip_fileinfo stored = storedInfo(info);
    bool ok = zipOpenNewFileInZip2_64(p.out, name, &stored, nullptr, 0, nullptr, 0, nullptr, method, level, 1,
                                      info.uncompressed_size >= 0xFFFFFFFFu) == ZIP_OK;
    std::vector<char> chunk(kCopyChunk);
    for (int got; ok && (got = unzReadCurrentFile(p.in, chunk.data(), kCopyChunk)) != 0;)
        ok = got > 0 && zipWriteInFileInZip(p.out, chunk.data(), unsigned(got)) == ZIP_OK;
    ok = unzCloseCurrentFile(p.in) == UNZ_OK && ok;
    return zipCloseFileInZipRaw64(p.out, info.uncompressed_size, info.crc) == ZIP_OK && ok;
}

bool readWhole(Packages& p, std::string& text) {
    if (unzOpenCurrentFile(p.in) != UNZ_OK) return false;
    std::vector<char> chunk(kCopyChunk);
    int got = 0;
    while ((got = unzReadCurrentFile(p.in, chunk.data(), kCopyChunk)) > 0) text.append(chunk.data(), size_t(got));
    return unzCloseCurrentFile(p.in) == UNZ_OK && got == 0;  // the part's checksum is verified on closing
}

bool writeRenamed(Packages& p, const char* name, const unz_file_info64& info, std::string_view application) {
    std::string text;
    if (!readWhole(p, text)) return false;
    const std::string named = withApplicationName(text, application);
    const zip_fileinfo stored = storedInfo(info);
    return zipOpenNewFileInZip(p.out, name, &stored, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                               Z_DEFAULT_COMPRESSION) == ZIP_OK &&
           zipWriteInFileInZip(p.out, named.data(), unsigned(named.size())) == ZIP_OK &&
           zipCloseFileInZip(p.out) == ZIP_OK;
}

void copyRenaming(const std::filesystem::path& package, const std::filesystem::path& renamed,
                  std::string_view application) {
    Packages p;
    p.in = unzOpen64(package.c_str());
    if (!p.in) failed(package, "it cannot be opened as a package");
    p.out = zipOpen64(renamed.c_str(), APPEND_STATUS_CREATE);
    if (!p.out) failed(package, "the renamed copy cannot be created");
    for (int at = unzGoToFirstFile(p.in); at == UNZ_OK; at = unzGoToNextFile(p.in)) {
        unz_file_info64 info{};
        char name[1024];
        if (unzGetCurrentFileInfo64(p.in, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK)
            failed(package, "a part cannot be read");
        const bool ok = std::string_view(name) == kExtendedPropertiesPart ? writeRenamed(p, name, info, application)
                                                                           : copyStored(p, name, info);
        if (!ok) failed(package, std::string("the part ") + name + " cannot be copied");
    }
    const int closed = zipClose(p.out, nullptr);
    p.out = nullptr;
    if (closed != ZIP_OK) failed(package, "the renamed copy cannot be finished");
}

}  // namespace

std::string withApplicationName(std::string_view appXml, std::string_view application) {
    constexpr std::string_view open = "<Application>";
    constexpr std::string_view close = "</Application>";
    const size_t start = appXml.find(open);
    const size_t end = start == std::string_view::npos ? start : appXml.find(close, start);
    if (end == std::string_view::npos) return std::string(appXml);
    return std::string(appXml.substr(0, start + open.size())) + escaped(application) + std::string(appXml.substr(end));
}

void nameApplication(const std::filesystem::path& package, std::string_view application) {
    std::filesystem::path renamed = package;
    renamed += ".named";
    try {
        copyRenaming(package, renamed, application);
    } catch (...) {
        std::remove(renamed.c_str());
        throw;
    }
    std::error_code error;
    std::filesystem::rename(renamed, package, error);
    if (error) {
        std::remove(renamed.c_str());
        failed(package, error.message());
    }
}

}  // namespace spreadsheet::xlsx
