// Tests of the font and text decoration dialog: its enabling rules and every line it writes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <memory>

#include "components/bit_btn.h"
#include "components/combo_box.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "dialogs/font_dialog.h"
#include "tests/support/qt_printers.h"

namespace {

class FontDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<TForm2>([this](const QString& line) { written << line; });
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        dialog->CheckBox9->click();
        dialog->Edit2->setText("n");
    }

    // The declarations the dialog would write now.
    QStringList Declarations() const { return dialog->RuleLines().value().mid(1); }

    void Choose(QCheckBox* box, TRadioGroup* group, int item)
    {
        if (!box->isChecked())
            box->click();
        group->Button(item)->click();
    }

    std::unique_ptr<TForm2> dialog;
    QStringList written;
};

TEST_F(FontDialogTest, EveryChoiceControlStartsDisabledAndFollowsItsBox)
{
    TForm2& d = *dialog;
    for (QWidget* w : std::initializer_list<QWidget*>{d.RadioGroup1, d.RadioGroup2, d.RadioButton1, d.ComboBox3,
                                                      d.ComboBox4, d.UDNumeralEdit1, d.UDNumeralEdit2, d.ComboBox5,
                                                      d.RadioButton5, d.ComboBox6, d.SpinEdit3, d.ComboBox7,
                                                      d.RadioGroup4, d.RadioGroup3, d.RadioGroup5, d.RadioGroup6})
        EXPECT_FALSE(w->isEnabled());
    for (TRadioGroup* g : {d.RadioGroup1, d.RadioGroup2, d.RadioGroup3, d.RadioGroup4, d.RadioGroup5, d.RadioGroup6})
        EXPECT_EQ(g->ItemIndex(), -1);

    // A radio button's handler enables its own value control and leaves the earlier one enabled.
    d.CheckBox3->click();
    d.RadioButton1->click();
    EXPECT_TRUE(d.ComboBox3->isEnabled());
    d.RadioButton2->click();
    EXPECT_TRUE(d.ComboBox4->isEnabled());
    EXPECT_TRUE(d.ComboBox3->isEnabled());
    d.RadioButton3->click();
    EXPECT_TRUE(d.UDNumeralEdit2->isEnabled());
    EXPECT_TRUE(d.ComboBox5->isEnabled());
    // Unticking the box disables its radio buttons, not the value controls behind them.
    d.CheckBox3->click();
    EXPECT_FALSE(d.RadioButton1->isEnabled());
    EXPECT_TRUE(d.ComboBox3->isEnabled());

    d.CheckBox6->click();
    EXPECT_TRUE(d.RadioGroup4->isEnabled());
    d.CheckBox6->click();
    EXPECT_FALSE(d.RadioGroup4->isEnabled());
}

TEST_F(FontDialogTest, FontKindAndFontNameExcludeEachOther)
{
    TForm2& d = *dialog;
    Choose(d.CheckBox1, d.RadioGroup1, 0);
    EXPECT_TRUE(d.RadioGroup1->isEnabled());
    d.CheckBox5->click();
    EXPECT_FALSE(d.CheckBox1->isChecked());
    EXPECT_FALSE(d.RadioGroup1->isEnabled());
    EXPECT_TRUE(d.ComboBox7->isEnabled());
    EXPECT_EQ(Declarations(), QStringList{"}"});  // the untouched prompt is no font name
    d.CheckBox1->click();
    EXPECT_FALSE(d.CheckBox5->isChecked());
    EXPECT_FALSE(d.ComboBox7->isEnabled());
    EXPECT_EQ(Declarations(), QStringList{"  font-family: serif }"});
}

TEST_F(FontDialogTest, TheFontNameListHoldsTheInstalledFamiliesUnderItsPrompt)
{
    TForm2& d = *dialog;
    EXPECT_EQ(d.ComboBox7->Text(), "Font Name");
    EXPECT_EQ(d.ComboBox7->ItemIndex(), -1);
    // Each installed family once, by its family name (no foundry in brackets), sorted.
    QStringList items;
    for (int i = 0; i < d.ComboBox7->count(); ++i)
        items << d.ComboBox7->itemText(i);
    EXPECT_GT(items.size(), 0);
    QStringList sorted = items;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(items, sorted);
    EXPECT_EQ(QSet<QString>(items.begin(), items.end()).size(), items.size());
    for (const QString& family : QFontDatabase::families()) {
        const QString name = family.section(QStringLiteral(" ["), 0, 0);
        EXPECT_TRUE(items.contains(name)) << family.toStdString();
    }
    EXPECT_TRUE(items.filter(QStringLiteral("[")).isEmpty());

    // The written name is the family name, quoted when it is not plain identifiers; the
    // toolkit's aliases are the generic families.
    d.CheckBox5->click();
    const struct {
        const char* picked;
        const char* line;
    } cases[] = {
        {"DejaVu Sans Mono", "  font-family: DejaVu Sans Mono }"},
        {"Font Awesome 6 Free", "  font-family: \"Font Awesome 6 Free\" }"},
        {"Sans Serif", "  font-family: sans-serif }"},
        {"Serif", "  font-family: serif }"},
        {"Monospace", "  font-family: monospace }"},
        {"IPAゴシック", "  font-family: IPAゴシック }"},
    };
    for (const auto& c : cases) {
        d.ComboBox7->SetText(QString::fromUtf8(c.picked));
        EXPECT_EQ(Declarations(), QStringList{QString::fromUtf8(c.line)});
    }
}

TEST_F(FontDialogTest, EveryRadioGroupLineInItsOpenAndClosingForm)
{
    TForm2& d = *dialog;
    const struct {
        QCheckBox* box;
        TRadioGroup* group;
        QStringList closing;
        QStringList open;
    } groups[] = {
        {d.CheckBox1,
         d.RadioGroup1,
         {"  font-family: serif }", "  font-family: sans-serif }", "  font-family: cursive }",
          "  font-family: fantasy }", "  font-family: monospace }"},
         {"  font-family: serif;", "  font-family: sans-serif;", "  font-family: cursive;", "  font-family: fantasy;",
          "  font-family: monospace;"}},
        {d.CheckBox2,
         d.RadioGroup2,
         {"  font-style: normal }", "  font-style: italic }"},
         {"  font-style: normal ;", "  font-style: italic ;"}},
        {d.CheckBox6,
         d.RadioGroup4,
         {"  text-decoration: underline}", "  text-decoration: overline}", "  text-decoration: line-through}",
          "  text-decoration: blink}", "  text-decoration: none}"},
         {"  text-decoration: underline ;", "  text-decoration: overline ;", "  text-decoration: line-through ;",
          "  text-decoration: blink ;", "  text-decoration: none ;"}},
        {d.CheckBox7,
         d.RadioGroup3,
         {"  text-transform: capitalize }", "  text-transform: uppercase }", "  text-transform: lowercase }",
          "  text-transform: none }"},
         {"  text-transform: capitalize;", "  text-transform: uppercase;", "  text-transform: lowercase;",
          "  text-transform: none;"}},
        {d.CheckBox10,
         d.RadioGroup5,
         {"  vertical-align: baseline }", "  vertical-align: sub }", "  vertical-align: super }",
          "  vertical-align: text-top }", "  vertical-align: middle }", "  vertical-align: text-bottom }",
          "  vertical-align: top }", "  vertical-align: bottom }"},
         {"  vertical-align: baseline;", "  vertical-align: sub;", "  vertical-align: super;",
          "  vertical-align: text-top;", "  vertical-align: middle;", "  vertical-align: text-bottom;",
          "  vertical-align: top;", "  vertical-align: bottom;"}},
    };
    for (const auto& g : groups) {
        for (int i = 0; i < g.closing.size(); ++i) {
            SCOPED_TRACE(g.closing[i].toStdString());
            Choose(g.box, g.group, i);
            EXPECT_EQ(Declarations(), QStringList{g.closing[i]});
            d.CheckBox11->click();  // a later group, ticked with no item chosen
            EXPECT_EQ(Declarations(), QStringList({g.open[i], "}"}));
            d.CheckBox11->click();
        }
        g.box->click();
    }
    const char* const whiteSpace[] = {"  white-space: normal }", "  white-space: pre }", "  white-space: nowrap }"};
    for (int i = 0; i < 3; ++i) {
        Choose(d.CheckBox11, d.RadioGroup6, i);
        EXPECT_EQ(Declarations(), QStringList{whiteSpace[i]});
    }
}

TEST_F(FontDialogTest, SizeAndWeightLinesByTheirRadioButtons)
{
    TForm2& d = *dialog;
    d.CheckBox3->click();
    EXPECT_EQ(Declarations(), QStringList{"}"});  // no radio button chosen: no line
    d.RadioButton1->click();
    EXPECT_EQ(Declarations(), QStringList{"}"});  // the untouched prompt writes nothing
    d.ComboBox3->setCurrentIndex(2);
    emit d.ComboBox3->activated(2);
    EXPECT_EQ(Declarations(), QStringList{"  font-size: small }"});
    d.RadioButton2->click();
    EXPECT_EQ(Declarations(), QStringList{"}"});  // read by its chosen item only
    d.ComboBox4->setCurrentIndex(1);
    emit d.ComboBox4->activated(1);
    EXPECT_EQ(Declarations(), QStringList{"  font-size: smaller }"});
    d.ComboBox4->setCurrentIndex(0);
    emit d.ComboBox4->activated(0);
    EXPECT_EQ(Declarations(), QStringList{"  font-size: larger }"});
    d.RadioButton4->click();
    EXPECT_EQ(Declarations(), QStringList{"  font-size: 100% }"});
    d.RadioButton3->click();
    EXPECT_EQ(Declarations(), QStringList{"  font-size: 1pt }"});
    d.ComboBox5->SetItemIndex(3);
    EXPECT_EQ(Declarations(), QStringList{"  font-size: 1in }"});  // the list's "inch" is CSS's "in"
    d.ComboBox5->SetText("pt");

    d.CheckBox4->click();
    EXPECT_EQ(Declarations(), QStringList({"  font-size: 1pt;", "}"}));  // the weight group, ticked, comes later
    d.RadioButton5->click();
    EXPECT_EQ(Declarations(), QStringList({"  font-size: 1pt;", "}"}));  // its prompt writes nothing
    d.ComboBox6->SetItemIndex(2);
    EXPECT_EQ(Declarations(), QStringList({"  font-size: 1pt;", "  font-weight: bolder }"}));
    d.RadioButton6->click();
    d.SpinEdit3->setFocus();
    QTest::keyClick(d.SpinEdit3, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(d.SpinEdit3, "950");
    d.UDNumeralEdit1->setFocus();  // leaving the box pulls the number into its range
    EXPECT_EQ(d.SpinEdit3->Text(), "900");
    EXPECT_EQ(Declarations().last(), "  font-weight: 900 }");
    d.RadioButton4->click();
    EXPECT_EQ(Declarations().first(), "  font-size: 100%;");
}

TEST_F(FontDialogTest, WritesTheWholeRuleInTheTablesOrderAndSpacing)
{
    TForm2& d = *dialog;
    Choose(d.CheckBox2, d.RadioGroup2, 1);
    d.CheckBox3->click();
    d.RadioButton3->click();
    d.UDNumeralEdit2->SetText("12");
    Choose(d.CheckBox6, d.RadioGroup4, 0);
    QTest::mouseClick(d.Button1, Qt::LeftButton);
    EXPECT_EQ(written,
              QStringList({".n {", "  font-style: italic ;", "  font-size: 12pt;", "  text-decoration: underline}"}));

    // Group 9 ticked with no item: the earlier line stays open and a line of its own closes the rule.
    TForm2 other([](const QString&) {});
    other.CheckBox8->click();
    Choose(other.CheckBox2, other.RadioGroup2, 0);
    other.CheckBox11->click();
    EXPECT_EQ(other.RuleLines(), QStringList({" {", "  font-style: normal ;", "}"}));
    Choose(other.CheckBox1, other.RadioGroup1, 4);
    other.RadioGroup6->Button(1)->click();
    EXPECT_EQ(other.RuleLines(),
              QStringList({" {", "  font-family: monospace;", "  font-style: normal ;", "  white-space: pre }"}));
}

}  // namespace
