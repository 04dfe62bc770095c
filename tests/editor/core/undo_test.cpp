// Tests of the undo engine: one record per operation, redo, the record limit and clearing.
#include "editor/core/undo.h"

#include <gtest/gtest.h>

#include "editor/core/editor_core.h"
#include "recording_view.h"
#include "row_dump.h"

namespace tavi {
namespace {

using testing::Dump;
using testing::DumpLengths;

class UndoTest : public ::testing::Test {
protected:
    UndoTest() { core.SetView(&view); }
    std::string Caret() const { return std::to_string(core.CaretRow()) + "," + std::to_string(core.CaretCol()); }

    testing::TRecordingView view;
    TEditorCore core;
    TEditorStrings& lines = core.Lines();
};

TEST_F(UndoTest, UndoAndRedoWalkBackAndForthThroughEveryOperation)
{
    lines.Add("a");
    lines.Add("b");
    lines.Insert(0, "c");
    lines.Put(1, "A");
    lines.Delete(2);
    ASSERT_EQ(Dump(core.Rows()), "c|B A|B");
    const std::vector<std::string> states = {"", "a|B", "a|B b|B", "c|B a|B b|B", "c|B A|B b|B", "c|B A|B"};
    for (int i = 4; i >= 0; --i) {
        core.Undo();
        ASSERT_EQ(Dump(core.Rows()), states[i]) << i;
    }
    EXPECT_FALSE(core.CanUndo());
    core.Undo();  // nothing to undo: nothing happens
    EXPECT_EQ(Dump(core.Rows()), "");
    for (int i = 1; i <= 5; ++i) {
        core.Redo();
        ASSERT_EQ(Dump(core.Rows()), states[i]) << i;
    }
    EXPECT_FALSE(core.CanRedo());
    EXPECT_EQ(core.Document().UndoObj().UndoList().Count(), 5);
}

TEST_F(UndoTest, TheCaretReturnsToWhereEachRecordWasMade)
{
    lines.Add("ab");
    lines.Add("cd");
    ASSERT_EQ(Caret(), "2,0");
    lines.Delete(0);
    ASSERT_EQ(Caret(), "0,0");
    core.Undo();
    EXPECT_EQ(Caret(), "2,0");  // where the caret stood before the deletion
    core.Redo();
    EXPECT_EQ(Caret(), "0,0");  // where it stood when the deletion was undone
}

TEST_F(UndoTest, ANewEditClearsRedo)
{
    lines.Add("a");
    lines.Add("b");
    core.Undo();
    ASSERT_TRUE(core.CanRedo());
    lines.Add("c");
    EXPECT_FALSE(core.CanRedo());
    EXPECT_EQ(Dump(core.Rows()), "a|B c|B");
}

TEST_F(UndoTest, KeepsTheNewestSixtyFourRecords)
{
    for (int i = 0; i < 65; ++i)
        lines.Add(std::to_string(i));
    EXPECT_EQ(core.Document().UndoObj().UndoList().Count(), 64);
    while (core.CanUndo())
        core.Undo();
    EXPECT_EQ(Dump(core.Rows()), "0|B");  // the first Add can no longer be undone
    EXPECT_EQ(core.Document().UndoObj().RedoList().Count(), 64);
}

TEST_F(UndoTest, ListMaxIsNeverBelowSixtyFour)
{
    core.SetUndoListMax(10);
    EXPECT_EQ(core.UndoListMax(), 64);
    core.SetUndoListMax(100);
    for (int i = 0; i < 120; ++i)
        lines.Add("x");
    EXPECT_EQ(core.Document().UndoObj().UndoList().Count(), 100);
    core.SetUndoListMax(70);  // lowering drops the oldest records at once
    EXPECT_EQ(core.Document().UndoObj().UndoList().Count(), 70);
}

TEST_F(UndoTest, UndoAndRedoGoOnThroughANewLayoutOfTheSameText)
{
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    lines.Add(std::string(30, 'a'));  // wrapped onto two rows
    lines.Add("b");
    core.PlaceCaretAt(1, 5);
    core.TypeChars("xyz");  // inside the wrapped row
    const std::string typed = std::string(25, 'a') + "xyz" + std::string(5, 'a');
    core.SetWrapByte(40);  // the line fits one row now: the records name rows that are gone
    ASSERT_TRUE(core.CanUndo());
    core.Undo();
    EXPECT_EQ(lines.Get(0), std::string(30, 'a'));
    EXPECT_EQ(Caret(), "0,25");  // where the typing began, in the new rows
    core.Redo();
    EXPECT_EQ(lines.Get(0), typed);
    core.SetWordWrap(false);
    for (int i = 0; i < 3; ++i)
        core.Undo();
    EXPECT_EQ(Dump(core.Rows()), "");
    EXPECT_FALSE(core.CanUndo());
    core.SetWordWrap(true);
    for (int i = 0; i < 3; ++i)
        core.Redo();
    EXPECT_EQ(lines.Get(0), typed);
    EXPECT_EQ(DumpLengths(core.Rows()), "33|B 1|B");
}

TEST_F(UndoTest, AnOpenFullRowGainsNoEmptyRestWhenRestored)
{
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    RowList rows;
    rows.Append(std::string(20, 'a'), reWrap);
    core.Document().Load(std::move(rows), true);
    lines.Delete(0);
    EXPECT_EQ(core.Rows().Count(), 0);
    core.Undo();
    EXPECT_EQ(DumpLengths(core.Rows()), "20|W");
}

TEST_F(UndoTest, RepaintsOnlyTheRowsTheStepChanged)
{
    lines.Add("x");
    lines.Add("a\r\nb");
    view.Reset();
    core.Undo();
    EXPECT_EQ(view.Paints(), (std::vector<std::string>{"shift 1 -2"}));
    EXPECT_EQ(view.caretHidden, 0);
    EXPECT_EQ(view.underlineHidden, 0);
    view.Reset();
    core.Redo();
    EXPECT_EQ(view.Paints(), (std::vector<std::string>{"shift 1 2"}));
    lines.Put(0, "y");
    view.Reset();
    core.Undo();
    EXPECT_EQ(view.Paints(), (std::vector<std::string>{"rows 0 0"}));
}

}  // namespace
}  // namespace tavi

namespace tavi {
namespace {

// A record keeps what its edit changed, not the long line it changed it in.
TEST_F(UndoTest, KeysTypedIntoALongLineKeepOnlyWhatTheyChanged)
{
    core.SetWordWrap(true);
    std::string line;
    for (int i = 0; line.size() < (std::size_t{1} << 18); ++i)
        line += "margin : " + std::to_string(i) + "px; /* \x97\x5D\x94\x92 */ ";  // 余白
    lines.SetTextStr(line);
    const std::string loaded = lines.GetTextStr();
    core.Document().ClearUndo();
    core.SetSelStart(static_cast<long long>(line.size() / 2));
    for (int i = 0; i < 63; ++i)
        core.TypeChars(i % 2 ? "a" : "\x95\x5C");  // 表
    core.SetSelStart(10);
    core.SetSelLength(5);
    core.ClearSelection();  // a deletion, too
    const TUndoDataList& records = core.Document().UndoObj().UndoList();
    ASSERT_EQ(records.Count(), 64);  // all of them: the list keeps 64
    std::size_t kept = 0;
    for (int i = 0; i < records.Count(); ++i)
        kept += records[i].Text.size();
    EXPECT_LE(kept, 64u * 8);

    const std::string typed = lines.GetTextStr();
    while (core.CanUndo())
        core.Undo();
    EXPECT_TRUE(lines.GetTextStr() == loaded);
    while (core.CanRedo())
        core.Redo();
    EXPECT_TRUE(lines.GetTextStr() == typed);
}

// Stops the work at its n-th report (counting from 1), and counts the reports.
class StoppingMeter : public TWorkMeter {
public:
    explicit StoppingMeter(int stopAt) : stopAt_(stopAt) {}
    bool GoOn(long long done, long long total) override
    {
        EXPECT_LE(done, total);
        return ++reports != stopAt_;
    }
    int reports = 0;

private:
    int stopAt_;
};

TEST_F(UndoTest, AnEditOrStepStoppedOnTheWorkMeterChangesNothing)
{
    core.SetWordWrap(true);
    const std::string big(3 << 20, 'x');  // several report steps of wrapping
    lines.SetTextStr("keep\r\n");
    // The edit, then its undo, then its redo, each stopped at every report it makes in turn.
    for (const int phase : {0, 1, 2}) {
        for (int stopAt = 1;; ++stopAt) {
            const std::string before = lines.GetTextStr();
            const std::uint64_t state = core.Document().UndoObj().State();
            const int undoCount = core.Document().UndoObj().UndoList().Count();
            StoppingMeter meter(stopAt);
            core.Document().SetWorkMeter(&meter);
            const bool done = phase == 0   ? core.ReplaceRange(0, 0, big)
                              : phase == 1 ? (core.Undo(), lines.GetTextStr() != before)
                                           : (core.Redo(), lines.GetTextStr() != before);
            core.Document().SetWorkMeter(nullptr);
            if (meter.reports < stopAt) {
                ASSERT_TRUE(done) << phase;  // ran to its end before the stop came
                break;
            }
            ASSERT_FALSE(done) << phase << " " << stopAt;
            ASSERT_EQ(lines.GetTextStr(), before);
            ASSERT_EQ(core.Document().UndoObj().State(), state);
            ASSERT_EQ(core.Document().UndoObj().UndoList().Count(), undoCount);
        }
    }
    EXPECT_EQ(lines.GetTextStr(), big + "keep\r\n");
    core.Undo();
    EXPECT_EQ(lines.GetTextStr(), "keep\r\n");
}

}  // namespace
}  // namespace tavi
