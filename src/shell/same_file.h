// Whether two paths name one file: the Save command refuses the preview's own
// temporary workbook as its destination, however the name was spelled.
#pragma once

#include <QString>

namespace shell {

// True when both paths name the same existing file (links and "..", "."
// resolved, hard links included).
bool isSameFile(const QString& first, const QString& second);

}  // namespace shell
