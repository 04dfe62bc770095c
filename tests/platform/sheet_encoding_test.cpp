// Tests of the encodings style sheets are opened in and saved back to, byte for byte.
#include "platform/sheet_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace tavi {
namespace {

struct TSheetCase {
    const char* name;
    std::string bytes;
    TSheetEncoding encoding;
};

// The document holds a file's own bytes (without a byte-order mark), and every file opened
// then saved without an edit gives its own bytes back.
TEST(SheetEncoding, OpensEachKindOfFileAndSavesItBackByteForByte)
{
    const std::string comment = "/* \xE8\xA6\x8B\xE5\x87\xBA\xE3\x81\x97 */\r\n";  // 見出し in UTF-8
    const TSheetCase cases[] = {
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + comment + "P { }\r\n", TSheetEncoding::Utf8WithBom},
        {"UTF-8 with Japanese and half-width katakana", comment + "/* \xEF\xBD\xB1\xEF\xBD\xB2 \xE3\x82\xBD */\r\n",
         TSheetEncoding::Utf8},
        {"@charset UTF-8, all ASCII", "@charset \"UTF-8\";\r\nP { }\r\n", TSheetEncoding::Utf8},
        {"@charset Shift_JIS over bytes that would be UTF-8", "@charset \"Shift_JIS\";\r\n" + comment,
         TSheetEncoding::Cp932},
        {"emoji, CJK extension B, a wave dash and typographic punctuation",
         "a\xF0\x9F\x98\x80 \xF0\xA0\xAE\x9F \xE3\x80\x9C \xE2\x80\x94\xC2\xA0\xE2\x80\x99\r\n", TSheetEncoding::Utf8},
        {"code page 932 that is no UTF-8", "/* \x83\x5C\x95\x5C */\r\n", TSheetEncoding::Cp932},
        {"declared UTF-8 that is not", "@charset \"UTF-8\";\r\n\x83\x5C\xFF\r\n", TSheetEncoding::Utf8},
        {"a 20-byte code page 932 file", "P{color:red}\r\n\x83\x5C\x95\x5C\r\n", TSheetEncoding::Cp932},
        {"all ASCII", "P { margin : 0 }\r\n", TSheetEncoding::Cp932},
        {"UTF-8 with the controls U+001C and U+007F",
         comment + "a\x1C"
                   "b\x7F"
                   "c",
         TSheetEncoding::Utf8},
    };
    for (const TSheetCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TSheetText sheet = DecodeSheet(c.bytes, "a.css");
        EXPECT_EQ(sheet.Encoding, c.encoding);
        const std::size_t bom = c.encoding == TSheetEncoding::Utf8WithBom ? 3 : 0;
        EXPECT_EQ(sheet.Bytes, c.bytes.substr(bom));
        EXPECT_EQ(EncodeSheet(sheet.Bytes, sheet.Encoding), c.bytes);
    }
}

TEST(SheetEncoding, RefusesUtf16InEitherByteOrder)
{
    for (const std::string bom : {"\xFF\xFE", "\xFE\xFF"}) {
        try {
            DecodeSheet(bom + std::string("P\0", 2), "w.css");
            ADD_FAILURE() << "opened";
        } catch (const TUnsupportedEncoding& error) {
            EXPECT_STREQ(error.what(), "ﾌｧｲﾙ w.css は UTF-16 で書かれているため開けません");
        }
    }
}

}  // namespace
}  // namespace tavi
