#include "shell/file_services.h"

#include <QCoreApplication>
#include <filesystem>
#include <stdexcept>

namespace shell {
namespace {

namespace fs = std::filesystem;

fs::path toPath(const QString& path) { return fs::path(path.toStdString()); }

}  // namespace

bool FileExists(const QString& path) {
    if (path.isEmpty()) return false;
    std::error_code error;
    (void)fs::last_write_time(toPath(path), error);
    return !error;
}

void deleteFile(const QString& path) {
    const fs::path target = toPath(path);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    if (error || !fs::exists(status)) throw std::runtime_error("File not found");
    if (fs::is_directory(status)) throw std::runtime_error("Path/File access error");
    const bool readOnly = !fs::is_symlink(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
    if (readOnly) throw std::runtime_error("Permission denied");
    if (!fs::remove(target, error) || error) throw std::runtime_error("Permission denied");
}

void ForceDeleteFile(const QString& path) {
    const fs::path target = toPath(path);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    if (error || !fs::exists(status)) throw std::runtime_error("File not found");
    if (fs::is_directory(status)) throw std::runtime_error("Permission denied");
    if (!fs::is_symlink(status)) fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, error);
    if (!fs::remove(target, error) || error) throw std::runtime_error("Permission denied: " + error.message());
}

void DeleteTempFile(const QString& path) {
    QCoreApplication::processEvents();
    try {
        deleteFile(path);
    } catch (const std::exception&) {
        try {
            ForceDeleteFile(path);
        } catch (const std::exception&) {
            // Quiet by design: the caller cannot tell whether the file went.
        }
    }
}

}  // namespace shell
