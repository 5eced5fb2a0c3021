#include "shell/file_copy.h"

#include "files/file_replace.h"

#include <QFile>
#include <QScopeGuard>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace shell {
namespace {

std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Copies everything from one descriptor to another; answers 0 or an errno value.
int pump(int from, int to) {
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return got < 0 ? errno : 0;
        const auto* bytes = reinterpret_cast<const uint8_t*>(buffer);
        if (const int error = files::writeAll(to, {bytes, size_t(got)}); error != 0) return error;
    }
}

}  // namespace

void copyFileSafely(const QString& source, const QString& destination) {
    const int input = ::open(local(source).c_str(), O_RDONLY | O_CLOEXEC);
    if (input < 0) throw std::runtime_error("Cannot read \"" + source.toStdString() + "\": " + std::strerror(errno));
    const auto closeInput = qScopeGuard([input] { ::close(input); });
    try {
        files::replaceFile(local(destination), files::NewFileAccess::KeepExisting,
                           [input](int output) { return pump(input, output); });
    } catch (const files::FileWriteError& error) {
        throw std::runtime_error(std::string("Cannot copy to ") + error.what());
    }
}

bool isSameFile(const QString& first, const QString& second) {
    std::error_code error;
    return std::filesystem::equivalent(local(first), local(second), error) && !error;
}

}  // namespace shell
