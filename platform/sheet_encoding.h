// The encoding a style sheet file is written in: found when it is opened, kept when it is saved.
#pragma once

#include <QString>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavi {

enum class TSheetEncoding {
    Cp932,        // Shift-JIS (code page 932): the document's own bytes
    Utf8,         // UTF-8 without a byte-order mark
    Utf8WithBom,  // UTF-8 after the byte-order mark EF BB BF
};

// A file's text as the editor holds it.
struct TSheetText {
    TSheetEncoding Encoding = TSheetEncoding::Cp932;
    std::string Cp932;     // the document in code page 932
    bool Lossless = true;  // false: characters code page 932 cannot hold stand as "?"
};

// A file the editor will not open: its encoding cannot be edited (UTF-16).
class TUnsupportedEncoding : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The encoding of a file's bytes, found in this order: a byte-order mark (UTF-8; UTF-16 in
// either order throws TUnsupportedEncoding); an @charset rule at the very start naming UTF-8
// or Shift-JIS; text that is valid UTF-8 and holds bytes above 0x7F; otherwise code page 932.
// `fileName` names the file in the error.
TSheetEncoding DetectSheetEncoding(std::string_view bytes, const std::string& fileName);

// The file's text in code page 932. UTF-8 is converted character by character to the code
// page's bytes for it; a character without any, or whose bytes stand for another character,
// becomes "?" and makes the text lossy (it must not be saved over the file).
TSheetText DecodeSheet(std::string bytes, const std::string& fileName);

// The bytes to save for the document `cp932` in `encoding`: the bytes themselves, or their
// text in UTF-8 (after a byte-order mark when the file had one).
std::string EncodeSheet(std::string cp932, TSheetEncoding encoding);

// How the encoding is named to users: "Shift-JIS", "UTF-8", "UTF-8 (BOM 付き)".
QString SheetEncodingName(TSheetEncoding encoding);

}  // namespace tavi
