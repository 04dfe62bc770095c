// Rewriting a style sheet's bytes for another encoding, with CSS escapes for what that encoding lacks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/row_text.h"

namespace tavi {

// A document's bytes in another encoding. A character the new encoding cannot hold is written
// as a CSS escape ("\2014 "), which a browser reads as that very character; bytes that form no
// character in the old encoding as "\FFFD ", the character a browser reads them as. A
// U+001A, which would end a Shift-JIS file's text, is escaped too.
struct TSheetConversion {
    std::string Bytes;
    std::size_t Escaped = 0;         // characters written as escapes
    std::size_t FirstEscapedAt = 0;  // byte offset of the first of them in the old bytes
    char32_t FirstEscaped = 0;       // and the character it stood for
};

// `bytes` (a document's file text in `from`) rewritten in `to`. A leading `@charset` rule
// that names an encoding is made to name the new one.
TSheetConversion ConvertSheetBytes(std::string_view bytes, TTextEncoding from, TTextEncoding to);

// The escape a style sheet writes for `c`: a backslash, its hexadecimal code and a space,
// which ends the escape whatever follows.
std::string CssEscape(char32_t c);

}  // namespace tavi
