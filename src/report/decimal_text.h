// The user's decimal separator, and the conversion of a number's text between
// the invariant "." and that separator. They serve the save-format choice,
// which reads the application's version text as a number in the user's locale.
#pragma once

#include <QString>

namespace report {

// The second character of one half (1/2) formatted in the user's locale and
// trimmed: "." in most English locales, "," in German.
QString GetDecimalSeparator();

// With toInvariant, every separator becomes "."; without it, every "." and
// then every "," becomes the separator. Exact, case-sensitive, all occurrences.
QString ConvertDecimalText(const QString& text, bool toInvariant);

}  // namespace report
