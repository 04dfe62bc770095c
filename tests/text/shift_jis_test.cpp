// Tests of the Shift-JIS rules: lead bytes, column maps, tab expansion and wrap points.
#include "text/row_text.h"

#include <gtest/gtest.h>

#include <random>

namespace tavi {
namespace {

// A column map written one letter a column: 0 single byte or tab start, 1 lead byte,
// 2 trail byte, t further tab column.
std::string Cells(std::string_view text, int tabSpaceCount)
{
    std::string letters;
    for (const TCell cell : BuildColumnMap(text, tabSpaceCount))
        letters += cell == TCell::Lead ? '1' : cell == TCell::Trail ? '2' : cell == TCell::TabRest ? 't' : '0';
    return letters;
}

TEST(ShiftJisTest, LeadByteRangesAreExact)
{
    for (int c : {0x81, 0x9F, 0xE0, 0xFC})
        EXPECT_TRUE(IsLeadByte(c)) << c;
    // 0xA1..0xDF are half-width katakana, single bytes; 0x5C and 0x7F are never lead bytes.
    for (int c : {0x00, 0x5C, 0x7F, 0x80, 0xA0, 0xA1, 0xDF, 0xFD, 0xFF})
        EXPECT_FALSE(IsLeadByte(c)) << c;
}

TEST(ShiftJisTest, ColumnMapMarksEveryColumn)
{
    EXPECT_EQ(Cells("a\tb", 4), "00tt0");
    EXPECT_EQ(Cells("\x83\x5C"
                    "a",
                    8),
              "120");                           // the trail byte 0x5C is not a backslash here
    EXPECT_EQ(Cells("\xB1\xB2", 8), "00");      // half-width katakana
    EXPECT_EQ(Cells("\x82\xA0\t", 4), "120t");  // the tab starts at column 2
    EXPECT_EQ(Cells("a\x81", 8), "00");         // a lead byte at the end has no trail: one column
    EXPECT_EQ(Cells("\x81\t", 4), "12");        // a lead byte takes any following byte as its trail
    EXPECT_EQ(Cells("", 8), "");
}

TEST(ShiftJisTest, ColumnToByteSkipsTabColumns)
{
    const TColumnMap map = BuildColumnMap("a\tb\x82\xA0", 4);
    ASSERT_EQ(Cells("a\tb\x82\xA0", 4), "00tt012");
    EXPECT_EQ(ColumnToByte(map, 0), 0);
    EXPECT_EQ(ColumnToByte(map, 2), 1);  // inside the tab: the tab's byte
    EXPECT_EQ(ColumnToByte(map, 4), 2);
    EXPECT_EQ(ColumnToByte(map, 6), 4);   // trail byte
    EXPECT_EQ(ColumnToByte(map, 10), 8);  // beyond the end: no further tabs
}

TEST(ShiftJisTest, ExpandTabsReachesTheNextTabStop)
{
    EXPECT_EQ(ExpandTabs("a\tb", 8), "a       b");
    EXPECT_EQ(ExpandTabs("\x82\xA0\tx", 4), "\x82\xA0  x");
    EXPECT_EQ(ExpandTabs("\t\t", 2), "    ");
    EXPECT_EQ(ExpandTabs("no tab \x83\x5C", 8), "no tab \x83\x5C");
}

// The wrap point as the column-map rule states it, for comparison with the fast walk.
std::size_t CutByColumnMap(std::string_view text, int wrapByte, int tab)
{
    const TColumnMap map = BuildColumnMap(text, tab);
    if (static_cast<int>(map.size()) < wrapByte)
        return 0;
    const int k = CellAt(map, wrapByte - 1) == TCell::Lead ? wrapByte - 2 : wrapByte - 1;
    return std::min<std::size_t>(ColumnToByte(map, k) + 1, text.size());
}

TEST(ShiftJisTest, WrapCutAtTheEdge)
{
    const std::string a79(79, 'a');
    EXPECT_EQ(WrapCutLength(a79, 80, 8), 0u);
    EXPECT_EQ(WrapCutLength(a79 + "a", 80, 8), 80u);
    // A double-byte character over columns 79-80 moves to the next row.
    EXPECT_EQ(WrapCutLength(a79 + "\x82\xA0", 80, 8), 79u);
    EXPECT_EQ(WrapCutLength(std::string(78, 'a') + "\x82\xA0", 80, 8), 80u);
    // A tab starting at column 78 covers 78-79 and stays in the row.
    EXPECT_EQ(WrapCutLength(std::string(78, 'a') + "\tb", 80, 8), 79u);
    // A tab starting at column 76 with width 4 reaches past the edge and stays whole.
    EXPECT_EQ(WrapCutLength(std::string(76, 'a') + "\tbbbb", 79, 8), 77u);
    // A lone lead byte at the end counts one column.
    EXPECT_EQ(WrapCutLength(std::string(78, 'a') + "\x81", 80, 8), 0u);
    EXPECT_EQ(DisplayWidth("a\x81", 8), 2);
}

TEST(ShiftJisTest, FastMeasuresAgreeWithTheColumnMapOnRandomTexts)
{
    std::mt19937 random(7);
    const char alphabet[] = {'a', '\t', '\x82', '\xA0', '\x83', '\x5C', '\xB1', '\x80', '\xFD', ' '};
    for (int round = 0; round < 3000; ++round) {
        // Every other text is mostly plain ASCII, as long style sheet lines are.
        const bool plain = round % 2 == 1;
        std::string text(random() % 120, ' ');
        for (char& c : text)
            c = plain && random() % 40 != 0 ? static_cast<char>('a' + random() % 26)
                                            : alphabet[random() % sizeof alphabet];
        const int tab = 2 * (1 + static_cast<int>(random() % 4));
        const int wrap = 20 + static_cast<int>(random() % 80);
        ASSERT_EQ(DisplayWidth(text, tab), static_cast<int>(BuildColumnMap(text, tab).size()));
        ASSERT_EQ(ExpandedLength(text, tab), static_cast<int>(ExpandTabs(text, tab).size()));
        ASSERT_EQ(WrapCutLength(text, wrap, tab), CutByColumnMap(text, wrap, tab)) << text << " at " << wrap;
    }
}

}  // namespace
}  // namespace tavi
