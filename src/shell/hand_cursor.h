// Loads the custom pointer image from a cursor file (the hand shown over push
// buttons). The file is a Windows cursor; Qt's image readers decode it, and the
// hot spot is taken from the file's own header.
#pragma once

#include <QCursor>
#include <QString>

namespace shell {

inline constexpr const char* kCursorFileName = "HAND-M.CUR";

// Throws std::runtime_error ("Invalid picture") when the file holds no image.
QCursor loadCursorFile(const QString& path);

}  // namespace shell
