// Places to write that run out of room, for the tests of what a full disk or
// a file-size limit does to the program's files.
//
//   FullFolder temp;          // 4 KiB of room: a tmpfs, or a process-wide 4 KiB limit
//   FileSizeLimit limit(12 * 1024);
#pragma once

#include "files/file_size_limit.h"
#include "qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

namespace testing_support {

// While it lives, no file this process writes may grow past `bytes`; a write
// beyond fails with EFBIG, as the program asks at start-up instead of dying.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        files::reportFileSizeLimitAsWriteError();
        EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &m_saved), 0);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
};

// A folder with room for 4 KiB: a tmpfs of that size, mounted in a mount
// namespace of this process's own (so it goes with the process whatever
// happens), where the test may mount one; otherwise an ordinary folder with a
// 4 KiB file-size limit on the whole process while the object lives.
class FullFolder {
public:
    FullFolder() {
        m_path = m_parent.filePath(QStringLiteral("full"));
        QDir().mkpath(m_path);
        if (ownMountNamespace() &&
            ::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", 0, "size=4k,mode=0700") == 0) {
            m_mounted = true;
        } else {
            m_limit = std::make_unique<FileSizeLimit>(4096);
        }
    }
    ~FullFolder() {
        if (m_mounted) ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    }
    FullFolder(const FullFolder&) = delete;
    FullFolder& operator=(const FullFolder&) = delete;

    const QString& path() const { return m_path; }
    bool isTmpfs() const { return m_mounted; }
    // Every entry, hidden ones included.
    QStringList entries() const {
        return QDir(m_path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    // What a write that did not fit fails with.
    QString failure() const { return m_mounted ? QStringLiteral("No space left on device") : QStringLiteral("File too large"); }

private:
    static bool ownMountNamespace() {
        static const bool own = ::unshare(CLONE_NEWNS) == 0 &&
                                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        return own;
    }

    QTemporaryDir m_parent;
    QString m_path;
    bool m_mounted = false;
    std::unique_ptr<FileSizeLimit> m_limit;
};

}  // namespace testing_support
