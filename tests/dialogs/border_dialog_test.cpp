// Tests of the border dialog: per-side controls on the figure, its colour choosers, and every line it writes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "components/bit_btn.h"
#include "components/combo_box.h"
#include "components/image.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "dialogs/border_dialog.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"

namespace {

class BorderDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<TForm4>([this](const QString& line) { written << line; });
        dialog->show();
        dialog->CheckBox2->click();
        dialog->Edit2->setText("b");
    }

    QStringList Declarations() const { return dialog->RuleLines().value().mid(1); }

    std::unique_ptr<TForm4> dialog;
    QStringList written;
};

TEST_F(BorderDialogTest, RadioButtonsShowTheirSideControlsAndBoxesEnableTheirRadioButtons)
{
    TForm4& d = *dialog;
    const std::vector<QWidget*> paddingSides{d.SpinEdit2, d.SpinEdit3, d.SpinEdit4, d.SpinEdit11};
    const std::vector<QWidget*> colorSides{d.Edit3,   d.Edit4,   d.Edit5,   d.Edit6,
                                           d.BitBtn2, d.BitBtn3, d.BitBtn4, d.BitBtn5};
    const std::vector<QWidget*> widthSides{d.SpinEdit6, d.SpinEdit7, d.SpinEdit8, d.SpinEdit9};
    const auto visible = [](const std::vector<QWidget*>& ws) {
        return std::all_of(ws.begin(), ws.end(), [](QWidget* w) { return w->isVisible(); });
    };
    const auto hidden = [](const std::vector<QWidget*>& ws) {
        return std::none_of(ws.begin(), ws.end(), [](QWidget* w) { return w->isVisible(); });
    };
    for (QRadioButton* r :
         {d.RadioButton1, d.RadioButton2, d.RadioButton3, d.RadioButton4, d.RadioButton5, d.RadioButton6}) {
        EXPECT_FALSE(r->isChecked());
        EXPECT_FALSE(r->isEnabled());
    }
    EXPECT_TRUE(hidden(paddingSides) && hidden(colorSides) && hidden(widthSides));
    EXPECT_TRUE(hidden({d.SpinEdit5, d.Edit7, d.BitBtn1, d.SpinEdit10}));

    d.CheckBox3->click();
    EXPECT_TRUE(d.ComboBox1->isEnabled());
    d.RadioButton1->click();
    EXPECT_TRUE(visible(paddingSides));
    d.RadioButton2->click();
    EXPECT_TRUE(hidden(paddingSides));
    EXPECT_TRUE(d.SpinEdit5->isVisible());
    d.CheckBox4->click();
    d.RadioButton3->click();
    EXPECT_TRUE(visible(colorSides));
    d.Edit3->setText("red");
    d.RadioButton4->click();
    EXPECT_TRUE(hidden(colorSides));
    EXPECT_TRUE(visible({d.Edit7, d.BitBtn1}));
    EXPECT_EQ(d.Edit3->text(), "red");  // kept, not written
    d.CheckBox5->click();
    EXPECT_TRUE(d.SpinEdit10->isEnabled());
    d.RadioButton5->click();
    EXPECT_TRUE(visible(widthSides));
    // Unticking a box disables its radio buttons and leaves the side controls as they are.
    d.CheckBox5->click();
    EXPECT_FALSE(d.RadioButton5->isEnabled());
    EXPECT_TRUE(visible(widthSides));
    d.CheckBox6->click();
    EXPECT_TRUE(d.RadioGroup1->isEnabled());
}

TEST_F(BorderDialogTest, SideControlsStandOnTheFigureAtTheirSides)
{
    TForm4& d = *dialog;
    const QRect figure = d.Image1->geometry();
    const struct {
        QWidget *top, *bottom, *right, *left;
    } sides[] = {{d.SpinEdit2, d.SpinEdit4, d.SpinEdit11, d.SpinEdit3},
                 {d.Edit3, d.Edit5, d.Edit6, d.Edit4},
                 {d.SpinEdit8, d.SpinEdit7, d.SpinEdit9, d.SpinEdit6}};
    for (const auto& s : sides) {
        for (QWidget* w : {s.top, s.bottom, s.right, s.left})
            EXPECT_TRUE(figure.contains(w->geometry())) << w->metaObject()->className();
        EXPECT_LT(s.top->geometry().bottom(), s.left->geometry().top());
        EXPECT_GT(s.bottom->geometry().top(), s.right->geometry().bottom());
        EXPECT_LT(s.left->geometry().right(), s.right->geometry().left());
    }
    // Each colour button stands right beside its edit.
    for (auto [edit, button] : {std::pair<QWidget*, QWidget*>{d.Edit3, d.BitBtn2},
                                {d.Edit5, d.BitBtn3},
                                {d.Edit4, d.BitBtn4},
                                {d.Edit6, d.BitBtn5}}) {
        EXPECT_EQ(button->y(), edit->y());
        EXPECT_LE(button->x() - edit->geometry().right(), 4);
        EXPECT_TRUE(figure.contains(button->geometry()));
    }
    // Padding inside the border line, colour and width outside it: padding is nearer the middle.
    EXPECT_GT(d.SpinEdit2->y(), d.SpinEdit8->y());
    EXPECT_GT(d.SpinEdit3->x(), d.SpinEdit6->x());
}

TEST_F(BorderDialogTest, PerSideLinesRunTopBottomRightLeftAndOnlyTheLastTakesTheTerminator)
{
    TForm4& d = *dialog;
    d.CheckBox3->click();
    d.RadioButton1->click();
    EXPECT_EQ(Declarations(), QStringList({"  padding-top : 0px;", "  padding-bottom : 0px;", "  padding-right : 0px;",
                                           "  padding-left : 0px }"}));
    d.SpinEdit2->SetText("1");
    d.SpinEdit4->SetText("2");
    d.SpinEdit11->SetText("3");
    d.SpinEdit3->SetText("4");
    d.CheckBox4->click();
    d.RadioButton3->click();
    d.Edit3->setText("red");
    d.Edit5->setText("green");
    d.Edit6->setText("blue");
    d.Edit4->setText("");
    d.CheckBox5->click();
    d.RadioButton5->click();
    d.SpinEdit8->SetText("5");
    d.SpinEdit7->SetText("6");
    d.SpinEdit9->SetText("7");
    d.SpinEdit6->SetText("8");
    d.ComboBox2->SetText("pt");
    d.CheckBox6->click();
    d.RadioGroup1->Button(3)->click();
    QTest::mouseClick(d.BitBtn6, Qt::LeftButton);
    EXPECT_EQ(written,
              QStringList({".b {", "  padding-top : 1px;", "  padding-bottom : 2px;", "  padding-right : 3px;",
                           "  padding-left : 4px;", "  border-top-color : red;", "  border-bottom-color : green;",
                           "  border-right-color : blue;", "  border-top-width : 5pt;", "  border-bottom-width : 6pt;",
                           "  border-right-width : 7pt;", "  border-left-width : 8pt;", "  border-style: solid }"}));
}

TEST_F(BorderDialogTest, AllAtOnceLinesStyleLinesAndGroupsLeftEmpty)
{
    TForm4& d = *dialog;
    d.CheckBox3->click();
    d.RadioButton2->click();
    d.CheckBox6->click();
    EXPECT_EQ(Declarations(), QStringList({"  padding : 0px;", "}"}));  // style ticked, no item: closed alone
    d.RadioGroup1->Button(3)->click();
    EXPECT_EQ(Declarations(), QStringList({"  padding : 0px;", "  border-style: solid }"}));
    d.CheckBox3->click();
    d.CheckBox4->click();
    d.RadioButton4->click();
    d.CheckBox6->click();
    EXPECT_EQ(Declarations(), QStringList{"}"});  // an empty colour writes no declaration
    d.Edit7->setText("navy");
    EXPECT_EQ(Declarations(), QStringList{"  border-color : navy }"});
    d.CheckBox5->click();
    EXPECT_EQ(Declarations(), QStringList({"  border-color : navy;", "}"}));  // width ticked with no choice
    d.RadioButton6->click();
    d.SpinEdit10->SetText("2");
    EXPECT_EQ(Declarations(), QStringList({"  border-color : navy;", "  border-width : 2px }"}));
    d.SpinEdit10->SetText("");
    EXPECT_EQ(Declarations(), QStringList({"  border-color : navy;", "}"}));  // an emptied number neither
    d.SpinEdit10->SetText("2");
    const QStringList styles = d.RadioGroup1->Items();
    d.CheckBox6->click();
    for (int i = 0; i < styles.size(); ++i) {
        d.RadioGroup1->Button(i)->click();
        EXPECT_EQ(Declarations().last(), "  border-style: " + styles[i] + " }");
    }
    EXPECT_EQ(styles, QStringList({"dashed", "dotted", "double", "solid", "groove", "ridge", "outset", "inset"}));
}

TEST_F(BorderDialogTest, ColourButtonsShareOneChooserAndShowThePickedColour)
{
    TForm4& d = *dialog;
    d.CheckBox4->click();
    d.RadioButton3->click();
    QColor shown;
    AnswerColorChooser(Qt::red, true, &shown);
    d.BitBtn2->click();
    EXPECT_EQ(shown, QColor(Qt::black));
    EXPECT_EQ(d.Edit3->text(), "#FF0000");
    EXPECT_EQ(d.Edit3->palette().color(QPalette::Text), QColor(Qt::red));

    AnswerColorChooser(Qt::green, false, &shown);
    d.BitBtn2->click();
    EXPECT_EQ(shown, QColor(Qt::red));
    EXPECT_EQ(d.Edit3->text(), "#FF0000");

    // Each button fills its own edit, starting from the last confirmed colour.
    const std::pair<TBitBtn*, QLineEdit*> buttons[] = {
        {d.BitBtn3, d.Edit5}, {d.BitBtn4, d.Edit4}, {d.BitBtn5, d.Edit6}, {d.BitBtn1, d.Edit7}};
    QColor last = Qt::red;
    int n = 1;
    for (auto [button, edit] : buttons) {
        const QColor pick(0x10 * n, 0x20, 0x30);
        d.RadioButton4->setChecked(button == d.BitBtn1);
        d.RadioButton3->setChecked(button != d.BitBtn1);
        AnswerColorChooser(pick, true, &shown);
        button->click();
        EXPECT_EQ(shown, last);
        EXPECT_EQ(edit->text(), QString("#%1").arg(pick.rgb() & 0xFFFFFF, 6, 16, QChar('0')).toUpper());
        last = pick;
        ++n;
    }
    d.Edit7->setText("navy");  // typed colours are used unchanged
    EXPECT_EQ(Declarations(), QStringList{"  border-color : navy }"});
}

}  // namespace
