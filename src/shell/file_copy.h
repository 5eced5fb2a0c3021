// Copying a file without risk to what the destination held: the copy goes to
// a fresh file beside the destination, is flushed to disk, and only then
// takes the destination's name in one rename. A failed copy leaves the old
// file as it was and no partial file behind.
#pragma once

#include <QString>

namespace shell {

// Copies source to destination, replacing an existing destination (which
// keeps its permissions). A link at the destination is replaced, never
// followed. Throws std::runtime_error naming the file and the reason.
void copyFileSafely(const QString& source, const QString& destination);

// True when both paths name the same existing file (links and "..", "."
// resolved, hard links included).
bool isSameFile(const QString& first, const QString& second);

}  // namespace shell
