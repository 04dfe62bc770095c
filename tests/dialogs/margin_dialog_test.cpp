// Tests of the margin dialog and the rule-writing behaviour every style rule dialog shares.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "components/bit_btn.h"
#include "components/combo_box.h"
#include "components/image.h"
#include "components/spin_edit.h"
#include "dialogs/margin_dialog.h"
#include "dialogs/selector_group.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"

namespace {

class MarginDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<TForm3>([this](const QString& line) { written << line; });
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    void Type(QWidget* control, const QString& text)
    {
        control->setFocus();
        QTest::keyClicks(control, text);
    }

    void ReplaceText(TSpinEdit* spin, const QString& text)
    {
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(spin, Qt::Key_Delete);
        QTest::keyClicks(spin, text);
    }

    void PressOk() { QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton); }

    std::unique_ptr<TForm3> dialog;
    QStringList written;
};

}  // namespace

TEST_F(MarginDialogTest, OpensWithTheDesignDefaults)
{
    EXPECT_EQ(dialog->windowTitle(), "マージン");
    EXPECT_EQ(dialog->size(), QSize(499, 539));
    EXPECT_EQ(dialog->GroupBox1->title(), "セレクター（選択部）");
    EXPECT_EQ(dialog->Label3->text(), "に対して下のスタイルを指定します");
    EXPECT_FALSE(dialog->CheckBox1->isChecked());
    EXPECT_FALSE(dialog->CheckBox2->isChecked());
    EXPECT_TRUE(dialog->Edit1->isEnabled());
    EXPECT_TRUE(dialog->Edit2->isEnabled());
    EXPECT_FALSE(dialog->Edit3->isEnabled());
    EXPECT_EQ(dialog->ComboBox1->Text(), "px");
    EXPECT_EQ(dialog->ComboBox1->ItemIndex(), -1);
    EXPECT_FALSE(dialog->RadioButton1->isChecked());
    EXPECT_FALSE(dialog->RadioButton2->isChecked());
    for (TSpinEdit* spin :
         {dialog->SpinEdit1, dialog->SpinEdit2, dialog->SpinEdit3, dialog->SpinEdit4, dialog->SpinEdit5})
        EXPECT_FALSE(spin->isVisible());
    EXPECT_EQ(dialog->SpinEdit4->Text(), "1");
    EXPECT_EQ(dialog->SpinEdit1->Text(), "0");
    EXPECT_EQ(dialog->BitBtn1->text(), "&OK");
    EXPECT_EQ(dialog->BitBtn2->text(), "&Cancel");
    EXPECT_FALSE(dialog->Image1->Picture().isNull());
}

TEST_F(MarginDialogTest, RadioButtonsShowTheirSpinEditsAndKeepTheOthersValues)
{
    QTest::mouseClick(dialog->RadioButton1, Qt::LeftButton);
    EXPECT_FALSE(dialog->SpinEdit4->isVisible());
    for (TSpinEdit* side : {dialog->SpinEdit1, dialog->SpinEdit2, dialog->SpinEdit3, dialog->SpinEdit5})
        EXPECT_TRUE(side->isVisible());
    ReplaceText(dialog->SpinEdit1, "7");

    QTest::mouseClick(dialog->RadioButton2, Qt::LeftButton);
    EXPECT_TRUE(dialog->SpinEdit4->isVisible());
    EXPECT_FALSE(dialog->SpinEdit1->isVisible());
    EXPECT_EQ(dialog->SpinEdit1->Text(), "7");
}

TEST_F(MarginDialogTest, ARadioButtonToggledByAnAssistiveTechnologyShowsItsSpinEdits)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(dialog->RadioButton1);
    ASSERT_NE(iface, nullptr);
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(dialog->RadioButton1->isChecked());
    EXPECT_TRUE(dialog->SpinEdit1->isVisible());
    EXPECT_FALSE(dialog->SpinEdit4->isVisible());
}

TEST_F(MarginDialogTest, WithoutASelectorOkShowsTheMessageAndKeepsEverything)
{
    QTest::mouseClick(dialog->RadioButton2, Qt::LeftButton);
    Type(dialog->Edit1, "P");  // typed, but the element box is not ticked
    SeenMessageBox seen;
    RecordNextMessageBox(seen);
    PressOk();

    EXPECT_EQ(seen.caption, "Information from TAVI");
    EXPECT_EQ(seen.text, "セレクターにタグかクラスを指定してから、スタイルを指定し、ＯＫボタンを押してください");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
    EXPECT_TRUE(written.isEmpty());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->RadioButton2->isChecked());
    EXPECT_EQ(dialog->Edit1->text(), "P");
}

TEST_F(MarginDialogTest, WritesTheWholeRuleForAllSidesWithAComment)
{
    QTest::mouseClick(dialog->CheckBox1, Qt::LeftButton);
    Type(dialog->Edit1, "P");
    QTest::mouseClick(dialog->CheckBox2, Qt::LeftButton);
    Type(dialog->Edit2, "note");
    QTest::mouseClick(dialog->RadioButton2, Qt::LeftButton);
    ReplaceText(dialog->SpinEdit4, "10");
    QTest::mouseClick(dialog->CheckBox3, Qt::LeftButton);
    EXPECT_TRUE(dialog->Edit3->isEnabled());
    Type(dialog->Edit3, "sample");
    PressOk();

    EXPECT_EQ(written, QStringList({"P.note {", "  margin : 10px }", "  /*sample*/"}));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(MarginDialogTest, WritesEachSideTopRightLeftBottomWithTheUnitFused)
{
    QTest::mouseClick(dialog->CheckBox2, Qt::LeftButton);
    Type(dialog->Edit2, "box");
    QTest::mouseClick(dialog->RadioButton1, Qt::LeftButton);
    ReplaceText(dialog->SpinEdit1, "1");
    ReplaceText(dialog->SpinEdit5, "2");
    ReplaceText(dialog->SpinEdit2, "3");
    ReplaceText(dialog->SpinEdit3, "");  // an emptied box writes no declaration
    dialog->ComboBox1->setFocus();
    QTest::keyClick(dialog->ComboBox1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dialog->ComboBox1, "%");
    PressOk();

    EXPECT_EQ(written, QStringList({".box {", "  margin-top : 1%;", "  margin-right : 2%;", "  margin-left : 3% }"}));
}

TEST_F(MarginDialogTest, PickedUnitsAreWrittenAsCssSpellsThem)
{
    QTest::mouseClick(dialog->CheckBox1, Qt::LeftButton);
    Type(dialog->Edit1, "DIV");
    QTest::mouseClick(dialog->RadioButton2, Qt::LeftButton);
    dialog->ComboBox1->setCurrentIndex(3);
    emit dialog->ComboBox1->activated(3);
    EXPECT_EQ(dialog->ComboBox1->ItemIndex(), 3);
    PressOk();
    EXPECT_EQ(dialog->ComboBox1->Text(), "inch");
    EXPECT_EQ(written, QStringList({"DIV {", "  margin : 1in }"}));
}

TEST_F(MarginDialogTest, SelectorEdgeCasesWriteTheEditsExactlyAsTyped)
{
    // Element ticked with nothing typed.
    QTest::mouseClick(dialog->CheckBox1, Qt::LeftButton);
    EXPECT_EQ(dialog->RuleLines(), QStringList({" {", "}"}));
    // Both ticked, both empty.
    QTest::mouseClick(dialog->CheckBox2, Qt::LeftButton);
    EXPECT_EQ(dialog->RuleLines(), QStringList({". {", "}"}));
    // Spaces are not trimmed.
    Type(dialog->Edit1, " H1 ");
    EXPECT_EQ(dialog->RuleLines(), QStringList({" H1 . {", "}"}));
    // An empty comment still gives its line; with no option a line of its own closes the rule.
    QTest::mouseClick(dialog->CheckBox3, Qt::LeftButton);
    PressOk();
    EXPECT_EQ(written, QStringList({" H1 . {", "}", "  /**/"}));
}

TEST_F(MarginDialogTest, UntickingASelectorBoxClearsItsEditAndItIsNeverWritten)
{
    QTest::mouseClick(dialog->CheckBox1, Qt::LeftButton);
    Type(dialog->Edit1, "P");
    QTest::mouseClick(dialog->CheckBox2, Qt::LeftButton);
    Type(dialog->Edit2, "x");
    QTest::mouseClick(dialog->CheckBox2, Qt::LeftButton);
    EXPECT_EQ(dialog->Edit2->text(), "");
    EXPECT_TRUE(dialog->Edit2->isEnabled());
    Type(dialog->Edit2, "typed-after");  // the box stays unticked
    PressOk();
    EXPECT_EQ(written, QStringList({"P {", "}"}));
}

TEST_F(MarginDialogTest, CancelCloseBoxEnterAndEscape)
{
    QTest::mouseClick(dialog->CheckBox1, Qt::LeftButton);
    dialog->Edit1->setFocus();
    QTest::keyClick(dialog->Edit1, Qt::Key_Return);
    QTest::keyClick(dialog->Edit1, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());  // neither key presses a button or closes the dialog
    EXPECT_TRUE(written.isEmpty());

    // A mnemonic presses its button with a short press animation.
    QTest::keyClick(dialog.get(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }, 2000));
    EXPECT_TRUE(written.isEmpty());
}

TEST_F(MarginDialogTest, AltOPressesOk)
{
    QTest::mouseClick(dialog->CheckBox1, Qt::LeftButton);
    Type(dialog->Edit1, "P");
    QTest::keyClick(dialog.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }, 2000));
    EXPECT_EQ(written, QStringList({"P {", "}"}));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(MarginDialogTest, PerSideSpinEditsStandOnTheFigure)
{
    const QRect figure = dialog->Image1->geometry();
    for (TSpinEdit* side : {dialog->SpinEdit1, dialog->SpinEdit2, dialog->SpinEdit3, dialog->SpinEdit5})
        EXPECT_TRUE(figure.contains(side->geometry()));
    EXPECT_LT(dialog->SpinEdit1->y(), dialog->SpinEdit2->y());  // top above the sides
    EXPECT_GT(dialog->SpinEdit3->y(), dialog->SpinEdit2->y());  // bottom below them
    EXPECT_LT(dialog->SpinEdit2->x(), dialog->SpinEdit1->x());  // left on the left
    EXPECT_GT(dialog->SpinEdit5->x(), dialog->SpinEdit1->x());  // right on the right
}
