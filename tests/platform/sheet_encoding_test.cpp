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
    bool lossless;
    std::string cp932;  // the document's bytes; empty: the file's own bytes
};

// Every file opened then saved without an edit gives its own bytes back; a lossy one is
// never saved, so only its document is checked.
TEST(SheetEncoding, OpensEachKindOfFileAndSavesItBackByteForByte)
{
    const std::string comment = "/* \xE8\xA6\x8B\xE5\x87\xBA\xE3\x81\x97 */\r\n";  // 見出し in UTF-8
    const std::string commentCp932 = "/* \x8C\xA9\x8F\x6F\x82\xB5 */\r\n";
    const TSheetCase cases[] = {
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + comment + "P { }\r\n", TSheetEncoding::Utf8WithBom, true,
         commentCp932 + "P { }\r\n"},
        {"UTF-8 with Japanese, half-width katakana and 0x5C trail bytes",
         comment + "/* \xEF\xBD\xB1\xEF\xBD\xB2 \xE3\x82\xBD\xE8\xA1\xA8 */\r\n",  // ｱｲ ソ表
         TSheetEncoding::Utf8, true, commentCp932 + "/* \xB1\xB2 \x83\x5C\x95\x5C */\r\n"},
        {"@charset UTF-8, all ASCII", "@charset \"UTF-8\";\r\nP { }\r\n", TSheetEncoding::Utf8, true,
         "@charset \"UTF-8\";\r\nP { }\r\n"},
        {"@charset Shift_JIS over bytes that would be UTF-8", "@charset \"Shift_JIS\";\r\n" + comment,
         TSheetEncoding::Cp932, true, ""},
        {"emoji",
         "a\xF0\x9F\x98\x80"
         "b\r\n",
         TSheetEncoding::Utf8, false, "a?b\r\n"},
        {"CJK extension B", "\xF0\xA0\xAE\x9F\r\n", TSheetEncoding::Utf8, false, "?\r\n"},
        {"a wave dash the code page reads back as a full-width tilde", "\xE3\x80\x9C\r\n", TSheetEncoding::Utf8, false,
         "?\r\n"},
        {"code page 932 that is no UTF-8", "/* \x83\x5C\x95\x5C */\r\n", TSheetEncoding::Cp932, true, ""},
        {"declared UTF-8 that is not", "@charset \"UTF-8\";\r\n\x83\x5C\r\n", TSheetEncoding::Utf8, false, ""},
        {"a 20-byte code page 932 file", "P{color:red}\r\n\x83\x5C\x95\x5C\r\n", TSheetEncoding::Cp932, true, ""},
        {"all ASCII", "P { margin : 0 }\r\n", TSheetEncoding::Cp932, true, ""},
        {"UTF-8 with the controls U+001C and U+007F, which no control may replace",
         comment + "a\x1C"
                   "b\x7F"
                   "c\r\n",
         TSheetEncoding::Utf8, true,
         commentCp932 + "a\x1C"
                        "b\x7F"
                        "c\r\n"},
    };
    for (const TSheetCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TSheetText sheet = DecodeSheet(c.bytes, "a.css");
        EXPECT_EQ(sheet.Encoding, c.encoding);
        EXPECT_EQ(sheet.Lossless, c.lossless);
        if (!c.cp932.empty() || c.encoding == TSheetEncoding::Cp932) {
            EXPECT_EQ(sheet.Cp932, c.cp932.empty() ? c.bytes : c.cp932);
        }
        if (c.lossless) {
            EXPECT_EQ(EncodeSheet(sheet.Cp932, sheet.Encoding), c.bytes);
        }
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
