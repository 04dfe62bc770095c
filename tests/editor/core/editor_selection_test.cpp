// Tests of the selection: text offsets, SelText, SelectAll, keyboard and mouse selecting, and their repaints.
#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace tavi {
namespace {

using SelectionTest = testing::EditorFixture;

TEST_F(SelectionTest, OffsetsCountTwoBytesPerLineBreak)
{
    Load("ab\r\ncd\r\n");
    core.SetSelStart(0);
    core.SetSelLength(5);
    EXPECT_EQ(core.SelText(), "ab\r\nc");
    EXPECT_EQ(Caret(), "1,1");
    const TSelBounds b = core.SelectionBounds();
    EXPECT_EQ(b, (TSelBounds{TRow(0), TByte(0), TColumn(0), TRow(1), TByte(1), TColumn(1)}));
    EXPECT_EQ(core.SelStart(), 0);
    EXPECT_EQ(core.SelLength(), 5);
    EXPECT_EQ(core.GetTextLen(), 8);
    core.SetSelStart(3);  // inside a line break: the end of its row
    EXPECT_FALSE(core.Selected());
    EXPECT_EQ(Caret(), "0,2");
    core.SetSelStart(100);
    EXPECT_EQ(Caret(), "2,0");
    core.SetSelStart(-4);
    EXPECT_EQ(Caret(), "0,0");
}

TEST_F(SelectionTest, ASelectionNeverSplitsADoubleByteCharacter)
{
    Load(
        "a\x82\xA0"
        "b\r\n");
    core.SetSelLength(2);
    EXPECT_EQ(core.SelText(), "a\x82\xA0");
    EXPECT_EQ(core.SelectionBounds().EndCol, TColumn(3));
}

TEST_F(SelectionTest, WrappedRowsJoinWithoutABreak)
{
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    Load(std::string(25, 'a') + "\r\nb");
    core.SelectAll();
    EXPECT_EQ(core.SelText(), std::string(25, 'a') + "\r\nb");
    EXPECT_EQ(core.GetTextLen(), 28);
    EXPECT_EQ(Caret(), "2,1");
}

TEST_F(SelectionTest, ShiftExtendsFromTheAnchorAndOtherKeysDeselect)
{
    Load("abc\r\ndef\r\nghi\r\n", 2, 1);
    Key(TEditKey::Up, true);
    Key(TEditKey::Up, true);
    EXPECT_EQ(core.SelText(), "bc\r\ndef\r\ng");
    EXPECT_EQ(view.underlineHidden, 1);  // hidden while the selection lasts
    Key(TEditKey::Right, true);          // resumes from the same anchor
    EXPECT_EQ(core.SelText(), "c\r\ndef\r\ng");
    core.SelectAll();  // after a selection made upwards
    EXPECT_EQ(core.SelText(), "abc\r\ndef\r\nghi\r\n");
    view.Reset();
    Key(TEditKey::Left);
    EXPECT_FALSE(core.Selected());
    EXPECT_EQ(view.Paints().front(), "rows 0 3");  // the rows it covered, from the row above
    EXPECT_EQ(view.underlineHidden, 0);
}

TEST_F(SelectionTest, ExtendingReportsTheOldAndNewBounds)
{
    Load("abc\r\ndef\r\n", 0, 0);
    Key(TEditKey::Right, true);
    Key(TEditKey::Down, true);
    EXPECT_EQ(core.PrevSelectionBounds().EndRow, TRow(0));
    EXPECT_EQ(core.SelectionBounds().EndRow, TRow(1));
    std::vector<std::string> sels;
    for (const auto& c : view.calls) {
        if (c.rfind("sel", 0) == 0)
            sels.push_back(c);
    }
    EXPECT_EQ(sels, (std::vector<std::string>{"sel 0-0 0-0", "sel 0-0 0-1"}));
}

TEST_F(SelectionTest, TheMouseSelectsOnceItHasMovedHalfACell)
{
    Load("abcdef\r\nghi\r\n");
    core.MouseDown(0, 1, 10, 5);
    core.MouseMove(0, 1, 13, 5, 4);  // less than the threshold
    EXPECT_FALSE(core.Selected());
    core.MouseMove(1, 2, 20, 20, 4);
    EXPECT_TRUE(core.Selected());
    EXPECT_EQ(core.SelText(), "bcdef\r\ngh");
    core.MouseUp();
    core.MouseMove(1, 3, 30, 20, 4);  // the button is up: nothing follows
    EXPECT_EQ(Caret(), "1,2");
    Key(TEditKey::Right, true);  // Shift resumes from the mouse anchor
    EXPECT_EQ(core.SelText(), "bcdef\r\nghi");
    core.MouseDown(1, 0, 0, 20);  // a new press clears it
    EXPECT_FALSE(core.Selected());
}

TEST_F(SelectionTest, ClickingTheSecondHalfOfADoubleByteCharacterMeansTheCharacter)
{
    Load(
        "a\x82\xA0"
        "b\r\n");
    core.MouseDown(0, 2, 20, 5);
    EXPECT_EQ(Caret(), "0,1");
    EXPECT_TRUE(core.CaretOnDoubleByte());
    const TCaretShape brief = CaretShapeIn(csBrief, core.CaretOnDoubleByte(), 8, 1, 16);
    EXPECT_EQ((std::vector<int>{brief.Left, brief.Top, brief.Width, brief.Height}), (std::vector<int>{0, 14, 14, 2}));
    const TCaretShape bar = CaretShapeIn(csDefault, core.CaretOnDoubleByte(), 8, 1, 16);
    EXPECT_EQ((std::vector<int>{bar.Width, bar.Height}), (std::vector<int>{2, 16}));
}

TEST_F(SelectionTest, ChangingTheRowsEndsTheSelection)
{
    Load("abc\r\ndef\r\n");
    core.SelectAll();
    core.Lines().Put(1, "x");  // the bounds would no longer fit the rows
    EXPECT_FALSE(core.Selected());
    EXPECT_EQ(core.SelText(), "");
    core.ClearSelection();
    EXPECT_EQ(Text(), "abc\r\nx\r\n");
}

}  // namespace
}  // namespace tavi
