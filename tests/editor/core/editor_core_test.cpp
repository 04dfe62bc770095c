// Tests of the editor document: settings and their interlocks, row reads, re-wrapping and caret placement.
#include "editor/core/editor_core.h"

#include <gtest/gtest.h>

#include "recording_view.h"
#include "row_dump.h"

namespace tavi {
namespace {

using testing::Dump;
using testing::DumpLengths;

class EditorCoreTest : public ::testing::Test {
protected:
    EditorCoreTest() { core.SetView(&view); }
    void SetRows(std::initializer_list<std::pair<std::string, TRowEnd>> rows)
    {
        RowList list;
        for (const auto& [text, end] : rows)
            list.Append(text, end);
        core.Document().Load(std::move(list), true);
        view.Reset();
    }
    std::string Caret() const { return std::to_string(core.CaretRow()) + "," + std::to_string(core.CaretCol()); }

    testing::TRecordingView view;
    TEditorCore core;
};

TEST_F(EditorCoreTest, SettingsAreClamped)
{
    core.SetTabSpaceCount(5);
    EXPECT_EQ(core.TabSpaceCount(), 4);
    core.SetTabSpaceCount(1);
    EXPECT_EQ(core.TabSpaceCount(), 2);
    core.SetTabSpaceCount(20);
    EXPECT_EQ(core.TabSpaceCount(), 8);
    core.SetWrapByte(10);
    EXPECT_EQ(core.WrapByte(), 20);
    core.SetWrapByte(300);
    EXPECT_EQ(core.WrapByte(), 250);
}

TEST_F(EditorCoreTest, DisposeBlankNeedsAFreeCaretAndNoMarksOrWrapping)
{
    EXPECT_TRUE(core.DisposeBlank());  // the control's default
    core.SetEofMark(true);
    EXPECT_FALSE(core.DisposeBlank());
    core.SetDisposeBlank(true);
    EXPECT_FALSE(core.DisposeBlank());  // refused while the end mark shows
    core.SetEofMark(false);
    const auto turnsOff = [&](auto setting) {
        core.SetDisposeBlank(true);
        setting();
        return !core.DisposeBlank();
    };
    EXPECT_TRUE(turnsOff([&] { core.SetRetMark(true); }));
    core.SetRetMark(false);
    EXPECT_TRUE(turnsOff([&] { core.SetCaretFree(false); }));
    core.SetCaretFree(true);
    EXPECT_TRUE(turnsOff([&] { core.SetWordWrap(true); }));
}

TEST_F(EditorCoreTest, RowReadsGiveNeutralValuesOutOfRange)
{
    SetRows({{"a\tb", reWrap}, {"c", reBreak}, {"d", reEof}});
    core.SetTabSpaceCount(4);
    EXPECT_EQ(core.DisplayRowText(0), "a   b");
    EXPECT_EQ(core.RowWidth(0), 5);
    EXPECT_EQ(core.RowText(3), "");
    EXPECT_EQ(core.RowEnd(-1), reEof);
    EXPECT_EQ(core.RowWidth(9), 0);
    EXPECT_EQ(core.DisplayRowText(3), "");
}

TEST_F(EditorCoreTest, TakeRowsJoinsABandOrALine)
{
    SetRows({{"a", reWrap}, {"b", reBreak}, {"c", reEof}});
    const auto line = core.Document().TakeRows(TRow(0), -1);
    EXPECT_EQ(line.Text, "ab\r\n");
    EXPECT_EQ(line.Count, 2);
    EXPECT_EQ(line.LastEnd, reBreak);
    const auto band = core.Document().TakeRows(TRow(1), 5);
    EXPECT_EQ(band.Text, "b\r\nc");
    EXPECT_EQ(band.Count, 2);
    EXPECT_EQ(band.LastEnd, reEof);
    const auto none = core.Document().TakeRows(TRow(3), 1);
    EXPECT_EQ(none.Count, 0);
    EXPECT_EQ(none.LastEnd, -1);
}

TEST_F(EditorCoreTest, WrappingOnAndOffKeepsTheTextAndTheCaretInside)
{
    core.Lines().SetTextStr(std::string(100, 'a') + "\r\nb");
    core.SetCaretRow(2);
    core.SetCaretCol(1);
    core.SetWordWrap(true);
    EXPECT_EQ(DumpLengths(core.Rows()), "80|W 20|B 1|B");
    EXPECT_EQ(Caret(), "2,0");
    core.SetCaretRow(3);
    core.SetWordWrap(false);
    EXPECT_EQ(DumpLengths(core.Rows()), "100|B 1|B");
    EXPECT_EQ(Caret(), "2,0");
    EXPECT_EQ(core.Lines().GetTextStr(), std::string(100, 'a') + "\r\nb\r\n");
}

TEST_F(EditorCoreTest, CaretRowStaysWithinTheText)
{
    SetRows({{"ab", reBreak}, {"cd", reEof}});
    core.SetCaretRow(5);
    EXPECT_EQ(core.CaretRow(), 1);  // no position after a text without a final break
    core.SetCaretRow(-3);
    EXPECT_EQ(core.CaretRow(), 0);
    SetRows({{"ab", reBreak}, {"cd", reBreak}});
    core.SetCaretRow(5);
    EXPECT_EQ(core.CaretRow(), 2);
    EXPECT_EQ(view.underlineHidden, 0);
}

TEST_F(EditorCoreTest, CaretColumnAvoidsTrailBytesAndTabs)
{
    SetRows({{"abcdef", reBreak},
             {"ab\x82\xA0"
              "c",
              reBreak},
             {"abcdef", reBreak},
             {"a\tb", reBreak}});
    core.SetCaretCol(3);
    core.SetCaretRow(1);
    EXPECT_EQ(Caret(), "1,2");  // moved onto the character's first half
    core.SetCaretRow(2);
    EXPECT_EQ(Caret(), "2,3");  // and back to its column below
    core.SetCaretRow(1);
    core.SetCaretCol(3);  // a rightward move lands after the character
    EXPECT_EQ(Caret(), "1,4");
    core.SetCaretRow(3);
    core.SetCaretCol(3);  // inside the tab, moving left: to the tab's first column
    EXPECT_EQ(Caret(), "3,1");
    core.SetCaretCol(2);  // moving right: after the tab
    EXPECT_EQ(Caret(), "3,8");
    core.Options().CaretInTab = true;
    core.SetCaretCol(5);
    EXPECT_EQ(Caret(), "3,5");
    core.SetCaretCol(50);  // a free caret may stand past the row's end
    EXPECT_EQ(Caret(), "3,50");
    core.SetCaretFree(false);
    core.SetCaretCol(49);
    EXPECT_EQ(Caret(), "3,9");
    core.SetCaretCol(100000);
    EXPECT_EQ(core.CaretCol(), 9);
}

TEST_F(EditorCoreTest, WrappedCaretStaysInsideTheWrapWidth)
{
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    core.Lines().SetTextStr(std::string(19, 'a') +
                            "\x82\xA0"
                            "b");
    ASSERT_EQ(DumpLengths(core.Rows()), "19|W 3|B");
    core.SetCaretCol(30);
    EXPECT_EQ(Caret(), "0,18");  // not at the end of a wrapped row
    core.SetCaretRow(1);
    core.SetCaretCol(25);
    EXPECT_EQ(Caret(), "1,19");
}

TEST_F(EditorCoreTest, ChangesMarkTheDocumentModified)
{
    int changes = 0;
    core.OnChange = [&] { ++changes; };
    EXPECT_FALSE(core.Modified());
    core.Lines().Add("a");
    EXPECT_TRUE(core.Modified());
    EXPECT_EQ(changes, 1);
    core.SetModified(false);
    core.Lines().GetTextStr();
    core.Lines().Get(0);
    EXPECT_FALSE(core.Modified());
    EXPECT_NE(std::find(view.calls.begin(), view.calls.end(), "scrollbars"), view.calls.end());
}

TEST_F(EditorCoreTest, UndoingBackToTheSavePointLeavesTheDocumentUnmodified)
{
    EXPECT_FALSE(core.Modified());
    core.TypeChars("a");
    EXPECT_TRUE(core.Modified());
    core.Undo();
    EXPECT_FALSE(core.Modified());  // back to the start
    core.Redo();
    EXPECT_TRUE(core.Modified());  // redone away from it

    core.SetModified(false);  // saved with "a"
    core.TypeChars("b");
    core.TypeChars("c");
    core.Undo();
    EXPECT_TRUE(core.Modified());
    core.Undo();
    EXPECT_FALSE(core.Modified());
    core.Undo();
    EXPECT_TRUE(core.Modified());  // past the save point
    core.TypeChars("x");           // the saved text can no longer be reached by undo or redo
    core.Undo();
    EXPECT_TRUE(core.Modified());
    core.Redo();
    EXPECT_TRUE(core.Modified());

    // A new layout of the same text changes nothing; setting a text whole is a change.
    core.SetModified(false);
    core.SetWordWrap(!core.WordWrap());
    core.SetTabSpaceCount(core.TabSpaceCount() == 8 ? 4 : 8);
    EXPECT_FALSE(core.Modified());
    core.Lines().SetTextStr("P { }\r\n");
    EXPECT_TRUE(core.Modified());
    core.SetModified(true);  // counted as changed until the next save point
    core.TypeChars("y");
    core.Undo();
    EXPECT_TRUE(core.Modified());
}

}  // namespace
}  // namespace tavi
