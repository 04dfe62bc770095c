// Restating an undo record for another layout of the same text, through text offsets.
#include "editor/core/layout_translation.h"

#include <algorithm>
#include <string>

#include "text/row_text.h"

namespace tavi {

namespace {

// Calls visit(row, offset, text, end) for the rows the text of `rows` has when laid out by
// `rule`, in order, until visit returns false.
template <class F>
void ForEachRowUnder(const RowList& rows, const TWrapRule& rule, F&& visit)
{
    std::string line;
    long long offset = 0;
    int row = 0;
    const int count = rows.Count();
    for (int first = 0; first < count;) {
        line.clear();
        int last = first;
        for (;; ++last) {
            line.append(rows.Text(last));
            if (rows.End(last) != reWrap || last + 1 == count)
                break;
        }
        const TRowEnd lineEnd = rows.End(last) == reWrap ? reEof : rows.End(last);
        bool more = true;
        const auto piece = [&](std::size_t pos, std::size_t len, TRowEnd end) {
            if (more)
                more = visit(row++, offset + static_cast<long long>(pos), std::string_view(line).substr(pos, len),
                             end == reBreak ? lineEnd : end);
        };
        if (rule.wordWrap)
            ForEachWrapPiece(line, rule, piece);
        else
            piece(0, line.size(), reBreak);
        if (!more)
            return;
        offset += static_cast<long long>(line.size()) + (lineEnd == reBreak ? 2 : 0);
        first = last + 1;
    }
}

long long After(long long at, std::size_t bytes, TRowEnd end)
{
    return at + static_cast<long long>(bytes) + (end == reBreak ? 2 : 0);
}

}  // namespace

TRestatedRecord RecordInLayout(const TUndoRecord& record, const TWrapRule& rule, const RowList& rows)
{
    // Where the band and the caret lie in the text, from the rows as they were.
    const int first = record.Row.Value();
    const int end = first + record.RowCount;
    const int caretRow = record.Caret.Row.Value();
    long long textEnd = 0, bandStart = -1, bandEnd = -1, caret = -1;
    ForEachRowUnder(rows, rule, [&](int row, long long at, std::string_view text, TRowEnd rowEnd) {
        textEnd = After(at, text.size(), rowEnd);
        if (row == first)
            bandStart = at;
        if (row == end - 1)
            bandEnd = textEnd;
        if (row == caretRow) {
            const int byte =
                ColumnToByte(BuildColumnMap(text, rule.tabSpaceCount, rule.encoding), record.Caret.Col.Value());
            caret = at + std::clamp<long long>(byte, 0, static_cast<long long>(text.size()));
        }
        return row + 1 < std::max({first + 1, end, caretRow + 1});  // on while a row sought lies ahead
    });
    if (bandStart < 0)
        bandStart = textEnd;
    if (record.RowCount == 0 || bandEnd < 0)
        bandEnd = record.RowCount == 0 ? bandStart : textEnd;
    if (caret < 0)
        caret = textEnd;

    // The rows of the present layout that hold the band, and the bytes they add around it.
    const int count = rows.Count();
    int newFirst = count, newEnd = count;
    long long head = 0, tail = 0, at = 0;
    TTextPos caretPos{TRow(count), TByte(0)};
    bool caretFound = false;
    for (int r = 0; r < count; ++r) {
        const std::size_t bytes = rows.Text(r).size();
        const long long after = After(at, bytes, rows.End(r));
        if (newFirst == count && (bandStart < after || (bandStart == at && after == at))) {
            newFirst = r;
            head = bandStart - at;
        }
        if (!caretFound && caret <= at + static_cast<long long>(bytes)) {
            caretPos = {TRow(r), TByte(static_cast<int>(std::max(0LL, caret - at)))};
            caretFound = true;
        }
        if (newFirst != count && at < bandEnd)
            newEnd = r + 1, tail = after - bandEnd;
        if (at >= std::max(bandEnd, caret))
            break;
        at = after;
    }
    if (newFirst == count)
        newEnd = count, head = tail = 0;
    // A text that ends with a line break may or may not have an empty last row after it,
    // whatever the layout: a band that reaches the text's end takes such a row along.
    if (record.RowCount > 0 && tail == 0 && newEnd == count - 1 && rows.End(count - 1) == reEof &&
        rows.Text(count - 1).empty())
        newEnd = count;
    if (record.RowCount == 0 && head == 0) {
        // An insertion between rows stays one; at the text's end it takes the place of an
        // empty last row, which only the last row may be.
        const bool emptyLast = newFirst < count && rows.End(newFirst) == reEof && rows.Text(newFirst).empty();
        newEnd = emptyLast ? newFirst + 1 : newFirst;
        tail = 0;
    }

    TUndoRecord moved = record;
    moved.Row = TRow(newFirst);
    moved.RowCount = newEnd - newFirst;
    moved.KeptHead += static_cast<std::size_t>(head);
    moved.KeptTail += static_cast<std::size_t>(tail);
    // The rows put back end as the band's did, unless bytes after it are kept: then as the
    // row that holds them.
    if (tail > 0 || (head > 0 && record.LastEnd == -1))
        moved.LastEnd = rows.End(newEnd - 1);
    return {moved, caretPos};
}

}  // namespace tavi
