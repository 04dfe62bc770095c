// Tests of reading a rule back into a dialog: rules written by hand in other layouts, what is kept, and selectors the
// selector group cannot show.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "components/combo_box.h"
#include "components/spin_edit.h"
#include "dialogs/border_dialog.h"
#include "dialogs/margin_dialog.h"
#include "dialogs/rule_reading.h"
#include "tests/support/qt_printers.h"

namespace {

// The lines the dialog writes for `rule` once it has read it.
template <typename Form>
QStringList Rewritten(const QString& rule)
{
    const std::optional<tavi::TReadRule> read = tavi::ReadRuleText(rule);
    if (!read)
        return {"no rule"};
    Form dialog([](const QString&) {});
    if (!dialog.ReadRule(*read))
        return {"selector not shown"};
    return dialog.RuleLines().value();
}

TEST(RuleReading, RulesWrittenByHandInAnyLayoutAreReadAlike)
{
    const QStringList expected{"p.note {", "  margin : 10px }"};
    for (const char* rule : {"p.note{margin:10px}", "p.note {\r\n\tmargin :10px;\r\n}\r\n", "p.note { MARGIN: 10PX; }",
                             "  p.note\r\n{\r\n  /* wide */ margin:10px\r\n}"}) {
        EXPECT_EQ(Rewritten<TForm3>(rule), expected) << rule;
    }
    // Several declarations on a line, sides in any order, a unit named in CSS ("in" is the list's "inch").
    EXPECT_EQ(Rewritten<TForm3>("P { margin-left: 1in; margin-top: 2in }"),
              QStringList({"P {", "  margin-top : 2in;", "  margin-left : 1in }"}));
    EXPECT_EQ(Rewritten<TForm4>(".box{padding:1px;border-style:dotted;border-color:#FF0000}"),
              QStringList({".box {", "  padding : 1px;", "  border-color : #FF0000;", "  border-style: dotted }"}));
}

TEST(RuleReading, WhatTheDialogCannotShowIsKeptInsideTheRule)
{
    // Another property, "!important", a second margin once the first chose "all sides", and a
    // unit another length of the same list does not share.
    EXPECT_EQ(
        Rewritten<TForm3>("p { color: red; margin: 0 !important; margin: 5px; margin-top: 1em }"),
        QStringList({"p {", "  margin : 5px;", "  color: red;", "  margin: 0 !important;", "  margin-top: 1em }"}));
    EXPECT_EQ(Rewritten<TForm4>("p { padding: 4px 8px }"), QStringList({"p {", "  padding: 4px 8px }"}));
    EXPECT_EQ(Rewritten<TForm3>("p { margin-top: 1px; margin-left: 2em }"),
              QStringList({"p {", "  margin-top : 1px;", "  margin-left: 2em }"}));
    // A comment inside a value: the declaration stays as written.
    EXPECT_EQ(Rewritten<TForm3>("p { margin: /* c */ 1px }"), QStringList({"p {", "  margin: /* c */ 1px }"}));
    // A comment line as the dialogs write it comes back in the comment edit.
    EXPECT_EQ(Rewritten<TForm3>("p { margin: 1px }\r\n  /*見出し*/\r\n"),
              QStringList({"p {", "  margin : 1px }", "  /*見出し*/"}));
}

TEST(RuleReading, OnlyAnElementAClassOrBothCanBeShown)
{
    const struct {
        const char* Selector;
        std::optional<std::pair<QString, QString>> Parts;
    } cases[] = {
        {"P", std::pair{QString("P"), QString()}},
        {".note", std::pair{QString(), QString("note")}},
        {"h1.my-class", std::pair{QString("h1"), QString("my-class")}},
        {" em ", std::pair{QString("em"), QString()}},
        {"ul li", std::nullopt},
        {"a:hover", std::nullopt},
        {"#main", std::nullopt},
        {"p, q", std::nullopt},
        {"*", std::nullopt},
        {"p.a.b", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tavi::SelectorParts(c.Selector), c.Parts) << c.Selector;
    EXPECT_EQ(Rewritten<TForm3>("ul li { margin: 0 }"), QStringList{"selector not shown"});
}

TEST(RuleReading, TheRuleIsFoundInsideAtRulesAndWithoutItsEnd)
{
    const std::optional<tavi::TReadRule> inMedia = tavi::ReadRuleText("@media print {\r\n  h1 { margin: 0 }\r\n}");
    ASSERT_TRUE(inMedia);
    EXPECT_EQ(inMedia->Selector, "h1");
    EXPECT_EQ(Rewritten<TForm3>("p { margin: 3px"), QStringList({"p {", "  margin : 3px }"}));
    const QString text = "x\r\np { margin: 1px }\r\n  /*c*/\r\nq {}";
    const std::optional<tavi::TReadRule> rule = tavi::ReadRuleText(text.mid(3));
    ASSERT_TRUE(rule);
    EXPECT_EQ(text.mid(3).mid(rule->Begin, rule->End - rule->Begin), "p { margin: 1px }\r\n  /*c*/");
}

}  // namespace
