#include "spreadsheet/objects/private_file_write.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace spreadsheet::objects {
namespace {

[[noreturn]] void writeFailed(const std::filesystem::path& target, std::string_view step, int error) {
    throw FileWriteError("\"" + target.string() + "\": " + std::string(step) + ": " + std::strerror(error));
}

std::filesystem::path folderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// A fresh file next to the target; its descriptor, or -1 with errno set.
int createTemporary(const std::filesystem::path& target, std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folderOf(target) / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
                                   std::to_string(counter++) + ".tmp");
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Writes everything, resuming after short writes and interruptions; 0 or an errno value.
int writeAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : EIO;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

// Makes the rename itself last; a file system that cannot sync a folder is let be.
void syncFolder(const std::filesystem::path& target) {
    const int fd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void replaceFilePrivately(const std::filesystem::path& target, std::span<const uint8_t> bytes) {
    if (target.filename().empty()) writeFailed(target, "no file name", EISDIR);
    std::filesystem::path temporary;
    int fd = createTemporary(target, temporary);
    if (fd < 0) writeFailed(target, "cannot create a file in its folder", errno);
    // From here on every failure removes the temporary file before reporting.
    const auto fail = [&](std::string_view step, int error) {
        if (fd >= 0) ::close(fd);
        ::unlink(temporary.c_str());
        writeFailed(target, step, error);
    };
    if (const int error = writeAll(fd, bytes); error != 0) fail("cannot write", error);
    if (::fsync(fd) != 0) fail("cannot flush to disk", errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) fail("cannot close", errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) fail("cannot replace the file", errno);
    syncFolder(target);
}

}  // namespace spreadsheet::objects
