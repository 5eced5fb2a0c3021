#include "files/file_replace.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

[[noreturn]] void writeFailed(const std::filesystem::path& target, std::string_view step, int error) {
    throw FileWriteError("\"" + target.string() + "\": " + std::string(step) + ": " + std::strerror(error));
}

std::filesystem::path folderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// A fresh file beside the target, its name hidden and unique to this process
// and call; the descriptor, or -1 with errno set.
int createTemporary(const std::filesystem::path& target, NewFileAccess access, std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    const mode_t mode = access == NewFileAccess::OwnerOnly ? 0600 : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folderOf(target) / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
                                   std::to_string(counter++) + ".tmp");
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes the rename itself last; a file system that cannot sync a folder is let be.
void syncFolder(const std::filesystem::path& target) {
    const int fd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

int writeAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : EIO;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

void replaceFile(const std::filesystem::path& target, std::span<const uint8_t> bytes, NewFileAccess access,
                 Durability durability) {
    replaceFile(target, access, [bytes](int fd) { return writeAll(fd, bytes); }, durability);
}

void replaceFile(const std::filesystem::path& target, NewFileAccess access, const std::function<int(int)>& fill,
                 Durability durability) {
    if (target.filename().empty()) writeFailed(target, "no file name", EISDIR);
    std::filesystem::path temporary;
    int fd = createTemporary(target, access, temporary);
    if (fd < 0) writeFailed(target, "cannot create a temporary file", errno);
    // From here on every failure removes the temporary file before reporting.
    const auto fail = [&](std::string_view step, int error) {
        if (fd >= 0) ::close(fd);
        ::unlink(temporary.c_str());
        writeFailed(target, step, error);
    };
    struct stat existing {};
    if (access == NewFileAccess::KeepExisting && ::stat(target.c_str(), &existing) == 0 &&
        ::fchmod(fd, existing.st_mode & 07777) != 0)
        fail("cannot copy the permissions", errno);
    if (const int error = fill(fd); error != 0) fail("cannot write", error);
    if (durability == Durability::Flushed && ::fsync(fd) != 0) fail("cannot flush to disk", errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) fail("cannot close", errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) fail("cannot replace the file", errno);
    if (durability == Durability::Flushed) syncFolder(target);
}

}  // namespace files

namespace files {
namespace {

// The permissions the replacement ends with: an existing target's when they
// are to be kept, otherwise those the fresh file was created with.
int applyPermissions(int fd, const std::filesystem::path& target, NewFileAccess access) {
    struct stat existing {};
    if (access == NewFileAccess::KeepExisting && ::stat(target.c_str(), &existing) == 0)
        return ::fchmod(fd, existing.st_mode & 07777) == 0 ? 0 : errno;
    if (access == NewFileAccess::OwnerOnly) return ::fchmod(fd, 0600) == 0 ? 0 : errno;
    return 0;
}

}  // namespace

void replaceFileWrittenAt(const std::filesystem::path& target, NewFileAccess access,
                          const std::function<void(const std::filesystem::path& fresh)>& write, Durability durability) {
    if (target.filename().empty()) writeFailed(target, "no file name", EISDIR);
    std::filesystem::path fresh;
    const int reserved = createTemporary(target, access, fresh);
    if (reserved < 0) writeFailed(target, "cannot create a temporary file", errno);
    // The name is ours now (created exclusively); the writer opens the file by it.
    ::close(reserved);
    try {
        write(fresh);
    } catch (...) {
        ::unlink(fresh.c_str());
        throw;
    }
    // Back from the writer, the file is reached again without following a
    // link, so a link put in its place is never flushed, chmod'ed or renamed.
    int fd = ::open(fresh.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    const auto fail = [&](std::string_view step, int error) {
        if (fd >= 0) ::close(fd);
        ::unlink(fresh.c_str());
        writeFailed(target, step, error);
    };
    if (fd < 0) fail("cannot open the written file again", errno);
    struct stat written {};
    if (::fstat(fd, &written) != 0) fail("cannot open the written file again", errno);
    if (!S_ISREG(written.st_mode)) fail("the written file is no longer a plain file", EINVAL);
    if (const int error = applyPermissions(fd, target, access); error != 0) fail("cannot copy the permissions", error);
    if (durability == Durability::Flushed && ::fsync(fd) != 0) fail("cannot flush to disk", errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) fail("cannot close", errno);
    if (::rename(fresh.c_str(), target.c_str()) != 0) fail("cannot replace the file", errno);
    if (durability == Durability::Flushed) syncFolder(target);
}

}  // namespace files
