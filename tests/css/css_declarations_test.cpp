// Tests of finding a sheet's rules and declarations: names, values, "!important", the block they are in, in both
// encodings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "css/css_declarations.h"
#include "css/css_rules.h"

namespace tavi {
namespace {

// Each declaration as "name=value" ("name" alone without ":"), "!" after an important one and
// "@" after an at-rule's descriptor; the text between Begin and End must be the whole of it.
std::vector<std::string> Found(std::string_view text, TTextEncoding encoding = TTextEncoding::Cp932)
{
    std::vector<std::string> out;
    for (const TCssDeclaration& d : CssDeclarationsOf(text, encoding)) {
        std::string s(d.Name(text));
        if (d.ValueBegin >= 0)
            s.append("=").append(d.Value(text));
        if (d.Important)
            s += "!";
        if (!d.InStyleRule)
            s += "@";
        EXPECT_LE(d.NameEnd, d.End) << text;
        EXPECT_LE(d.ValueEnd, d.End) << text;
        out.push_back(s);
    }
    return out;
}

using V = std::vector<std::string>;

TEST(CssDeclarations, FoundInEveryLayoutOfARule)
{
    const struct {
        const char* Text;
        V Expected;
    } cases[] = {
        {"p { margin : 10inch; color: red }", {"margin=10inch", "color=red"}},
        {"p{margin:0;padding:1px 2px}", {"margin=0", "padding=1px 2px"}},
        {"p {\r\n  color: red;\r\n  margin: 0\r\n}\r\n", {"color=red", "margin=0"}},
        {"p { color: red !important; top: 0 ! important }", {"color=red!", "top=0!"}},
        {"p { /* a */ color: /* b */ red; }", {"color=/* b */ red"}},
        {"p { color red; margin: 0 }", {"color", "margin=0"}},
        {"p { color: ; }", {"color="}},
        {"p { --x: { a: b }; --y:1 }", {"--x={ a: b }", "--y=1"}},
        {"p { background: url(a;b.png) }", {"background=url(a;b.png)"}},
        {"p { content: \"a;b}\" }", {"content=\"a;b}\""}},
        {"@media screen { p { color: red } }", {"color=red"}},
        {"@font-face { font-family: x; src: url(a.woff) } p { top: 0 }",
         {"font-family=x@", "src=url(a.woff)@", "top=0"}},
        {"@page { margin: 1cm }", {"margin=1cm@"}},
        {"a { color: red; &:hover { color: blue } }", {"color=red", "color=blue"}},
        {"p { color: red", {"color=red"}},
        {"/* p { color: red } */ a:hover, b > c { top: 0 }", {"top=0"}},
        {"@import url(x.css); p{}", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Found(c.Text), c.Expected) << c.Text;
}

TEST(CssDeclarations, DoubleByteCharactersNeverEndAValue)
{
    // "表" is 0x95 0x5C and "ソ" 0x83 0x5C in code page 932: their second byte is a backslash.
    EXPECT_EQ(Found("p { content: \"\x95\x5C\"; font-family: \x83\x5C }"),
              (V{"content=\"\x95\x5C\"", "font-family=\x83\x5C"}));
    EXPECT_EQ(Found("p { content: \"\xE8\xA1\xA8\"; top: 0 }", TTextEncoding::Utf8),
              (V{"content=\"\xE8\xA1\xA8\"", "top=0"}));
}

TEST(CssDeclarations, PositionsCoverTheDeclarationWithoutItsEnd)
{
    const std::string_view text = "p {\r\n  margin : 10inch ;\r\n}";
    const std::vector<TCssDeclaration> found = CssDeclarationsOf(text, TTextEncoding::Cp932);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(text.substr(found[0].Begin, found[0].End - found[0].Begin), "margin : 10inch");
}

// The text of the innermost rule at each place marked "|" (the mark taken out first).
std::vector<std::string> RulesAtMarks(std::string_view marked)
{
    std::string text;
    std::vector<int> marks;
    for (char c : marked) {
        if (c == '|')
            marks.push_back(static_cast<int>(text.size()));
        else
            text += c;
    }
    const std::vector<TCssStyleRule> rules = CssStyleRulesOf(text, TTextEncoding::Cp932);
    std::vector<std::string> out;
    for (int at : marks) {
        const std::optional<TCssStyleRule> rule = CssStyleRuleAt(rules, at);
        out.push_back(rule ? text.substr(rule->Begin, rule->End - rule->Begin) : "-");
    }
    return out;
}

TEST(CssStyleRules, TheRuleAtAPlaceRunsFromItsSelectorToItsBrace)
{
    const struct {
        const char* Marked;
        V Expected;
    } cases[] = {
        {"|p|.note { |margin: 0 }| q{}", {"p.note { margin: 0 }", "p.note { margin: 0 }", "p.note { margin: 0 }", "-"}},
        {"/* c */ |a, b > c {} |/* d */", {"a, b > c {}", "-"}},
        {"@media print { |h1 { top: 0 } |}", {"h1 { top: 0 }", "-"}},
        {"@font-face { |src: url(x) }", {"-"}},
        {"@import url(a.css);\r\n|em { }", {"em { }"}},
        {"a { color: red; &:hover { |color: blue } | }",
         {"&:hover { color: blue }", "a { color: red; &:hover { color: blue }  }"}},
        {"a { --x: { b: c }; |top: 0 }", {"a { --x: { b: c }; top: 0 }"}},
        {"p { content: \"}\"; |top: 0", {"p { content: \"}\"; top: 0"}},
        {"p { top: 0 }|", {"-"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RulesAtMarks(c.Marked), c.Expected) << c.Marked;
}

}  // namespace
}  // namespace tavi
