// Tests of the input method: committed text inserted once, the composition shown at the caret, and the queries.
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>

#include "editor_fixture.h"

namespace {

class EditorInputMethodTest : public EditorInputTest {
protected:
    void Compose(const QString& preedit)
    {
        QInputMethodEvent event(preedit, {});
        QCoreApplication::sendEvent(&editor, &event);
    }
    void Commit(const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(&editor, &event);
    }
};

TEST_F(EditorInputMethodTest, CommittedTextIsInsertedOnceAsOneUndoStep)
{
    SetText("ab\r\n");
    Click(0, 1);
    Commit(QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"));  // two kanji
    EXPECT_EQ(Text(),
              "a\x93\xFA\x96\x7B"
              "b\r\n");
    EXPECT_EQ(Caret(), std::make_pair(0, 5));
    editor.Undo();
    EXPECT_EQ(Text(), "ab\r\n");
    EXPECT_FALSE(editor.CanUndo());

    // A character the code page lacks is dropped, not turned into "?".
    Commit(QString::fromUtf8("\xE6\x97\xA5\xF0\x9F\x98\x80\xED\x95\x9C\xEF\xBD\xB1"));
    EXPECT_EQ(Text(),
              "a\x93\xFA\xB1"
              "b\r\n");
    // Nothing to insert leaves a selection alone.
    editor.SelectAll();
    Commit(QString::fromUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(editor.SelText(),
              "a\x93\xFA\xB1"
              "b\r\n");
}

TEST_F(EditorInputMethodTest, JapanesePunctuationFromOtherProgramsIsPastedAndCommittedAsTheCodePagesOwn)
{
    // Wave dash, double vertical line, minus, cent, pound, not sign, em dash, then an emoji.
    QGuiApplication::clipboard()->setText(QString::fromUtf8("\u301C\u2016\u2212\u00A2\u00A3\u00AC\u2014\U0001F600"));
    editor.PasteFromClipboard();
    EXPECT_EQ(Text(), "\x81\x60\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA\x81\x5C?");
    SetText("");
    Commit(QString::fromUtf8("1\u301C2"));
    EXPECT_EQ(Text(),
              "1\x81\x60"
              "2");
}

TEST_F(EditorInputMethodTest, CompositionIsDrawnAtTheCaretWithoutChangingTheDocument)
{
    SetText("abcdef\r\n");
    Click(0, 1);
    QApplication::processEvents();
    const QImage before = Render();
    Compose(QString::fromUtf8("\xE3\x81\xAB\xE3\x81\xBB"));  // two hiragana: four columns
    EXPECT_EQ(Text(), "abcdef\r\n");
    QApplication::processEvents();
    const QImage composing = Render();
    // The composition covers columns 1 to 4, underlined, and hides the caret.
    const int underlineY = editor.CellPos(0, 0).y() + editor.RowHeight() - 1;
    for (int col = 1; col < 5; ++col) {
        const QRect cell = Cell(0, col);
        EXPECT_EQ(composing.pixelColor(cell.left() + 1, underlineY), QColor(Qt::black)) << col;
    }
    EXPECT_NE(composing.pixelColor(Cell(0, 5).left() + 1, underlineY), QColor(Qt::black));
    EXPECT_NE(composing.copy(Cell(0, 2)), before.copy(Cell(0, 2)));
    EXPECT_EQ(composing.copy(Cell(0, 5)), before.copy(Cell(0, 5)));
    EXPECT_EQ(CaretPixels(), 0);

    // Committing replaces the composition by the text; an empty composition ends it.
    Commit(QString::fromUtf8("\xE3\x81\xAB"));
    EXPECT_EQ(Text(),
              "a\x82\xC9"
              "bcdef\r\n");
    QApplication::processEvents();
    const QImage after = Render();
    EXPECT_NE(after.pixelColor(Cell(0, 4).left() + 1, underlineY), QColor(Qt::black));
    EXPECT_GT(CaretPixels(), 0);
}

TEST_F(EditorInputMethodTest, QueriesAnswerTheCaretCellFontAndRow)
{
    SetText(
        "x\x93\xFA"
        "yz\r\n");
    Click(0, 3);
    const QRect cell = editor.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_EQ(cell, Cell(0, 3).translated(editor.viewport()->pos()));
    EXPECT_EQ(editor.inputMethodQuery(Qt::ImFont).value<QFont>(), editor.Font());
    EXPECT_EQ(editor.inputMethodQuery(Qt::ImSurroundingText).toString(), QString::fromUtf8("x\xE6\x97\xA5yz"));
    EXPECT_EQ(editor.inputMethodQuery(Qt::ImCursorPosition).toInt(), 2);  // after x and the kanji
    EXPECT_TRUE(editor.testAttribute(Qt::WA_InputMethodEnabled));
}

}  // namespace
