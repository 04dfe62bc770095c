// The look of the main editor that the settings file keeps and the customisation dialog edits, as one value.
#pragma once

#include <QFont>

#include "editor/css_colouring.h"
#include "platform/colors.h"

class TEditor;

// Everything of an editor's look that the settings file stores or the customisation dialog
// copies between the main editor and its preview. Read from an editor and applied to one
// in a single place each, so that start-up, close and the dialog cannot drift apart.
struct TEditorLook {
    QFont Font;
    tavi::TColor FontColor = tavi::clWindowText;
    tavi::TColor Color = tavi::clWindow;
    bool UnderLine = true;
    tavi::TColor UnderLineColor = tavi::clGreen;
    bool WordWrap = true;
    bool EofMark = true;
    tavi::TColor EofMarkColor = tavi::clGreen;
    bool ReserveWordColor = true;
    tavi::TColor ReserveWordFontColor = tavi::clTeal;
    QFont ReserveWordFont;
    tavi::TColor ReserveBkColor = tavi::clWindow;
    int LeftMargin = 19;
    int LineMargin = 0;
    bool RetMark = true;
    tavi::TColor RetMarkColor = tavi::clGreen;
    bool CaretAutoIndent = true;
    bool SyntaxColoring = true;
    tavi::TCssColors SyntaxColors = tavi::DefaultCssColors();
    bool LineNumbers = true;

    static TEditorLook Of(const TEditor& editor);

    // Sets the editor's look in this order: Font, Color, UnderLine, UnderLineColor,
    // WordWrap, EofMark, ReserveWordColor, the reserved-word colour, ReserveWordFont,
    // ReserveBkColor, LeftMargin, LineMargin, EofMarkColor, RetMark, RetMarkColor,
    // CaretAutoIndent, then the syntax colouring and its colours, then LineNumbers. The wrap width is not part
    // of the look.
    void ApplyTo(TEditor& editor) const;
};

// A font's size in points as the settings file stores it, for fonts sized in pixels too
// (the forms' 12-pixel fonts are 9 points at 96 pixels an inch).
int FontPointSize(const QFont& font);
// `font` with its size set to `points`, in pixels at 96 pixels an inch.
QFont WithPointSize(QFont font, int points);
