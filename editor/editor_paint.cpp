// The editor control's paint event: aligning the area to cells, walking the rows, the marks, the underline, and the
// repaints after typing and selecting.
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "editor/core/word_split.h"
#include "editor/editor.h"
#include "editor/grid_text.h"

namespace {

// Floor division, also for a negative numerator.
int FloorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

void TEditor::paintEvent(QPaintEvent* event)
{
    QPainter p(viewport());
    for (const QRect& rect : event->region())
        PaintArea(p, rect);
    // The painter stays clipped to the event's region: these touch only what is repainted.
    PaintPreedit(p);
    PaintCaret(p);
}

void TEditor::PaintArea(QPainter& p, const QRect& clip)
{
    QColor background = Qc(color_);
    // A transparent Color (clNone) would leave stale pixels behind: use the base colour.
    if (background.alpha() == 0)
        background = palette().color(QPalette::Base);
    p.fillRect(clip, background);
    const int rp = RowPitch();
    const int left = std::max(leftMargin_, leftMargin_ + charWidth_ * FloorDiv(clip.left() - leftMargin_, charWidth_));
    int top = std::max(topMargin_, clip.top());
    top = topMargin_ + (top - topMargin_) / rp * rp;
    const int bottom = topMargin_ + (clip.bottom() + 1 - topMargin_ + rp - 1) / rp * rp;
    const int right = clip.right() + 1;
    const int count = core_.Rows().Count();
    const int x = XOrigin();
    if (bottom > top && right > left) {
        p.setClipRect(QRect(left, top, right - left, bottom - top));
        // Rows are drawn over whole cells, also where they reach into a neighbouring rectangle
        // of the same paint: clear all of that first, or glyph edges would be drawn twice.
        p.fillRect(QRect(left, top, right - left, bottom - top), background);
        const int first = topRow_ + (top - topMargin_) / rp;
        for (int i = 0, n = (bottom - top) / rp; i < n; ++i) {
            const int r = first + i;
            const int rowTop = top + i * rp;
            if (r < count) {
                TRowPaint row;
                row.Area = QRect(left, rowTop, right - left, rowHeight_);
                row.Row = r;
                row.X = x;
                row.Top = rowTop;
                row.Text = core_.DisplayRowText(r);
                row.End = core_.RowEnd(r);
                row.Last = r == count - 1;
                PaintRow(p, row);
            } else if (EofMark() && r == count && count > 0 && core_.RowEnd(count - 1) != tavi::reEof) {
                DrawEofMark(p, x, rowTop);
            }
            ++paintedRows_;
        }
        p.setClipping(false);
    }
    if (UnderlineVisible())
        p.fillRect(UnderlineRect(), Qc(underLineColor_));
    if (EofMark() && count == 0)
        DrawEofMark(p, x, topMargin_);
}

void TEditor::DrawEofMark(QPainter& p, int x, int y)
{
    const QRect text =
        QRect(leftMargin_, topMargin_, viewport()->width() - leftMargin_, viewport()->height() - topMargin_)
            .intersected(QRect(x, y, 6 * charWidth_, rowHeight_));
    if (text.isEmpty())
        return;
    p.save();
    p.setClipRect(text);
    p.fillRect(text, Qc(color_));
    tavi::DrawGridText(p, font_, Qc(eofMarkColor_), "[EOF]", 0, 5, x, y + ascent_, charWidth_);
    p.restore();
}

void TEditor::DrawReturnMark(QPainter& p, int x, int y, const QColor& color) const
{
    if (x < leftMargin_)
        return;
    // A downward arrow: the stem from y + 6 down to the tip at y + RowHeight - 4 and two
    // barbs rising three pixels to each side, drawn pixel by pixel so that it keeps its
    // shape at any device pixel ratio.
    const int xm = x + charWidth_ / 2;
    const int tip = y + rowHeight_ - 4;
    if (tip > y + 6)
        p.fillRect(QRect(xm, y + 6, 1, tip - (y + 6)), color);
    for (int k = 0; k < 3; ++k) {
        p.fillRect(QRect(xm + k, tip - k, 1, 1), color);
        p.fillRect(QRect(xm - k, tip - k, 1, 1), color);
    }
}

void TEditor::RepaintTyped(int row, int col, int dir, int count)
{
    if (count <= 0 || row < topRow_ || row > topRow_ + visibleRows_ || row >= core_.Rows().Count())
        return;
    const int y = CellPos(row, 0).y();
    const int width = viewport()->width();
    if (dir != 0) {
        // The rest of the row moves; the strip it uncovers (the changed cells) is repainted.
        const int x = std::max(leftMargin_, CellPos(row, col).x());
        const int shift = std::min(count, visibleCols_ + 1) * charWidth_ * (dir > 0 ? 1 : -1);
        // The caret's pixels must not move with the text (see HideCaret).
        viewport()->update(caretRect_);
        if (x < width)
            viewport()->scroll(shift, 0, QRect(x, y, width - x, rowHeight_));
        if (!reserveWordColor_ && !OnBeforeDrawWord)
            return;
    }
    // Typing may turn the words on either side of the change into reserved words or back.
    const std::string text = core_.DisplayRowText(row);
    const std::vector<int> starts = tavi::SplitWords(text, core_.DelimDBCS());
    const auto wordAt = [&](int b) {
        const auto it = std::upper_bound(starts.begin(), starts.end(), b);
        return static_cast<int>(it - starts.begin()) - 1;
    };
    const int len = static_cast<int>(text.size());
    const int changedEnd = dir < 0 ? col : col + count;
    int from = col > 0 ? starts[static_cast<std::size_t>(wordAt(col - 1))] : 0;
    int to = changedEnd;
    if (changedEnd < len)
        to = starts[static_cast<std::size_t>(wordAt(changedEnd)) + 1];
    from = std::min(from, col);
    // The marks after the text follow it.
    const int x0 = std::max(leftMargin_, CellPos(row, from).x());
    const int x1 = to >= len ? width : CellPos(row, to).x();
    if (x1 > x0)
        viewport()->update(QRect(x0, y, x1 - x0, rowHeight_));
}
