// Tests of the editor's keyboard: caret moves, typed text, Enter, Backspace, Delete, Tab and the window's shortcuts.
#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "editor_fixture.h"

namespace {

TEST_F(EditorInputTest, CaretStepsAroundADoubleByteCharacterAndBackOnVerticalMoves)
{
    SetText(
        "xxxxx\r\nab\x93\xFA"
        "c\r\nxxxxx\r\n");
    Key(Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Right);
    EXPECT_EQ(Caret(), std::make_pair(0, 3));
    Key(Qt::Key_Down);  // column 3 is the second half of the character: its first half
    EXPECT_EQ(Caret(), std::make_pair(1, 2));
    // The flat caret covers both columns of the character, at the bottom of the cells.
    const QRect cell = Cell(1, 2);
    EXPECT_EQ(editor.CaretRect(), QRect(cell.left(), cell.bottom() - 1, 2 * editor.CharWidth(), 2));
    EXPECT_EQ(CaretPixels(), 2 * editor.CharWidth() * 2);
    Key(Qt::Key_Down);
    EXPECT_EQ(Caret(), std::make_pair(2, 3));
    EXPECT_EQ(editor.CaretRect().width(), editor.CharWidth());
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(Caret(), std::make_pair(0, 3));
    // Right on the character's first half steps over the whole character.
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    EXPECT_EQ(Caret(), std::make_pair(1, 4));
}

TEST_F(EditorInputTest, HeldDownKeyStepsTwoRowsOnTheLastVisibleRow)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "row\r\n";
    SetText(text);
    const int last = editor.VisibleRows() - 1;
    editor.Core().PlaceCaretAt(last, 0);
    QTest::simulateEvent(&editor, true, Qt::Key_Down, Qt::NoModifier, QString(), true);
    EXPECT_EQ(Caret().first, last + 2);
    QTest::simulateEvent(&editor, false, Qt::Key_Down, Qt::NoModifier, QString(), false);
    Key(Qt::Key_Down);  // released and pressed again: one row
    EXPECT_EQ(Caret().first, last + 3);
}

TEST_F(EditorInputTest, TypedTextIsPaddedBeyondTheRowEndAndKeepsOnlyWhatTheCodePageHolds)
{
    SetText("ab\r\ncd\r\n");
    Click(0, 6);
    EXPECT_EQ(Caret(), std::make_pair(0, 6));
    Type("x");
    EXPECT_EQ(Text(), "ab    x\r\ncd\r\n");
    EXPECT_EQ(Caret(), std::make_pair(0, 7));
    // Half-width katakana and a kanji from the keyboard layout; an accented letter and a
    // control character have no place in the document.
    Type(QString::fromUtf8("\xEF\xBD\xB1\xE6\x97\xA5\xC3\xA9\x1B"));
    EXPECT_EQ(Text(), "ab    x\xB1\x93\xFA\r\ncd\r\n");
    EXPECT_EQ(Caret(), std::make_pair(0, 10));
    // Each key is one undo step.
    editor.Undo();
    EXPECT_EQ(Text(), "ab    x\xB1\r\ncd\r\n");
}

TEST_F(EditorInputTest, EnterIndentsLikeTheRowCountingAFullWidthSpaceAsTwoColumns)
{
    SetText("\x81\x40 ab\r\n");
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_End);
    Key(Qt::Key_Return);
    EXPECT_EQ(Text(), "\x81\x40 ab\r\n   \r\n");
    EXPECT_EQ(Caret(), std::make_pair(1, 3));

    // The indent is limited to the caret's column.
    SetText("\x81\x40 ab\r\n");
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_Right);
    Key(Qt::Key_Enter);  // the keypad's Enter does the same
    EXPECT_EQ(Text(), "\x81\x40\r\n   ab\r\n");
    EXPECT_EQ(Caret(), std::make_pair(1, 2));
    editor.Undo();
    EXPECT_EQ(Text(), "\x81\x40 ab\r\n");
}

TEST_F(EditorInputTest, EnterAtTheEndOfATextWithoutAFinalBreakAddsTheBreakButNoRow)
{
    SetText("ab\r\n");
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Caret(), std::make_pair(1, 0));
    Key(Qt::Key_Backspace);  // takes the final line break away
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(Caret(), std::make_pair(0, 2));
    Key(Qt::Key_Return);
    EXPECT_EQ(Text(), "ab\r\n");
    EXPECT_EQ(editor.Core().Rows().Count(), 1);
    EXPECT_EQ(Caret(), std::make_pair(1, 0));
}

TEST_F(EditorInputTest, BackspaceAtTheStartOfAContinuationRowTakesThePreviousRowsLastCharacter)
{
    const std::string line = std::string(80, 'a') + "bcd";
    SetText(line + "\r\n");
    ASSERT_EQ(editor.Core().RowEnd(0), tavi::reWrap);
    Click(1, 0);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Text(), std::string(79, 'a') + "bcd\r\n");
    EXPECT_EQ(editor.Core().Rows().Count(), 2);
    EXPECT_EQ(Caret(), std::make_pair(0, 79));  // where the removed character stood
    editor.Undo();
    EXPECT_EQ(Text(), line + "\r\n");  // no line break comes back with it
    EXPECT_EQ(editor.Core().RowEnd(0), tavi::reWrap);
}

TEST_F(EditorInputTest, DeleteBeyondTheRowEndJoinsTheNextLineAfterFillerSpaces)
{
    SetText("ab\r\ncd\r\n");
    Click(0, 5);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Text(), "ab   cd\r\n");
    EXPECT_EQ(Caret(), std::make_pair(0, 5));
    editor.Undo();
    EXPECT_EQ(Text(), "ab\r\ncd\r\n");
}

TEST_F(EditorInputTest, ReadOnlyBlocksEveryEditButNotNavigationSelectionOrCopy)
{
    SetText("abc\r\n");
    editor.SetWantTabs(true);
    editor.SetReadOnly(true);
    EXPECT_FALSE(editor.inputMethodQuery(Qt::ImEnabled).toBool());
    Key(Qt::Key_End);
    EXPECT_EQ(Caret(), std::make_pair(0, 3));
    Type("x");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Home, Qt::Key_Delete})
        Key(key);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("y"));
    QCoreApplication::sendEvent(&editor, &commit);
    QGuiApplication::clipboard()->setText(QStringLiteral("z"));
    editor.PasteFromClipboard();
    editor.SetSelText("w");
    EXPECT_EQ(Text(), "abc\r\n");
    EXPECT_FALSE(editor.CanUndo());

    editor.SelectAll();
    EXPECT_EQ(editor.SelText(), "abc\r\n");
    editor.CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("abc\r\n"));
    editor.SetReadOnly(false);
    EXPECT_TRUE(editor.inputMethodQuery(Qt::ImEnabled).toBool());
    Type("q");  // replaces the selection
    EXPECT_EQ(Text(), "q");
}

// A window like the main one: the editor, another control and window-wide shortcuts.
class EditorInWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        editor = new TEditor(&window);
        ConfigureMainEditor(editor);
        other = new QLineEdit(&window);
        layout->addWidget(editor);
        layout->addWidget(other);
        window.resize(400, 300);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        editor->setFocus();
    }

    QAction* Shortcut(const QKeySequence& keys)
    {
        auto* action = new QAction(&window);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
        return action;
    }

    QWidget window;
    TEditor* editor = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(EditorInWindowTest, TabMovesTheFocusUnlessTheEditorWantsTabs)
{
    editor->Lines().SetTextStr("ab\r\n");
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(editor->Lines().GetTextStr(), "ab\r\n");

    editor->SetWantTabs(true);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->Lines().GetTextStr(), "\tab\r\n");
    // Shift+Tab and Ctrl+Tab still leave the editor alone.
    QTest::keyClick(editor, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(editor->Lines().GetTextStr(), "\tab\r\n");
    QTest::keyClick(editor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(editor->Lines().GetTextStr(), "\tab\r\n");
}

TEST_F(EditorInWindowTest, WindowShortcutsWorkWhileTheEditorKeepsItsTypingKeys)
{
    editor->Lines().SetTextStr("ab\r\n");
    editor->SetSelStart(0);
    editor->SetSelLength(1);
    std::vector<std::pair<QAction*, QKeySequence>> commands;
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_F11), QKeySequence(Qt::CTRL | Qt::Key_C),
          QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_D),
          QKeySequence(Qt::CTRL | Qt::Key_F1)})
        commands.emplace_back(Shortcut(keys), keys);
    for (const auto& [action, keys] : commands) {
        SCOPED_TRACE(keys.toString().toStdString());
        QSignalSpy spy(action, &QAction::triggered);
        QTest::keySequence(editor, keys);
        EXPECT_EQ(spy.count(), 1);
    }
    EXPECT_EQ(editor->Lines().GetTextStr(), "ab\r\n");
    EXPECT_EQ(editor->SelText(), "a");

    // A window shortcut on a plain key does not take it from typing.
    QAction* plain = Shortcut(QKeySequence(Qt::Key_Z));
    QAction* del = Shortcut(QKeySequence(Qt::Key_Delete));
    QSignalSpy plainSpy(plain, &QAction::triggered);
    QSignalSpy delSpy(del, &QAction::triggered);
    QTest::keyClick(editor, Qt::Key_Z);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(editor->Lines().GetTextStr(), "z\r\n");
    EXPECT_EQ(plainSpy.count(), 0);
    EXPECT_EQ(delSpy.count(), 0);
}

}  // namespace
