// Tests of Lines: each string-list operation's rows, undo record, caret placement and repaint requests.
#include "editor/core/editor_strings.h"

#include <gtest/gtest.h>

#include "editor/core/editor_core.h"
#include "editor/core/editor_error.h"
#include "recording_view.h"
#include "row_dump.h"

namespace tavi {
namespace {

using testing::Dump;
using testing::DumpLengths;

class LinesTest : public ::testing::Test {
protected:
    LinesTest() { core.SetView(&view); }

    // Rows as given, with undo emptied and the recording cleared.
    void SetRows(std::initializer_list<std::pair<const char*, TRowEnd>> rows)
    {
        RowList list;
        for (const auto& [text, end] : rows)
            list.Append(text, end);
        core.Document().Load(std::move(list), true);
        core.Document().ClearUndo();
        view.Reset();
    }
    std::string Caret() const { return std::to_string(core.CaretRow()) + "," + std::to_string(core.CaretCol()); }

    testing::TRecordingView view;
    TEditorCore core;
    TEditorStrings& lines = core.Lines();
};

TEST_F(LinesTest, AddOnAnEmptyDocumentEndsWithALineBreak)
{
    EXPECT_EQ(lines.Add("a"), 0);
    EXPECT_EQ(Dump(core.Rows()), "a|B");
    EXPECT_EQ(Caret(), "1,0");  // the empty position after the line
    EXPECT_EQ(view.Paints(), std::vector<std::string>{"shift 0 1"});
    core.Undo();
    EXPECT_EQ(Dump(core.Rows()), "");
    EXPECT_EQ(Caret(), "0,0");
}

TEST_F(LinesTest, AddAfterAFinalLineBreakKeepsIt)
{
    SetRows({{"x", reBreak}});
    EXPECT_EQ(lines.Add("a"), 1);
    EXPECT_EQ(Dump(core.Rows()), "x|B a|B");
    core.Undo();
    EXPECT_EQ(Dump(core.Rows()), "x|B");
}

TEST_F(LinesTest, AddAfterATextWithoutFinalBreakKeepsItOpen)
{
    SetRows({{"x", reEof}});
    lines.Add("ab");
    EXPECT_EQ(Dump(core.Rows()), "x|B ab|E");
    EXPECT_EQ(Caret(), "1,2");  // on the last row, behind its text
    EXPECT_EQ(view.Paints(), (std::vector<std::string>{"shift 1 1", "rows 0 0"}));
    core.Undo();
    EXPECT_EQ(Dump(core.Rows()), "x|E");
    EXPECT_EQ(lines.GetTextStr(), "x");
    core.Redo();
    EXPECT_EQ(Dump(core.Rows()), "x|B ab|E");
}

TEST_F(LinesTest, AddAfterAnOpenWrappedRowEndsItWithAnEmptyRest)
{
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    SetRows({{"aaaaaaaaaaaaaaaaaaaa", reWrap}});
    EXPECT_EQ(lines.GetCount(), 1);
    lines.Add("b");
    EXPECT_EQ(DumpLengths(core.Rows()), "20|W 0|B 1|E");
    EXPECT_EQ(lines.GetTextStr(), std::string(20, 'a') + "\r\nb");
    EXPECT_EQ(lines.GetCount(), 2);
    core.Undo();
    EXPECT_EQ(DumpLengths(core.Rows()), "20|W");
}

TEST_F(LinesTest, AddOfSeveralLinesIsOneUndoStep)
{
    lines.Add("head");
    lines.Add("P {\r\n  margin : 10px }");
    EXPECT_EQ(lines.GetTextStr(), "head\r\nP {\r\n  margin : 10px }\r\n");
    EXPECT_EQ(core.Document().UndoObj().UndoList().Count(), 2);
    core.Undo();
    EXPECT_EQ(lines.GetTextStr(), "head\r\n");
}

TEST_F(LinesTest, AddWrapsLongLinesAndDisposesTrailingBlanks)
{
    ASSERT_TRUE(core.DisposeBlank());
    lines.Add("a \t \r\nb  ");
    EXPECT_EQ(Dump(core.Rows()), "a \t|B b|B");
    core.SetWordWrap(true);
    EXPECT_FALSE(core.DisposeBlank());
    lines.Add(std::string(90, 'c') + "  ");
    EXPECT_EQ(DumpLengths(core.Rows()), "3|B 1|B 80|W 12|B");
    EXPECT_EQ(lines.Get(2), std::string(90, 'c') + "  ");
}

TEST_F(LinesTest, InsertPutsLinesBeforeALineOrAppendsAtTheEnd)
{
    SetRows({{"a", reBreak}, {"c", reEof}});
    lines.Insert(1, "b1\r\nb2");
    EXPECT_EQ(Dump(core.Rows()), "a|B b1|B b2|B c|E");
    EXPECT_EQ(Caret(), "3,0");
    EXPECT_EQ(view.Paints(), std::vector<std::string>{"shift 1 2"});
    lines.Insert(4, "d");  // at the end: Add, the text stays open
    EXPECT_EQ(Dump(core.Rows()), "a|B b1|B b2|B c|B d|E");
    EXPECT_THROW(lines.Insert(6, "x"), TEditorError);
    EXPECT_THROW(lines.Insert(-1, "x"), TEditorError);
    core.Undo();
    core.Undo();
    EXPECT_EQ(Dump(core.Rows()), "a|B c|E");
}

TEST_F(LinesTest, PutReplacesAWholeWrappedLineAndKeepsItsEnd)
{
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    SetRows({{"first", reBreak}, {"aaaaaaaaaaaaaaaaaaaa", reWrap}, {"bbbbb", reEof}});
    ASSERT_EQ(lines.Get(1), std::string(20, 'a') + "bbbbb");
    lines.Put(1, "x\r\ny");
    EXPECT_EQ(Dump(core.Rows()), "first|B x|B y|E");
    EXPECT_EQ(Caret(), "2,0");
    EXPECT_EQ(view.Paints(), (std::vector<std::string>{"rows 1 2"}));
    lines.Put(0, std::string(25, 'z'));
    EXPECT_EQ(DumpLengths(core.Rows()), "20|W 5|B 1|B 1|E");
    core.Undo();
    core.Undo();
    EXPECT_EQ(DumpLengths(core.Rows()), "5|B 20|W 5|E");
    EXPECT_EQ(lines.Get(1), std::string(20, 'a') + "bbbbb");
    EXPECT_THROW(lines.Put(2, "x"), TEditorError);
}

TEST_F(LinesTest, DeleteRemovesEveryRowOfTheLine)
{
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    SetRows({{"aaaaaaaaaaaaaaaaaaaa", reWrap}, {"a", reBreak}, {"b", reEof}});
    lines.Delete(0);
    EXPECT_EQ(Dump(core.Rows()), "b|E");
    EXPECT_EQ(Caret(), "0,0");
    EXPECT_EQ(view.Paints(), (std::vector<std::string>{"shift 0 -2"}));  // "b" only moves up
    lines.Delete(0);
    EXPECT_EQ(Dump(core.Rows()), "");
    EXPECT_THROW(lines.Delete(0), TEditorError);
    core.Undo();
    core.Undo();
    EXPECT_EQ(DumpLengths(core.Rows()), "20|W 1|B 1|E");
}

TEST_F(LinesTest, CountAndGetSeeLogicalLines)
{
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    lines.SetTextStr(std::string(45, 'a') + "\r\n\r\nb");
    EXPECT_EQ(core.Rows().Count(), 5);
    EXPECT_EQ(lines.GetCount(), 3);
    EXPECT_EQ(lines.Get(0), std::string(45, 'a'));
    EXPECT_EQ(lines.Get(1), "");
    EXPECT_EQ(lines.Get(2), "b");
    EXPECT_EQ(lines.IndexOf("b"), 2);
    EXPECT_THROW(lines.Get(3), TEditorError);
    core.SetWordWrap(false);
    EXPECT_EQ(lines.GetCount(), 3);
    EXPECT_THROW(lines.Get(-1), TEditorError);
}

TEST_F(LinesTest, TextEndsEveryLineWithABreak)
{
    lines.Add("old");
    lines.SetTextStr("a\r\nb");
    EXPECT_EQ(Dump(core.Rows()), "a|B b|B");
    EXPECT_EQ(lines.GetTextStr(), "a\r\nb\r\n");
    EXPECT_FALSE(core.CanUndo());
    lines.SetTextStr("x\ny\rz\r\n");
    EXPECT_EQ(Dump(core.Rows()), "x|B y|B z|B");
    lines.SetTextStr("");
    EXPECT_EQ(core.Rows().Count(), 0);
}

TEST_F(LinesTest, ClearEmptiesRowsUndoAndCaret)
{
    lines.Add("a");
    lines.Add("b");
    view.Reset();
    lines.Clear();
    EXPECT_EQ(core.Rows().Count(), 0);
    EXPECT_FALSE(core.CanUndo());
    EXPECT_FALSE(core.CanRedo());
    EXPECT_EQ(Caret(), "0,0");
    EXPECT_EQ(view.Paints(), std::vector<std::string>{"all"});
}

TEST_F(LinesTest, UpdateBracketsDeferRepaintsAndChangeReports)
{
    int changes = 0;
    core.OnChange = [&] { ++changes; };
    lines.BeginUpdate();
    lines.BeginUpdate();
    lines.Add("a");
    lines.Insert(0, "b");
    lines.EndUpdate();
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(view.Paints(), std::vector<std::string>{});
    EXPECT_EQ(view.caretHidden, 1);
    lines.EndUpdate();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(view.caretHidden, 0);
    EXPECT_EQ(view.underlineHidden, 0);
    EXPECT_EQ(view.Paints(), std::vector<std::string>{"all"});
    EXPECT_EQ(view.calls.front(), "redraw off");
    EXPECT_TRUE(core.Modified());
}

TEST_F(LinesTest, AssignCopiesTheTextAndPutsTheCaretAfterIt)
{
    TEditorCore other;
    other.Lines().Add("p");
    other.Lines().Add("q");
    lines.Assign(other.Lines());
    EXPECT_EQ(lines.GetTextStr(), "p\r\nq\r\n");
    EXPECT_EQ(Caret(), "2,0");
    lines.Assign(std::vector<std::string>{"r"});
    EXPECT_EQ(Dump(core.Rows()), "r|B");
}

}  // namespace
}  // namespace tavi
