// How a view of rows follows one recorded change of its document: what it shifts and what it repaints.
#pragma once

#include "editor/core/change.h"

namespace tavi {

// The screen operations a view of rows offers. Rows are document rows; the view limits
// them to what it shows.
class TRowPainter {
public:
    virtual ~TRowPainter() = default;
    // Repaints rows min(a, b)..max(a, b).
    virtual void InvalidateRows(TRow a, TRow b) = 0;
    // Repaints everything.
    virtual void InvalidateAll() = 0;
    // After n rows were inserted at `row` (or -n removed), moves the pixels of the rows
    // from `row` down by n rows and paints the band that uncovers.
    virtual void ShiftRowsBelow(TRow row, int n) = 0;
    // After typing on one row: from column `col` on the cells changed and the rest of the
    // row moved by `growth` columns (negative: left). The view may move those pixels and
    // repaint only the words around the change.
    virtual void RepaintTyped(TRow row, TColumn col, int growth) = 0;
};

// Follows `change` on `painter`: the rows below a band whose row count changed are
// shifted, the band's rows that differ are repainted (a typed row as typed), and while the
// "[EOF]" mark is shown (eofMark) the row whose pixels still show the old mark and the row
// that must show the new one are repainted when they differ. A whole change repaints all.
void RepaintChange(const TChange& change, bool eofMark, TRowPainter& painter);

}  // namespace tavi
