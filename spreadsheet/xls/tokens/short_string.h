// The short unicode string inside PtgStr: a character count byte, a flags
// byte, then the characters as 8-bit (every one at most U+00FF) or UTF-16LE.
// Text arrives and leaves as UTF-8.
#pragma once

#include "spreadsheet/xls/tokens/token_reader.h"
#include "spreadsheet/xls/tokens/token_writer.h"

#include <string>
#include <string_view>

namespace spreadsheet::xls::tokens {

// Writes the count, flags and characters; throws TokenError for malformed
// UTF-8 or text longer than the format's 255 characters.
void writeShortString(TokenWriter& out, std::string_view utf8);

// Reads the count, flags and characters; an unpaired surrogate becomes U+FFFD.
std::string readShortString(TokenReader& in);

}  // namespace spreadsheet::xls::tokens
