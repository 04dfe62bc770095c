// Small value types of the editor control: styles, scroll bar state and the word style given to OnBeforeDrawWord.
#pragma once

#include <QColor>
#include <QFont>

namespace tavi {

// Which scroll bars the control shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// bsSingle draws a sunken frame around the control.
enum TBorderStyle { bsNone, bsSingle };

// A scroll bar in the platform's terms: positions Min..Max, a thumb of Page positions,
// and the thumb's position Pos (at most Max - Page + 1).
struct TScrollInfo {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
};

// How one word is drawn: its font, text colour and the colour of its cells. Handed to
// OnBeforeDrawWord, which may change any of them.
struct TWordStyle {
    QFont Font;
    QColor Color;
    QColor Background;
};

}  // namespace tavi
