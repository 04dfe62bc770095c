// Tests of colouring by the CSS grammar: each class in its colour, reserved words against comments, and repaints after
// edits.
#include <QApplication>
#include <QListWidget>

#include "editor/colour_values.h"

#include "tests/editor/editor_fixture.h"

namespace {

tavi::TColor ToColor(const QColor& c)
{
    return static_cast<tavi::TColor>(c.blue() << 16 | c.green() << 8 | c.red());
}

class CssColouringTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        editor.resize(640, 200);
        editor.SetSyntaxColoring(true);
    }
};

TEST_F(CssColouringTest, EachClassIsDrawnInItsOwnColour)
{
    editor.SetReserveWordColor(false);
    // A colour of its own for each class, far apart from the others.
    const std::pair<tavi::TCssClass, QColor> colours[] = {
        {tavi::TCssClass::AtRule, QColor(200, 0, 200)},   {tavi::TCssClass::Value, QColor(0, 160, 160)},
        {tavi::TCssClass::Selector, QColor(128, 0, 0)},   {tavi::TCssClass::Property, QColor(0, 0, 255)},
        {tavi::TCssClass::Number, QColor(0, 150, 0)},     {tavi::TCssClass::String, QColor(160, 100, 0)},
        {tavi::TCssClass::Colour, QColor(100, 100, 0)},   {tavi::TCssClass::UnknownProperty, QColor(255, 0, 0)},
        {tavi::TCssClass::Important, QColor(0, 90, 200)}, {tavi::TCssClass::Comment, QColor(120, 120, 120)},
    };
    for (const auto& [cls, colour] : colours)
        editor.SetSyntaxColor(cls, ToColor(colour));
    SetText("@media p{p.q{color:1px 'x' red ab;zz:0 !important}}/*c*/\r\n");
    const QImage image = Render();
    const std::pair<int, tavi::TCssClass> cells[] = {
        {1, tavi::TCssClass::AtRule},    {7, tavi::TCssClass::Value},      {9, tavi::TCssClass::Selector},
        {14, tavi::TCssClass::Property}, {20, tavi::TCssClass::Number},    {24, tavi::TCssClass::String},
        {28, tavi::TCssClass::Colour},   {31, tavi::TCssClass::Value},     {34, tavi::TCssClass::UnknownProperty},
        {37, tavi::TCssClass::Number},   {41, tavi::TCssClass::Important}, {53, tavi::TCssClass::Comment},
    };
    for (const auto& [col, cls] : cells) {
        const QColor expected = std::find_if(std::begin(colours), std::end(colours), [cls = cls](const auto& entry) {
                                    return entry.first == cls;
                                })->second;
        EXPECT_TRUE(CellHas(image, 0, col, expected)) << "column " << col;
    }
    EXPECT_GT(CountColor(image, Cell(0, 8), Qt::black), 0);  // "{" is plain text
}

// With the grammar, a reserved word inside a comment is comment text; without it, the
// reserved words are coloured wherever they are.
TEST_F(CssColouringTest, AReservedWordInACommentTakesTheCommentsColourOnlyWithTheGrammar)
{
    const QColor teal(0, 128, 128);
    const QColor green(0, 128, 0);
    SetText("/* font size */ font { }\r\n");
    QImage image = Render();
    EXPECT_TRUE(CellHas(image, 0, 4, green));
    EXPECT_FALSE(CellHas(image, 0, 4, teal));
    EXPECT_TRUE(CellHas(image, 0, 17, teal));  // outside the comment it keeps the reserved look
    editor.SetSyntaxColoring(false);
    image = Render();
    EXPECT_TRUE(CellHas(image, 0, 4, teal));
    EXPECT_FALSE(CellHas(image, 0, 1, green));
}

// Edits repaint the rows whose colours they change and no others, whatever the wrapping.
TEST_F(CssColouringTest, AnEditRepaintsTheRowsItRecolours)
{
    ShowRows(6);
    SetText("p { color : red }\r\nq { margin : 0 }\r\nr { top : 1px }\r\n");
    editor.Core().PlaceCaretAt(1, 4);
    editor.viewport()->repaint();
    OnScreen();
    editor.ResetPaintedRowCount();
    editor.Core().TypeChars("x");
    QApplication::processEvents();
    EXPECT_EQ(editor.PaintedRowCount(), 1);
    ExpectScreenMatchesFreshPaint("typed");

    // Opening a comment recolours every row below it; closing it gives them back.
    editor.Core().PlaceCaretAt(0, 0);
    editor.Core().TypeChars("/*");
    ExpectScreenMatchesFreshPaint("comment opened");
    editor.Core().PlaceCaretAt(1, 0);
    editor.Core().TypeChars("*/");
    ExpectScreenMatchesFreshPaint("comment closed");
    editor.Core().Undo();
    ExpectScreenMatchesFreshPaint("undone");

    // A property name cut by wrapping takes its colour from its end, on the row above too.
    editor.Core().SetWordWrap(true);
    editor.SetWrapByte(20);
    SetText("a{top:0;margin:1; colr:red}\r\n");
    ASSERT_EQ(editor.Core().RowText(1), "lr:red}");
    editor.viewport()->repaint();
    OnScreen();
    editor.Core().PlaceCaretAt(1, 1);
    editor.Core().TypeChars("o");  // "colr" becomes "color"
    ExpectScreenMatchesFreshPaint("wrapped name");
}

}  // namespace

namespace {

class CssKeysTest : public EditorInputTest {
protected:
    void SetUp() override
    {
        EditorInputTest::SetUp();
        editor.SetSyntaxColoring(true);
        SetText("p {\r\n  color: red; /* } */\r\n}\r\n");
    }
};

// The bracket next to the caret and its partner are framed; Ctrl+] goes back and forth
// between them, past the brace inside the comment.
TEST_F(CssKeysTest, TheBracketPairAtTheCaretIsFramedAndCtrlBracketJumpsBetweenThem)
{
    using TPair = std::pair<tavi::TCssBracket, tavi::TCssBracket>;
    editor.Core().PlaceCaretAt(0, 2);
    EXPECT_EQ(editor.MarkedBrackets(), (TPair{{0, 2}, {2, 0}}));
    ExpectScreenMatchesFreshPaint("framed");
    QTest::keyClick(&editor, Qt::Key_BracketRight, Qt::ControlModifier);
    EXPECT_EQ(Caret(), std::make_pair(2, 0));
    EXPECT_EQ(editor.MarkedBrackets(), (TPair{{2, 0}, {0, 2}}));
    QTest::keyClick(&editor, Qt::Key_BracketRight, Qt::ControlModifier);
    EXPECT_EQ(Caret(), std::make_pair(0, 2));
    QTest::keyClick(&editor, Qt::Key_Left);
    QTest::keyClick(&editor, Qt::Key_Left);
    EXPECT_EQ(editor.MarkedBrackets(), std::nullopt);
    ExpectScreenMatchesFreshPaint("frames gone");
    editor.SetSyntaxColoring(false);  // marks belong to the reading of the sheet
    editor.Core().PlaceCaretAt(0, 2);
    EXPECT_EQ(editor.MarkedBrackets(), std::nullopt);
}

// A property name typed is completed from the known names, and after the colon the
// property's keywords; the list narrows as one types, Escape closes it, Ctrl+Space opens it,
// and a choice is one undo step.
TEST_F(CssKeysTest, TypingAPropertyOffersTheKnownNamesAndThenItsKeywords)
{
    SetText("p {\r\n  \r\n}\r\n");
    editor.Core().PlaceCaretAt(1, 2);
    TCompletionPopup& completion = editor.Completion();
    const auto items = [&] {
        QStringList texts;
        for (int i = 0; i < completion.List()->count(); ++i)
            texts << completion.List()->item(i)->text();
        return texts;
    };
    QTest::keyClicks(&editor, "text-al");
    ASSERT_TRUE(completion.Visible());
    EXPECT_EQ(items(), QStringList({"text-align", "text-align-last"}));
    EXPECT_TRUE(editor.hasFocus());  // typing goes on in the editor
    QTest::keyClick(&editor, Qt::Key_Down);
    QTest::keyClick(&editor, Qt::Key_Up);
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_EQ(editor.Lines().Get(1), "  text-align");
    EXPECT_FALSE(completion.Visible());

    QTest::keyClicks(&editor, ":");
    ASSERT_TRUE(completion.Visible());
    EXPECT_TRUE(items().contains("center"));
    EXPECT_TRUE(items().contains("inherit"));
    QTest::keyClicks(&editor, " ce");
    EXPECT_EQ(items(), QStringList({"center"}));
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_FALSE(completion.Visible());
    EXPECT_EQ(editor.Lines().Get(1), "  text-align: ce");
    QTest::keyClick(&editor, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(completion.Visible());
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(editor.Lines().Get(1), "  text-align: center");
    editor.Core().Undo();
    EXPECT_EQ(editor.Lines().Get(1), "  text-align: ce");

    // Inside a comment nothing is offered; a caret moved away, or the view scrolled, closes the list.
    QTest::keyClick(&editor, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(completion.Visible());
    QTest::keyClick(&editor, Qt::Key_Home);
    EXPECT_FALSE(completion.Visible());
    QTest::keyClick(&editor, Qt::Key_End);
    QTest::keyClick(&editor, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(completion.Visible());
    editor.SetTopRow(1);
    EXPECT_FALSE(completion.Visible());
    SetText("/* col");
    editor.Core().PlaceCaretAt(0, 6);
    QTest::keyClicks(&editor, "o");
    EXPECT_FALSE(completion.Visible());
}

TEST_F(CssKeysTest, CtrlSlashCommentsTheCaretsLineOutAndBackIn)
{
    editor.Core().PlaceCaretAt(1, 3);
    QTest::keyClick(&editor, Qt::Key_Slash, Qt::ControlModifier);
    EXPECT_EQ(Text(), "p {\r\n  /* color: red; /* } *\\/ */\r\n}\r\n");
    ExpectScreenMatchesFreshPaint("commented");
    QTest::keyClick(&editor, Qt::Key_Slash, Qt::ControlModifier);
    EXPECT_EQ(Text(), "p {\r\n  color: red; /* } */\r\n}\r\n");
    editor.Core().Undo();
    EXPECT_EQ(Text(), "p {\r\n  /* color: red; /* } *\\/ */\r\n}\r\n");
}

}  // namespace

namespace {

TEST(CssColours, ReadsEveryWayASheetWritesAColour)
{
    const std::pair<const char*, std::optional<QColor>> cases[] = {
        {"#f00", QColor(255, 0, 0)},
        {"#FF000080", QColor(255, 0, 0, 128)},
        {"#0f08", QColor(0, 255, 0, 136)},
        {"rgb(13, 110, 253)", QColor(13, 110, 253)},
        {"rgba(100%, 0%, 0%, 0.5)", QColor(255, 0, 0, 128)},
        {"rgb(0 0 255 / 50%)", QColor(0, 0, 255, 128)},
        {"hsl(120, 100%, 50%)", QColor(0, 255, 0)},
        {"hsla(0.5turn 100% 50%)", QColor(0, 255, 255)},
        {"RebeccaPurple", QColor(102, 51, 153)},
        {"transparent", QColor(0, 0, 0, 0)},
        {"currentcolor", std::nullopt},
        {"#ggg", std::nullopt},
        {"#12345", std::nullopt},
        {"rgb(1, 2)", std::nullopt},
        {"var(--x)", std::nullopt},
    };
    for (const auto& [text, colour] : cases) {
        const std::optional<QColor> read = tavi::ParseCssColour(text);
        ASSERT_EQ(read.has_value(), colour.has_value()) << text;
        if (colour) {
            EXPECT_EQ(read->rgba(), colour->rgba()) << text;
        }
    }
    EXPECT_EQ(tavi::CssColourText(QColor(0x12, 0xAB, 0xEF)), "#12ABEF");
    EXPECT_EQ(tavi::CssColourText(QColor(1, 2, 3, 128)), "rgba(1, 2, 3, 0.502)");
}

// Each row's colours show as swatches in the left margin, kept in step with edits.
TEST_F(CssColouringTest, ColourValuesShowAsSwatchesInTheMarginAndFollowEdits)
{
    SetText("a { color: #f00; border: 1px solid rgb(0, 0, 255) }\r\nb { }\r\n");
    const QImage image = Render();
    const QPoint red(4, editor.CellPos(0, 0).y() + editor.RowHeight() / 2);
    const QPoint blue(editor.LeftMargin() - 6, red.y());
    EXPECT_EQ(image.pixelColor(red), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(blue), QColor(0, 0, 255));
    const std::optional<tavi::TColourValue> second = editor.SwatchAt(blue);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(std::make_pair(second->Begin, second->End), std::make_pair(35, 49));
    EXPECT_FALSE(editor.SwatchAt(QPoint(4, editor.CellPos(1, 0).y() + 4)).has_value());  // no colour there

    editor.viewport()->repaint();
    OnScreen();
    editor.Core().PlaceCaretAt(0, 14);
    editor.Core().TypeChars("0");  // #f00 becomes #f000: transparent
    ExpectScreenMatchesFreshPaint("colour typed");
    const std::optional<tavi::TColourValue> moved = editor.SwatchAt(blue);
    ASSERT_TRUE(moved.has_value());
    EXPECT_TRUE(editor.ReplaceColourValue(*moved, "#00FF00"));
    EXPECT_EQ(editor.Lines().Get(0), "a { color: #f000; border: 1px solid #00FF00 }");
    ExpectScreenMatchesFreshPaint("colour replaced");
}

}  // namespace

namespace {

using Mark = TEditor::TTextMark;

Mark MarkOn(int row, int from, int to, const char* tip)
{
    return {{tavi::TRow(row), tavi::TByte(from)}, {tavi::TRow(row), tavi::TByte(to)}, QString::fromUtf8(tip)};
}

// Each mark as "row:from-to".
std::vector<std::string> Places(const TEditor& editor)
{
    std::vector<std::string> out;
    for (const Mark& m : editor.TextMarks())
        out.push_back(std::to_string(m.Begin.Row.Value()) + ":" + std::to_string(m.Begin.Byte.Value()) + "-" +
                      std::to_string(m.End.Byte.Value()));
    return out;
}

}  // namespace

TEST_F(CssColouringTest, MarkedTextIsUnderlinedShowsItsTipAndFollowsEdits)
{
    SetText("a { margin : 10inch }\r\nb { top: 0 }\r\nc { colr: red }\r\n");
    const QImage before = Render();
    editor.SetTextMarks({MarkOn(2, 4, 13, "unknown"), MarkOn(0, 4, 19, "bad value")});
    EXPECT_EQ(Places(editor), (std::vector<std::string>{"0:4-19", "2:4-13"}));  // in order
    const QImage marked = Render();
    const QRect underMark = Cell(0, 4).united(Cell(0, 18));
    EXPECT_GT(CountColor(marked, underMark, QColor(0xE0, 0x10, 0x10)), 10);
    EXPECT_EQ(CountColor(before, underMark, QColor(0xE0, 0x10, 0x10)), 0);
    const Mark* tip = editor.TextMarkAt(Cell(0, 10).center());
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->Tip, QStringLiteral("bad value"));
    EXPECT_EQ(editor.TextMarkAt(Cell(0, 2).center()), nullptr);
    EXPECT_EQ(editor.TextMarkAt(Cell(1, 6).center()), nullptr);

    // A new line above moves the marks down; typing inside a marked row takes its mark away
    // (the next verdict marks it again) and repaints it without the line.
    editor.Core().PlaceCaretAt(0, 0);
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_EQ(Places(editor), (std::vector<std::string>{"1:4-19", "3:4-13"}));
    editor.Core().PlaceCaretAt(3, 6);
    QTest::keyClicks(&editor, "o");
    EXPECT_EQ(Places(editor), (std::vector<std::string>{"1:4-19"}));
    ExpectScreenMatchesFreshPaint("after the mark went");
    editor.Undo();
    editor.Undo();
    EXPECT_TRUE(editor.TextMarks().empty() || Places(editor) == std::vector<std::string>{"0:4-19"});
    SetText("x { }");
    EXPECT_EQ(Places(editor), std::vector<std::string>{});
}

TEST_F(CssColouringTest, ANewTextIsReadAfresh)
{
    SetText("a { color: red }\r\n");
    Render();
    EXPECT_EQ(editor.CssPlaceAt(0, 12), tavi::TCssPlace::Value);
    SetText("/* { color: red } */\r\n");
    Render();
    EXPECT_EQ(editor.CssPlaceAt(0, 12), tavi::TCssPlace::Comment);
    // Below the first kept state too.
    std::string rules;
    for (int i = 0; i < 40; ++i)
        rules += "a { color: red }\r\n";
    SetText(rules);
    EXPECT_EQ(editor.CssPlaceAt(35, 12), tavi::TCssPlace::Value);
    SetText("/*\r\n" + rules);
    EXPECT_EQ(editor.CssPlaceAt(35, 12), tavi::TCssPlace::Comment);
}
