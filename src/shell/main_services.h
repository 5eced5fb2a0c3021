// The shared services of the program: the quiet file test and deletion, window
// colouring and the skin. FileExists and DeleteTempFile never fail; the others
// throw, so that their failure reaches the trap of the procedure that called them.
#pragma once

#include <QColor>
#include <QString>

class QWidget;

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

// The platform's current button-face colour.
QColor buttonFaceColor();

// The window and its option buttons, check boxes, frames and labels take the
// button-face colour. Picture boxes are left as they are.
void SetBackColor(QWidget& window);

// When the skin file exists: the window and its option buttons, check boxes,
// frames, labels and picture boxes take the button-face colour, and the file's
// style sheet is applied to the window. Without the file nothing changes.
void ApplySkin(QWidget& window, const QString& skinFile);

// Marks a widget as a picture box, for the colouring rules above.
void markAsPictureBox(QWidget& widget);

}  // namespace shell
