// The encoding a style sheet file is written in: found when it is opened, kept when it is saved.
#pragma once

#include <QString>
#include <stdexcept>
#include <string>
#include <string_view>

#include "text/row_text.h"

namespace tavi {

enum class TSheetEncoding {
    Cp932,        // Shift-JIS (code page 932)
    Utf8,         // UTF-8 without a byte-order mark
    Utf8WithBom,  // UTF-8 after the byte-order mark EF BB BF
};

// The encoding a document in the file's encoding holds its text in.
constexpr TTextEncoding DocumentEncodingOf(TSheetEncoding encoding)
{
    return encoding == TSheetEncoding::Cp932 ? TTextEncoding::Cp932 : TTextEncoding::Utf8;
}

// A file's text as the editor holds it: the file's own bytes, without a byte-order mark.
struct TSheetText {
    TSheetEncoding Encoding = TSheetEncoding::Cp932;
    std::string Bytes;
};

// A file the editor will not open: its encoding cannot be edited (UTF-16).
class TUnsupportedEncoding : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The encoding of a file's bytes, found in this order: a byte-order mark (UTF-8; UTF-16 in
// either order throws TUnsupportedEncoding); an @charset rule at the very start naming UTF-8
// or Shift-JIS; text that is valid UTF-8 and holds bytes above 0x7F, unless all of its
// non-ASCII characters are of two bytes and the text is code page 932 as well; otherwise
// code page 932.
// `fileName` names the file in the error.
TSheetEncoding DetectSheetEncoding(std::string_view bytes, const std::string& fileName);

// The file's text and its encoding (see DetectSheetEncoding). The bytes are kept as they
// are, ill-formed UTF-8 included, so that saving without an edit writes the same file.
TSheetText DecodeSheet(std::string bytes, const std::string& fileName);

// The file's text read in the encoding the user chose (`document`), whatever detection
// would say: UTF-8 after a byte-order mark when the file has one.
TSheetText DecodeSheetAs(std::string bytes, TTextEncoding document);

// The bytes to save for a document's bytes in `encoding`: the bytes themselves, after a
// byte-order mark when the file had one.
std::string EncodeSheet(std::string bytes, TSheetEncoding encoding);

// How the encoding is named to users: "Shift-JIS", "UTF-8", "UTF-8 (BOM 付き)".
QString SheetEncodingName(TSheetEncoding encoding);

}  // namespace tavi
