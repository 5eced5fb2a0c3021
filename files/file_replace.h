// Replacing a file in one step: the new contents go to a fresh file created
// exclusively beside the target (a link is never followed), are flushed to
// disk (unless the file is a hand-over, see Durability), and only then
// renamed over the target. A failure leaves the old file
// as it was and no temporary file behind; a link at the target is replaced,
// never written through.
//
//   files::replaceFile(path, bytes, files::NewFileAccess::KeepExisting);
//   files::replaceFileWrittenAt(path, files::NewFileAccess::KeepExisting,
//                               [&](const std::filesystem::path& fresh) { library_save(fresh.c_str()); });
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <stdexcept>

namespace files {

// The text names the path, the step and the system's reason:
// "\"/home/u/book.xls\": cannot write: No space left on device".
class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class NewFileAccess {
    KeepExisting,  // an existing target's permissions; otherwise as the umask allows
    OwnerOnly,     // readable and writable by the user alone, whatever was there
};

// Whether the replacement waits until the disk holds it. A hand-over file
// that lives only while the program runs (the temporary workbook, the
// snapshot bitmap) gains nothing from the wait, which can cost more than
// writing it; the one-step rename keeps it whole either way.
enum class Durability {
    Flushed,    // the file and the rename are on the disk before the call returns
    Unflushed,  // left to the system's own writing back
};

// Writes the bytes as the target's new contents.
void replaceFile(const std::filesystem::path& target, std::span<const uint8_t> bytes, NewFileAccess access,
                 Durability durability = Durability::Flushed);

// The same with contents that `fill` writes to the descriptor it is given;
// fill answers 0, or the errno value of a failure.
void replaceFile(const std::filesystem::path& target, NewFileAccess access, const std::function<int(int)>& fill,
                 Durability durability = Durability::Flushed);

// The same for a writer that can only be told a path (a library that opens the
// file itself): a fresh, empty file is reserved beside the target and `write`
// fills the file at the path it is given. Once it returns, the file is checked
// to be still a plain file, given its permissions, flushed and renamed over
// the target. Whatever `write` throws leaves the target as it was and no
// fresh file behind, and reaches the caller unchanged.
void replaceFileWrittenAt(const std::filesystem::path& target, NewFileAccess access,
                          const std::function<void(const std::filesystem::path& fresh)>& write,
                          Durability durability = Durability::Flushed);

// Writes everything, resuming after short writes and interruptions; answers 0
// or an errno value.
int writeAll(int fd, std::span<const uint8_t> bytes);

}  // namespace files
