// Tests of the caret the editor draws: its shapes, blinking only while focused, and how little a keystroke repaints.
#include "editor_fixture.h"
#include "platform/colors.h"

namespace {

// Sets the platform's cursor flash time for one test.
class FlashTime {
public:
    explicit FlashTime(int ms) : old_(QGuiApplication::styleHints()->cursorFlashTime())
    {
        QGuiApplication::styleHints()->setCursorFlashTime(ms);
    }
    ~FlashTime() { QGuiApplication::styleHints()->setCursorFlashTime(old_); }

private:
    int old_;
};

TEST_F(EditorInputTest, CaretIsAFlatBarUnderTheCellOrAnUprightBarAndInvertsWhatItCovers)
{
    SetText("ab\r\n");
    Key(Qt::Key_Right);
    const QRect cell = Cell(0, 1);
    EXPECT_EQ(editor.CaretRect(), QRect(cell.left(), cell.bottom() - 1, editor.CharWidth(), 2));
    EXPECT_EQ(CaretPixels(), editor.CharWidth() * 2);

    editor.SetCaretStyle(tavi::csDefault);
    EXPECT_EQ(editor.CaretRect(), QRect(cell.left(), cell.top(), 2, editor.RowHeight()));
    EXPECT_EQ(CaretPixels(), 2 * editor.RowHeight());

    // Inside a selection the caret inverts the selection colour.
    editor.SetCaretStyle(tavi::csBrief);
    Key(Qt::Key_End);
    Key(Qt::Key_Home, Qt::ShiftModifier);
    ASSERT_EQ(editor.SelText(), "ab");
    QApplication::processEvents();
    const QColor highlight = tavi::ColorToQColor(tavi::clHighlight, editor.palette());
    const QRgb inverted = qRgb(255 - highlight.red(), 255 - highlight.green(), 255 - highlight.blue());
    EXPECT_EQ(Render().pixel(editor.CaretRect().topLeft()), inverted);
    EXPECT_EQ(CaretPixels(), editor.CharWidth() * 2);
}

TEST_F(EditorInputTest, CaretBlinksOnlyWhileTheEditorHasTheFocus)
{
    const FlashTime flash(60);
    SetText("ab\r\n");
    Key(Qt::Key_End);  // re-placing the caret starts a new blink cycle
    EXPECT_GT(CaretPixels(), 0);
    bool off = false;
    bool on = false;
    for (int i = 0; i < 40 && !(off && on); ++i) {
        QTest::qWait(10);
        const int dark = CaretPixels();
        if (dark == 0)
            off = true;
        else if (off)
            on = true;
    }
    EXPECT_TRUE(off && on) << "the caret went off and came back";

    editor.clearFocus();
    for (int i = 0; i < 8; ++i) {
        QTest::qWait(10);
        ASSERT_EQ(CaretPixels(), 0);
    }
}

TEST_F(EditorInputTest, ZeroFlashTimeGivesASteadyCaretAndHidingNests)
{
    const FlashTime flash(0);
    SetText("ab\r\n");
    Key(Qt::Key_Right);
    for (int i = 0; i < 5; ++i) {
        QTest::qWait(20);
        ASSERT_GT(CaretPixels(), 0);
    }
    editor.HideCaret();
    editor.HideCaret();
    editor.ShowCaret();
    EXPECT_EQ(CaretPixels(), 0);
    editor.ShowCaret();
    EXPECT_GT(CaretPixels(), 0);
}

TEST_F(EditorInputTest, ABlinkAndAKeystrokeRepaintOnlyTheirOwnRow)
{
    const FlashTime flash(60);
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "P.c" + std::to_string(i) + " { margin : 0 }\r\n";
    SetText(text);
    Click(3, 4);
    QApplication::processEvents();
    ASSERT_GE(editor.VisibleRows(), 8);

    editor.ResetPaintedRowCount();
    QTest::qWait(100);  // a few blinks, one caret cell each
    EXPECT_GE(editor.PaintedRowCount(), 1);
    EXPECT_LE(editor.PaintedRowCount(), 5);

    // A typed character: the rest of the row moves, the changed cells and the caret's old
    // and new cells are repainted, all on one row.
    editor.ResetPaintedRowCount();
    Type("x");
    QApplication::processEvents();
    EXPECT_GE(editor.PaintedRowCount(), 1);
    EXPECT_LE(editor.PaintedRowCount(), 4);
    editor.ResetPaintedRowCount();
    Key(Qt::Key_Backspace);
    QApplication::processEvents();
    EXPECT_LE(editor.PaintedRowCount(), 4);
    EXPECT_EQ(Text(), text);
}

}  // namespace
