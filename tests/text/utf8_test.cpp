// Tests of UTF-8 row texts: what a character is, how wide a row shows it, and that no column map or wrap cuts one.
#include <gtest/gtest.h>

#include <string>

#include "text/row_text.h"
#include "text/utf8.h"

namespace tavi {
namespace {

constexpr TTextEncoding kUtf8 = TTextEncoding::Utf8;

// The characters of text as "bytes:columns" pairs.
std::string Chars(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const TCharSpan span = CharAt(text, i, kUtf8);
        out += (out.empty() ? "" : " ") + std::to_string(span.Bytes) + ":" + std::to_string(span.Columns);
        i += static_cast<std::size_t>(span.Bytes);
    }
    return out;
}

TEST(Utf8Test, ACharacterIsASequenceWithWhatIsShownWithIt)
{
    const struct {
        const char* text;
        const char* chars;
    } cases[] = {
        {"a\xC3\xA9", "1:1 2:1"},                                         // é: narrow
        {"\xE2\x80\x94\xC2\xA0", "3:1 2:1"},                              // em dash, no-break space: narrow
        {"\xE3\x81\x82\xE3\x80\x80", "3:2 3:2"},                          // あ, ideographic space: wide
        {"\xF0\xA0\x80\x8B", "4:2"},                                      // CJK extension B
        {"\xF0\x9F\x98\x80", "4:2"},                                      // an emoji
        {"e\xCC\x81x", "3:1 1:1"},                                        // e + combining acute
        {"\xE3\x81\x8B\xE3\x82\x99", "6:2"},                              // か + combining dakuten
        {"\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD", "8:2"},                      // thumbs up + skin tone
        {"\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5\xF0\x9F\x87\xAF", "8:2 4:2"},  // the flag of Japan, then half a flag
        {"\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9", "11:2"},         // man ZWJ woman
        {"\xCC\x81"
         "a",
         "2:1 1:1"},                                      // a mark with nothing before it
        {"\t\xCC\x81", "1:1 2:1"},                        // a tab takes no mark
        {"\xFF\xC3(\xE3\x81", "1:1 1:1 1:1 1:1 1:1"},     // ill-formed bytes, each alone
        {"\xED\xA0\x80\xC0\xAF", "1:1 1:1 1:1 1:1 1:1"},  // a surrogate and an overlong form are ill-formed
    };
    for (const auto& c : cases)
        EXPECT_EQ(Chars(c.text), c.chars) << c.text;
}

TEST(Utf8Test, ColumnMapsWidthsAndTheColumnTextAgree)
{
    // a, tab to 4, あ (2 columns), é, 😀 (2 columns), e + mark
    const std::string text =
        "a\t\xE3\x81\x82\xC3\xA9\xF0\x9F\x98\x80"
        "e\xCC\x81";
    const TColumnMap map = BuildColumnMap(text, 4, kUtf8);
    std::string cells;
    for (const TCell cell : map)
        cells += cell == TCell::Lead ? 'l' : cell == TCell::Trail ? 'r' : cell == TCell::TabRest ? 't' : '0';
    EXPECT_EQ(cells, "00ttlr0lr0");
    const int bytes[] = {0, 1, 1, 1, 2, 3, 5, 7, 8, 11};  // a trail column stands for a byte inside its character
    for (int col = 0; col < 10; ++col)
        EXPECT_EQ(ColumnToByte(map, col), bytes[col]) << col;
    EXPECT_EQ(ColumnToByte(map, 10), static_cast<int>(text.size()));
    EXPECT_EQ(ColumnToByte(map, 12), static_cast<int>(text.size()) + 2);
    EXPECT_EQ(DisplayWidth(text, 4, kUtf8), 10);
    EXPECT_EQ(ExpandedLength(text, 4, kUtf8), 10);
    EXPECT_EQ(ExpandTabs(text, 4, kUtf8), "a   \x88\x9F\xB1\x88\x9F\xB1");
    EXPECT_EQ(ExpandTabs("\xE3\x80\x80x", 4, kUtf8), "\x81\x40x");  // an ideographic space indents
}

TEST(Utf8Test, WrappingNeverCutsACharacter)
{
    const std::string wide = "\xE3\x81\x82";  // あ
    const std::string marked = "e\xCC\x81";   // é as e + mark
    const std::string flag = "\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5";
    EXPECT_EQ(WrapCutLength(std::string(79, 'a') + wide, 80, 8, kUtf8), 79u);  // would straddle the edge
    EXPECT_EQ(WrapCutLength(std::string(78, 'a') + wide + "b", 80, 8, kUtf8), 78u + 3);
    EXPECT_EQ(WrapCutLength(std::string(79, 'a') + marked + "b", 80, 8, kUtf8), 79u + 3);  // the mark stays with e
    EXPECT_EQ(WrapCutLength(std::string(80, 'a') + "\xCC\x81", 80, 8, kUtf8), 80u + 2);
    EXPECT_EQ(WrapCutLength(std::string(79, 'a') + flag, 80, 8, kUtf8), 79u);
    EXPECT_EQ(WrapCutLength(std::string(79, 'a') + "\xFF\xFF", 80, 8, kUtf8),
              80u);  // ill-formed bytes: one column each
    // Every cut of a row of mixed characters falls between characters.
    std::string row;
    for (int i = 0; i < 40; ++i)
        row += (i % 4 == 0 ? wide : i % 4 == 1 ? marked : i % 4 == 2 ? flag : "x");
    for (int width = 2; width <= 20; ++width) {
        std::string_view rest = row;
        while (const std::size_t cut = WrapCutLength(rest, width, 8, kUtf8)) {
            std::size_t at = 0;
            while (at < cut)
                at += static_cast<std::size_t>(CharAt(rest, at, kUtf8).Bytes);
            ASSERT_EQ(at, cut) << width;
            ASSERT_LE(DisplayWidth(rest.substr(0, cut), 8, kUtf8), width);
            rest.remove_prefix(cut);
        }
    }
}

}  // namespace
}  // namespace tavi
