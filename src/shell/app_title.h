// The product display name and the application title made from it. The title
// (at most 40 characters) captions every message box that has no title of its own.
#pragma once

#include <QString>

namespace shell {

inline constexpr int kAppTitleMaxLength = 40;

QString productName();  // "Quorvane"

// Cuts the name at its last blank at least once, then again while it is longer
// than 40 characters. A name without a blank (our own) is kept, cut to 40.
QString makeAppTitle(const QString& name);

QString appTitle();
// SetAppTitle: makes the title from the product name and makes it current.
void SetAppTitle();

}  // namespace shell
