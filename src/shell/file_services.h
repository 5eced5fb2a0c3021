// The quiet file test and deletion of the shared services: FileExists and
// DeleteTempFile never fail, so the generation and the preview can use them
// on files that may or may not be there.
#pragma once

#include <QString>

namespace shell {

// True when the path's last-modified time can be read; never reports anything.
bool FileExists(const QString& path);

// Deletes a file quietly: pending window events run once first, then an
// ordinary deletion, and when that fails (a read-only file) ForceDeleteFile.
// The caller cannot tell whether the file went.
void DeleteTempFile(const QString& path);

// Deletes a file even when it is read-only; throws when it cannot.
void ForceDeleteFile(const QString& path);

// The ordinary deletion: refuses a missing file, a folder and a read-only
// file, as the runtime's own deletion does. A link is removed, never its target.
void deleteFile(const QString& path);

}  // namespace shell
