// The application a package names in its extended properties
// (docProps/app.xml). The writing library puts a fixed name there and offers
// no way to change it, so once the package is closed that one part is
// written again with the given name between the same tags; every other part
// is copied as it was stored, compressed bytes and all.
//
//   nameApplication("/tmp/.book.xlsx.fresh", "Quorvane");
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace spreadsheet::xlsx {

// The part's text with the content of its <Application> element replaced
// by the name (XML-escaped); the text as it was when it has no such element.
std::string withApplicationName(std::string_view appXml, std::string_view application);

// Rewrites the package in place. Throws XlsxError (SaveFailed) naming the
// step when the package cannot be read or written; the package is then as
// the library left it.
void nameApplication(const std::filesystem::path& package, std::string_view application);

}  // namespace spreadsheet::xlsx
