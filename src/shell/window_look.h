// The look both windows share: the Arial fonts they are designed with, and a
// white background for a window or control.
#pragma once

#include <QFont>

class QWidget;

namespace shell {

// Arial in bold at the given point size (Liberation Sans stands in where Arial is missing).
QFont arialBold(double points);

// Gives the widget a white background of its own.
void paintWhite(QWidget& widget);

}  // namespace shell
