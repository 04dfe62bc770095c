// The look of the main editor that the settings file keeps and the customisation dialog edits, as one value.
#include "app/editor_look.h"

#include <cmath>

#include "editor/editor.h"

namespace {
constexpr double kPixelsPerPoint = 96.0 / 72.0;
}

TEditorLook TEditorLook::Of(const TEditor& editor)
{
    TEditorLook look;
    look.Font = editor.Font();
    look.FontColor = editor.FontColor();
    look.Color = editor.Color();
    look.UnderLine = editor.UnderLine();
    look.UnderLineColor = editor.UnderLineColor();
    look.WordWrap = editor.WordWrap();
    look.EofMark = editor.EofMark();
    look.EofMarkColor = editor.EofMarkColor();
    look.ReserveWordColor = editor.ReserveWordColor();
    look.ReserveWordFontColor = editor.ReserveWordFontColor();
    look.ReserveWordFont = editor.ReserveWordFont();
    look.ReserveBkColor = editor.ReserveBkColor();
    look.LeftMargin = editor.LeftMargin();
    look.LineMargin = editor.LineMargin();
    look.RetMark = editor.RetMark();
    look.RetMarkColor = editor.RetMarkColor();
    look.CaretAutoIndent = editor.CaretAutoIndent();
    look.SyntaxColoring = editor.SyntaxColoring();
    look.LineNumbers = editor.LineNumbers();
    for (int c = 0; c < tavi::kCssClassCount; ++c)
        look.SyntaxColors[static_cast<std::size_t>(c)] = editor.SyntaxColor(static_cast<tavi::TCssClass>(c));
    return look;
}

void TEditorLook::ApplyTo(TEditor& editor) const
{
    editor.SetFont(Font);
    editor.SetFontColor(FontColor);
    editor.SetColor(Color);
    editor.SetUnderLine(UnderLine);
    editor.SetUnderLineColor(UnderLineColor);
    editor.SetWordWrap(WordWrap);
    editor.SetEofMark(EofMark);
    editor.SetReserveWordColor(ReserveWordColor);
    editor.SetReserveWordFontColor(ReserveWordFontColor);
    editor.SetReserveWordFont(ReserveWordFont);
    editor.SetReserveBkColor(ReserveBkColor);
    editor.SetLeftMargin(LeftMargin);
    editor.SetLineMargin(LineMargin);
    editor.SetEofMarkColor(EofMarkColor);
    editor.SetRetMark(RetMark);
    editor.SetRetMarkColor(RetMarkColor);
    editor.SetCaretAutoIndent(CaretAutoIndent);
    editor.SetSyntaxColoring(SyntaxColoring);
    for (int c = 0; c < tavi::kCssClassCount; ++c)
        editor.SetSyntaxColor(static_cast<tavi::TCssClass>(c), SyntaxColors[static_cast<std::size_t>(c)]);
    editor.SetLineNumbers(LineNumbers);
}

int FontPointSize(const QFont& font)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    return static_cast<int>(std::lround(font.pixelSize() / kPixelsPerPoint));
}

QFont WithPointSize(QFont font, int points)
{
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * kPixelsPerPoint))));
    return font;
}
