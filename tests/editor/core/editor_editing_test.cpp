// Tests of editing at the caret: typing, pasting, deleting the selection, Delete, Backspace, Enter and Tab, with undo
// and repaints.
#include <gtest/gtest.h>

#include <iterator>
#include <random>

#include "editor/core/comment_toggle.h"
#include "editor_fixture.h"
#include "row_dump.h"

namespace tavi {
namespace {

using EditingTest = testing::EditorFixture;

TEST_F(EditingTest, TypingInsertsAtTheCaretAsOneRecordAndRepaintsOnlyTheChange)
{
    Load("abcd\r\nxy\r\n", 0, 2);
    core.TypeChars("Z");
    EXPECT_EQ(Rows(), "abZcd|B xy|B");
    EXPECT_EQ(Caret(), "0,3");
    EXPECT_EQ(view.Paints(), (std::vector<std::string>{"typed 0 2 1 1"}));
    EXPECT_EQ(Records(), 1);
    EXPECT_EQ(view.caretHidden, 0);
    core.Undo();
    EXPECT_EQ(Rows(), "abcd|B xy|B");
    EXPECT_EQ(Caret(), "0,2");
}

// In UTF-8 a typed character moves the rest of its row by its columns, not its bytes; Delete
// and Backspace take whole characters, marks and flags included.
TEST_F(EditingTest, Utf8CharactersAreTypedAndDeletedWhole)
{
    core.Lines().LoadFromBytes({}, TTextEncoding::Utf8);
    Load(
        "a\xE3\x81\x82"
        "e\xCC\x81\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5z\r\n",
        0, 3);  // aあé🇯🇵z
    view.Reset();
    core.TypeChars("\xE2\x80\x94\xE3\x81\x84");  // —い: 1 + 2 columns
    EXPECT_EQ(view.Paints(), (std::vector<std::string>{"typed 0 3 1 3"}));
    EXPECT_EQ(Caret(), "0,6");
    Key(TEditKey::Delete);  // é, its mark with it
    Key(TEditKey::Delete);  // the flag
    EXPECT_EQ(Text(), "a\xE3\x81\x82\xE2\x80\x94\xE3\x81\x84z\r\n");
    Key(TEditKey::Backspace);
    Key(TEditKey::Backspace);
    Key(TEditKey::Backspace);
    EXPECT_EQ(Text(), "az\r\n");
    EXPECT_EQ(Caret(), "0,1");
}

TEST_F(EditingTest, TypingAfterALoneLeadByteAtTheEndInsertsJustWhatIsTyped)
{
    // A file ending in a lone lead byte: the byte is one column wide and nothing is padded.
    Load("a\x81", 0, 0);
    Key(TEditKey::End);
    EXPECT_EQ(Caret(), "0,2");
    core.TypeChars("Z");
    EXPECT_EQ(Text(), "a\x81Z");
    core.Undo();
    EXPECT_EQ(Text(), "a\x81");
}

TEST_F(EditingTest, TypingBeyondARowsEndPadsItWithSpaces)
{
    core.SetDisposeBlank(false);
    Load("ab\r\n");
    core.MouseDown(0, 6, 60, 5);  // a free caret: the click stays far right of the text
    core.MouseUp();
    EXPECT_EQ(Caret(), "0,6");
    core.TypeChars("x");
    EXPECT_EQ(Rows(), "ab    x|B");
    EXPECT_EQ(Caret(), "0,7");
    EXPECT_EQ(view.Paints(), (std::vector<std::string>{"rows 0 0"}));  // the whole row: the padding moved marks
}

TEST_F(EditingTest, TypedTextKeepsOnlyWholeCharactersAndAnInputMethodStringIsOneEdit)
{
    Load("ab\r\n", 0, 1);
    core.TypeChars("\x82\xA0\x82\xA2");  // a committed input-method string of two characters
    EXPECT_EQ(Rows(),
              "a\x82\xA0\x82\xA2"
              "b|B");
    EXPECT_EQ(Caret(), "0,5");
    EXPECT_EQ(Records(), 1);
    core.TypeChars("\r\n\t\x01\x82");  // controls, line breaks and a lone lead byte are dropped
    EXPECT_EQ(Records(), 1);
    core.TypeChars("\xB1~");  // half-width katakana and ASCII
    EXPECT_EQ(Rows(), "a\x82\xA0\x82\xA2\xB1~b|B");
    core.Options().ReadOnly = true;
    core.TypeChars("q");
    EXPECT_EQ(Records(), 2);
}

TEST_F(EditingTest, TypingASpaceAtTheEndWithDisposeBlankOnlyMovesTheCaret)
{
    Load("ab\r\n", 0, 2);
    ASSERT_TRUE(core.DisposeBlank());
    core.TypeChars(" ");
    EXPECT_EQ(Rows(), "ab|B");
    EXPECT_EQ(Caret(), "0,3");
    core.TypeChars("c");
    EXPECT_EQ(Rows(), "ab c|B");
}

TEST_F(EditingTest, PastingTextWithALineBreakSplitsTheRow)
{
    Load("abcd\r\n", 0, 2);
    view.clipboard = "x\ny";
    core.PasteFromClipboard();
    EXPECT_EQ(Rows(), "abx|B ycd|B");
    EXPECT_EQ(Caret(), "1,1");
    EXPECT_EQ(Records(), 1);
    // The new row is painted where the shift uncovers it.
    EXPECT_EQ(view.Paints(), (std::vector<std::string>{"shift 1 1", "rows 0 0"}));
    core.Undo();
    EXPECT_EQ(Rows(), "abcd|B");
    view.clipboard = "";
    core.PasteFromClipboard();  // nothing to paste: nothing changes
    EXPECT_EQ(Records(), 0);
}

TEST_F(EditingTest, DeletingAThreeRowSelectionJoinsTheOuterPartsAndOneUndoRestoresThem)
{
    Load("abc\r\ndef\r\nghi\r\njkl\r\n", 0, 1);
    core.SetSelLength(10);  // from b to the h
    EXPECT_EQ(core.SelText(), "bc\r\ndef\r\ng");
    core.ClearSelection();
    EXPECT_EQ(Rows(), "ahi|B jkl|B");
    EXPECT_EQ(Caret(), "0,1");
    EXPECT_FALSE(core.Selected());
    EXPECT_EQ(Records(), 1);
    core.Undo();
    EXPECT_EQ(Rows(), "abc|B def|B ghi|B jkl|B");
    core.Redo();
    EXPECT_EQ(Rows(), "ahi|B jkl|B");
}

TEST_F(EditingTest, TypingOverASelectionDeletesItFirstAsItsOwnRecord)
{
    Load("hello world\r\n", 0, 0);
    core.SetSelLength(5);
    core.TypeChars("bye");
    EXPECT_EQ(Rows(), "bye world|B");
    EXPECT_EQ(Records(), 2);
    core.Undo();
    EXPECT_EQ(Rows(), " world|B");
    core.Undo();
    EXPECT_EQ(Rows(), "hello world|B");
}

TEST_F(EditingTest, ReplacingARangeAcrossLinesIsOneRecord)
{
    Load(
        "abc\r\n\x83\x5C"
        "def\r\nghi\r\n",
        0, 0);
    core.SetSelLength(2);
    core.ReplaceRange(5, 8, "X\r\nY");  // the ソ and the d
    EXPECT_EQ(Text(), "abc\r\nX\r\nYef\r\nghi\r\n");
    EXPECT_FALSE(core.Selected());
    EXPECT_EQ(Caret(), "2,1");
    EXPECT_EQ(Records(), 1);
    core.Undo();
    EXPECT_EQ(Text(),
              "abc\r\n\x83\x5C"
              "def\r\nghi\r\n");

    core.ReplaceRange(6, 6, "Z");  // inside the ソ: after it
    EXPECT_EQ(Text(), "abc\r\n\x83\x5CZdef\r\nghi\r\n");
    EXPECT_EQ(core.TextRange(2, 8), "c\r\n\x83\x5CZ");
    core.Options().ReadOnly = true;
    core.ReplaceRange(0, 3, "");
    EXPECT_EQ(Text(), "abc\r\n\x83\x5CZdef\r\nghi\r\n");
}

TEST_F(EditingTest, ReadOnlyBlocksEditsButNotSelectingCopyingOrClearSelection)
{
    Load("ab\r\ncd\r\n");
    core.Options().ReadOnly = true;
    core.SelectAll();
    core.SetSelText("x");
    view.clipboard = "y";
    core.PasteFromClipboard();
    for (TEditKey key : {TEditKey::Delete, TEditKey::Backspace, TEditKey::Enter})
        Key(key);
    EXPECT_EQ(Text(), "ab\r\ncd\r\n");
    EXPECT_TRUE(core.Selected());
    core.CopyToClipboard();
    EXPECT_EQ(view.clipboard, "ab\r\ncd\r\n");
    core.ClearSelection();
    EXPECT_EQ(Text(), "");
}

TEST_F(EditingTest, EnterIndentsTheNewRowLikeTheCaretRow)
{
    core.SetDisposeBlank(false);
    Load("\x81\x40  abc\r\n", 0, 6);  // a full-width space counts two columns
    Key(TEditKey::Enter);
    EXPECT_EQ(Rows(), "\x81\x40  ab|B     c|B");
    EXPECT_EQ(Caret(), "1,4");
    EXPECT_EQ(Records(), 1);
    Load("    abc\r\n", 0, 2);  // limited to the caret column
    Key(TEditKey::Enter);
    EXPECT_EQ(Rows(), "  |B     abc|B");
    core.Options().TabIndent = true;
    core.SetTabSpaceCount(4);
    Load("      x\r\n", 0, 7);
    Key(TEditKey::Enter);
    EXPECT_EQ(Rows(), "      x|B \t  |B");
    core.Options().TabIndent = false;
    core.Options().PrevSpaceIndent = true;
    Load("   a\r\n\r\nb\r\n", 2, 1);  // an unindented row takes the indent of the nearest row above
    Key(TEditKey::Enter);
    EXPECT_EQ(Rows(), "   a|B |B b|B    |B");
}

TEST_F(EditingTest, EnterAtTheEndOfATextWithoutAFinalBreakAddsTheBreakButNoRow)
{
    Load("ab\r\ncd", 1, 2);
    ASSERT_EQ(Rows(), "ab|B cd|E");
    Key(TEditKey::Enter);
    EXPECT_EQ(Rows(), "ab|B cd|B");
    EXPECT_EQ(Caret(), "2,0");
    Key(TEditKey::Enter);  // on the position after the last row: an empty row
    EXPECT_EQ(Rows(), "ab|B cd|B |B");
    EXPECT_EQ(Caret(), "3,0");
    core.Undo();
    core.Undo();
    EXPECT_EQ(Rows(), "ab|B cd|E");
}

TEST_F(EditingTest, EnterAndBackspaceShiftTheRowsBelowInsteadOfRepaintingThem)
{
    Load("ab\r\ncd\r\nef\r\n", 1, 1);
    Key(TEditKey::Enter);
    EXPECT_EQ(view.Paints(), (std::vector<std::string>{"shift 2 1", "rows 1 1"}));
    view.Reset();
    Key(TEditKey::Backspace);
    EXPECT_EQ(Rows(), "ab|B cd|B ef|B");
    EXPECT_EQ(view.Paints(), (std::vector<std::string>{"shift 2 -1", "rows 1 1"}));
}

TEST_F(EditingTest, BackspaceAtTheStartOfAContinuationRowRemovesThePreviousRowsLastCharacter)
{
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    Load(std::string(25, 'a') + "\r\n", 1, 0);
    ASSERT_EQ(testing::DumpLengths(core.Rows()), "20|W 5|B");
    Key(TEditKey::Backspace);
    EXPECT_EQ(testing::DumpLengths(core.Rows()), "20|W 4|B");
    EXPECT_EQ(Text(), std::string(24, 'a') + "\r\n");
    EXPECT_EQ(Caret(), "0,19");
    core.Undo();
    EXPECT_EQ(Text(), std::string(25, 'a') + "\r\n");  // no line break added
    EXPECT_EQ(testing::DumpLengths(core.Rows()), "20|W 5|B");
}

TEST_F(EditingTest, BackspaceRemovesWholeCharactersAndSteps)
{
    core.SetTabSpaceCount(4);
    Load("a\x82\xA0\tb\r\nc\r\n", 0, 3);
    Key(TEditKey::Backspace);  // the double-byte character before the caret
    EXPECT_EQ(Rows(), "a\tb|B c|B");
    EXPECT_EQ(Caret(), "0,1");
    core.PlaceCaretAt(0, 4);
    Key(TEditKey::Backspace);  // the tab, repainting its whole row
    EXPECT_EQ(Rows(), "ab|B c|B");
    EXPECT_EQ(view.Paints().back(), "rows 0 0");
    core.PlaceCaretAt(0, 5);
    Key(TEditKey::Backspace);  // free space: the caret only steps left
    EXPECT_EQ(Caret(), "0,4");
    core.PlaceCaretAt(1, 0);
    Key(TEditKey::Backspace);  // joins the previous line
    EXPECT_EQ(Rows(), "abc|B");
    EXPECT_EQ(Caret(), "0,2");
    core.PlaceCaretAt(1, 0);
    Key(TEditKey::Backspace);  // after the final break: removes it
    EXPECT_EQ(Rows(), "abc|E");
    EXPECT_EQ(Records(), 4);
}

TEST_F(EditingTest, DeleteBeyondTheEndJoinsTheNextRowAfterFillerSpaces)
{
    core.SetDisposeBlank(false);
    Load("ab\r\ncd\r\n", 0, 5);
    Key(TEditKey::Delete);
    EXPECT_EQ(Rows(), "ab   cd|B");
    EXPECT_EQ(Caret(), "0,5");
    EXPECT_EQ(Records(), 1);
    core.PlaceCaretAt(0, 7);
    Key(TEditKey::Delete);  // at the end of the last row: the final line break goes
    EXPECT_EQ(Rows(), "ab   cd|E");
    Key(TEditKey::Delete);  // nothing left to delete
    EXPECT_EQ(Records(), 2);
    core.PlaceCaretAt(0, 1);
    Key(TEditKey::Delete);
    EXPECT_EQ(Rows(), "a   cd|E");
    core.Undo();
    core.Undo();
    core.Undo();
    EXPECT_EQ(Rows(), "ab|B cd|B");
}

TEST_F(EditingTest, TabInsertsATabOrSpacesOnlyWhenWanted)
{
    Load("abc\r\n", 0, 1);
    EXPECT_FALSE(core.KeyDown(TEditKey::Tab));  // left to the window: focus moves on
    EXPECT_EQ(Rows(), "abc|B");
    core.Options().WantTabs = true;
    EXPECT_FALSE(core.KeyDown(TEditKey::Tab, {true, false}));
    EXPECT_TRUE(core.KeyDown(TEditKey::Tab));
    EXPECT_EQ(Rows(), "a\tbc|B");
    EXPECT_EQ(Caret(), "0,8");
    core.Options().SoftTab = true;
    core.SetTabSpaceCount(4);
    core.PlaceCaretAt(0, 0);
    Key(TEditKey::Tab);
    EXPECT_EQ(Rows(), "    a\tbc|B");
}

TEST_F(EditingTest, EditingAtTheStartOfAContinuationRowMovesTheCutBeforeIt)
{
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    Load(std::string(19, 'a') +
             "\x82\xA0"
             "bc\r\n",
         1, 0);
    ASSERT_EQ(testing::DumpLengths(core.Rows()), "19|W 4|B");  // cut short before the double-byte character
    core.TypeChars("x");
    EXPECT_EQ(Text(), std::string(19, 'a') +
                          "x\x82\xA0"
                          "bc\r\n");
    EXPECT_EQ(testing::DumpLengths(core.Rows()), "20|W 4|B");
    EXPECT_EQ(Caret(), "1,0");
    core.Undo();
    EXPECT_EQ(testing::DumpLengths(core.Rows()), "19|W 4|B");
    core.PlaceCaretAt(0, 0);
    Key(TEditKey::Delete);  // the shorter first row now takes the double-byte character
    EXPECT_EQ(testing::DumpLengths(core.Rows()), "20|W 2|B");
}

}  // namespace
}  // namespace tavi

namespace tavi {
namespace {

// Edits in a long wrapped line re-wrap only until its rows fall back into their old places;
// the rows must be exactly those wrapping the whole text gives, and undo must retrace them.
TEST(LongLineEditTest, EditsGiveTheRowsWrappingTheWholeTextGives)
{
    std::mt19937 random(80);
    // No blanks: typing strips the blanks that end rows, which wrapping alone would keep.
    const char* const pieces[] = {"a", "bc", "\x82\xA0", "\x83\x5C", "\xB1", "{", ";", "xxxxxxxxxxxx"};
    std::string line;
    while (line.size() < 30000)
        line += pieces[random() % std::size(pieces)];
    TEditorCore core;
    core.SetWordWrap(true);
    core.Lines().SetTextStr("p {\r\n" + line + "\r\n}\r\n");
    core.Document().ClearUndo();
    const std::string start = core.Lines().GetTextStr();
    for (int step = 0; step < 60; ++step) {
        const int row = 1 + static_cast<int>(random() % (core.Rows().Count() - 3));
        core.PlaceCaretAt(row, static_cast<int>(random() % 40));
        switch (random() % 4) {
            case 0:
                core.TypeChars(pieces[random() % std::size(pieces)]);
                break;
            case 1:
                core.KeyDown(TEditKey::Backspace);
                break;
            case 2:
                core.KeyDown(TEditKey::Delete);
                break;
            default:
                core.TypeChars("\x95\x5C");
        }
        TEditorCore whole;
        whole.SetWordWrap(true);
        whole.Lines().SetTextStr(core.Lines().GetTextStr());
        ASSERT_EQ(testing::Dump(core.Rows()), testing::Dump(whole.Rows())) << "step " << step;
    }
    const std::string end = core.Lines().GetTextStr();
    while (core.CanUndo())
        core.Undo();
    EXPECT_TRUE(core.Lines().GetTextStr() == start);
    while (core.CanRedo())
        core.Redo();
    EXPECT_TRUE(core.Lines().GetTextStr() == end);
}

// A block is commented out as one comment and back in to its very text; comments inside it
// survive the round trip.
TEST(CommentToggle, WrapsABlockInOneCommentAndTakesItOffAgain)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"  a { color : red }", "  /* a { color : red } */"},
        {"a {\r\n  b : c;\r\n}", "/* a {\r\n  b : c;\r\n} */"},
        {"a { } /* note */", "/* a { } /* note *\\/ */"},
        {"/*x*/", "x"},  // a comment without spaces inside loses only its marks
    };
    for (const auto& [block, toggled] : cases) {
        EXPECT_EQ(ToggledComment(block), std::string(toggled)) << block;
        if (block != "/*x*/") {
            EXPECT_EQ(ToggledComment(toggled), std::string(block)) << toggled;
        }
    }
    EXPECT_EQ(ToggledComment(" \t"), std::nullopt);
    // Two comments in a row are no one comment: they go inside a third.
    EXPECT_EQ(ToggledComment("/* a */ /* b */"), "/* /* a *\\/ /* b *\\/ */");
}

TEST_F(EditingTest, CtrlSlashCommentsTheSelectedLinesAsOneUndoStepAndKeepsThemSelected)
{
    Load("p {\r\n  color : red;\r\n}\r\nq { }\r\n", 1, 3);
    EXPECT_TRUE(core.ToggleComment());  // the caret's line
    EXPECT_EQ(Text(), "p {\r\n  /* color : red; */\r\n}\r\nq { }\r\n");
    EXPECT_EQ(core.SelText(), "  /* color : red; */");
    EXPECT_TRUE(core.ToggleComment());
    EXPECT_EQ(Text(), "p {\r\n  color : red;\r\n}\r\nq { }\r\n");
    // A selection down to the start of a row leaves that row out.
    core.Deselect();
    core.PlaceCaretAt(0, 1);
    Key(TEditKey::Down, true);
    Key(TEditKey::Down, true);
    Key(TEditKey::Home, true);
    const int records = Records();
    EXPECT_TRUE(core.ToggleComment());
    EXPECT_EQ(Text(), "/* p {\r\n  color : red; */\r\n}\r\nq { }\r\n");
    EXPECT_EQ(Records(), records + 1);
    core.Undo();
    EXPECT_EQ(Text(), "p {\r\n  color : red;\r\n}\r\nq { }\r\n");
    core.Options().ReadOnly = true;
    EXPECT_FALSE(core.ToggleComment());
}

}  // namespace
}  // namespace tavi
