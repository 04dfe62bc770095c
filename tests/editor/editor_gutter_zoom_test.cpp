// Tests of the line-number strip beside the text, the editor's zoom and wrapping at the window's width.
#include <QSignalSpy>
#include <QWheelEvent>
#include <string>

#include "editor/line_number_gutter.h"
#include "tests/editor/editor_fixture.h"

namespace {

using TNumbers = std::vector<std::pair<int, int>>;

class GutterTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        editor.SetWrapByte(20);
        editor.SetLineNumbers(true);
        // Line 2 wraps onto three rows (20 + 20 + 10 bytes); line 4 is the empty one after the last break.
        SetText("short\r\n" + std::string(50, 'a') + "\r\nend\r\n");
        gutter = static_cast<TLineNumberGutter*>(editor.findChild<QWidget*>(QStringLiteral("LineNumbers")));
        ASSERT_NE(gutter, nullptr);
    }

    TNumbers Numbers() const
    {
        TNumbers numbers;
        for (const auto& row : gutter->NumberedRows())
            numbers.emplace_back(row.Row, row.Number);
        return numbers;
    }

    QPoint RowPoint(int row) const { return {4, editor.CellPos(row, 0).y() + editor.RowHeight() / 2}; }

    TLineNumberGutter* gutter = nullptr;
};

}  // namespace

TEST_F(GutterTest, NumbersTheFirstRowOfEachLogicalLineBesideTheText)
{
    EXPECT_EQ(Numbers(), (TNumbers{{0, 1}, {1, 2}, {4, 3}, {5, 4}}));
    // Scrolled to a row that a line wraps onto: the numbering goes on from the next line.
    editor.SetTopRow(2);
    EXPECT_EQ(Numbers(), (TNumbers{{4, 3}, {5, 4}}));
    editor.SetTopRow(0);

    // The strip sits left of the viewport, whose coordinates (and left margin) stay the text's own.
    EXPECT_EQ(gutter->geometry().right() + 1, editor.viewport()->x());
    EXPECT_EQ(editor.viewport()->x() - editor.frameWidth(), editor.GutterWidth());
    EXPECT_EQ(editor.CellPos(0, 0).x(), editor.LeftMargin());

    // The width follows the line count; off, the text takes the room back.
    const int narrow = editor.GutterWidth();
    std::string many;
    for (int i = 0; i < 1200; ++i)
        many += "p {}\r\n";
    SetText(many);
    EXPECT_GT(editor.GutterWidth(), narrow);
    const int cols = editor.VisibleCols();
    editor.SetLineNumbers(false);
    EXPECT_EQ(editor.GutterWidth(), 0);
    EXPECT_TRUE(gutter->isHidden());
    EXPECT_GT(editor.VisibleCols(), cols);
}

TEST_F(GutterTest, ClicksAndDragsOnTheNumbersSelectWholeLines)
{
    QTest::mouseClick(gutter, Qt::LeftButton, {}, RowPoint(2));  // a row line 2 wraps onto
    EXPECT_EQ(editor.SelText(), std::string(50, 'a') + "\r\n");
    EXPECT_EQ(editor.Core().CaretRow(), 4);
    EXPECT_TRUE(editor.hasFocus());

    QTest::mousePress(gutter, Qt::LeftButton, {}, RowPoint(0));
    QTest::mouseMove(gutter, RowPoint(4));
    QTest::mouseRelease(gutter, Qt::LeftButton, {}, RowPoint(4));
    EXPECT_EQ(editor.SelText(), "short\r\n" + std::string(50, 'a') + "\r\nend\r\n");

    // Upwards from the last line, and Shift extending from the caret's line.
    QTest::mousePress(gutter, Qt::LeftButton, {}, RowPoint(4));
    QTest::mouseMove(gutter, RowPoint(1));
    QTest::mouseRelease(gutter, Qt::LeftButton, {}, RowPoint(1));
    EXPECT_EQ(editor.SelText(), std::string(50, 'a') + "\r\nend\r\n");
    EXPECT_EQ(editor.Core().CaretRow(), 1);
    QTest::mouseClick(gutter, Qt::LeftButton, Qt::ShiftModifier, RowPoint(0));
    EXPECT_EQ(editor.SelText(), "short\r\n" + std::string(50, 'a') + "\r\n");
}

TEST_F(EditorTest, ZoomScalesTheShownFontAndTheGridButNotTheFontAsSet)
{
    const QFont font = editor.Font();
    const int pitch = editor.RowPitch();
    editor.StepZoom(1);
    EXPECT_EQ(editor.Zoom(), 110);
    editor.StepZoom(3);
    EXPECT_EQ(editor.Zoom(), 175);
    EXPECT_EQ(editor.Font(), font);
    EXPECT_GT(editor.ShownFont().pixelSize(), font.pixelSize());
    EXPECT_GT(editor.RowPitch(), pitch);
    editor.StepZoom(-20);  // the ladder ends
    EXPECT_EQ(editor.Zoom(), 25);
    editor.SetZoom(1000);
    EXPECT_EQ(editor.Zoom(), 400);
    editor.SetZoom(105);  // off the ladder: the next step goes to its neighbour
    editor.StepZoom(-1);
    EXPECT_EQ(editor.Zoom(), 100);
    EXPECT_EQ(editor.RowPitch(), pitch);

    // Ctrl+wheel: a notch a step, high-resolution wheels adding up; without Ctrl it scrolls.
    const auto wheel = [this](int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(20, 20);
        QWheelEvent event(at, editor.viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(editor.viewport(), &event);
    };
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(editor.Zoom(), 110);
    wheel(60, Qt::ControlModifier);
    EXPECT_EQ(editor.Zoom(), 110);
    wheel(-180, Qt::ControlModifier);
    EXPECT_EQ(editor.Zoom(), 100);
    SetText(std::string(200, '\n'));
    wheel(-120, Qt::NoModifier);
    EXPECT_EQ(editor.Zoom(), 100);
    EXPECT_EQ(editor.TopRow(), 3);
}

TEST_F(EditorTest, WrappingAtTheWindowsWidthFollowsResizesKeepingCaretSelectionAndUndo)
{
    editor.SetWordWrap(true);
    const std::string line(300, 'a');
    SetText("p {}\r\n" + line + "\r\n");
    editor.SetWrapToWindow(true);
    EXPECT_EQ(editor.WrapByte(), editor.VisibleCols() - 1);
    QTest::keyClicks(&editor, "xyz");  // at the start: an edit to undo later
    editor.SetSelStart(6 + 150);
    editor.SetSelLength(10);
    const std::string selected = editor.SelText();

    editor.resize(editor.width() + 120, editor.height());
    EXPECT_EQ(editor.WrapByte(), editor.VisibleCols() - 1);
    EXPECT_EQ(editor.SelStart(), 6 + 150);
    EXPECT_EQ(editor.SelText(), selected);
    // The zoom changes the columns too; the narrowest wrap is 20.
    editor.SetZoom(400);
    EXPECT_EQ(editor.WrapByte(), std::max(20, editor.VisibleCols() - 1));
    editor.SetZoom(100);
    editor.SetWrapToWindow(false);
    const int width = editor.WrapByte();
    editor.resize(editor.width() - 200, editor.height());
    EXPECT_EQ(editor.WrapByte(), width);

    for (int key = 0; key < 3; ++key) {
        ASSERT_TRUE(editor.Core().CanUndo());
        editor.Core().Undo();
    }
    EXPECT_EQ(editor.Lines().GetTextStr(), "p {}\r\n" + line + "\r\n");
}
