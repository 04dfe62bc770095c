// Tests of the editor's rendering on pixels: reserved words, the marks, the underline and the drawing events.
#include <QPainter>

#include "editor_fixture.h"
#include "platform/colors.h"

namespace {

const QColor kTeal = tavi::ColorToQColor(tavi::clTeal);
const QColor kGreen = tavi::ColorToQColor(tavi::clGreen);

TEST_F(EditorTest, ReservedWordsAreWholeWordsIgnoringCase)
{
    SetText("font-size\r\nfonts\r\nFONT\r\n");
    const QImage image = Render();
    for (int col = 0; col < 9; ++col)
        EXPECT_TRUE(CellHas(image, 0, col, kTeal)) << "font-size, column " << col;
    for (int col = 0; col < 5; ++col)
        EXPECT_FALSE(CellHas(image, 1, col, kTeal)) << "fonts, column " << col;
    for (int col = 0; col < 4; ++col)
        EXPECT_TRUE(CellHas(image, 2, col, kTeal)) << "FONT, column " << col;
    // Ordinary text keeps the font colour.
    EXPECT_GT(CountColor(image, Cell(1, 0), Qt::black), 0);
}

TEST_F(EditorTest, EofMarkFollowsTheTextOrStartsTheRowAfterAFinalBreak)
{
    editor.Lines().LoadFromBytes("ab");  // no final line break: "[EOF]" right after the text
    QImage image = Render();
    for (int col = 2; col < 7; ++col)
        EXPECT_TRUE(CellHas(image, 0, col, kGreen)) << "column " << col;
    EXPECT_FALSE(CellHas(image, 1, 0, kGreen));

    SetText("ab\r\n");  // a return mark after the text, "[EOF]" at the start of the next row
    image = Render();
    EXPECT_TRUE(CellHas(image, 0, 2, kGreen));
    EXPECT_FALSE(CellHas(image, 0, 4, kGreen));
    for (int col = 0; col < 5; ++col)
        EXPECT_TRUE(CellHas(image, 1, col, kGreen)) << "column " << col;

    SetText("");  // an empty document: "[EOF]" at the top left of the text area
    image = Render();
    EXPECT_EQ(editor.Core().Rows().Count(), 0);
    for (int col = 0; col < 5; ++col)
        EXPECT_TRUE(CellHas(image, 0, col, kGreen)) << "column " << col;
}

TEST_F(EditorTest, ReturnMarkHasItsArrowShapeAndWrappedRowsHaveNone)
{
    SetText(std::string(100, 'a') + "\r\nb\r\n");
    ASSERT_EQ(editor.Core().RowEnd(0), tavi::reWrap);
    const QImage image = Render();
    // The stem of the arrow after "b" sits in the middle of the cell, from y + 6 down.
    const QRect cell = Cell(2, 1);
    const int xm = cell.left() + editor.CharWidth() / 2;
    EXPECT_EQ(image.pixelColor(xm, cell.top() + 6), kGreen);
    EXPECT_EQ(image.pixelColor(xm, cell.top() + editor.RowHeight() - 4), kGreen);
    EXPECT_EQ(image.pixelColor(xm + 2, cell.top() + editor.RowHeight() - 6), kGreen);
    EXPECT_EQ(image.pixelColor(xm - 2, cell.top() + editor.RowHeight() - 6), kGreen);
    EXPECT_NE(image.pixelColor(xm, cell.top() + 5), kGreen);

    editor.SetLeftCol(40);
    const QImage scrolled = Render();
    EXPECT_FALSE(CellHas(scrolled, 0, 80, kGreen));
    EXPECT_TRUE(CellHas(scrolled, 0, 79, Qt::black));
}

TEST_F(EditorTest, ReturnMarkTakesTheSelectionColourAndKeepsItsPixelsAtTwiceTheScale)
{
    SetText("b\r\nc\r\n");
    const QRect cell = Cell(0, 1);
    const int xm = cell.left() + editor.CharWidth() / 2;
    const int stem = cell.top() + 6;

    // Each pixel of the arrow becomes a sharp 2x2 block, nothing blurred beside it.
    QImage doubled(editor.viewport()->size() * 2, QImage::Format_RGB32);
    doubled.setDevicePixelRatio(2);
    editor.viewport()->render(&doubled);
    for (int dx = 0; dx < 2; ++dx)
        for (int dy = 0; dy < 2; ++dy)
            EXPECT_EQ(doubled.pixelColor(2 * xm + dx, 2 * stem + dy), kGreen) << dx << "," << dy;
    EXPECT_EQ(doubled.pixelColor(2 * xm - 1, 2 * stem), Qt::white);
    EXPECT_EQ(doubled.pixelColor(2 * xm + 2, 2 * stem), Qt::white);

    // A selected line break shows its mark in the selection's text colour.
    editor.SetSelectFontColor(tavi::clMaroon);
    editor.Core().SelectAll();
    const QImage selected = Render();
    EXPECT_EQ(selected.pixelColor(xm, stem), tavi::ColorToQColor(tavi::clMaroon));
    editor.Core().Deselect();
    EXPECT_EQ(Render().pixelColor(xm, stem), kGreen);
}

TEST_F(EditorTest, UnderlineIsThePixelRowBelowTheCaretRowAndHidesNested)
{
    SetText("a\r\nb\r\nc\r\n");
    editor.Core().PlaceCaretAt(1, 0);
    const auto underlineAt = [&](const QImage& image, int row) {
        const int y = editor.CellPos(row, 0).y() + editor.RowHeight();
        return CountColor(image, QRect(editor.LeftMargin(), y, 50, 1), kGreen) == 50;
    };
    QImage image = Render();
    EXPECT_EQ(editor.RowPitch(), editor.RowHeight() + 1);
    EXPECT_TRUE(underlineAt(image, 1));
    EXPECT_FALSE(underlineAt(image, 0));
    EXPECT_FALSE(underlineAt(image, 2));

    editor.HideUnderline();
    editor.HideUnderline();
    editor.ShowUnderline();
    EXPECT_FALSE(underlineAt(Render(), 1));
    editor.ShowUnderline();
    EXPECT_TRUE(underlineAt(Render(), 1));
}

TEST_F(EditorTest, DoubleByteCharactersTakeTwoCells)
{
    SetText(
        "\x82\xA0"
        "a\x8A\xBF"
        "b");  // HIRAGANA A, a, a kanji, b
    const QImage image = Render();
    const QColor ink = Qt::black;
    EXPECT_GT(CountColor(image, Cell(0, 2), ink), 0);  // "a" in the third cell
    EXPECT_GT(CountColor(image, Cell(0, 5), ink), 0);  // "b" after two more cells
    EXPECT_GT(CountColor(image, Cell(0, 3), ink) + CountColor(image, Cell(0, 4), ink), 0);
}

TEST_F(EditorTest, DefaultDrawingOffLeavesRowsToOnDrawLine)
{
    SetText("font a\r\nb");
    editor.SetDefaultDrawing(false);
    editor.clearFocus();  // the caret is no part of the rows
    const QColor base = tavi::ColorToQColor(tavi::clWindow, editor.palette());
    QImage image = Render();
    for (int row = 0; row < 2; ++row) {
        const QRect cells = Cell(row, 0).united(Cell(row, 9));
        EXPECT_EQ(CountColor(image, cells, base), cells.width() * cells.height()) << "row " << row;
    }

    std::vector<int> rows;
    editor.OnDrawLine = [&](TEditor*, QPainter& canvas, const std::string& line, int x, int y, int index,
                            const QRect& rect) {
        rows.push_back(index);
        EXPECT_EQ(x, editor.LeftMargin());
        EXPECT_EQ(y, editor.CellPos(index, 0).y());
        EXPECT_EQ(rect.left(), editor.LeftMargin());
        EXPECT_EQ(line, index == 0 ? "font a" : "b");
        canvas.fillRect(QRect(x, y, 4, 4), Qt::red);
    };
    image = Render();
    EXPECT_EQ(rows, (std::vector<int>{0, 1}));
    EXPECT_EQ(image.pixelColor(editor.LeftMargin() + 1, editor.TopMargin() + 1), QColor(Qt::red));
}

TEST_F(EditorTest, OnBeforeDrawWordStylesEachWordInTwoPasses)
{
    SetText("font a;");
    std::vector<std::pair<std::string, bool>> words;
    editor.OnBeforeDrawWord = [&](TEditor*, std::string_view word, bool reserved, tavi::TWordStyle& style) {
        words.emplace_back(std::string(word), reserved);
        if (word == "a")
            style.Background = Qt::yellow;
    };
    const QImage image = Render();
    // Ordinary words first, then the reserved ones.
    const std::vector<std::pair<std::string, bool>> expected{{" ", false}, {"a", false}, {"font", true}, {";", true}};
    EXPECT_EQ(words, expected);
    EXPECT_GT(CountColor(image, Cell(0, 5), Qt::yellow), 0);
    EXPECT_EQ(CountColor(image, Cell(0, 6), Qt::yellow), 0);
}

TEST(Colors, ValuesMapToRgbAndPaletteRoles)
{
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Highlight, QColor(4, 5, 6));
    EXPECT_EQ(tavi::ColorToQColor(0x00332211, palette), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(tavi::ColorToQColor(tavi::clGreen, palette), QColor(0, 128, 0));
    EXPECT_EQ(tavi::ColorToQColor(tavi::clWindow, palette), QColor(1, 2, 3));
    EXPECT_EQ(tavi::ColorToQColor(tavi::clHighlight, palette), QColor(4, 5, 6));
    EXPECT_EQ(tavi::ColorToQColor(tavi::clNone, palette).alpha(), 0);
    EXPECT_EQ(tavi::ColorToQColor(tavi::kSystemColorBase + 99, palette), QColor(Qt::black));
}

}  // namespace

namespace {

TEST_F(EditorTest, SelectionTakesTheSelectionColoursUpToItsEnd)
{
    SetText("abc\r\ndef\r\n");
    editor.Core().SetSelStart(1);
    editor.Core().SetSelLength(5);  // "bc", the line break and "d"
    ASSERT_TRUE(editor.Core().Selected());
    const QColor highlight = tavi::ColorToQColor(tavi::clHighlight, editor.palette());
    const QImage image = Render();
    const auto filled = [&](int row, int col) {
        return CountColor(image, Cell(row, col), highlight) > editor.CharWidth() * editor.RowHeight() / 2;
    };
    EXPECT_FALSE(filled(0, 0));
    EXPECT_TRUE(filled(0, 1));
    EXPECT_TRUE(filled(0, 2));
    EXPECT_TRUE(filled(0, 10));  // a row selected across its break is selected to the edge
    EXPECT_TRUE(filled(1, 0));
    EXPECT_FALSE(filled(1, 1));
    // The underline hides while a selection lasts.
    const int y = editor.CellPos(editor.Core().CaretRow(), 0).y() + editor.RowHeight();
    EXPECT_EQ(CountColor(image, QRect(editor.LeftMargin() + 40, y, 20, 1), kGreen), 0);
}

}  // namespace
