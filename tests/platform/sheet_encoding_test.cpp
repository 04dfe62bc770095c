// Tests of the encodings style sheets are opened in and saved back to, byte for byte, and of converting between them.
#include "platform/sheet_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/sheet_conversion.h"

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

// Short Japanese sheets are found in the encoding they were written in, also those whose
// code page 932 bytes happen to be well-formed UTF-8 ("ﾐｱ" is "б", "ﾃｽﾄ用" is "ýėp").
TEST(SheetEncoding, ShortJapaneseSheetsAreFoundInTheirOwnEncoding)
{
    const std::string sheets[][2] = {
        // code page 932, UTF-8
        {"/* \x8C"
         "\xA9"
         "\x8F"
         "o\x82"
         "\xB5"
         " */\nh1 { color: red; }\n",
         "/* \xE8"
         "\xA6"
         "\x8B"
         "\xE5"
         "\x87"
         "\xBA"
         "\xE3"
         "\x81"
         "\x97"
         " */\nh1 { color: red; }\n"},
        {"/* \xD2"
         "\xC6"
         "\xAD"
         "\xB0"
         " */\n.menu { margin: 0; }\n",
         "/* \xEF"
         "\xBE"
         "\x92"
         "\xEF"
         "\xBE"
         "\x86"
         "\xEF"
         "\xBD"
         "\xAD"
         "\xEF"
         "\xBD"
         "\xB0"
         " */\n.menu { margin: 0; }\n"},
        {"/* \xD0"
         "\xB1"
         " */\n.a { }\n",
         "/* \xEF"
         "\xBE"
         "\x90"
         "\xEF"
         "\xBD"
         "\xB1"
         " */\n.a { }\n"},
        {"p { font-family: \"\x82"
         "l\x82"
         "r \x82"
         "o\x83"
         "S\x83"
         "V\x83"
         "b\x83"
         "N\"; }\n",
         "p { font-family: \"\xEF"
         "\xBC"
         "\xAD"
         "\xEF"
         "\xBC"
         "\xB3"
         " \xEF"
         "\xBC"
         "\xB0"
         "\xE3"
         "\x82"
         "\xB4"
         "\xE3"
         "\x82"
         "\xB7"
         "\xE3"
         "\x83"
         "\x83"
         "\xE3"
         "\x82"
         "\xAF"
         "\"; }\n"},
        {"/* \xB1"
         "\xB2"
         "\xB3"
         "\xB4"
         "\xB5"
         " */\n",
         "/* \xEF"
         "\xBD"
         "\xB1"
         "\xEF"
         "\xBD"
         "\xB2"
         "\xEF"
         "\xBD"
         "\xB3"
         "\xEF"
         "\xBD"
         "\xB4"
         "\xEF"
         "\xBD"
         "\xB5"
         " */\n"},
        {"/* \xC3"
         "\xBD"
         "\xC4"
         "\x97"
         "p */\n.t { color: #000; }\n",
         "/* \xEF"
         "\xBE"
         "\x83"
         "\xEF"
         "\xBD"
         "\xBD"
         "\xEF"
         "\xBE"
         "\x84"
         "\xE7"
         "\x94"
         "\xA8"
         " */\n.t { color: #000; }\n"},
        {"/* \x91"
         "S\x8A"
         "p\x81"
         "@\x83"
         "X\x83"
         "y\x81"
         "[\x83"
         "X */\nbody { }\n",
         "/* \xE5"
         "\x85"
         "\xA8"
         "\xE8"
         "\xA7"
         "\x92"
         "\xE3"
         "\x80"
         "\x80"
         "\xE3"
         "\x82"
         "\xB9"
         "\xE3"
         "\x83"
         "\x9A"
         "\xE3"
         "\x83"
         "\xBC"
         "\xE3"
         "\x82"
         "\xB9"
         " */\nbody { }\n"},
        {"/* \xB6"
         "\xC0"
         "\xB6"
         "\xC5"
         " \xCA"
         "\xDD"
         "\xB6"
         "\xB8"
         " */ .k { }\n",
         "/* \xEF"
         "\xBD"
         "\xB6"
         "\xEF"
         "\xBE"
         "\x80"
         "\xEF"
         "\xBD"
         "\xB6"
         "\xEF"
         "\xBE"
         "\x85"
         " \xEF"
         "\xBE"
         "\x8A"
         "\xEF"
         "\xBE"
         "\x9D"
         "\xEF"
         "\xBD"
         "\xB6"
         "\xEF"
         "\xBD"
         "\xB8"
         " */ .k { }\n"},
        {"/* \x92"
         "\x8D"
         "\x88"
         "\xD3"
         "\x81"
         "F\x83"
         "\x5C"
         "\x95"
         "\x5C"
         "\x8E"
         "\xA6"
         " */\n.n { }\n",
         "/* \xE6"
         "\xB3"
         "\xA8"
         "\xE6"
         "\x84"
         "\x8F"
         "\xEF"
         "\xBC"
         "\x9A"
         "\xE3"
         "\x82"
         "\xBD"
         "\xE8"
         "\xA1"
         "\xA8"
         "\xE7"
         "\xA4"
         "\xBA"
         " */\n.n { }\n"},
        {"/* \xB7"
         "\xB0"
         " */ .x{}\n",
         "/* \xEF"
         "\xBD"
         "\xB7"
         "\xEF"
         "\xBD"
         "\xB0"
         " */ .x{}\n"},
        {"/* \xBF"
         "\xCC"
         "\xC4"
         " */ .y{}\n",
         "/* \xEF"
         "\xBD"
         "\xBF"
         "\xEF"
         "\xBE"
         "\x8C"
         "\xEF"
         "\xBE"
         "\x84"
         " */ .y{}\n"},
        {"/* \xBB"
         "\xB2"
         "\xC4"
         " */ .z{}\n",
         "/* \xEF"
         "\xBD"
         "\xBB"
         "\xEF"
         "\xBD"
         "\xB2"
         "\xEF"
         "\xBE"
         "\x84"
         " */ .z{}\n"},
    };
    for (const auto& sheet : sheets) {
        EXPECT_EQ(DetectSheetEncoding(sheet[0], "a.css"), TSheetEncoding::Cp932) << sheet[0];
        EXPECT_EQ(DetectSheetEncoding(sheet[1], "a.css"), TSheetEncoding::Utf8) << sheet[1];
    }
    // What both encodings read alike, as a few Latin letters, is taken for Japanese; one
    // byte that is no code page 932 makes it UTF-8.
    EXPECT_EQ(DetectSheetEncoding("/* caf\xC3\xA9 */", "a.css"), TSheetEncoding::Cp932);
    EXPECT_EQ(DetectSheetEncoding("/* \xC3\xA0 la */", "a.css"), TSheetEncoding::Utf8);  // à: 0xA0 is no character
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

namespace tavi {
namespace {

struct TConversionCase {
    const char* name;
    std::string from;
    TTextEncoding fromEncoding;
    std::string to;
    std::size_t escaped;
    std::size_t firstAt;
    char32_t first;
};

// Converting keeps every character a browser would read: what the new encoding lacks becomes
// a CSS escape, and so do bytes that were no character; a leading @charset follows along.
TEST(SheetConversion, RewritesTextWithEscapesForWhatTheNewEncodingLacks)
{
    constexpr auto cp932 = TTextEncoding::Cp932;
    constexpr auto utf8 = TTextEncoding::Utf8;
    const TConversionCase cases[] = {
        {"Japanese and half-width katakana to UTF-8", "/* \x8C\xA9\x8F\x6F\x82\xB5 \xB1 */\r\n", cp932,
         "/* \xE8\xA6\x8B\xE5\x87\xBA\xE3\x81\x97 \xEF\xBD\xB1 */\r\n", 0, 0, 0},
        {"back to Shift-JIS", "/* \xE8\xA6\x8B\xE5\x87\xBA\xE3\x81\x97 \xEF\xBD\xB1 */\r\n", utf8,
         "/* \x8C\xA9\x8F\x6F\x82\xB5 \xB1 */\r\n", 0, 0, 0},
        {"an em dash, an emoji and a no-break space", "a:\"\xE2\x80\x94\xF0\x9F\x98\x80\xC2\xA0\"", utf8,
         "a:\"\\2014 \\1F600 \\A0 \"", 3, 3, U'\u2014'},
        {"ill-formed UTF-8", "x\xC3(\xFF", utf8, "x\\FFFD (\\FFFD ", 2, 1, U'\uFFFD'},
        {"U+001A, which would end a Shift-JIS text",
         "a\x1A"
         "b",
         utf8, "a\\1A b", 1, 1, U'\x1A'},
        {"bytes Shift-JIS leaves undefined",
         "a\x80"
         "b\xFD",
         cp932, "a\\FFFD b\\FFFD ", 2, 1, U'\uFFFD'},
        {"a lead byte at the end", "a\x82", cp932, "a\\FFFD ", 1, 1, U'\uFFFD'},
        {"@charset named for UTF-8", "@charset \"Shift_JIS\";\r\nP{}", cp932, "@charset \"UTF-8\";\r\nP{}", 0, 0, 0},
        {"@charset named for Shift-JIS", "@charset \"utf-8\";\nP{}", utf8, "@charset \"Shift_JIS\";\nP{}", 0, 0, 0},
    };
    for (const TConversionCase& c : cases) {
        const TTextEncoding to = c.fromEncoding == cp932 ? utf8 : cp932;
        const TSheetConversion result = ConvertSheetBytes(c.from, c.fromEncoding, to);
        EXPECT_EQ(result.Bytes, c.to) << c.name;
        EXPECT_EQ(result.Escaped, c.escaped) << c.name;
        if (c.escaped > 0) {
            EXPECT_EQ(result.FirstEscapedAt, c.firstAt) << c.name;
            EXPECT_EQ(result.FirstEscaped, c.first) << c.name;
        }
    }
}

}  // namespace
}  // namespace tavi
