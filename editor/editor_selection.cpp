// The editor control's view of the selection: the one place that reads it, and the repaint of the cells whose selected
// state changed.
#include <QScrollBar>
#include <algorithm>
#include <climits>

#include "editor/editor.h"

// The selection is kept by the document model; this is the only place that reads it.
TEditor::TSelection TEditor::CurrentSelection() const
{
    if (!core_.Selected())
        return {};
    return FromBounds(core_.SelectionBounds());
}

TEditor::TSelection TEditor::FromBounds(const tavi::TSelBounds& b)
{
    return {true, b.StartRow.Value(), b.StartCol.Value(), b.EndRow.Value(), b.EndCol.Value()};
}

// The selected columns of `row`: [first, end) with INT_MAX for "to the right edge".
std::optional<std::pair<int, int>> TEditor::SelectedSpan(const TSelection& s, int row)
{
    if (!s.Active || row < s.StartRow || row > s.EndRow)
        return std::nullopt;
    const int from = row == s.StartRow ? s.StartCol : 0;
    const int to = row == s.EndRow ? s.EndCol : INT_MAX;
    if (to <= from)
        return std::nullopt;
    return std::pair{from, to};
}

void TEditor::SelectionChanged(const tavi::TSelBounds& prev, const tavi::TSelBounds& current)
{
    accessibleText_.SelectionChanged();
    const TSelection before = FromBounds(prev);
    const TSelection now = FromBounds(current);
    int first = INT_MAX;
    int last = INT_MIN;
    for (const TSelection* s : {&before, &now}) {
        if (s->Active) {
            first = std::min(first, s->StartRow);
            last = std::max(last, s->EndRow);
        }
    }
    first = std::max(first, topRow_);
    last = std::min(last, topRow_ + visibleRows_);
    const int width = viewport()->width();
    const auto colX = [&](int col) {
        return col == INT_MAX ? width : std::clamp(XOrigin() + col * charWidth_, leftMargin_, width);
    };
    const int height = rowHeight_ + (underLine_ ? 1 : 0);
    for (int r = first; r <= last; ++r) {
        const auto a = SelectedSpan(before, r);
        const auto b = SelectedSpan(now, r);
        if (a == b)
            continue;
        const int y = CellPos(r, 0).y();
        const auto band = [&](int c0, int c1) {
            const int x0 = colX(c0);
            const int x1 = colX(c1);
            if (x1 > x0)
                viewport()->update(QRect(x0, y, x1 - x0, height));
        };
        if (a && b && a->first < b->second && b->first < a->second) {
            // Overlapping spans: only their two ends differ.
            band(std::min(a->first, b->first), std::max(a->first, b->first));
            band(std::min(a->second, b->second), std::max(a->second, b->second));
        } else {
            if (a)
                band(a->first, a->second);
            if (b)
                band(b->first, b->second);
        }
    }
}
