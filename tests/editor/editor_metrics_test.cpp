// Tests of the editor's grid metrics, layout limits and the properties that follow the font.
#include <QFontMetrics>
#include <QScrollBar>
#include <QStyle>

#include "editor_fixture.h"

namespace {

TEST(EditorDefaults, ANewControlHasTheDesignDefaults)
{
    TEditor editor;
    EXPECT_EQ(editor.size(), QSize(185, 89));
    EXPECT_EQ(editor.viewport()->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(editor.LeftMargin(), 19);
    EXPECT_EQ(editor.TopMargin(), 2);
    EXPECT_EQ(editor.LineMargin(), 0);
    EXPECT_EQ(editor.ScrollBars(), tavi::ssNone);
    EXPECT_EQ(editor.BorderStyle(), tavi::bsSingle);
    EXPECT_EQ(editor.Color(), tavi::clWindow);
    EXPECT_EQ(editor.SelectBkColor(), tavi::clHighlight);
    EXPECT_EQ(editor.SelectFontColor(), tavi::clHighlightText);
    EXPECT_FALSE(editor.ReserveWordColor());
    EXPECT_FALSE(editor.RetMark());
    EXPECT_FALSE(editor.EofMark());
    EXPECT_FALSE(editor.UnderLine());
    EXPECT_TRUE(editor.DefaultDrawing());
    EXPECT_EQ(editor.RowPitch(), editor.RowHeight());
}

TEST_F(EditorTest, MetricsFollowTheFontMarginsAndScrollBars)
{
    const QFontMetrics fm(editor.Font());
    EXPECT_EQ(editor.CharWidth(), fm.averageCharWidth());
    EXPECT_EQ(editor.RowPitch(), editor.RowHeight() + 1);  // UnderLine on, LineMargin 0
    editor.SetLineMargin(3);
    EXPECT_EQ(editor.RowPitch(), editor.RowHeight() + 4);
    editor.SetCharacterMargin(2);
    EXPECT_EQ(editor.CharWidth(), fm.averageCharWidth() + 2);
    EXPECT_EQ(editor.MaxLeftCol(), 8000 / editor.CharWidth());

    const int bar = editor.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &editor);
    EXPECT_EQ(editor.VisibleRows(), (editor.height() - 2 - 5) / editor.RowPitch());
    EXPECT_EQ(editor.VisibleCols(), (editor.width() - 19 - editor.CharWidth() / 2 - bar) / editor.CharWidth());
    editor.SetScrollBars(tavi::ssBoth);
    EXPECT_EQ(editor.VisibleRows(), (editor.height() - 2 - 5 - bar) / editor.RowPitch());
    // A window smaller than one row shows none, never a negative number.
    editor.resize(30, 10);
    EXPECT_EQ(editor.VisibleRows(), 0);
    EXPECT_EQ(editor.VisibleCols(), 0);
}

TEST_F(EditorTest, LayoutPropertiesStayWithinTheirLimits)
{
    editor.SetCharacterMargin(-10);
    EXPECT_EQ(editor.CharacterMargin(), -5);
    EXPECT_GE(editor.CharWidth(), 1);
    editor.SetCharacterMargin(500);
    EXPECT_EQ(editor.CharacterMargin(), 100);
    editor.SetLeftMargin(150);
    EXPECT_EQ(editor.LeftMargin(), 100);
    editor.SetTopMargin(-1);
    EXPECT_EQ(editor.TopMargin(), 0);
    editor.SetLineMargin(101);
    EXPECT_EQ(editor.LineMargin(), 100);
    // The grid moves with the margins.
    EXPECT_EQ(editor.CellPos(0, 0), QPoint(100, 0));
    EXPECT_EQ(editor.CellPos(2, 3), QPoint(100 + 3 * editor.CharWidth(), 2 * editor.RowPitch()));
}

TEST_F(EditorTest, ReserveWordFontFollowsFontNameSizeAndItalic)
{
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(20);
    font.setItalic(true);
    editor.SetFont(font);
    EXPECT_EQ(editor.ReserveWordFont().family(), font.family());
    EXPECT_EQ(editor.ReserveWordFont().pixelSize(), 20);
    EXPECT_TRUE(editor.ReserveWordFont().italic());
    EXPECT_EQ(editor.ReserveWordFontColor(), tavi::clTeal);  // its own colour stays
    EXPECT_GE(editor.RowHeight(), 20);

    font.setItalic(false);
    editor.SetFont(font);
    QFont bold = editor.ReserveWordFont();
    bold.setBold(true);
    bold.setPixelSize(8);
    editor.SetReserveWordFont(bold);
    EXPECT_EQ(editor.ReserveWordFont().pixelSize(), 20);
    EXPECT_TRUE(editor.ReserveWordFont().bold());  // other styles stay its own
}

}  // namespace
