// Tests of the editor's scroll bars, scrolling requests, caret tracking and partial repaints.
#include <QScrollBar>
#include <QWheelEvent>

#include "editor_fixture.h"

namespace {

class EditorScrollTest : public EditorTest {
protected:
    static std::string Rows(int n)
    {
        std::string text;
        for (int i = 0; i < n; ++i)
            text += "row " + std::to_string(i) + "\r\n";
        return text;
    }
};

TEST_F(EditorScrollTest, TenRowsInTwentyRowWindowScrollUntilTheLastRowIsOnTop)
{
    ShowRows(20);
    SetText(std::string(Rows(9)) + "row 9");  // ten rows, the last without a break
    const tavi::TScrollInfo info = editor.VertScrollInfo();
    EXPECT_EQ(info.Min, 0);
    EXPECT_EQ(info.Max, 28);
    EXPECT_EQ(info.Page, 20);
    QScrollBar* bar = editor.verticalScrollBar();
    bar->setSliderPosition(bar->maximum());  // dragging the thumb to the end
    EXPECT_EQ(editor.TopRow(), 9);
    EXPECT_EQ(bar->value(), 9);
}

TEST_F(EditorScrollTest, LineAndPageRequestsMoveTheTopRow)
{
    ShowRows(20);
    SetText(Rows(10));
    int changes = 0;
    editor.OnTopRowChange = [&](TEditor*) { ++changes; };
    QScrollBar* bar = editor.verticalScrollBar();
    for (int i = 0; i < 15; ++i)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    // Line scrolling reaches the empty position after the last row, and no further.
    EXPECT_EQ(editor.TopRow(), 10);
    EXPECT_EQ(changes, 10);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(editor.TopRow(), 0);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(editor.TopRow(), 10);  // a page of 20, limited to the row count
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(editor.TopRow(), 0);

    QWheelEvent wheel(QPointF(50, 50), editor.mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(editor.viewport(), &wheel);
    EXPECT_EQ(editor.TopRow(), 3);  // three rows a notch
}

TEST_F(EditorScrollTest, LeftColumnStopsAtMaxLeftColAndCaretJumpsAQuarterPage)
{
    editor.SetLeftCol(100000);
    EXPECT_EQ(editor.LeftCol(), editor.MaxLeftCol());
    editor.SetLeftCol(0);
    int changes = 0;
    editor.OnTopColChange = [&](TEditor*) { ++changes; };
    SetText(std::string(70, 'x') + "\r\n");
    editor.resize(200, 200);
    const int cols = editor.VisibleCols();
    ASSERT_GT(cols, 8);
    editor.Core().PlaceCaretAt(0, cols);  // one column past the right edge
    EXPECT_EQ(editor.LeftCol(), cols / 4);
    EXPECT_EQ(changes, 1);
    editor.Core().PlaceCaretAt(0, 0);
    EXPECT_EQ(editor.LeftCol(), 0);
    EXPECT_EQ(editor.CaretPos(), QPoint(editor.LeftMargin(), editor.TopMargin() + editor.RowHeight() - 2));
}

TEST_F(EditorScrollTest, CaretRowOutOfViewScrollsAndScrollRowsKeepsItsScreenPlace)
{
    ShowRows(5);
    SetText(Rows(30));
    editor.Core().PlaceCaretAt(12, 0);
    EXPECT_EQ(editor.TopRow(), 8);  // the caret row becomes the last visible row
    editor.Core().PlaceCaretAt(3, 0);
    EXPECT_EQ(editor.TopRow(), 3);
    editor.ScrollRows(4);
    EXPECT_EQ(editor.TopRow(), 7);
    EXPECT_EQ(editor.Core().CaretRow(), 7);
    editor.ScrollRows(-100);
    EXPECT_EQ(editor.TopRow(), 0);
    EXPECT_EQ(editor.Core().CaretRow(), 0);
}

TEST_F(EditorScrollTest, ScrollingOneRowRepaintsOnlyTheUncoveredBand)
{
    ShowRows(20);
    SetText(Rows(100));
    QApplication::processEvents();
    editor.ResetPaintedRowCount();
    editor.viewport()->repaint();
    const int full = editor.PaintedRowCount();
    EXPECT_GE(full, 20);

    editor.ResetPaintedRowCount();
    editor.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QApplication::processEvents();
    // The uncovered band at the bottom (a whole and a partly shown row), and the caret
    // row's underline, which moved.
    EXPECT_LE(editor.PaintedRowCount(), 4);
    EXPECT_GT(editor.PaintedRowCount(), 0);

    // Rows shifted after an insertion: only the band that the move uncovers is painted.
    editor.ResetPaintedRowCount();
    editor.ShiftRowsBelow(editor.TopRow() + 5, 1);
    QApplication::processEvents();
    EXPECT_LE(editor.PaintedRowCount(), 3);
}

}  // namespace

// What the screen shows after scrolling by pixels must equal a fresh paint of the whole
// view: nothing smeared, no stale band.
using EditorScreenTest = EditorScrollTest;

TEST_F(EditorScreenTest, ScrollingByLinePageThumbAndWheelLeavesNoStalePixels)
{
    ShowRows(12);
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "P.c" + std::to_string(i) + " { margin : " + std::to_string(i) + "px } /* \x93\xFA\x96\x7B */\r\n";
    SetText(text);
    editor.Core().PlaceCaretAt(2, 3);
    ExpectScreenMatchesFreshPaint("start");
    QScrollBar* bar = editor.verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ExpectScreenMatchesFreshPaint("line_down");
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    ExpectScreenMatchesFreshPaint("line_up");
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    ExpectScreenMatchesFreshPaint("page_down");
    bar->setSliderPosition(30);
    ExpectScreenMatchesFreshPaint("thumb");
    editor.ShiftRowsBelow(editor.TopRow() + 3, -2);
    editor.ShiftRowsBelow(editor.TopRow() + 3, 2);
    ExpectScreenMatchesFreshPaint("shift");
    editor.SetLeftCol(5);
    ExpectScreenMatchesFreshPaint("left_col");
}

TEST_F(EditorScreenTest, TypingAndSelectingRepaintExactlyWhatChanged)
{
    ShowRows(8);
    SetText("P { color : red }\r\n\x93\xFA\x96\x7B fon x\r\nmargin\r\n");
    editor.Core().PlaceCaretAt(1, 8);
    ExpectScreenMatchesFreshPaint("before_typing");
    editor.Core().TypeChars("t");  // "fon" becomes the reserved word "font"
    ExpectScreenMatchesFreshPaint("typed");
    editor.Core().KeyDown(tavi::TEditKey::Backspace);
    ExpectScreenMatchesFreshPaint("deleted");

    editor.Core().SetSelStart(2);
    editor.Core().SetSelLength(5);
    ExpectScreenMatchesFreshPaint("selected");
    editor.Core().SetSelLength(22);
    ExpectScreenMatchesFreshPaint("selection_grown");
    editor.Core().SetSelLength(3);
    ExpectScreenMatchesFreshPaint("selection_shrunk");
    editor.Core().Deselect();
    ExpectScreenMatchesFreshPaint("deselected");
}

TEST_F(EditorScreenTest, PagingWrappedRowsInAWideWindowLeavesNoStalePixels)
{
    // Rows wrapped at 20 columns in a 400-pixel view: the rows end far left of the edge,
    // which scrolls then leave alone unless a selection reaches it.
    editor.Core().SetWrapByte(20);
    ShowRows(10);
    std::string text;
    for (int i = 0; i < 80; ++i)
        text += std::string(i % 7 == 0 ? "\t" : "") + "P.c" + std::to_string(i) +
                " { margin : " + std::string(static_cast<std::size_t>(i % 30), 'x') + " } /* \x93\xFA\x96\x7B */\r\n";
    SetText(text + "last");
    editor.Core().PlaceCaretAt(1, 2);
    ExpectScreenMatchesFreshPaint("start");
    editor.Core().SetSelStart(30);
    editor.Core().SetSelLength(200);  // across several line ends: painted to the right edge
    ExpectScreenMatchesFreshPaint("selected");
    QScrollBar* bar = editor.verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ExpectScreenMatchesFreshPaint("selected_line_down");
    editor.Core().Deselect();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    ExpectScreenMatchesFreshPaint("deselected_page_down");
    editor.Core().PlaceCaretAt(editor.TopRow() + 2, 3);
    editor.Core().KeyDown(tavi::TEditKey::Enter);
    ExpectScreenMatchesFreshPaint("enter");
    editor.Core().KeyDown(tavi::TEditKey::Backspace);
    ExpectScreenMatchesFreshPaint("joined");
    editor.Core().SetSelLength(150);
    editor.Core().TypeChars("z");  // the selection goes and the rows below move up
    ExpectScreenMatchesFreshPaint("typed_over_selection");
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    ExpectScreenMatchesFreshPaint("end_with_eof_mark");
}
