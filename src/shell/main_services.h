// The shared services of the program: the quiet file test and deletion
// (file_services.h), window colouring and the skin. The window services
// throw, so that their failure reaches the trap of the procedure that called them.
#pragma once

#include "shell/file_services.h"

#include <QColor>
#include <QString>

class QWidget;

namespace shell {

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
