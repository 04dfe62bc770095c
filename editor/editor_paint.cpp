// The editor control's paint event: aligning the area to cells, walking the rows, the marks, the underline, and the
// repaints after typing and selecting.
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "editor/core/word_split.h"
#include "editor/editor.h"
#include "editor/grid_text.h"

namespace {

// Floor division, also for a negative numerator.
int FloorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// How far the mark's barbs may reach left of its cell (in a cell narrower than the arrow).
constexpr int kReturnMarkOverhang = 2;

// A downward arrow: the stem from y + 6 down to the tip at y + cellHeight - 4 and two barbs
// rising three pixels to each side, on a transparent image that starts kReturnMarkOverhang
// pixels left of the cell. Whole pixels, so that it keeps its shape at any device pixel
// ratio (the painter scales it without smoothing).
const QImage& ReturnMarkImage(const QColor& color, int cellWidth, int cellHeight)
{
    struct TEntry {
        QRgb Color;
        int Width, Height;
        QImage Image;
    };
    thread_local std::vector<TEntry> cache;
    for (const TEntry& e : cache) {
        if (e.Color == color.rgba() && e.Width == cellWidth && e.Height == cellHeight)
            return e.Image;
    }
    if (cache.size() >= 8)
        cache.erase(cache.begin());
    QImage image(cellWidth + 2 * kReturnMarkOverhang, std::max(cellHeight, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int xm = kReturnMarkOverhang + cellWidth / 2;
    const int tip = cellHeight - 4;
    QPainter painter(&image);
    if (tip > 6)
        painter.fillRect(QRect(xm, 6, 1, tip - 6), color);
    for (int k = 0; k < 3; ++k) {
        painter.fillRect(QRect(xm + k, tip - k, 1, 1), color);
        painter.fillRect(QRect(xm - k, tip - k, 1, 1), color);
    }
    painter.end();
    cache.push_back({color.rgba(), cellWidth, cellHeight, std::move(image)});
    return cache.back().Image;
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
    const int rp = RowPitch();
    const int left = std::max(leftMargin_, leftMargin_ + charWidth_ * FloorDiv(clip.left() - leftMargin_, charWidth_));
    int top = std::max(topMargin_, clip.top());
    top = topMargin_ + (top - topMargin_) / rp * rp;
    const int bottom = topMargin_ + (clip.bottom() + 1 - topMargin_ + rp - 1) / rp * rp;
    const int right = clip.right() + 1;
    const int count = core_.Rows().Count();
    const int x = XOrigin();
    const QRect cells(left, top, right - left, bottom - top);
    // Rows are drawn over whole cells, also where they reach into a neighbouring rectangle of
    // the same paint: clear all of that too, or glyph edges would be drawn twice. The paint's
    // own clip keeps the fill inside the repainted region; one fill, as it is the costliest step.
    p.fillRect(cells.isEmpty() ? clip : clip.united(cells), background);
    if (!cells.isEmpty()) {
        p.setClipRect(cells);
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
                if (core_.Encoding() == tavi::TTextEncoding::Utf8)
                    row.Glyphs = tavi::CellGlyphsOf(core_.RowText(r), core_.TabSpaceCount());
                row.End = core_.RowEnd(r);
                row.Last = r == count - 1;
                PaintRow(p, row);
            } else if (EofMark() && r == count && count > 0 && core_.RowEnd(count - 1) != tavi::reEof) {
                DrawEofMark(p, x, rowTop);
            }
            ++paintedRows_;
        }
        FlushGlyphs(p);
        p.setClipping(false);
    }
    if (SwatchesShown() && clip.left() < leftMargin_)
        PaintSwatches(p, clip);
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
    FlushGlyphs(p);  // the mark's cells are cleared: glyphs reaching into them go first
    p.save();
    p.setClipRect(text);
    p.fillRect(text, Qc(color_));
    tavi::DrawGridText(p, shownFont_, Qc(eofMarkColor_), "[EOF]", 0, 5, x, y + ascent_, charWidth_);
    p.restore();
}

void TEditor::DrawReturnMark(QPainter& p, int x, int y, const QColor& color) const
{
    if (x < leftMargin_)
        return;
    // Every row carries a mark: one small image per colour and cell size, drawn in one call,
    // costs far less than filling its pixels one by one each time.
    const QImage& mark = ReturnMarkImage(color, charWidth_, rowHeight_);
    p.drawImage(x - kReturnMarkOverhang, y, mark);
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
    const std::vector<int> starts = tavi::SplitWords(text, core_.Options().DelimDBCS);
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
