// Tests of selecting with the mouse and the keyboard, the selection commands and the clipboard.
#include <QClipboard>

#include "editor_fixture.h"

namespace {

TEST_F(EditorInputTest, ClickPlacesTheCaretOnACharactersFirstHalfAndTakesTheFocus)
{
    SetText(
        "ab\x93\xFA"
        "c\r\n");
    editor.clearFocus();
    Click(0, 3);  // the second half of the double-byte character
    EXPECT_TRUE(editor.hasFocus());
    EXPECT_EQ(Caret(), std::make_pair(0, 2));
    // A point in the left margin counts as column 0; below the text, the last position.
    QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, QPoint(2, CellCentre(0, 0).y()));
    EXPECT_EQ(Caret(), std::make_pair(0, 0));
    Click(5, 1);
    EXPECT_EQ(Caret(), std::make_pair(1, 1));
    EXPECT_FALSE(editor.Core().Selected());
}

TEST_F(EditorInputTest, DraggingSelectsOnlyAfterHalfACell)
{
    SetText("abcdef\r\n");
    const QPoint from = CellCentre(0, 1);
    // A wobble of less than half a cell is still a click.
    Drag(from, from + QPoint(editor.CharWidth() / 2 - 1, 0));
    EXPECT_FALSE(editor.Core().Selected());
    Drag(from, CellCentre(0, 4));
    EXPECT_EQ(editor.SelText(), "bcd");
    EXPECT_EQ(Caret(), std::make_pair(0, 4));
    // The selection stays after the release and ends with the next click.
    Click(0, 0);
    EXPECT_FALSE(editor.Core().Selected());
}

TEST_F(EditorInputTest, SelStartAndSelLengthCountTheLineBreakAsTwoBytes)
{
    SetText("ab\r\ncd\r\n");
    editor.SetSelStart(0);
    editor.SetSelLength(5);
    EXPECT_EQ(editor.SelText(), "ab\r\nc");
    EXPECT_EQ(editor.SelStart(), 0);
    EXPECT_EQ(editor.SelLength(), 5);
    EXPECT_EQ(Caret(), std::make_pair(1, 1));
    // Shift+Up from there and SelectAll take the whole text.
    Key(Qt::Key_Up, Qt::ShiftModifier);
    editor.SelectAll();
    EXPECT_EQ(editor.SelText(), "ab\r\ncd\r\n");
    EXPECT_EQ(editor.GetTextLen(), 8);
}

TEST_F(EditorInputTest, DeletingAThreeRowSelectionJoinsTheOuterPartsAndUndoesInOneStep)
{
    SetText("abc\r\ndef\r\nghi\r\n");
    Drag(CellCentre(0, 1), CellCentre(2, 1));
    EXPECT_EQ(editor.SelText(), "bc\r\ndef\r\ng");
    Key(Qt::Key_Delete);
    EXPECT_EQ(Text(), "ahi\r\n");
    EXPECT_EQ(Caret(), std::make_pair(0, 1));
    editor.Undo();
    EXPECT_EQ(Text(), "abc\r\ndef\r\nghi\r\n");
    EXPECT_EQ(editor.Core().Rows().Count(), 3);
    editor.Redo();
    EXPECT_EQ(Text(), "ahi\r\n");

    // Keyboard selection, then typing replaces it.
    Key(Qt::Key_Home);
    Key(Qt::Key_End, Qt::ShiftModifier);
    Type("x");
    EXPECT_EQ(Text(), "x\r\n");
}

TEST_F(EditorInputTest, PasteInsertsClipboardLinesAndCopyPutsTheSelectionThere)
{
    SetText("abcd\r\n");
    Click(0, 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("x\ny"));
    editor.PasteFromClipboard();
    EXPECT_EQ(Text(), "abx\r\nycd\r\n");
    EXPECT_EQ(Caret(), std::make_pair(1, 1));
    editor.Undo();  // the whole paste is one step
    EXPECT_EQ(Text(), "abcd\r\n");

    // Unicode on the clipboard becomes code page 932; what it lacks becomes "?", and the
    // text ends at a NUL as a plain-text buffer does.
    SetText("");
    QGuiApplication::clipboard()->setText(QString::fromUtf8("\xE6\x97\xA5\xC3\xA9!") + QChar(0) + "tail");
    editor.PasteFromClipboard();
    EXPECT_EQ(Text(), "\x93\xFA?!");

    SetText("\x93\xFA\x96\x7B\r\nz\r\n");
    editor.SetSelStart(0);
    editor.SetSelLength(6);
    editor.CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC\r\n"));
    editor.ClearSelection();
    EXPECT_EQ(Text(), "z\r\n");
    editor.CopyToClipboard();  // nothing selected: an empty text
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
}

TEST_F(EditorInputTest, DraggingBelowTheTextAreaScrollsOnWhileTheButtonIsHeld)
{
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "row " + std::to_string(i) + "\r\n";
    SetText(text);
    editor.Core().PlaceCaretAt(0, 0);
    QTest::mousePress(editor.viewport(), Qt::LeftButton, {}, CellCentre(0, 1));
    QTest::mouseMove(editor.viewport(), QPoint(CellCentre(0, 1).x(), editor.viewport()->height() + 2));
    const int top = editor.TopRow();
    EXPECT_GT(top, 0);
    QTest::qWait(200);
    EXPECT_GT(editor.TopRow(), top);
    QTest::mouseRelease(editor.viewport(), Qt::LeftButton, {}, QPoint(CellCentre(0, 1).x(), 0));
    const int stopped = editor.TopRow();
    QTest::qWait(120);
    EXPECT_EQ(editor.TopRow(), stopped);
    EXPECT_TRUE(editor.Core().Selected());
    EXPECT_EQ(editor.SelStart(), 1);
}

}  // namespace
