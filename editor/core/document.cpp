// The document: row reads, loading, the wrap rule, and undo and redo as the second way rows change.
#include "editor/core/document.h"

#include <algorithm>

#include "editor/core/band_compare.h"
#include "editor/core/layout_translation.h"
#include "text/row_text.h"

namespace tavi {

int TDocument::RowWidth(TRow r) const
{
    return ExpandedLength(RowText(r), rule_.tabSpaceCount, rule_.encoding);
}

TColumn TDocument::ColumnOf(TTextPos p) const
{
    const std::string_view text = RowText(p.Row);
    const int inside = std::min(p.Byte.Value(), static_cast<int>(text.size()));
    return TColumn(DisplayWidth(text.substr(0, inside), rule_.tabSpaceCount, rule_.encoding) +
                   (p.Byte.Value() - inside));
}

TCaretPlace TDocument::CaretPlaceOf(TTextPos p) const
{
    if (RowEnd(p.Row) == reWrap && p.Byte.Value() >= static_cast<int>(RowText(p.Row).size()))
        p = {p.Row + 1, TByte(0)};
    return {p.Row, ColumnOf(p)};
}

int TDocument::LineCount() const
{
    return rule_.wordWrap ? rows_.LineCount() : rows_.Count();
}

TRow TDocument::LineToRow(int i) const
{
    return TRow(rule_.wordWrap ? rows_.LineToRow(i) : std::clamp(i, 0, rows_.Count()));
}

int TDocument::LineOfRow(TRow r) const
{
    const int row = std::clamp(r.Value(), 0, rows_.Count());
    if (!rule_.wordWrap)
        return row;
    return row == rows_.Count() ? LineCount() : rows_.LineOfRow(row);
}

TDocument::TTakenRows TDocument::TakeRows(TRow first, int n) const
{
    TTakenRows taken;
    const int count = rows_.Count();
    const int r = first.Value();
    if (r < 0 || r >= count || n == 0)
        return taken;
    int last = r;
    if (n < 0) {
        while (last + 1 < count && rows_.End(last) == reWrap)
            ++last;
    } else {
        last = std::min(count - 1, r + n - 1);
    }
    for (int k = r; k <= last; ++k) {
        taken.Text += rows_.Text(k);
        if (rows_.End(k) == reBreak)
            taken.Text += "\r\n";
    }
    taken.Count = last - r + 1;
    taken.LastEnd = rows_.End(last);
    return taken;
}

TChange TDocument::WholeChange(int oldRows, TRow oldEnd) const
{
    TChange change;
    change.Whole = true;
    change.OldRows = oldRows;
    change.NewRows = rows_.Count();
    change.OldEndRow = oldEnd;
    change.NewEndRow = EndRow();
    return change;
}

TChange TDocument::Load(RowList rows, bool wrapped, std::optional<TTextEncoding> encoding)
{
    const int oldRows = rows_.Count();
    const TRow oldEnd = EndRow();
    rows_.TakeRows(std::move(rows));
    if (encoding && *encoding != rule_.encoding) {
        rule_.encoding = *encoding;
        NewLayout();
    }
    if (rule_.wordWrap && !wrapped)
        rows_.Rewrap(rule_);
    undo_.Clear();
    undo_.StartNewText();
    TChange change = WholeChange(oldRows, oldEnd);
    change.NewText = true;
    return change;
}

std::optional<TChange> TDocument::SetWrapRule(const TWrapRule& rule)
{
    const TWrapRule old = rule_;
    if (rule.wordWrap == old.wordWrap && rule.wrapByte == old.wrapByte && rule.tabSpaceCount == old.tabSpaceCount &&
        rule.encoding == old.encoding)
        return std::nullopt;
    rule_ = rule;
    NewLayout();
    // Records name bytes and rows, which a new layout restates; another encoding makes other
    // characters of the same bytes, so its history goes.
    if (rule.encoding != old.encoding)
        undo_.Clear();
    const int oldRows = rows_.Count();
    const TRow oldEnd = EndRow();
    bool changed = false;
    if (rule.wordWrap)
        changed = rows_.Rewrap(rule);
    else if (old.wordWrap)
        changed = rows_.Unwrap();
    // A new tab width moves every cell after a tab even where no row changes; a new
    // encoding makes new characters of the same bytes.
    if (!changed && rule.tabSpaceCount == old.tabSpaceCount && rule.encoding == old.encoding)
        return std::nullopt;
    return WholeChange(oldRows, oldEnd);
}

void TDocument::NewLayout()
{
    layouts_.push_back(rule_);
    layout_ = static_cast<int>(layouts_.size()) - 1;
}

// Replaces the record's band by its text; `inverse` receives what was there. Everything is
// made ready before the rows change, so that a stop changes nothing.
std::optional<TChange> TDocument::Apply(const TUndoRecord& original, TUndoRecord& inverse)
{
    // A record of an earlier layout is restated for this one first.
    std::optional<TUndoRecord> restated;
    if (original.Layout != layout_) {
        TRestatedRecord moved = RecordInLayout(original, layouts_[static_cast<std::size_t>(original.Layout)], rows_);
        moved.Record.Caret = CaretPlaceOf(moved.Caret);
        moved.Record.Layout = layout_;
        restated = std::move(moved.Record);
    }
    const TUndoRecord& record = restated ? *restated : original;
    TChange change;
    change.First = record.Row;
    change.OldEndRow = EndRow();
    TTakenRows taken;
    std::string spliced;
    std::string removed;
    RowList fresh;
    const bool kept = record.KeptHead + record.KeptTail > 0;
    try {
        TWorkSteps steps(*meter_, static_cast<long long>(record.KeptHead + record.Text.size() + record.KeptTail));
        if (record.RowCount != 0)
            taken = TakeRows(record.Row, record.RowCount);
        if (kept) {
            // The band keeps its head and tail; what lies between them goes to the inverse record.
            const std::string& band = taken.Text;
            const std::size_t middle = band.size() - record.KeptHead - record.KeptTail;
            spliced.reserve(band.size() - middle + record.Text.size());
            spliced.append(band, 0, record.KeptHead).append(record.Text).append(band, record.KeptHead + middle);
            removed = band.substr(record.KeptHead, middle);
        } else {
            removed = std::move(taken.Text);
        }
        if (record.LastEnd != -1)
            fresh = WrapBandText(kept ? spliced : record.Text, rule_, static_cast<TRowEnd>(record.LastEnd), &steps);
    } catch (const TWorkStopped&) {
        return std::nullopt;
    }

    const TBandSame same = CompareBand(rows_, fresh, record.Row.Value(), taken.Count);
    change.OldRows = taken.Count;
    change.NewRows = fresh.Count();
    change.SameHead = same.head;
    change.SameTail = same.tail;
    change.ByteFrom = static_cast<long long>(record.KeptHead);
    change.OldBytes = static_cast<long long>(removed.size());
    change.NewBytes = static_cast<long long>(record.Text.size());
    if (restated) {
        // A restated band's rows may end otherwise than the record's did (an empty last row
        // after a final line break, or none): the bytes that differ are found by comparing.
        std::string after;
        for (int r = 0; r < fresh.Count(); ++r)
            after.append(fresh.Text(r)).append(fresh.End(r) == reBreak ? "\r\n" : "");
        const std::string& before = kept ? taken.Text : removed;  // the whole band either way
        const std::size_t shorter = std::min(before.size(), after.size());
        std::size_t head = 0, tail = 0;
        while (head < shorter && before[head] == after[head])
            ++head;
        while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        change.ByteFrom = static_cast<long long>(head);
        change.OldBytes = static_cast<long long>(before.size() - head - tail);
        change.NewBytes = static_cast<long long>(after.size() - head - tail);
    }
    rows_.Replace(record.Row.Value(), taken.Count, fresh);

    inverse.Row = record.Row;
    inverse.RowCount = fresh.Count();
    inverse.LastEnd = taken.LastEnd;
    inverse.Text = std::move(removed);
    inverse.KeptHead = record.KeptHead;
    inverse.KeptTail = record.KeptTail;
    inverse.Layout = layout_;
    change.NewEndRow = EndRow();
    change.Caret = record.Caret;
    return change;
}

std::optional<TChange> TDocument::Undo(TCaretPlace caret)
{
    return Step(false, caret);
}

std::optional<TChange> TDocument::Redo(TCaretPlace caret)
{
    return Step(true, caret);
}

std::optional<TChange> TDocument::Step(bool redo, TCaretPlace caret)
{
    if (redo ? !undo_.CanRedo() : !undo_.CanUndo())
        return std::nullopt;
    TUndoRecord inverse;
    inverse.Caret = caret;
    std::optional<TChange> change = Apply(redo ? undo_.NewestRedo() : undo_.NewestUndo(), inverse);
    if (change && redo)
        undo_.FinishRedo(std::move(inverse));
    else if (change)
        undo_.FinishUndo(std::move(inverse));
    return change;
}

}  // namespace tavi
