// Tests of the basic style and text layout dialogs: their controls' links and every line they write.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "components/combo_box.h"
#include "components/image.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "dialogs/basic_style_dialog.h"
#include "dialogs/text_layout_dialog.h"
#include "tests/support/qt_printers.h"

namespace {

// A dialog shown with a class selector, whose declarations a test reads.
template <typename Form>
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<Form>([](const QString&) {});
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        dialog->Selector()->ClassBox->setChecked(true);
        dialog->Selector()->ClassEdit->setText("note");
    }
    QStringList Declarations() const { return dialog->RuleLines().value().mid(1); }
    static void Retype(TSpinEdit* spin, const QString& text)
    {
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, text);
    }
    std::unique_ptr<Form> dialog;
};

using BasicStyleDialogTest = DialogTest<TForm8>;
using TextLayoutDialogTest = DialogTest<TForm10>;

TEST_F(BasicStyleDialogTest, StartStatesAndTheSizeControlsFollowTheUnitButton)
{
    TForm8& d = *dialog;
    EXPECT_EQ(d.RadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(d.RadioGroup2->ItemIndex(), 0);
    EXPECT_EQ(d.RadioGroup3->ItemIndex(), 2);
    EXPECT_TRUE(d.RadioButton1->isChecked());
    for (QWidget* w : std::initializer_list<QWidget*>{d.RadioGroup1, d.RadioGroup2, d.RadioGroup3, d.RadioButton1,
                                                      d.RadioButton2, d.ComboBox1})
        EXPECT_FALSE(w->isEnabled());
    EXPECT_FALSE(d.SpinEdit1->isVisible());
    EXPECT_EQ(d.ComboBox1->Text(), "%");

    d.CheckBox4->click();
    d.RadioButton2->click();
    EXPECT_TRUE(d.SpinEdit1->isVisible());
    EXPECT_TRUE(d.SpinEdit2->isVisible());
    EXPECT_TRUE(d.ComboBox1->isEnabled());
    EXPECT_EQ(Declarations(), QStringList({"  width : 0%;", "  height : 0% }"}));
    d.RadioButton1->click();
    EXPECT_FALSE(d.SpinEdit1->isVisible());
    EXPECT_FALSE(d.ComboBox1->isEnabled());
    EXPECT_EQ(Declarations(), QStringList({"  width : auto;", "  height : auto }"}));
    d.RadioButton2->click();
    d.CheckBox4->click();  // unticking leaves the spin edits and the unit as they are
    EXPECT_TRUE(d.SpinEdit1->isVisible());
    EXPECT_TRUE(d.ComboBox1->isEnabled());
    EXPECT_FALSE(d.RadioButton2->isEnabled());

    // Each spin edit stands on the figure right of its label: height top left, width below.
    const QRect figure = d.Image1->geometry();
    EXPECT_TRUE(figure.contains(d.SpinEdit1->geometry()));
    EXPECT_TRUE(figure.contains(d.SpinEdit2->geometry()));
    EXPECT_LT(d.SpinEdit1->y(), figure.top() + 30);
    EXPECT_GT(d.SpinEdit2->y(), figure.bottom() - 30);
}

TEST_F(BasicStyleDialogTest, LinesAndEndings)
{
    TForm8& d = *dialog;
    d.CheckBox3->click();
    EXPECT_EQ(Declarations(), QStringList{"  display: block }"});
    const char* const display[] = {"block", "inline", "list-item", "none"};
    for (int i = 0; i < 4; ++i) {
        d.RadioGroup1->Button(i)->click();
        EXPECT_EQ(Declarations(), QStringList{QString("  display: ") + display[i] + " }"});
    }
    d.RadioGroup1->Button(0)->click();
    d.CheckBox4->click();
    d.RadioButton2->click();
    Retype(d.SpinEdit2, "300");
    Retype(d.SpinEdit1, "200");
    d.ComboBox1->SetText("px");
    EXPECT_EQ(Declarations(), QStringList({"  display: block;", "  width : 300px;", "  height : 200px }"}));
    d.CheckBox5->click();
    d.CheckBox6->click();
    EXPECT_EQ(Declarations(), QStringList({"  display: block;", "  width : 300px;", "  height : 200px;",
                                           "  float : left;", "  clear : right }"}));
    d.CheckBox3->click();
    d.CheckBox4->click();
    const char* const floats[] = {"left", "none", "right"};
    for (int i = 0; i < 3; ++i) {
        d.RadioGroup2->Button(i)->click();
        EXPECT_EQ(Declarations().first(), QString("  float : ") + floats[i] + ";");
    }
    d.CheckBox5->click();
    const char* const clears[] = {"left", "none", "right", "both"};
    for (int i = 0; i < 4; ++i) {
        d.RadioGroup3->Button(i)->click();
        EXPECT_EQ(Declarations(), QStringList{QString("  clear : ") + clears[i] + " }"});
    }
    d.CheckBox6->click();
    EXPECT_EQ(Declarations(), QStringList{"}"});
}

TEST_F(BasicStyleDialogTest, TheCompleteResult)
{
    TForm8& d = *dialog;
    d.Selector()->ClassBox->setChecked(false);
    d.CheckBox1->click();
    d.Edit1->setText("DIV");
    for (QCheckBox* box : {d.CheckBox3, d.CheckBox4, d.CheckBox5, d.CheckBox6})
        box->click();
    d.RadioButton2->click();
    Retype(d.SpinEdit2, "200");
    Retype(d.SpinEdit1, "100");
    d.ComboBox1->setCurrentIndex(0);
    emit d.ComboBox1->activated(0);
    EXPECT_EQ(d.RuleLines(), QStringList({"DIV {", "  display: block;", "  width : 200px;", "  height : 100px;",
                                          "  float : left;", "  clear : right }"}));
}

TEST_F(TextLayoutDialogTest, RowsShowTheirSpinEditsAndGroupsEnableTheirValues)
{
    TForm10& d = *dialog;
    EXPECT_FALSE(d.SpinEdit1->isVisible());
    EXPECT_FALSE(d.SpinEdit2->isVisible());
    EXPECT_TRUE(d.SpinEdit1->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{d.ComboBox1, d.ComboBox2, d.RadioGroup1, d.SpinEdit3, d.ComboBox3,
                                                      d.SpinEdit4, d.ComboBox4})
        EXPECT_FALSE(w->isEnabled());
    EXPECT_EQ(d.RadioGroup1->ItemIndex(), -1);
    d.CheckBox3->click();
    EXPECT_TRUE(d.SpinEdit1->isVisible());
    EXPECT_TRUE(d.ComboBox1->isEnabled());
    Retype(d.SpinEdit1, "7");
    d.CheckBox3->click();
    EXPECT_FALSE(d.SpinEdit1->isVisible());
    EXPECT_EQ(Declarations(), QStringList{"}"});  // hidden and unticked: not written, whatever it holds
    EXPECT_EQ(d.SpinEdit1->Text(), "7");
    d.CheckBox6->click();
    EXPECT_TRUE(d.SpinEdit3->isEnabled());
    Retype(d.SpinEdit3, "200000");
    d.ComboBox3->setFocus();  // leaving the box pulls the number into -10000..100000
    EXPECT_EQ(d.SpinEdit3->Text(), "100000");
    Retype(d.SpinEdit3, "3");
    d.ComboBox3->SetText("em");
    EXPECT_EQ(Declarations(), QStringList{"  word-spacing : 3em }"});
    // Each spin edit stands on the figure.
    d.CheckBox3->click();
    d.CheckBox4->click();
    EXPECT_TRUE(d.Image1->geometry().contains(d.SpinEdit1->geometry()));
    EXPECT_TRUE(d.Image1->geometry().contains(d.SpinEdit2->geometry()));
    EXPECT_LT(d.SpinEdit1->y(), d.SpinEdit2->y());
}

TEST_F(TextLayoutDialogTest, EndingsLookOnlyAtTheLaterBoxes)
{
    TForm10& d = *dialog;
    for (QCheckBox* box : {d.CheckBox3, d.CheckBox4, d.CheckBox5, d.CheckBox6, d.CheckBox7})
        box->click();
    d.RadioGroup1->Button(0)->click();
    EXPECT_EQ(Declarations(), QStringList({"  text-indent : 0px;", "  line-height : 0px;", "  text-align: left;",
                                           "  word-spacing : 0px;", "  letter-spacing : 0px }"}));
    d.CheckBox3->click();
    d.CheckBox5->click();
    d.CheckBox7->click();
    EXPECT_EQ(Declarations(), QStringList({"  line-height : 0px;", "  word-spacing : 0px }"}));
    d.CheckBox6->click();
    d.CheckBox5->click();
    d.RadioGroup1->SetItemIndex(-1);
    EXPECT_EQ(Declarations(), QStringList({"  line-height : 0px;", "}"}));  // closed by a line of its own
    d.CheckBox4->click();
    EXPECT_EQ(Declarations(), QStringList{"}"});
    const char* const aligns[] = {"left", "right", "center", "justify"};
    for (int i = 0; i < 4; ++i) {
        d.RadioGroup1->Button(i)->click();
        EXPECT_EQ(Declarations(), QStringList{QString("  text-align: ") + aligns[i] + " }"});
    }
}

TEST_F(TextLayoutDialogTest, TheCompleteResult)
{
    TForm10& d = *dialog;
    d.CheckBox3->click();
    Retype(d.SpinEdit1, "2");
    d.ComboBox1->setCurrentIndex(2);
    emit d.ComboBox1->activated(2);
    d.CheckBox5->click();
    d.RadioGroup1->Button(2)->click();
    d.CheckBox7->click();
    Retype(d.SpinEdit4, "1");
    EXPECT_EQ(d.RuleLines(),
              QStringList({".note {", "  text-indent : 2cm;", "  text-align: center;", "  letter-spacing : 1px }"}));
}

}  // namespace
