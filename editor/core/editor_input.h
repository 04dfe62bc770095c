// Keys, caret shapes and selection state of the editor core: the vocabulary the widget's event handlers translate into.
#pragma once

#include "editor/core/coordinates.h"

namespace tavi {

// The keys the editor handles itself. Navigation keys move the caret (Shift extends the
// selection); the others edit.
enum class TEditKey {
    PageUp,
    PageDown,
    Home,
    End,
    Left,
    Right,
    Up,
    Down,
    Delete,
    Backspace,
    Tab,
    Enter,
};

// Modifier keys held with a key.
struct TKeyMods {
    bool Shift = false;
    bool Ctrl = false;
};

// csBrief: a flat bar under the cell; csDefault: an upright bar at the cell's left.
enum TCaretStyle : int {
    csBrief = 0,
    csDefault = 1,
};

// The caret's rectangle relative to the top-left of its cell, in pixels.
struct TCaretShape {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// The caret's rectangle in its cell: csDefault a bar 2 pixels wide and rowHeight high;
// csBrief a bar charWidth - characterMargin wide (twice that on a double-byte character)
// and 2 pixels high at the bottom of the cell.
TCaretShape CaretShapeIn(TCaretStyle style, bool onDoubleByte, int charWidth, int characterMargin, int rowHeight);

// Where the left button went down: the caret's place then and the press point.
struct TMouseAnchor {
    bool Down = false;
    int Row = 0;
    int Col = 0;
    int Byte = 0;
    int X = 0;
    int Y = 0;
};

// How keys and typing edit: switches the core reads at each key.
struct TEditOptions {
    // Blocks every edit by keys, typing, SelText and paste (not ClearSelection or Lines).
    bool ReadOnly = false;
    // Whether Tab and Enter belong to the editor rather than to the window.
    bool WantTabs = false;
    bool WantReturns = true;
    // What Tab and Enter insert: spaces for a tab, tabs in an indent, the indent of the
    // caret row or, on a row without one, of the row above.
    bool SoftTab = false;
    bool TabIndent = false;
    bool CaretAutoIndent = true;
    bool PrevSpaceIndent = false;
    // Word jumps treat a run of double-byte characters as a word of its own.
    bool DelimDBCS = false;
    // The caret may stop inside a tab.
    bool CaretInTab = false;
    // Left at column 0 and Right at a row's end cross into the neighbouring row.
    bool CaretNextLine = false;
};

}  // namespace tavi
