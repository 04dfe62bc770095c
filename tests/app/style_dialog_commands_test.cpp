// Tests that each style rule dialog opens from its key, button and menu item and appends its rule at the end.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "components/bit_btn.h"
#include "components/spin_edit.h"
#include "dialogs/aural_dialog.h"
#include "dialogs/basic_style_dialog.h"
#include "dialogs/border_dialog.h"
#include "dialogs/color_dialog.h"
#include "dialogs/font_dialog.h"
#include "dialogs/list_dialog.h"
#include "dialogs/margin_dialog.h"
#include "dialogs/style_dialog.h"
#include "dialogs/text_layout_dialog.h"
#include "editor/editor.h"
#include "tests/support/active_main_window.h"
#include "tests/support/modal_answer.h"

namespace {

// How the main window opens each dialog.
struct TOpening {
    QAction* TForm1::*item;
    QPushButton* TForm1::*button;
    Qt::Key key;
};

template <typename Form>
TOpening OpeningOf();
template <>
TOpening OpeningOf<TForm2>()
{
    return {&TForm1::N3, &TForm1::BitBtn1, Qt::Key_F1};
}
template <>
TOpening OpeningOf<TForm3>()
{
    return {&TForm1::N4, &TForm1::BitBtn2, Qt::Key_F2};
}
template <>
TOpening OpeningOf<TForm4>()
{
    return {&TForm1::N5, &TForm1::BitBtn3, Qt::Key_F3};
}
template <>
TOpening OpeningOf<TForm7>()
{
    return {&TForm1::N6, &TForm1::BitBtn4, Qt::Key_F4};
}
template <>
TOpening OpeningOf<TForm8>()
{
    return {&TForm1::N20, &TForm1::BitBtn7, Qt::Key_F7};
}
template <>
TOpening OpeningOf<TForm10>()
{
    return {&TForm1::N19, &TForm1::BitBtn6, Qt::Key_F6};
}
template <>
TOpening OpeningOf<TForm11>()
{
    return {&TForm1::N21, &TForm1::BitBtn8, Qt::Key_F8};
}
template <>
TOpening OpeningOf<TForm9>()
{
    return {&TForm1::N18, &TForm1::BitBtn5, Qt::Key_F5};
}

template <typename Form>
QPointer<Form>& VariableOf();
template <>
QPointer<TForm2>& VariableOf<TForm2>()
{
    return Form2;
}
template <>
QPointer<TForm3>& VariableOf<TForm3>()
{
    return Form3;
}
template <>
QPointer<TForm4>& VariableOf<TForm4>()
{
    return Form4;
}
template <>
QPointer<TForm7>& VariableOf<TForm7>()
{
    return Form7;
}
template <>
QPointer<TForm8>& VariableOf<TForm8>()
{
    return Form8;
}
template <>
QPointer<TForm10>& VariableOf<TForm10>()
{
    return Form10;
}
template <>
QPointer<TForm11>& VariableOf<TForm11>()
{
    return Form11;
}
template <>
QPointer<TForm9>& VariableOf<TForm9>()
{
    return Form9;
}

template <typename Form>
class StyleDialogCommandTest : public ActiveMainWindowTest {
protected:
    // Answers the next dialog, which must be a fresh Form: class "c<n>", OK.
    void AnswerWithClass(int n)
    {
        AnswerNextModal([n](QWidget* modal) {
            auto* dialog = qobject_cast<Form*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(VariableOf<Form>(), dialog);
            EXPECT_FALSE(dialog->Selector()->ClassBox->isChecked());
            dialog->Selector()->ClassBox->setChecked(true);
            dialog->Selector()->ClassEdit->setText(QString("c%1").arg(n));
            QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        });
    }
};

TYPED_TEST_SUITE_P(StyleDialogCommandTest);

TYPED_TEST_P(StyleDialogCommandTest, KeyButtonAndMenuItemOpenItAndItsRuleGoesToTheEnd)
{
    TEditor* editor = this->form->ExtMemo1;
    editor->Lines().SetTextStr("a {\r\n}\r\n");
    editor->Core().SetSelStart(1);
    editor->Core().SetSelLength(2);
    const TOpening opening = OpeningOf<TypeParam>();
    this->AnswerWithClass(1);
    QTest::keyClick(editor, opening.key);
    this->AnswerWithClass(2);
    QTest::mouseClick(this->form.get()->*opening.button, Qt::LeftButton);
    this->AnswerWithClass(3);
    (this->form.get()->*opening.item)->trigger();
    EXPECT_EQ(editor->Lines().GetTextStr(), "a {\r\n}\r\n.c1 {\r\n}\r\n.c2 {\r\n}\r\n.c3 {\r\n}\r\n");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(VariableOf<TypeParam>().isNull());  // released after its loop
}

TYPED_TEST_P(StyleDialogCommandTest, ShiftAndItsKeyEditTheRuleUnderTheCaretInPlaceAsOneUndoStep)
{
    TEditor* editor = this->form->ExtMemo1;
    const std::string text = "a {\r\n}\r\n@media print {\r\n  p.c0 { unknown-thing: 1 }\r\n}\r\nz {}";
    editor->Lines().SetTextStr(text);
    const TOpening opening = OpeningOf<TypeParam>();
    // Each key goes to the window active again after the dialog before.
    const auto answer = [this](bool ok) {
        this->form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(this->form.get()));
        AnswerNextModal([ok](QWidget* modal) {
            auto* dialog = qobject_cast<TypeParam*>(modal);
            ASSERT_NE(dialog, nullptr);
            // Filled from the rule: its selector, what it cannot show kept.
            EXPECT_EQ(dialog->Selector()->ElementEdit->text(), "p");
            EXPECT_EQ(dialog->Selector()->ClassEdit->text(), "c0");
            EXPECT_EQ(dialog->KeptDeclarations(), QStringList{"unknown-thing: 1"});
            dialog->Selector()->ClassEdit->setText("c9");
            QTest::mouseClick(ok ? dialog->OkButton() : dialog->CancelButton(), Qt::LeftButton);
        });
    };
    editor->Core().PlaceCaretAt(3, 8);
    answer(false);
    QTest::keyClick(editor, opening.key, Qt::ShiftModifier);
    EXPECT_EQ(editor->Lines().GetTextStr(), text + "\r\n");
    answer(true);
    QTest::keyClick(editor, opening.key, Qt::ShiftModifier);
    EXPECT_EQ(editor->Lines().GetTextStr(),
              "a {\r\n}\r\n@media print {\r\n  p.c9 {\r\n  unknown-thing: 1 }\r\n}\r\nz {}\r\n");
    editor->Undo();
    EXPECT_EQ(editor->Lines().GetTextStr(), text + "\r\n");
    // The dialog's own key edits the rule when the whole rule is selected.
    editor->Core().SetSelStart(26);  // "p.c0 { unknown-thing: 1 }"
    editor->Core().SetSelLength(25);
    answer(true);
    QTest::keyClick(editor, opening.key);
    EXPECT_EQ(editor->Lines().GetTextStr(),
              "a {\r\n}\r\n@media print {\r\n  p.c9 {\r\n  unknown-thing: 1 }\r\n}\r\nz {}\r\n");
}

REGISTER_TYPED_TEST_SUITE_P(StyleDialogCommandTest, KeyButtonAndMenuItemOpenItAndItsRuleGoesToTheEnd,
                            ShiftAndItsKeyEditTheRuleUnderTheCaretInPlaceAsOneUndoStep);

using StyleDialogs = ::testing::Types<TForm2, TForm3, TForm4, TForm7, TForm8, TForm9, TForm10, TForm11>;
INSTANTIATE_TYPED_TEST_SUITE_P(Every, StyleDialogCommandTest, StyleDialogs);

using RuleEditingTest = ActiveMainWindowTest;

TEST_F(RuleEditingTest, TheContextMenuPicksTheDialogThatReadsMostOfTheRule)
{
    TEditor* editor = form->ExtMemo1;
    editor->Lines().SetTextStr("h1 { color: red; padding: 1px; border-style: solid; border-color: blue }");
    editor->Core().PlaceCaretAt(0, 3);
    QString opened;
    AnswerNextModal([&opened](QWidget* modal) {
        opened = modal->metaObject()->className();
        modal->close();
    });
    form->EditRule1->trigger();
    EXPECT_EQ(opened, "TForm4");  // the border dialog: three of its properties
}

TEST_F(RuleEditingTest, WithoutARuleOrWithASelectorTheGroupCannotShowItSaysSo)
{
    TEditor* editor = form->ExtMemo1;
    editor->Lines().SetTextStr("/* none */\r\nul li { margin: 0 }\r\n");
    editor->Core().PlaceCaretAt(0, 2);
    SeenMessageBox seen;
    RecordNextMessageBox(seen);
    form->EditRuleWith(1);
    EXPECT_EQ(seen.caption, kDialogMessageCaption);
    EXPECT_EQ(seen.text, kNoRuleAtCaretText);
    editor->Core().PlaceCaretAt(1, 8);
    SeenMessageBox second;
    RecordNextMessageBox(second);
    form->EditRuleWith(1);
    EXPECT_EQ(second.text, kSelectorNotShownText.arg("ul li"));
    EXPECT_EQ(second.icon, QMessageBox::Information);
    EXPECT_EQ(editor->Lines().GetTextStr(), "/* none */\r\nul li { margin: 0 }\r\n");
}

TEST_F(RuleEditingTest, TheLastRuleWithoutALineBreakAfterItIsReplacedToTheEnd)
{
    TEditor* editor = form->ExtMemo1;
    editor->Lines().SetTextStr("a {}\r\np { margin: 1px }");
    editor->Core().PlaceCaretAt(1, 3);
    AnswerNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TForm3*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->SpinEdit4->Text(), "1");
        dialog->SpinEdit4->SetText("7");
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    form->EditRuleWith(1);
    EXPECT_EQ(editor->Lines().GetTextStr(), "a {}\r\np {\r\n  margin : 7px }\r\n");
}

TEST_F(RuleEditingTest, ANewRuleGoesToTheEndOrWithTheSettingToTheCaret)
{
    TEditor* editor = form->ExtMemo1;
    const auto writeRule = [this](const QString& cls) {
        AnswerNextModal([cls](QWidget* modal) {
            auto* dialog = qobject_cast<TForm3*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->Selector()->ClassBox->setChecked(true);
            dialog->Selector()->ClassEdit->setText(cls);
            QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        });
        form->N4Click();
    };
    editor->Lines().SetTextStr("a { top: 0 }\r\n/* b */\r\n");
    editor->Core().PlaceCaretAt(1, 1);
    writeRule("end");
    EXPECT_EQ(editor->Lines().GetTextStr(), "a { top: 0 }\r\n/* b */\r\n.end {\r\n}\r\n");
    form->InsertRuleAtCaret = true;
    editor->Core().PlaceCaretAt(1, 1);
    writeRule("line");  // at the start of the caret's line, as one undo step
    EXPECT_EQ(editor->Lines().GetTextStr(), "a { top: 0 }\r\n.line {\r\n}\r\n/* b */\r\n.end {\r\n}\r\n");
    editor->Undo();
    EXPECT_EQ(editor->Lines().GetTextStr(), "a { top: 0 }\r\n/* b */\r\n.end {\r\n}\r\n");
    editor->Core().PlaceCaretAt(0, 4);
    writeRule("after");  // after the rule the caret is in
    EXPECT_EQ(editor->Lines().GetTextStr(), "a { top: 0 }\r\n.after {\r\n}\r\n/* b */\r\n.end {\r\n}\r\n");
}

}  // namespace
