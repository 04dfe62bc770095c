// Marked stretches of text: a wavy red line under each, its tip under the pointer, and how they follow changes.
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "editor/editor.h"
#include "editor/squiggle.h"

namespace {

const QColor kMarkColor(0xE0, 0x10, 0x10);

}  // namespace

void TEditor::SetTextMarks(std::vector<TTextMark> marks)
{
    if (marks.empty() && textMarks_.empty())
        return;
    std::stable_sort(marks.begin(), marks.end(),
                     [](const TTextMark& a, const TTextMark& b) { return a.Begin < b.Begin; });
    textMarks_ = std::move(marks);
    InvalidateAll();
}

void TEditor::FollowTextMarks(const tavi::TChange& change)
{
    if (textMarks_.empty())
        return;
    if (change.Whole) {
        // Another text, or the same text laid out in other rows: the next verdict marks it again.
        textMarks_.clear();
        return;
    }
    // Rows above the band and its first SameHead rows stay; its last SameTail rows and the
    // rows below it move by Delta.
    const tavi::TRow headEnd = change.First + change.SameHead;
    const tavi::TRow tailStart = change.First + (change.OldRows - change.SameTail);
    std::vector<TTextMark> kept;
    kept.reserve(textMarks_.size());
    for (TTextMark& mark : textMarks_) {
        if (mark.End.Row < headEnd) {
            kept.push_back(std::move(mark));
        } else if (mark.Begin.Row >= tailStart) {
            mark.Begin.Row += change.Delta();
            mark.End.Row += change.Delta();
            kept.push_back(std::move(mark));
        } else {
            // A mark the change touched goes; the rows it had outside the change are painted again.
            InvalidateRows(mark.Begin.Row.Value(), std::max(mark.End.Row, tailStart).Value() + change.Delta());
        }
    }
    textMarks_ = std::move(kept);
}

void TEditor::PaintTextMarks(QPainter& p, const TRowPaint& row)
{
    const tavi::TRow r(row.Row);
    for (const TTextMark& mark : textMarks_) {
        if (mark.Begin.Row > r)
            break;
        if (mark.End.Row < r)
            continue;
        const int from = mark.Begin.Row == r ? ColumnOfByte(row.Row, mark.Begin.Byte.Value()) : 0;
        const int to = mark.End.Row == r ? ColumnOfByte(row.Row, mark.End.Byte.Value())
                                         : ColumnOfByte(row.Row, static_cast<int>(core_.RowText(row.Row).size()));
        if (to <= from)
            continue;
        const QRect cells =
            QRect(row.X + from * charWidth_, row.Top, (to - from) * charWidth_, rowHeight_).intersected(row.Area);
        if (!cells.isEmpty())
            DrawSquiggle(p, cells, kMarkColor);
    }
}

const TEditor::TTextMark* TEditor::TextMarkAt(QPoint pixel) const
{
    const QPoint cell = CellAt(pixel, false);
    if (pixel.x() < leftMargin_ || pixel.y() < topMargin_ || cell.y() >= core_.Rows().Count())
        return nullptr;
    const tavi::TRow r(cell.y());
    for (const TTextMark& mark : textMarks_) {
        if (mark.Begin.Row > r)
            break;
        if (mark.End.Row < r)
            continue;
        const int from = mark.Begin.Row == r ? ColumnOfByte(cell.y(), mark.Begin.Byte.Value()) : 0;
        const int to = mark.End.Row == r ? ColumnOfByte(cell.y(), mark.End.Byte.Value()) : INT_MAX;
        if (cell.x() >= from && cell.x() < to)
            return &mark;
    }
    return nullptr;
}

bool TEditor::ShowTextMarkTip(QHelpEvent* event)
{
    const QPoint pixel = viewport()->mapFrom(this, event->pos());
    if (const TTextMark* mark = TextMarkAt(pixel)) {
        QToolTip::showText(event->globalPos(), mark->Tip, this);
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}
