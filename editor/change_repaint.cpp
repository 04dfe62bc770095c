// How a view of rows follows one recorded change of its document: what it shifts and what it repaints.
#include "editor/change_repaint.h"

#include <algorithm>

namespace tavi {

namespace {

// Where the pixels of row `shown` are after the rows from `at` moved by n (-1: covered).
int FollowShift(int shown, int at, int n)
{
    if (n > 0 && shown >= at)
        return shown + n;
    if (n < 0 && shown >= at - n)
        return shown + n;
    if (n < 0 && shown >= at)
        return -1;
    return shown;
}

}  // namespace

void RepaintChange(const TChange& change, bool eofMark, TRowPainter& painter)
{
    if (change.Whole) {
        painter.InvalidateAll();
        return;
    }
    // The rows below the last changed row of the shorter side move; rows the band gained
    // are painted where the move uncovers them.
    const TRow shiftAt = change.First + (std::min(change.OldRows, change.NewRows) - change.SameTail);
    int markPixels = change.OldEndRow.Value();
    if (change.Delta() != 0) {
        painter.ShiftRowsBelow(shiftAt, change.Delta());
        markPixels = FollowShift(markPixels, shiftAt.Value(), change.Delta());
    }
    const TRow from = change.First + change.SameHead;
    const TRow to = shiftAt - 1;
    if (from <= to) {
        if (change.Typed && from == to && from == change.TypedRow)
            painter.RepaintTyped(from, change.TypedCol, change.TypedGrowth);
        else
            painter.InvalidateRows(from, to);
    }
    if (eofMark && markPixels != change.NewEndRow.Value()) {
        if (markPixels >= 0)
            painter.InvalidateRows(TRow(markPixels), TRow(markPixels));
        painter.InvalidateRows(change.NewEndRow, change.NewEndRow);
    }
}

}  // namespace tavi
