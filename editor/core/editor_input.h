// Keys, caret shapes and selection state of the editor core: the vocabulary the widget's event handlers translate into.
#pragma once

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

// A place in the text: a row (up to the row count) and a byte index in it (beyond the
// row's end only for a free caret).
struct TTextPos {
    int Row = 0;
    int Byte = 0;
};

// Where the left button went down: the caret's place then and the press point.
struct TMouseAnchor {
    bool Down = false;
    int Row = 0;
    int Col = 0;
    int Byte = 0;
    int X = 0;
    int Y = 0;
};

}  // namespace tavi
