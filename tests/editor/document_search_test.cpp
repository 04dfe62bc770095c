// Tests of finding and replacing in a document by characters: double-byte characters, options, regular expressions,
// wrapped rows, and replacing as one undo step.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/core/editor_core.h"
#include "editor/document_search.h"
#include "platform/code_page.h"

namespace tavi {
namespace {

std::string Bytes(const QString& text)
{
    return ToCp932String(text);
}

// Run with the stretches the editor uses and with stretches of a few bytes, whose edges
// fall inside the lines and matches of these small documents.
class DocumentSearchTest : public ::testing::TestWithParam<long long> {
protected:
    void Load(const QString& text) { core.Lines().SetTextStr(Bytes(text)); }
    std::string Text() const { return core.Lines().GetTextStr(); }
    void Search(const QString& text, bool matchCase = false, bool wholeWord = false, bool regex = false)
    {
        ASSERT_EQ(search.SetOptions({text, matchCase, wholeWord, regex}), QString());
    }
    // Every match as "start+length", found by going forward until the search goes round.
    std::vector<std::string> All()
    {
        std::vector<std::string> found;
        long long from = 0;
        while (const auto next = search.FindNext(core, from)) {
            if (next->Wrapped)
                break;
            found.push_back(std::to_string(next->Match.Start) + "+" + std::to_string(next->Match.Length));
            from = next->Match.End();
        }
        return found;
    }
    // The same, going backwards from the end.
    std::vector<std::string> AllBackwards()
    {
        std::vector<std::string> found;
        long long before = core.GetTextLen();
        while (const auto previous = search.FindPrevious(core, before)) {
            if (previous->Wrapped)
                break;
            found.insert(found.begin(),
                         std::to_string(previous->Match.Start) + "+" + std::to_string(previous->Match.Length));
            before = previous->Match.Start;
        }
        return found;
    }

    TEditorCore core;
    TDocumentSearch search{GetParam()};
};

TEST_P(DocumentSearchTest, SignsNeverMatchTheSecondByteOfADoubleByteCharacter)
{
    // ソ is 83 5C, ゼ 83 5B and ボ 83 7B: their second bytes are "\", "[" and "{".
    Load(QStringLiteral("ソゼボ\\[{ソ\r\n"));
    for (const auto& [sign, regex] :
         {std::pair{"\\", false}, {"[", false}, {"{", false}, {"\\\\", true}, {"\\[", true}}) {
        SCOPED_TRACE(sign);
        Search(QString::fromLatin1(sign), false, false, regex);
        const std::vector<std::string> found = All();
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0], std::to_string(6 + std::string("\\[{").find(regex ? sign[1] : sign[0])) + "+1");
    }
    Search(QStringLiteral("ソ"));
    EXPECT_EQ(All(), (std::vector<std::string>{"0+2", "9+2"}));
    // Going on from inside a character starts after it; going round says so.
    const auto wrapped = search.FindNext(core, 10);
    ASSERT_TRUE(wrapped);
    EXPECT_EQ(wrapped->Match.Start, 0);
    EXPECT_TRUE(wrapped->Wrapped);
}

TEST_P(DocumentSearchTest, CaseAndWholeWordOptionsFollowCssNames)
{
    Load(QStringLiteral("Color: red;\r\nbackground-color: RED;\r\ncolorful\r\nＲｅｄ ｒＥＤ\r\n"));
    struct Case {
        const char16_t* text;
        bool matchCase;
        bool wholeWord;
        std::vector<std::string> found;
    };
    const Case cases[] = {
        {u"color", false, false, {"0+5", "24+5", "37+5"}},
        {u"color", true, false, {"24+5", "37+5"}},
        {u"color", false, true, {"0+5"}},  // "-" and letters touch the others
        {u"red", false, true, {"7+3", "31+3"}},
        {u"RED", true, false, {"31+3"}},
        {u"ｒｅｄ", false, false, {"47+6", "54+6"}},  // full-width letters fold too
        {u"ｒＥＤ", true, true, {"54+6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        Search(QString::fromUtf16(c.text), c.matchCase, c.wholeWord);
        EXPECT_EQ(All(), c.found);
    }
}

TEST_P(DocumentSearchTest, RegularExpressionsWorkOnJapaneseTextAndStayInsideLines)
{
    Load(QStringLiteral("/* 見出しの色 */\r\nh1 { color: 赤; }\r\nh2 { color: 青; }\r\n"));
    const struct {
        const char16_t* pattern;
        std::vector<std::string> found;
    } cases[] = {
        {u"見出し.色", {"3+10"}},     {u"[赤青]", {"30+2", "49+2"}},
        {u"^h\\d", {"18+2", "37+2"}}, {u"\\*/.*h1", {}},  // "." stops at a line break
        {u"\\*/\\nh1", {"14+6"}},                         // unless the pattern asks for it
        {u"色\\s+\\*", {"11+4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.pattern).toStdString());
        Search(QString::fromUtf16(c.pattern), false, false, true);
        EXPECT_EQ(All(), c.found);
    }
    EXPECT_EQ(search.SetOptions({QStringLiteral("色(赤"), false, false, true}),
              QStringLiteral("正規表現が正しくありません（4 文字目）"));
    EXPECT_FALSE(search.Ready());
    Search(QStringLiteral("x*"), false, false, true);  // only empty matches: nothing to select
    EXPECT_FALSE(search.FindNext(core, 0));
}

TEST_P(DocumentSearchTest, AMatchMayCrossWrappedRowsOfOneLine)
{
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    Load(QStringLiteral("div.menu { background-color: 黒色; }\r\nbackground\r\n"));
    ASSERT_EQ(core.RowText(0), "div.menu { backgroun");
    Search(QStringLiteral("background-color: 黒色"));
    EXPECT_EQ(All(), (std::vector<std::string>{"11+22"}));
    // Found going backwards too, from the end of the document.
    const auto previous = search.FindPrevious(core, core.GetTextLen());
    ASSERT_TRUE(previous);
    EXPECT_EQ(previous->Match.Start, 11);
    EXPECT_FALSE(previous->Wrapped);
    const auto round = search.FindPrevious(core, 11);
    ASSERT_TRUE(round);
    EXPECT_EQ(round->Match.Start, 11);
    EXPECT_TRUE(round->Wrapped);
}

TEST_P(DocumentSearchTest, GoingBackwardsFindsWhatGoingForwardsFinds)
{
    Load(QStringLiteral("p { color: red; background: url(red.png) }\r\nred\r\n") + QString(40, u'x') +
         QStringLiteral(" red\r\n\r\nred red\r\n色red"));
    for (const bool wholeWord : {false, true}) {
        Search(QStringLiteral("red"), false, wholeWord);
        const std::vector<std::string> forwards = All();
        EXPECT_EQ(forwards.size(), wholeWord ? 6u : 7u);
        EXPECT_EQ(AllBackwards(), forwards);
    }
}

TEST_P(DocumentSearchTest, ASearchReadsTheDocumentAgainAfterItChanged)
{
    Load(QStringLiteral("a { }\r\n"));
    Search(QStringLiteral("color"));
    EXPECT_FALSE(search.FindNext(core, 0));
    core.PlaceCaretAt(0, 4);
    core.TypeChars("color");
    const auto found = search.FindNext(core, 0);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Match.Start, 4);
    core.Lines().LoadFromBytes("p {}\r\nb { color: red }\r\n");  // as Open does
    const auto opened = search.FindNext(core, 0);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->Match.Start, 10);
}

TEST_P(DocumentSearchTest, ReplaceAllIsOneUndoStepAndKeepsTheCaretInItsText)
{
    Load(QStringLiteral("p { color: red; }\r\nem { color: red; }\r\nb { color: red; }\r\n"));
    core.SetSelStart(32);  // on the "e" of the second red
    core.SetSelLength(1);
    Search(QStringLiteral("red"));
    ASSERT_EQ(search.SetReplacement(QStringLiteral("深紅")), QString());
    EXPECT_EQ(search.ReplaceAll(core), 3);
    EXPECT_EQ(Text(), Bytes(QStringLiteral("p { color: 深紅; }\r\nem { color: 深紅; }\r\nb { color: 深紅; }\r\n")));
    EXPECT_FALSE(core.Selected());
    EXPECT_EQ(core.SelStart(), 36);  // after the replacement the caret was in
    EXPECT_EQ(core.Document().UndoObj().UndoList().Count(), 1);
    core.Undo();
    EXPECT_EQ(Text(), Bytes(QStringLiteral("p { color: red; }\r\nem { color: red; }\r\nb { color: red; }\r\n")));

    core.SetSelStart(core.GetTextLen());
    EXPECT_EQ(search.ReplaceAll(core), 3);
    EXPECT_EQ(core.SelStart(), core.GetTextLen());  // past every match: moved by all of them
}

// A pattern that can match nothing finds its first non-empty match, and 置換 replaces just
// what was found.
TEST_P(DocumentSearchTest, ReplaceTakesTheMatchFoundAlsoWhenThePatternCanMatchNothing)
{
    for (const QString& pattern : {QStringLiteral("a??"), QStringLiteral("(|a)")}) {
        SCOPED_TRACE(pattern.toStdString());
        Load(QStringLiteral("xa ya\r\n"));
        Search(pattern, false, false, true);
        ASSERT_EQ(search.SetReplacement(QStringLiteral("b")), QString());
        const auto found = search.FindNext(core, 0);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->Match.Start, 1);
        EXPECT_EQ(found->Match.Length, 1);
        EXPECT_TRUE(search.IsMatch(core, found->Match));
        EXPECT_TRUE(search.Replace(core, found->Match));
        EXPECT_EQ(Text(), "xb ya\r\n");
    }
}

// A match longer than the stretch it was found in (a pattern without a bound over many
// lines) is replaced as it was found, groups included.
TEST_P(DocumentSearchTest, ReplaceTakesAMatchThatSpansMoreThanTheSearchedStretch)
{
    // More than the lines a check of one match reads past it (a sixteenth of a stretch), and
    // lines shorter than the small stretch.
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "x" + std::to_string(i) + "\r\n";
    core.Lines().SetTextStr(text + "z\r\n");
    Search(QStringLiteral("([^z]+)"), false, false, true);
    ASSERT_EQ(search.SetReplacement(QStringLiteral("<\\1>")), QString());
    const auto found = search.FindNext(core, 0);
    ASSERT_TRUE(found);
    ASSERT_EQ(found->Match.Start, 0);
    const std::string matched = core.TextRange(0, found->Match.End());
    EXPECT_TRUE(search.Replace(core, found->Match));
    EXPECT_EQ(Text(), "<" + matched + ">" + text.substr(matched.size()) + "z\r\n");
}

TEST_P(DocumentSearchTest, RegularReplacementsTakeGroupsAsTheDocumentsOwnBytes)
{
    Load(QStringLiteral("h1 { color: 赤; }\r\nh2 { color: 青; }\r\n"));
    Search(QStringLiteral("(h\\d) \\{ color: (\\S+);"), false, false, true);
    ASSERT_EQ(search.SetReplacement(QStringLiteral("\\1 {\\n\\tcolor: \\2 !important;\\\\")), QString());
    EXPECT_EQ(search.ReplaceAll(core), 2);
    EXPECT_EQ(Text(),
              Bytes(QStringLiteral("h1 {\r\n\tcolor: 赤 !important;\\ }\r\nh2 {\r\n\tcolor: 青 !important;\\ }\r\n")));
    EXPECT_EQ(core.Document().UndoObj().UndoList().Count(), 1);
}

TEST_P(DocumentSearchTest, ReplacingOneMatchNeedsAMatchAndARewritableDocument)
{
    Load(QStringLiteral("a { color: red; }\r\n"));
    Search(QStringLiteral("red"));
    ASSERT_EQ(search.SetReplacement(QStringLiteral("blue")), QString());
    EXPECT_FALSE(search.IsMatch(core, {10, 4}));
    EXPECT_FALSE(search.Replace(core, {10, 4}));  // " red" is no match: nothing happens
    EXPECT_EQ(Text(), "a { color: red; }\r\n");
    ASSERT_TRUE(search.IsMatch(core, {11, 3}));
    EXPECT_TRUE(search.Replace(core, {11, 3}));
    EXPECT_EQ(Text(), "a { color: blue; }\r\n");
    EXPECT_EQ(core.Document().UndoObj().UndoList().Count(), 1);

    EXPECT_EQ(search.SetReplacement(QStringLiteral("😀")),
              QStringLiteral("置換後の文字列に Shift-JIS で表せない文字があります"));
    core.Options().ReadOnly = true;
    Search(QStringLiteral("blue"));
    ASSERT_EQ(search.SetReplacement(QStringLiteral("red")), QString());
    EXPECT_EQ(search.ReplaceAll(core), 0);
    EXPECT_EQ(Text(), "a { color: blue; }\r\n");
}

// A regular expression the engine gives up on is told apart from one without a match, and a
// search or replace stopped on the work meter changes nothing.
TEST_P(DocumentSearchTest, AnEngineThatGivesUpOrAStopIsNoMissAndChangesNothing)
{
    const std::string text = std::string(100000, 'a') + "b\r\naaa\r\n";
    core.Lines().SetTextStr(text);
    Search(QStringLiteral("(a+)+$"), false, false, true);
    ASSERT_EQ(search.SetReplacement(QStringLiteral("x")), QString());
    EXPECT_FALSE(search.FindNext(core, 0));
    EXPECT_EQ(search.Failure(), TSearchFailure::TooComplex);
    EXPECT_FALSE(search.FindPrevious(core, core.GetTextLen()));
    EXPECT_EQ(search.Failure(), TSearchFailure::TooComplex);
    EXPECT_EQ(search.ReplaceAll(core), 0);
    EXPECT_EQ(search.Failure(), TSearchFailure::TooComplex);
    EXPECT_EQ(Text(), text);
    Search(QStringLiteral("zzz"), false, false, true);
    EXPECT_FALSE(search.FindNext(core, 0));
    EXPECT_EQ(search.Failure(), TSearchFailure::NotFound);

    // Stopped at the first report, after the first MiB searched.
    struct Stopper : TWorkMeter {
        bool GoOn(long long, long long) override { return false; }
    } stopper;
    core.Lines().SetTextStr(std::string(3 << 20, 'a') + "\r\nred\r\n");
    const std::string before = Text();
    core.Document().SetWorkMeter(&stopper);
    Search(QStringLiteral("red"));
    EXPECT_FALSE(search.FindNext(core, 0));
    EXPECT_EQ(search.Failure(), TSearchFailure::Stopped);
    ASSERT_EQ(search.SetReplacement(QStringLiteral("blue")), QString());
    EXPECT_EQ(search.ReplaceAll(core), 0);
    EXPECT_EQ(search.Failure(), TSearchFailure::Stopped);
    core.Document().SetWorkMeter(nullptr);
    EXPECT_EQ(Text(), before);
    EXPECT_FALSE(core.CanUndo());
}

// In a UTF-8 document matches are characters, whatever their length in bytes.
TEST_P(DocumentSearchTest, AUtf8DocumentIsSearchedAndReplacedByItsCharacters)
{
    core.Lines().LoadFromBytes("a { content: \"\xE2\x80\x94\xF0\x9F\x98\x80\"; }\r\n\xE3\x81\x82\xE3\x81\x82 b\r\n",
                               TTextEncoding::Utf8);
    Search(QStringLiteral("😀"));
    EXPECT_EQ(All(), std::vector<std::string>({"17+4"}));
    Search(QStringLiteral("あ b"));
    EXPECT_EQ(All(), std::vector<std::string>({"30+5"}));
    Search(QStringLiteral("\\p{So}|—"), true, false, true);
    EXPECT_EQ(All(), std::vector<std::string>({"14+3", "17+4"}));
    EXPECT_EQ(AllBackwards(), All());
    ASSERT_EQ(search.SetReplacement(QStringLiteral("👍"), TTextEncoding::Utf8), QString());
    EXPECT_EQ(search.ReplaceAll(core), 2);
    EXPECT_EQ(Text(), "a { content: \"\xF0\x9F\x91\x8D\xF0\x9F\x91\x8D\"; }\r\n\xE3\x81\x82\xE3\x81\x82 b\r\n");
}

INSTANTIATE_TEST_SUITE_P(Stretches, DocumentSearchTest, ::testing::Values(1LL << 20, 8LL));

}  // namespace
}  // namespace tavi
