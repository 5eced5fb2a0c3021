// Text in the Western European Windows code page (1252), in which property
// sets store their strings unless they need the whole of Unicode. Internal to
// the compound-file library.
//
//   windows1252FromUtf8("Übersicht €");   // "\xDCbersicht \x80"
//   windows1252FromUtf8("Σ");             // nullopt: not in the code page
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace spreadsheet::xls::ole {

inline constexpr uint16_t kCodePageWindows1252 = 1252;
inline constexpr uint16_t kCodePageUnicode = 1200;  // UTF-16, little-endian

// The code page's bytes for a UTF-8 text; nullopt when a character has no
// byte there, or the text is no valid UTF-8.
std::optional<std::string> windows1252FromUtf8(std::string_view utf8);
// UTF-8 of the code page's bytes; the five bytes it leaves undefined become U+FFFD.
std::string utf8FromWindows1252(std::string_view bytes);

}  // namespace spreadsheet::xls::ole
