// Conversion between Unicode text and the Shift-JIS bytes (code page 932) the document holds.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tavi {

// Encodes `text` in code page 932. The characters other Japanese encodings use for the
// wave dash, double vertical line, minus, cent, pound, not sign and em dash take the bytes
// of the code page's own character for each; any other character the code page cannot
// hold becomes "?".
QByteArray ToCp932(QStringView text);
std::string ToCp932String(QStringView text);

// True when every character of `text` has a code page 932 form (counting the
// equivalents above).
bool FitsCp932(QStringView text);

// Converts UTF-8 to code page 932, each character to the bytes the code page decodes back to
// that very character. A character without such bytes, and each byte of an ill-formed
// sequence (as U+FFFD), goes to `lacking` with its byte offset in `utf8`; it appends to
// `out` what stands for it.
using TLackingCharacter = std::function<void(char32_t c, std::size_t offset, std::string& out)>;
std::string Utf8ToCp932(std::string_view utf8, const TLackingCharacter& lacking);

// Decodes code page 932 bytes; bytes that form no character become U+FFFD. Control
// characters (U+0000 to U+001F and U+007F) are their own bytes in every conversion here.
QString FromCp932(std::string_view bytes);

// The decoding tables, for code that decodes character by character at speed: the
// character of each byte standing alone (`single`, 0x100 entries) and of each pair of a
// lead and a trail byte (`pairs`, indexed by lead << 8 | trail); 0 where the code page
// gives no single character (lead bytes alone, and the bytes and pairs it leaves undefined).
struct TCp932Units {
    const char16_t* single;
    const char16_t* pairs;
};
TCp932Units Cp932Units();

}  // namespace tavi
