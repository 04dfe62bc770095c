// The record of one change of a document's rows: what a view, a journal or a colourer reads to follow it.
#pragma once

#include "editor/core/coordinates.h"

namespace tavi {

// Where the caret stands: a row and a display column.
struct TCaretPlace {
    TRow Row;
    TColumn Col;
};

// One change replaced the band of OldRows rows from row First by NewRows rows. Of the
// band, the first SameHead and the last SameTail rows are the same before and after
// (they never overlap: SameHead + SameTail <= min(OldRows, NewRows)); every row above
// the band is unchanged, and every row below it is unchanged but moved by
// NewRows - OldRows. Whole changes (a text loaded or laid out anew) may differ anywhere.
struct TChange {
    bool Whole = false;
    bool NewText = false;  // a whole change that put in another text (a load), not a new layout
    TRow First;
    int OldRows = 0;
    int NewRows = 0;
    int SameHead = 0;
    int SameTail = 0;

    // The bytes that differ, counted in the band's text (its rows joined, 2 bytes after
    // each row that ends a line): from ByteFrom, OldBytes bytes became NewBytes bytes.
    long long ByteFrom = 0;
    long long OldBytes = 0;
    long long NewBytes = 0;

    // Where the end of the text is shown before and after: the row after a final line
    // break, or the last row when the text ends without one.
    TRow OldEndRow;
    TRow NewEndRow;

    // Where the caret goes (not set by whole changes).
    TCaretPlace Caret;

    // Typing or deleting inside one row without tabs: only row TypedRow changed, from
    // column TypedCol on, and the rest of it moved by TypedGrowth columns (negative: left).
    bool Typed = false;
    TRow TypedRow;
    TColumn TypedCol;
    int TypedGrowth = 0;

    int Delta() const { return NewRows - OldRows; }
};

}  // namespace tavi
