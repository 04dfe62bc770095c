// Tests of turning texts into rows: line splitting and wrapping at the wrap width.
#include "editor/core/wrap_text.h"

#include <gtest/gtest.h>

#include "editor/core/text_lines.h"
#include "row_dump.h"

namespace tavi {
namespace {

using testing::Dump;
using testing::DumpLengths;

const TWrapRule kWrap80{true, 80, 8};
const TWrapRule kNoWrap{false, 80, 8};

TEST(WrapTextTest, SplitsAtEveryKindOfLineBreakWithoutAFinalEmptyLine)
{
    EXPECT_EQ(Dump(WrapText("a\r\nb\rc\nd\r\n", kNoWrap)), "a|B b|B c|B d|B");
    EXPECT_EQ(Dump(WrapText("\n\r\n", kNoWrap)), "|B |B");
    EXPECT_EQ(Dump(WrapText("\r\r\n", kNoWrap)), "|B |B");  // CR, then CR LF
    EXPECT_EQ(Dump(WrapText("", kWrap80)), "|B");           // an empty text is one empty row
    EXPECT_EQ(Dump(WrapText("x", kWrap80)), "x|B");
}

TEST(WrapTextTest, WrapsAtTheWrapWidth)
{
    EXPECT_EQ(DumpLengths(WrapText(std::string(79, 'a'), kWrap80)), "79|B");
    // Exactly the wrap width: a full row and an empty rest.
    EXPECT_EQ(DumpLengths(WrapText(std::string(80, 'a'), kWrap80)), "80|W 0|B");
    EXPECT_EQ(DumpLengths(WrapText(std::string(200, 'a'), kWrap80)), "80|W 80|W 40|B");
    EXPECT_EQ(DumpLengths(WrapText(std::string(200, 'a'), kNoWrap)), "200|B");
    EXPECT_EQ(DumpLengths(WrapText(std::string(30, 'a'), TWrapRule{true, 20, 8})), "20|W 10|B");
}

TEST(WrapTextTest, NeverSplitsADoubleByteCharacter)
{
    const RowList rows = WrapText(std::string(79, 'a') + "\x82\xA0" + "b", kWrap80);
    ASSERT_EQ(DumpLengths(rows), "79|W 3|B");
    EXPECT_EQ(rows.Text(1),
              "\x82\xA0"
              "b");
    // Forty "ソ" (trail byte 0x5C) fill 80 columns exactly.
    std::string so;
    for (int i = 0; i < 41; ++i)
        so += "\x83\x5C";
    const RowList soRows = WrapText(so, kWrap80);
    ASSERT_EQ(DumpLengths(soRows), "80|W 2|B");
    EXPECT_EQ(soRows.Text(1), "\x83\x5C");
}

TEST(WrapTextTest, KeepsATabWholeInTheRowWhereItStarts)
{
    const RowList rows = WrapText(std::string(78, 'a') + "\tbc", kWrap80);
    ASSERT_EQ(DumpLengths(rows), "79|W 2|B");
    EXPECT_EQ(rows.Text(0).back(), '\t');
    // Each row counts its tabs from its own start.
    const RowList tabs = WrapText(std::string(20, '\t'), TWrapRule{true, 20, 8});
    EXPECT_EQ(DumpLengths(tabs), "3|W 3|W 3|W 3|W 3|W 3|W 2|B");
}

TEST(WrapTextTest, WithEndGivesTheLastRowItsEnd)
{
    EXPECT_EQ(Dump(WrapTextWithEnd("a\r\nb", kNoWrap, reEof)), "a|B b|E");
    // A full row that goes on in the next row gains no empty rest.
    EXPECT_EQ(DumpLengths(WrapTextWithEnd(std::string(80, 'a'), kWrap80, reWrap)), "80|W");
    EXPECT_EQ(DumpLengths(WrapTextWithEnd(std::string(80, 'a'), kWrap80, reEof)), "80|W 0|E");
    EXPECT_EQ(Dump(WrapTextWithEnd("", kWrap80, reWrap)), "|W");
}

TEST(TextLinesTest, TrimsTrailingBlanksButNotTabs)
{
    EXPECT_EQ(TrimTrailingBlanks("ab  \x01 "), "ab");
    EXPECT_EQ(TrimTrailingBlanks("ab\t "), "ab\t");
    EXPECT_EQ(TrimTrailingBlanks(std::string("a\0", 2)), "a");
    EXPECT_EQ(TrimTrailingBlanks("   "), "");
}

}  // namespace
}  // namespace tavi
