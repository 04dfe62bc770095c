// Tests of the main window's editing commands, reached through their menus, shortcuts and buttons.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QColorDialog>
#include <QGuiApplication>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/main_window.h"
#include "editor/editor.h"
#include "tests/support/active_main_window.h"
#include "tests/support/modal_answer.h"

namespace {

class EditCommandsTest : public ActiveMainWindowTest {
protected:
    tavi::TEditorCore& Core() { return form->ExtMemo1->Core(); }

    void SetText(const std::string& text)
    {
        form->ExtMemo1->Lines().SetTextStr(text);
        Core().SetModified(false);
    }

    void Select(int start, int length)
    {
        Core().SetSelStart(start);
        Core().SetSelLength(length);
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form->ExtMemo1, static_cast<Qt::Key>(key), modifiers);
    }

    std::string Text() const { return form->ExtMemo1->Lines().GetTextStr(); }
};

// Answers the colour chooser with `pick`; `shown` receives the colour it opened with.
void PickColour(QColor pick, QColor* shown = nullptr)
{
    AnswerNextModal([pick, shown](QWidget* modal) {
        auto* chooser = qobject_cast<QColorDialog*>(modal);
        ASSERT_NE(chooser, nullptr);
        if (shown)
            *shown = chooser->currentColor();
        chooser->setCurrentColor(pick);
        chooser->accept();
    });
}

}  // namespace

TEST_F(EditCommandsTest, CommentOutWrapsTheSelectionAndLeavesTheCaretAfterIt)
{
    SetText("x a{color:red} y");
    Select(2, 12);
    form->N13->trigger();
    EXPECT_EQ(Text(), "x /* a{color:red} */ y\r\n");
    EXPECT_FALSE(Core().Selected());
    EXPECT_EQ(Core().SelStart(), 20);
    // Writing the selected text deletes the selection and then inserts: two undo steps.
    Press(Qt::Key_F11);
    EXPECT_EQ(Text(), "x  y\r\n");
    Press(Qt::Key_F11);
    EXPECT_EQ(Text(), "x a{color:red} y\r\n");
}

TEST_F(EditCommandsTest, CommentAndStyleWithNothingSelectedInsertAtTheCaret)
{
    SetText("ab");
    Core().SetSelStart(1);
    form->N13->trigger();
    EXPECT_EQ(Text(), "a/*  */b\r\n");

    SetText("");  // an empty document: the element is the only text
    form->STYLE1->trigger();
    EXPECT_EQ(Text(), "<STYLE TYPE=\"text/css\"><!--      --></STYLE>");
}

TEST_F(EditCommandsTest, StyleElementKeepsTheLineBreaksOfAMultiLineSelection)
{
    SetText("P {\r\n}\r\nx");
    Select(0, 6);
    form->STYLE1->trigger();
    EXPECT_EQ(Text(), "<STYLE TYPE=\"text/css\"><!--  P {\r\n}    --></STYLE>\r\nx\r\n");
}

TEST_F(EditCommandsTest, CopyWithNothingSelectedLeavesAnEmptyClipboardText)
{
    QGuiApplication::clipboard()->setText("before");
    SetText("abc");
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
    EXPECT_EQ(Text(), "abc\r\n");
}

TEST_F(EditCommandsTest, CopyAllSelectsEverythingWithoutModifyingTheDocument)
{
    SetText("P {\r\n  margin : 1px }\r\n");
    Press(Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "P {\r\n  margin : 1px }\r\n");
    EXPECT_TRUE(Core().Selected());
    EXPECT_EQ(Core().SelLength(), Core().GetTextLen());
    EXPECT_FALSE(form->ExtMemo1->Modified());
}

TEST_F(EditCommandsTest, WholeDocumentCommandsActOnEverything)
{
    SetText("\x93\xfa\x96\x7b\x8c\xea\r\nabc");  // 日本語 in code page 932
    Select(0, 1);
    Press(Qt::Key_F4, Qt::ControlModifier);  // cut all
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "日本語\r\nabc\r\n");
    EXPECT_TRUE(form->ExtMemo1->Modified());

    Press(Qt::Key_V, Qt::ControlModifier);  // paste
    EXPECT_EQ(Text(), "\x93\xfa\x96\x7b\x8c\xea\r\nabc\r\n");

    Press(Qt::Key_F2, Qt::ControlModifier);  // delete all
    EXPECT_EQ(Text(), "");
    Press(Qt::Key_F11);
    EXPECT_EQ(Text(), "\x93\xfa\x96\x7b\x8c\xea\r\nabc\r\n");
    Press(Qt::Key_F12);
    EXPECT_EQ(Text(), "");
}

TEST_F(EditCommandsTest, SelectionCommandsFromKeysButtonsAndTheContextMenu)
{
    SetText("abcdef");
    Press(Qt::Key_F1, Qt::ControlModifier);  // select all
    EXPECT_EQ(Core().SelLength(), 8);        // with the final line break

    Select(1, 2);
    Press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Text(), "adef\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "bc");

    Select(0, 1);
    QTest::mouseClick(form->SpeedButton7, Qt::LeftButton);  // copy
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "a");
    QTest::mouseClick(form->SpeedButton10, Qt::LeftButton);  // delete
    EXPECT_EQ(Text(), "def\r\n");
    form->N2->trigger();  // delete with nothing selected does nothing
    EXPECT_EQ(Text(), "def\r\n");

    Core().SetSelStart(3);
    form->Paste1->trigger();
    EXPECT_EQ(Text(), "defa\r\n");
    QTest::mouseClick(form->SpeedButton5, Qt::LeftButton);  // undo
    EXPECT_EQ(Text(), "def\r\n");
    QTest::mouseClick(form->SpeedButton6, Qt::LeftButton);  // redo
    EXPECT_EQ(Text(), "defa\r\n");

    Press(Qt::Key_D, Qt::ControlModifier);  // nothing selected: nothing happens
    EXPECT_EQ(Text(), "defa\r\n");
}

TEST_F(EditCommandsTest, F9InsertsThePickedColourAndTheNextPickStartsFromIt)
{
    SetText("color : ;");
    Core().SetSelStart(8);
    PickColour(Qt::blue);
    Press(Qt::Key_F9);
    EXPECT_EQ(Text(), "color : #0000FF;\r\n");

    // The context menu's item runs the same command, starting from the last colour.
    Select(8, 7);
    QColor shown;
    PickColour(QColor(0x56, 0x34, 0x12), &shown);
    form->N24->trigger();
    EXPECT_EQ(shown, QColor(Qt::blue));
    EXPECT_EQ(Text(), "color : #563412;\r\n");

    AnswerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    form->N22->trigger();
    EXPECT_EQ(Text(), "color : #563412;\r\n");  // Cancel changes nothing
}

// A click on a row's colour swatch opens the chooser on that colour; what is chosen replaces
// the value in place, a translucent one keeping its alpha, and one undo takes it back.
TEST_F(EditCommandsTest, AClickOnAColourSwatchChangesThatColourInPlace)
{
    form->ExtMemo1->SetSyntaxColoring(true);
    SetText("a { color: red; background: rgba(0, 0, 255, 0.5) }");
    const QRect box(2, form->ExtMemo1->CellPos(0, 0).y() + 2, form->ExtMemo1->LeftMargin() - 6,
                    form->ExtMemo1->RowHeight() - 4);
    QColor shown;
    PickColour(QColor(0x12, 0x34, 0x56), &shown);
    QTest::mouseClick(form->ExtMemo1->viewport(), Qt::LeftButton, {}, QPoint(box.left() + 1, box.center().y()));
    EXPECT_EQ(shown, QColor(Qt::red));
    EXPECT_EQ(Text(), "a { color: #123456; background: rgba(0, 0, 255, 0.5) }\r\n");
    PickColour(QColor(Qt::green));
    QTest::mouseClick(form->ExtMemo1->viewport(), Qt::LeftButton, {}, QPoint(box.right() - 1, box.center().y()));
    EXPECT_EQ(Text(), "a { color: #123456; background: rgba(0, 255, 0, 0.502) }\r\n");
    Core().Undo();
    EXPECT_EQ(Text(), "a { color: #123456; background: rgba(0, 0, 255, 0.5) }\r\n");
}
