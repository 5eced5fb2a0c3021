// POSIX implementation of the atomic save: O_EXCL temporary file in the
// target's folder (rename only replaces atomically within one file system),
// write, fsync, rename, then fsync of the folder so the rename itself lasts.
#include "spreadsheet/xls/ole/safe_file_write.h"

#include "spreadsheet/xls/ole/ole_error.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spreadsheet::xls::ole {
namespace {

[[noreturn]] void saveFailed(const std::filesystem::path& target, std::string_view step, int error) {
    throw OleError(OleErrorKind::SaveFailed,
                   inQuotes(target.string()) + ": " + std::string(step) + ": " + std::strerror(error));
}

// Creates a fresh temporary file next to the target; returns its descriptor and fills `path`.
int createTemporary(const std::filesystem::path& target, std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
                         std::to_string(counter++) + ".tmp");
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Writes everything, resuming after short writes and interrupted calls; returns 0 or an errno value.
int writeAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : EIO;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

// Flushes the folder entry of a rename; file systems that cannot sync a folder are let be.
void syncFolder(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void writeFileAtomically(const std::filesystem::path& target, std::span<const uint8_t> bytes) {
    std::filesystem::path temporary;
    int fd = createTemporary(target, temporary);
    if (fd < 0) saveFailed(target, "cannot create a temporary file", errno);
    // From here on every failure removes the temporary file before reporting.
    const auto fail = [&](std::string_view step, int error) {
        if (fd >= 0) ::close(fd);
        ::unlink(temporary.c_str());
        saveFailed(target, step, error);
    };
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && ::fchmod(fd, existing.st_mode & 07777) != 0)
        fail("cannot copy the permissions", errno);
    if (const int error = writeAll(fd, bytes); error != 0) fail("cannot write", error);
    if (::fsync(fd) != 0) fail("cannot flush to disk", errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) fail("cannot close", errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) fail("cannot replace the file", errno);
    syncFolder(target);
}

}  // namespace spreadsheet::xls::ole
