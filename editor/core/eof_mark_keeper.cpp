// Keeps the end-of-file mark on screen where the text ends through one edit of the rows.
#include "editor/core/eof_mark_keeper.h"

#include "editor/core/editor_core.h"

namespace tavi {

TEofMarkKeeper::TEofMarkKeeper(TEditorCore& core)
    : core_(core), active_(core.EofMark() && !core.Lines().Updating()), shown_(core.EofMarkRow())
{
}

TEofMarkKeeper::~TEofMarkKeeper()
{
    if (!active_)
        return;
    const int now = core_.EofMarkRow();
    if (now == shown_)
        return;
    if (shown_ >= 0)
        core_.View().InvalidateRows(shown_, shown_);
    core_.View().InvalidateRows(now, now);
}

void TEofMarkKeeper::ShiftRowsBelow(int row, int n)
{
    core_.View().ShiftRowsBelow(row, n);
    // Rows from `row` move down by n; for n < 0 the rows from row - n move up onto
    // `row`, covering the ones in between.
    if (n > 0 && shown_ >= row)
        shown_ += n;
    else if (n < 0 && shown_ >= row - n)
        shown_ += n;
    else if (n < 0 && shown_ >= row)
        shown_ = -1;
}

void TEofMarkKeeper::InvalidateAll()
{
    core_.View().InvalidateAll();
    active_ = false;
}

}  // namespace tavi
