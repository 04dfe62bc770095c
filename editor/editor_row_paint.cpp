// Drawing one row of the editor control: plain and event drawing of words, the selected span, the marks, OnDrawLine.
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <climits>

#include "editor/core/word_split.h"
#include "editor/editor.h"
#include "editor/grid_text.h"
#include "editor/squiggle.h"

namespace {

// The bytes of a row whose cells meet [left, right) when the row starts at x, widened
// to whole characters.
std::pair<int, int> BytesIn(std::string_view text, int x, int cw, int left, int right)
{
    const int len = static_cast<int>(text.size());
    const int from = std::clamp((left - x) / cw - 1, 0, len);
    const int to = std::clamp((right - x + cw - 1) / cw, 0, len);
    return {from < len ? tavi::CharStartAt(text, from) : len, to};
}

// The glyphs of the rows painted so far, by style: a screenful is drawn in two glyph runs
// rather than two per row. Whatever draws over a row's glyphs flushes them first.
struct TPendingGlyphs {
    tavi::TGridBatch Normal, Reserved;
    std::array<tavi::TGridBatch, tavi::kCssClassCount> Css;  // by class; Plain goes to Normal
};

bool InCommentOrString(tavi::TCssClass cls)
{
    return cls == tavi::TCssClass::Comment || cls == tavi::TCssClass::String;
}

TPendingGlyphs& Pending()
{
    thread_local TPendingGlyphs pending;
    return pending;
}

}  // namespace

void TEditor::FlushGlyphs(QPainter& p)
{
    TPendingGlyphs& pending = Pending();
    pending.Normal.Flush(p, shownFont_, Qc(fontColor_));
    for (int c = 1; c < tavi::kCssClassCount; ++c) {
        const QColor color = Qc(cssColouring_.ColorOf(static_cast<tavi::TCssClass>(c)));
        pending.Css[static_cast<std::size_t>(c)].Flush(p, shownFont_, color);
    }
    pending.Reserved.Flush(p, shownReserveWordFont_, Qc(reserveWordFontColor_));
}

tavi::TWordStyle TEditor::StyleFor(bool reserved) const
{
    if (reserved)
        return {shownReserveWordFont_, Qc(reserveWordFontColor_), Qc(reserveBkColor_)};
    return {shownFont_, Qc(fontColor_), Qc(color_)};
}

void TEditor::PaintRow(QPainter& p, const TRowPaint& row)
{
    const QRect full(leftMargin_, row.Area.top(), viewport()->width() - leftMargin_, row.Area.height());
    if (defaultDrawing_) {
        PaintWords(p, row, static_cast<bool>(OnBeforeDrawWord));
        const auto span = SelectedSpan(CurrentSelection(), row.Row);
        if (span) {
            FlushGlyphs(p);
            PaintSelected(p, row, span->first, span->second);
        }
        PaintMarks(p, row, span && span->second > static_cast<int>(row.Text.size()));
        PaintBracketMarks(p, row);
        PaintTextMarks(p, row);
    }
    if (OnDrawLine) {
        FlushGlyphs(p);
        OnDrawLine(this, p, row.Text, row.X, row.Top, row.Row, full);
    }
}

void TEditor::PaintWords(QPainter& p, const TRowPaint& row, bool eventDrawing)
{
    const std::string_view text = row.Text;
    const int cw = charWidth_;
    const int baseline = row.Top + ascent_;
    const QRect rect = eventDrawing && drawAllWords_
                           ? QRect(leftMargin_, row.Area.top(), viewport()->width() - leftMargin_, rowHeight_)
                           : row.Area;
    const auto [from, to] = BytesIn(text, row.X, cw, rect.left(), rect.right() + 1);
    if (!eventDrawing && cssColouring_.Enabled()) {
        PaintCssWords(p, row, from, to);
        return;
    }
    const bool colouring = reserveWordColor_ && !reserved_.Empty();
    if (!eventDrawing && !colouring) {
        Pending().Normal.Add(text, from, to, row.X, baseline, cw, row.GlyphsOrNull());
        return;
    }
    if (eventDrawing && text.empty()) {
        tavi::TWordStyle style = StyleFor(false);
        OnBeforeDrawWord(this, std::string_view(), false, style);
        return;
    }
    const std::vector<int> starts = tavi::SplitWords(text, core_.Options().DelimDBCS);
    tavi::TGridBatch& normal = Pending().Normal;
    tavi::TGridBatch& reserved = Pending().Reserved;
    const QColor reserveBk = Qc(reserveBkColor_);
    const bool fillReserved = italicOnly_ || reserveBk != Qc(color_);
    // The rows above are drawn before this row's backgrounds, which cut what overhangs.
    if (fillReserved && !eventDrawing)
        FlushGlyphs(p);
    // Event drawing draws the ordinary words first and the reserved ones over them, so
    // that an italic reserved word's overhang is not cut by its neighbours.
    for (int pass = 0; pass < (eventDrawing ? 2 : 1); ++pass) {
        for (std::size_t w = 0; w + 1 < starts.size(); ++w) {
            const int s = starts[w];
            const int e = starts[w + 1];
            if (e <= from)
                continue;
            if (s >= to)
                break;
            const bool isReserved = colouring && reserved_.Contains(text.substr(s, e - s));
            const QRect cells = QRect(row.X + s * cw, row.Top, (e - s) * cw, rowHeight_).intersected(rect);
            if (!eventDrawing) {
                if (isReserved && fillReserved)
                    p.fillRect(cells, reserveBk);
                (isReserved ? reserved : normal).Add(text, s, e, row.X, baseline, cw, row.GlyphsOrNull());
                continue;
            }
            if (isReserved != (pass == 1))
                continue;
            tavi::TWordStyle style = StyleFor(isReserved);
            OnBeforeDrawWord(this, text.substr(s, e - s), isReserved, style);
            p.fillRect(cells, style.Background);
            tavi::DrawGridText(p, style.Font, style.Color, text, s, e, row.X, baseline, cw, row.GlyphsOrNull());
        }
    }
}

void TEditor::PaintCssWords(QPainter& p, const TRowPaint& row, int from, int to)
{
    const std::string_view text = row.Text;
    const int cw = charWidth_;
    const int baseline = row.Top + ascent_;
    cssColouring_.ClassesOfRow(row.Row, static_cast<int>(text.size()), cssClasses_);
    // Reserved words outside comments and strings keep their own look.
    std::vector<bool> reservedColumns;
    if (reserveWordColor_ && !reserved_.Empty()) {
        reservedColumns.assign(text.size(), false);
        const std::vector<int> starts = tavi::SplitWords(text, core_.Options().DelimDBCS);
        for (std::size_t w = 0; w + 1 < starts.size(); ++w) {
            const int s = starts[w];
            const int e = starts[w + 1];
            if (e > from && s < to && !InCommentOrString(cssClasses_[static_cast<std::size_t>(s)]) &&
                reserved_.Contains(text.substr(s, e - s)))
                std::fill(reservedColumns.begin() + s, reservedColumns.begin() + e, true);
        }
    }
    const auto isReserved = [&](int col) {
        return !reservedColumns.empty() && reservedColumns[static_cast<std::size_t>(col)];
    };
    const QColor reserveBk = Qc(reserveBkColor_);
    const bool fillReserved = !reservedColumns.empty() && (italicOnly_ || reserveBk != Qc(color_));
    if (fillReserved)
        FlushGlyphs(p);  // the rows above are drawn before this row's backgrounds cut what overhangs
    TPendingGlyphs& pending = Pending();
    for (int s = from; s < to;) {
        const tavi::TCssClass cls = cssClasses_[static_cast<std::size_t>(s)];
        const bool reserved = isReserved(s);
        int e = s + 1;
        while (e < to && cssClasses_[static_cast<std::size_t>(e)] == cls && isReserved(e) == reserved)
            ++e;
        if (reserved) {
            if (fillReserved)
                p.fillRect(QRect(row.X + s * cw, row.Top, (e - s) * cw, rowHeight_).intersected(row.Area), reserveBk);
            pending.Reserved.Add(text, s, e, row.X, baseline, cw, row.GlyphsOrNull());
        } else {
            tavi::TGridBatch& batch =
                cls == tavi::TCssClass::Plain ? pending.Normal : pending.Css[static_cast<std::size_t>(cls)];
            batch.Add(text, s, e, row.X, baseline, cw, row.GlyphsOrNull());
            if (cls == tavi::TCssClass::UnknownProperty) {
                const QRect cells = QRect(row.X + s * cw, row.Top, (e - s) * cw, rowHeight_).intersected(row.Area);
                DrawSquiggle(p, cells, Qc(cssColouring_.ColorOf(cls)));
            }
        }
        s = e;
    }
}

void TEditor::PaintSelected(QPainter& p, const TRowPaint& row, int fromCol, int toCol)
{
    const int cw = charWidth_;
    const int x0 = std::max(row.Area.left(), row.X + fromCol * cw);
    const int x1 = toCol == INT_MAX ? row.Area.right() + 1 : std::min(row.Area.right() + 1, row.X + toCol * cw);
    if (x1 <= x0)
        return;
    // With UnderLine on, the pixel row under each row belongs to the selection too, so that
    // the selected band has no gaps.
    const QRect piece(x0, row.Top, x1 - x0, rowHeight_ + (underLine_ ? 1 : 0));
    p.save();
    p.setClipRect(piece, Qt::IntersectClip);
    p.fillRect(piece, Qc(selectBkColor_));
    const std::string_view text = row.Text;
    const auto [from, to] = BytesIn(text, row.X, cw, x0, x1);
    const std::vector<int> starts = tavi::SplitWords(text, core_.Options().DelimDBCS);
    const bool colouring = reserveWordColor_ && !reserved_.Empty();
    const QColor selected = Qc(selectFontColor_);
    for (std::size_t w = 0; w + 1 < starts.size(); ++w) {
        const int s = std::max(starts[w], from);
        const int e = std::min(starts[w + 1], to);
        if (e <= s)
            continue;
        const std::string_view word = text.substr(starts[w], starts[w + 1] - starts[w]);
        const bool isReserved = colouring && reserved_.Contains(word);
        tavi::TWordStyle style = StyleFor(isReserved);
        if (OnBeforeDrawWord)
            OnBeforeDrawWord(this, word, isReserved, style);
        tavi::DrawGridText(p, style.Font, selected, text, s, e, row.X, row.Top + ascent_, cw, row.GlyphsOrNull());
    }
    p.restore();
}

void TEditor::PaintMarks(QPainter& p, const TRowPaint& row, bool selectedMark)
{
    const int end = row.X + static_cast<int>(row.Text.size()) * charWidth_;
    if (end >= row.Area.right() + 1)
        return;
    if (EofMark() && row.Last && row.End == tavi::reEof) {
        DrawEofMark(p, end, row.Top);
    } else if (RetMark() && row.End == tavi::reBreak) {
        DrawReturnMark(p, end, row.Top, Qc(selectedMark ? selectFontColor_ : retMarkColor_));
    }
}
