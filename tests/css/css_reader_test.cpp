// Tests of reading style sheets as CSS: the class of every byte, in both encodings, wrapped or not, and after edits.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "css/css_brackets.h"
#include "css/css_names.h"
#include "css/css_row_states.h"
#include "css/css_sample_page.h"

namespace tavi {
namespace {

// A text's rows: its lines, each cut into rows of at most `width` bytes (0: not cut) without
// splitting a character.
class TestRows : public TCssRowSource {
public:
    TestRows(std::string_view text, TTextEncoding encoding, int width = 0) : encoding_(encoding)
    {
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = text.find('\n', start);
            const std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
            std::size_t from = 0;
            do {
                std::size_t to = from;
                while (to < line.size() && (width == 0 || to - from < static_cast<std::size_t>(width)))
                    to += static_cast<std::size_t>(CharAt(line, to, encoding).Bytes);
                rows.push_back(
                    {std::string(line.substr(from, to - from)), to == line.size() && end != std::string_view::npos});
                from = to;
            } while (from < line.size());
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
    }
    int RowCount() const override { return static_cast<int>(rows.size()); }
    std::string_view RowText(int r) const override { return rows[static_cast<std::size_t>(r)].first; }
    bool RowEndsLine(int r) const override { return rows[static_cast<std::size_t>(r)].second; }
    TTextEncoding Encoding() const override { return encoding_; }

    std::vector<std::pair<std::string, bool>> rows;

private:
    TTextEncoding encoding_;
};

constexpr char kClassCodes[] = ".csSpuvnkai";

// One character per byte of `text` for the class it is read as, "\n" for line ends.
std::string Classes(std::string_view text, TTextEncoding encoding = TTextEncoding::Cp932, int width = 0)
{
    TestRows rows(text, encoding, width);
    TCssRowStates states;
    std::string classes;
    std::vector<TCssSpan> spans;
    for (int r = 0; r < rows.RowCount(); ++r) {
        std::string row(rows.RowText(r).size(), '.');
        states.SpansOfRow(rows, r, spans);
        for (const TCssSpan& span : spans)
            row.replace(static_cast<std::size_t>(span.Begin), static_cast<std::size_t>(span.End - span.Begin),
                        static_cast<std::size_t>(span.End - span.Begin), kClassCodes[static_cast<int>(span.Class)]);
        classes += row;
        if (rows.RowEndsLine(r))
            classes += '\n';
    }
    return classes;
}

struct TReadCase {
    const char* text;
    const char* classes;  // . plain, c comment, s string, S selector, p property, u unknown property,
                          // v value, n number, k colour, a at-rule, i !important
};

// The cases of CSS syntax that colouring depends on; each also read with its rows wrapped at
// every width from 1 to 6, which must not change a byte's class.
TEST(CssReader, ReadsEveryByteAsTheGrammarSays)
{
    const TReadCase cases[] = {
        {"a{color:red}", "S.ppppp.kkk."},
        {"/* a /* b */ c */", "cccccccccccc.S.S."},       // comments do not nest
        {"#x\\{y{}", "SSSSS.."},                          // an escaped brace belongs to the name
        {"a{content:\"abc\nb{}", "S.ppppppp.ssss\nv.."},  // a string ends at its line
        {"a{content:'a\\\nb'}", "S.ppppppp.sss\nss."},    // unless the line end is escaped
        {"/* abc\nd", "cccccc\nc"},
        {"a{background:url( a )}", "S.pppppppppp.ssssssss."},
        {"a{background:url(\"x\")}", "S.pppppppppp.vvvvsss.."},
        {"a{b:url(x y)}c{}", "S.u.ssssssss.S.."},  // a bad url goes on to its ")"
        {"a{margin:.5e-3em -1.5% +2}", "S.pppppp.nnnnnnn.nnnnn.nn."},
        {"a{--x:{}}b{}", "S.ppp....S.."},  // braces inside a custom property's value are its own
        {"@media screen{a{color:#fff}}", "aaaaaa.vvvvvv.S.ppppp.kkkk.."},
        {"@font-face{font-family:x}", "aaaaaaaaaa.ppppppppppp.v."},
        {"a{colr:red !important}", "S.uuuu.kkk.iiiiiiiiii."},
        {"a{color:red ! important}", "S.ppppp.kkk.iiiiiiiiiii."},
        {"a:hover>b.c#d{}", "SSSSSSS.SSSSS.."},
        {"<!-- a{} -->", ".....S......"},
        {"a{width:calc(100% - 2em)}", "S.ppppp.vvvv.nnnn...nnn.."},
        {"a[href=\"x\"]{}", "S.SSSS.sss..."},
        {"a{color:#abcde}", "S.ppppp.vvvvvv."},
        {"a{display:-webkit-box}", "S.ppppppp.vvvvvvvvvvv."},
        {"@import url(a.css);a{}", "aaaaaaa.ssssssssss.S.."},
        {"a{b:c;d:e}", "S.u.v.u.v."},
        {"a{&:hover{color:red}}", "S.SSSSSSS.ppppp.kkk.."},  // a nested rule
        {"@keyframes k{from{top:0}50%{top:1px}}", "aaaaaaaaaa.v.SSSS.ppp.n.SSS.ppp.nnn.."},
        {"a{font:12px/1.5 a}", "S.pppp.nnnn.nnn.v."},
    };
    for (const TReadCase& c : cases) {
        EXPECT_EQ(Classes(c.text), c.classes) << c.text;
        for (int width = 1; width <= 6; ++width)
            EXPECT_EQ(Classes(c.text, TTextEncoding::Cp932, width), c.classes) << c.text << " wrapped at " << width;
    }
}

// Double-byte characters whose second byte is "\" (0x5C) or "{" (0x7B) are characters, never
// an escape or a brace; the same text in UTF-8 reads alike.
TEST(CssReader, ASecondByteIsNeverReadAsASign)
{
    const TReadCase shiftJis[] = {
        {"a{content:\"\x83\x5C\"}", "S.ppppppp.ssss."},  // ソ
        {"/* \x95\x5C */a{}", "ccccccccS.."},            // 表
        {"\x94\x5C{}", "SS.."},                          // 能
        {"x\x83{{}", "SSS.."},
        {"a{font-family:\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E}", "S.ppppppppppp.vvvv.vvvvvvvv."},
    };
    for (const TReadCase& c : shiftJis) {
        EXPECT_EQ(Classes(c.text), c.classes) << c.text;
        EXPECT_EQ(Classes(c.text, TTextEncoding::Cp932, 1), c.classes) << c.text;
    }
    EXPECT_EQ(Classes("a{content:\"\xE3\x82\xBD\"}", TTextEncoding::Utf8), "S.ppppppp.sssss.");
    EXPECT_EQ(Classes("\xE8\xA1\xA8{}", TTextEncoding::Utf8, 1), "SSS..");
}

TEST(CssNames, KnowsPropertiesTheirKeywordsAndNamedColours)
{
    EXPECT_TRUE(IsCssProperty(CssNameHash("Transition")));
    EXPECT_TRUE(IsCssProperty(CssNameHash("gap")));
    EXPECT_FALSE(IsCssProperty(CssNameHash("colr")));
    EXPECT_TRUE(IsCssProperty(CssNameHash("unicode-range")));
    EXPECT_TRUE(IsCssNamedColour(CssNameHash("rebeccapurple")));
    EXPECT_FALSE(IsCssNamedColour(CssNameHash("block")));
    const std::vector<std::string_view> display = CssKeywordsStartingWith("display", "fl");
    EXPECT_EQ(display, (std::vector<std::string_view>{"flex", "flow", "flow-root"}));
    EXPECT_EQ(CssKeywordsStartingWith("display", "inh"), std::vector<std::string_view>{"inherit"});
    EXPECT_TRUE(CssKeywordsStartingWith("no-such-property", "").empty());
    const std::vector<std::string_view> margins = CssPropertiesStartingWith("MARGIN-b");
    EXPECT_EQ(margins, (std::vector<std::string_view>{"margin-block", "margin-block-end", "margin-block-start",
                                                      "margin-bottom"}));
}

// A bracket's partner is found past comments, strings and the second bytes of characters,
// on its row or rows away; the caret may stand on the bracket or just after it.
TEST(CssBrackets, FindsThePartnerPastCommentsAndStrings)
{
    TestRows rows("a { b: url(\"}\") /* } */ [x] }\nc { (d) }\np {\n  x: y;\n}\n\x83{ { }\nq {", TTextEncoding::Cp932);
    TCssRowStates states;
    using TPair = std::pair<TCssBracket, TCssBracket>;
    const auto match = [&](int r, int at) { return MatchBracket(states, rows, r, at, 100); };
    EXPECT_EQ(match(0, 2), (TPair{{0, 2}, {0, 28}}));
    EXPECT_EQ(match(0, 3), (TPair{{0, 2}, {0, 28}}));  // just after the bracket
    EXPECT_EQ(match(0, 25), (TPair{{0, 24}, {0, 26}}));
    EXPECT_EQ(match(1, 8), (TPair{{1, 8}, {1, 2}}));  // backwards
    EXPECT_EQ(match(2, 2), (TPair{{2, 2}, {4, 0}}));
    EXPECT_EQ(match(4, 0), (TPair{{4, 0}, {2, 2}}));
    EXPECT_EQ(match(5, 3), (TPair{{5, 3}, {5, 5}}));               // "{" as a second byte is no bracket
    EXPECT_EQ(match(6, 2), std::nullopt);                          // no partner
    EXPECT_EQ(match(0, 12), std::nullopt);                         // inside a string
    EXPECT_EQ(MatchBracket(states, rows, 2, 2, 1), std::nullopt);  // too far
}

// The sample page has an example of each element, class and id the rules name, and none of
// pseudo-classes, attribute names, keyframe selectors or the page's own frame.
TEST(CssSamplePage, HasAnExampleOfEachSimpleSelector)
{
    const char* sheet =
        "@media screen { H1.title, p#intro > a:hover, .\x92\x8D\x88\xD3 {} }\n"
        "@keyframes k { from {} 50% {} }\nul li::before, [href=\"x\"] {}\nhtml body, p { color: red }";
    TCssSimpleSelectors found;
    for (int width : {0, 7}) {  // whole lines, and lines wrapped inside names
        TestRows rows(sheet, TTextEncoding::Cp932, width);
        TCssRowStates states;
        found = SimpleSelectorsOf(states, rows);
        EXPECT_EQ(found.Elements, (std::vector<std::string>{"h1", "p", "a", "ul", "li"})) << width;
        EXPECT_EQ(found.Classes, (std::vector<std::string>{"title", "\x92\x8D\x88\xD3"})) << width;  // 注意
        EXPECT_EQ(found.Ids, std::vector<std::string>{"intro"}) << width;
    }
    const std::string page = SamplePage(found, [](std::string_view name) {
        return name == "\x92\x8D\x88\xD3" ? std::string("\xE6\xB3\xA8\xE6\x84\x8F") : std::string(name);
    });
    for (const char* part : {"<style id=\"sheet\"></style>", "<h1>h1 \xE3\x81\x82", "<ul><li>li ",
                             "<div class=\"title\">", "<div class=\"\xE6\xB3\xA8\xE6\x84\x8F\">", "<div id=\"intro\">"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
}

// After any edit, reading on from the states kept gives what reading the whole text afresh
// gives, for every row.
TEST(CssRowStates, FollowingChangesReadsAsReadingAfresh)
{
    const char* pieces[] = {"/*",    "*/",   "\"",         "'",    "{",   "}",        ";",      ":",          "a",
                            "color", "url(", ")",          "\\",   "-",   "--x",      "@media", "@font-face", " ",
                            "1.5em", "#fff", "!important", "<!--", "-->", "\x83\x5C", "(",      "e",          "."};
    std::mt19937 random(32);
    const auto randomRow = [&] {
        std::string row;
        const int n = static_cast<int>(random() % 6);
        for (int i = 0; i < n; ++i)
            row += pieces[random() % std::size(pieces)];
        return row;
    };
    for (int round = 0; round < 40; ++round) {
        TestRows rows("", TTextEncoding::Cp932);
        rows.rows.clear();
        for (int i = 0; i < 200; ++i)
            rows.rows.push_back({randomRow(), random() % 4 != 0});
        TCssRowStates followed;
        for (int edit = 0; edit < 30; ++edit) {
            // Asked for rows down to some place, as painting would.
            followed.StateAt(rows, static_cast<int>(random() % (rows.rows.size() + 1)));
            const int first = static_cast<int>(random() % rows.rows.size());
            const int oldRows = std::min(static_cast<int>(random() % 4), rows.RowCount() - first);
            const int newRows = static_cast<int>(random() % 4);
            rows.rows.erase(rows.rows.begin() + first, rows.rows.begin() + first + oldRows);
            for (int i = 0; i < newRows; ++i)
                rows.rows.insert(rows.rows.begin() + first, {randomRow(), random() % 4 != 0});
            followed.Change(rows, first, oldRows, newRows);
        }
        TCssRowStates fresh;
        for (int r = 0; r <= rows.RowCount(); ++r)
            ASSERT_EQ(followed.StateAt(rows, r), fresh.StateAt(rows, r)) << "round " << round << " row " << r;
    }
}

// A key typed in the middle of a long sheet reads its own rows again, not the sheet.
TEST(CssRowStates, AChangeReadsOnlyUntilTheReadingMeetsItsOldStates)
{
    std::string sheet;
    for (int i = 0; i < 2000; ++i)
        sheet += "p.c" + std::to_string(i) + " { color : red; margin : 0 } /* 見 */\n";
    TestRows rows(sheet, TTextEncoding::Cp932);
    TCssRowStates states;
    states.StateAt(rows, rows.RowCount());
    rows.rows[1000].first.insert(5, "x");
    EXPECT_LE(states.Change(rows, 1000, 1, 1), 1000 + TCssRowStates::kSpacing + 1);
    EXPECT_LE(states.RowsReadByLastChange(), 20);
    // An unclosed brace changes the reading of everything below it: "p" becomes a property.
    rows.rows[1000].first += "{";
    EXPECT_EQ(states.Change(rows, 1000, 1, 1), rows.RowCount());
    std::vector<TCssSpan> spans;
    states.SpansOfRow(rows, 1500, spans);
    ASSERT_FALSE(spans.empty());
    EXPECT_EQ(spans[0].Class, TCssClass::UnknownProperty);
}

}  // namespace
}  // namespace tavi
