// Tests of the rule-writing kit: which declaration closes the rule, keyword, length and per-side lines.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "components/combo_box.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "dialogs/rule_lines.h"
#include "tests/support/qt_printers.h"

namespace {

using tavi::Line;
using tavi::TRuleLines;

TEST(Declarations, TheLastLineOfTheLastGroupOnClosesUnlessALaterSwitchIsOnAndAnOpenRuleGetsALineOfItsOwn)
{
    QCheckBox a, b, c;
    const std::vector<tavi::TOptionGroup> groups{
        {&a,
         [] {
             return TRuleLines{Line("  a-1"), Line("  a-2")};
         }},
        {&b, [] { return TRuleLines{Line("  b", " ;", "}")}; }},
        {&c, [] { return TRuleLines{}; }},  // on, but its choice is empty
    };
    const struct {
        bool a, b, c;
        QStringList expected;
    } cases[] = {
        {false, false, false, {"}"}},
        {true, false, false, {"  a-1;", "  a-2 }"}},
        {true, true, false, {"  a-1;", "  a-2;", "  b}"}},
        {false, true, true, {"  b ;", "}"}},  // c writes nothing: the rule is closed alone
        {true, false, true, {"  a-1;", "  a-2;", "}"}},
    };
    for (const auto& k : cases) {
        a.setChecked(k.a);
        b.setChecked(k.b);
        c.setChecked(k.c);
        EXPECT_EQ(tavi::Declarations(groups), k.expected) << k.a << k.b << k.c;
    }
    // A line that always closes keeps its form.
    a.setChecked(true);
    b.setChecked(true);
    const std::vector<tavi::TOptionGroup> fixed{{&a, [] { return TRuleLines{tavi::ClosingLine("  x }")}; }},
                                                {&b, [] { return TRuleLines{Line("  y")}; }}};
    EXPECT_EQ(tavi::Declarations(fixed), QStringList({"  x }", "  y }"}));
}

TEST(RuleLineShapes, KeywordsLengthsAndSidesInTheirOrder)
{
    TRadioGroup group("g");
    group.SetItems({"左", "右"});
    EXPECT_TRUE(tavi::KeywordLine("  float : ", &group, {"left", "right"}).empty());  // nothing chosen
    group.SetItemIndex(1);
    EXPECT_EQ(tavi::KeywordLine("  float : ", &group, {"left", "right"}), TRuleLines{Line("  float : right")});

    // A length is a number fused to its unit as CSS spells it; no number, no length.
    TSpinEdit spin;
    TComboBox unit({"px"}, "inch");
    for (const auto& [typed, length] : std::initializer_list<std::pair<const char*, const char*>>{
             {"12", "12in"}, {"-1.5", "-1.5in"}, {"", ""}, {"-", ""}, {"1.", ""}}) {
        spin.SetText(QString::fromUtf8(typed));
        EXPECT_EQ(tavi::Length(&spin, &unit), length) << typed;
    }
    EXPECT_EQ(tavi::Declaration("  margin : ", " "), TRuleLines{});

    const auto name = [](tavi::TSide s) { return QString("v%1").arg(static_cast<int>(s)); };
    const TRuleLines margin = tavi::SideLines("margin", "", tavi::kMarginSideOrder, name);
    ASSERT_EQ(margin.size(), 4u);
    EXPECT_EQ(margin[0].open, "  margin-top : v0;");
    EXPECT_EQ(margin[1].open, "  margin-right : v1;");
    EXPECT_EQ(margin[2].open, "  margin-left : v3;");
    EXPECT_EQ(margin[3].closing, "  margin-bottom : v2 }");
    const TRuleLines border = tavi::SideLines("border", "-color", tavi::kBorderSideOrder, name);
    EXPECT_EQ(border[1].open, "  border-bottom-color : v2;");
    EXPECT_EQ(border[2].open, "  border-right-color : v1;");
    // A side left blank writes no line.
    const TRuleLines three = tavi::SideLines("margin", "", tavi::kMarginSideOrder,
                                             [&](tavi::TSide s) { return s == tavi::sdRight ? QString() : name(s); });
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[1].open, "  margin-left : v3;");
}

}  // namespace
