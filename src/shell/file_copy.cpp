#include "shell/file_copy.h"

#include <QFile>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace shell {
namespace {

std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }

[[noreturn]] void copyFailed(const QString& path, const char* step, int error) {
    throw std::runtime_error("Cannot copy to \"" + path.toStdString() + "\": " + step + ": " + std::strerror(error));
}

// An open descriptor that closes itself on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { release(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() {  // closes now; answers close's result
        const int result = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

std::filesystem::path folderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// A fresh file beside the destination, created exclusively; fills `path`.
int createBeside(const std::filesystem::path& destination, std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folderOf(destination) / ("." + destination.filename().string() + "." + std::to_string(::getpid()) +
                                       "-" + std::to_string(counter++) + ".part");
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Copies everything from one descriptor to another; answers 0 or an errno value.
int pump(int from, int to) {
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) return 0;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer + done, size_t(got - done));
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) return put < 0 ? errno : EIO;
            done += put;
        }
    }
}

void syncFolder(const std::filesystem::path& destination) {
    Descriptor folder(::open(folderOf(destination).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) ::fsync(folder.get());
}

}  // namespace

void copyFileSafely(const QString& source, const QString& destination) {
    Descriptor input(::open(local(source).c_str(), O_RDONLY | O_CLOEXEC));
    if (input.get() < 0)
        throw std::runtime_error("Cannot read \"" + source.toStdString() + "\": " + std::strerror(errno));

    const std::filesystem::path target = local(destination);
    std::filesystem::path partial;
    Descriptor output(createBeside(target, partial));
    if (output.get() < 0) copyFailed(destination, "cannot create a new file in its folder", errno);
    // From here on a failure removes the partial copy before it is reported.
    const auto fail = [&](const char* step, int error) {
        output.release();
        ::unlink(partial.c_str());
        copyFailed(destination, step, error);
    };
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && ::fchmod(output.get(), existing.st_mode & 07777) != 0)
        fail("cannot keep its permissions", errno);
    if (const int error = pump(input.get(), output.get()); error != 0) fail("cannot copy the contents", error);
    if (::fsync(output.get()) != 0) fail("cannot flush to disk", errno);
    if (output.release() != 0) fail("cannot close", errno);
    if (::rename(partial.c_str(), target.c_str()) != 0) fail("cannot replace the file", errno);
    syncFolder(target);
}

bool isSameFile(const QString& first, const QString& second) {
    std::error_code error;
    return std::filesystem::equivalent(local(first), local(second), error) && !error;
}

}  // namespace shell
