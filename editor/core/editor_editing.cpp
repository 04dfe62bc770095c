// Text edits of the editor core: replacing a range as one undo record, typing, Delete, Backspace, Enter and Tab.
#include <algorithm>
#include <cstring>

#include "editor/core/editor_core.h"
#include "editor/core/eof_mark_keeper.h"
#include "editor/core/text_lines.h"
#include "platform/os/large_pages.h"
#include "text/shift_jis.h"

namespace tavi {

namespace {

// Appends s with every CR LF, CR or LF written as CR LF, so that offsets in a band's text
// count 2 bytes per line break as the rows do. Whole runs between breaks are copied at once:
// a replaced stretch can be the whole document.
void AppendWithBreaks(std::string& out, std::string_view s)
{
    const char* p = s.data();
    const char* const end = p + s.size();
    const auto next = [end](const char* from, char c) {
        // memchr must not be given the null pointer an empty text may have.
        const void* at = from < end ? std::memchr(from, c, static_cast<std::size_t>(end - from)) : nullptr;
        return at != nullptr ? static_cast<const char*>(at) : end;
    };
    const char* cr = next(p, '\r');
    const char* lf = next(p, '\n');
    while (p < end) {
        const char* const at = std::min(cr, lf);
        out.append(p, at);
        if (at == end)
            break;
        out += "\r\n";
        p = at + (at == cr && at + 1 == lf ? 2 : 1);
        if (cr < p)
            cr = next(p, '\r');
        if (lf < p)
            lf = next(p, '\n');
    }
}

bool HasLineBreak(std::string_view s)
{
    return !s.empty() &&
           (std::memchr(s.data(), '\r', s.size()) != nullptr || std::memchr(s.data(), '\n', s.size()) != nullptr);
}

// Byte index of the last character of text (0 for an empty text).
int LastCharStart(std::string_view text)
{
    int start = 0;
    for (int i = 0; i < static_cast<int>(text.size());) {
        start = i;
        i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return start;
}

// What one edit did to a band of rows, for asking the view to repaint just that.
struct TBandChange {
    int first = 0;
    int oldCount = 0;
    int newCount = 0;
    int same = 0;        // unchanged rows at the top of the band
    int tail = 0;        // unchanged rows at its bottom (when the count stayed)
    bool typed = false;  // one row changed by typing or deleting inside it, without tabs
    int col = 0;
    int dir = 0;
    int cols = 0;
};

// Only rows that changed are repainted, even in a band taller than the view (a long wrapped
// line): the view clips the range to the rows it shows.
void RepaintBand(TEditorView& view, TEofMarkKeeper& mark, const TBandChange& c)
{
    if (c.oldCount != c.newCount)
        mark.ShiftRowsBelow(c.first + std::min(c.oldCount, c.newCount), c.newCount - c.oldCount);
    const int from = c.first + c.same;
    const int to = c.first + c.newCount - 1 - (c.oldCount == c.newCount ? c.tail : 0);
    if (from > to)
        return;
    if (c.typed && from == to) {
        view.RepaintTyped(from, c.col, c.dir, c.cols);
    } else {
        view.InvalidateRows(from, to);
    }
}

// Where offset `offset` of a band's text lies once the band's rows `fresh` stand at row
// `first`; the end of a wrapped row counts as the start of the next.
TTextPos PlaceInBand(const RowList& fresh, int first, long long offset)
{
    for (int i = 0; i < fresh.Count(); ++i) {
        const auto len = static_cast<long long>(fresh.Text(i).size());
        if (offset < len || (offset == len && fresh.End(i) != reWrap))
            return {first + i, static_cast<int>(offset)};
        offset -= len + (fresh.End(i) == reBreak ? 2 : 0);
    }
    return {first + fresh.Count(), 0};
}

TBandChange CompareBand(const RowList& rows, const RowList& fresh, int first, int oldCount)
{
    TBandChange c;
    c.first = first;
    c.oldCount = oldCount;
    c.newCount = fresh.Count();
    const auto equal = [&](int row, int i) { return rows.Text(row) == fresh.Text(i) && rows.End(row) == fresh.End(i); };
    const int both = std::min(c.oldCount, c.newCount);
    while (c.same < both && equal(first + c.same, c.same))
        ++c.same;
    while (c.tail < both - c.same && equal(first + oldCount - 1 - c.tail, c.newCount - 1 - c.tail))
        ++c.tail;
    return c;
}

// The text of rows first..last with s in place of the range from..to: rows joined as
// TakeRows joins them, `from` padded with spaces when it lies beyond its row's end and
// `pad` is set. keptEnd is the end its last row takes.
struct TBandText {
    std::string text;
    long long caretOffset = 0;  // just after s
    TRowEnd keptEnd = reEof;    // a range reaching past the last row takes the final line break
    int padded = 0;
    bool multiLine = false;  // s holds a line break
};

void AppendRow(std::string& text, const RowList& rows, int r)
{
    text += rows.Text(r);
    if (rows.End(r) == reBreak)
        text += "\r\n";
}

TBandText BuildBandText(const RowList& rows, int first, int last, TTextPos from, TTextPos to, std::string_view s,
                        bool pad, bool stopsInsideItsLine = false)
{
    TBandText band;
    std::string& text = band.text;
    // Measured first, so that a band of a large part of the document is copied once.
    std::size_t size = s.size();
    for (int r = first; r <= std::min(last, rows.Count() - 1); ++r)
        size += rows.Text(r).size() + 2;
    text.reserve(size + static_cast<std::size_t>(std::max(0, from.Byte)));
    PreferLargePages(text.data(), text.capacity());
    for (int r = first; r < from.Row; ++r)
        AppendRow(text, rows, r);
    const std::string_view fromRow = from.Row < rows.Count() ? rows.Text(from.Row) : std::string_view();
    const int fromLen = static_cast<int>(fromRow.size());
    text += fromRow.substr(0, std::clamp(from.Byte, 0, fromLen));
    band.padded = pad ? std::max(0, from.Byte - fromLen) : 0;
    text.append(band.padded, ' ');
    band.multiLine = HasLineBreak(s);
    AppendWithBreaks(text, s);
    band.caretOffset = static_cast<long long>(text.size());
    if (to.Row < rows.Count()) {
        const std::string_view toRow = rows.Text(to.Row);
        text += toRow.substr(std::min<std::size_t>(std::max(to.Byte, 0), toRow.size()));
        if (rows.End(to.Row) == reBreak)
            text += "\r\n";
        for (int r = to.Row + 1; r <= last; ++r)
            AppendRow(text, rows, r);
        band.keptEnd = stopsInsideItsLine ? reWrap : rows.End(last) == reWrap ? reEof : rows.End(last);
    }
    return band;
}

// Where row `row` of the band starting at row `first` begins in the band's text.
long long OffsetOfRow(const RowList& rows, int first, int row)
{
    long long offset = 0;
    for (int r = first; r < row; ++r)
        offset += static_cast<long long>(rows.Text(r).size()) + (rows.End(r) == reBreak ? 2 : 0);
    return offset;
}

// An edit in a long wrapped line re-wraps the rest of the line, yet the rows after it
// usually fall back into their old places a few rows on: an edit that keeps its row's width
// moves nothing, and a row that ended early before a double-byte character takes a
// character more or less. Wraps the band up to a few rows after `to` and looks for a row
// that starts, after the edit, where an old row started (the text from there on is the same,
// so are its rows). Returns the last row the edit must re-wrap: the row before that one, or
// `last` when none was found. (Typing strips trailing blanks only while wrapping is off, so
// the rows left alone would never have been stripped either.)
int ShortBandEnd(const RowList& rows, const TWrapRule& rule, int first, int last, TTextPos from, TTextPos to,
                 std::string_view s, bool pad)
{
    for (const int probe : {16, 256}) {
        const int probeEnd = to.Row + probe;
        if (!rule.wordWrap || probeEnd >= last)
            return last;
        const TBandText band = BuildBandText(rows, first, probeEnd, from, to, s, pad, true);
        const long long oldEditEnd = OffsetOfRow(rows, first, to.Row) +
                                     std::min<long long>(to.Byte, static_cast<long long>(rows.Text(to.Row).size()));
        const long long delta = band.caretOffset - oldEditEnd;
        const auto bandSize = static_cast<long long>(band.text.size());
        // The old rows after `to` by where they start in the old band's text.
        long long oldStart = OffsetOfRow(rows, first, to.Row + 1);
        int oldRow = to.Row + 1;
        long long pieceStart = 0;
        const RowList fresh = WrapText(band.text, rule);
        for (int i = 0; i + 1 < fresh.Count(); ++i) {
            const long long next =
                pieceStart + static_cast<long long>(fresh.Text(i).size()) + (fresh.End(i) == reBreak ? 2 : 0);
            // The cut before `next` saw as much text after it as in the whole line.
            const bool cutAsInTheLine = pieceStart + rule.wrapByte + 2 <= bandSize;
            if (!cutAsInTheLine)
                break;
            if (next >= band.caretOffset) {
                while (oldRow <= probeEnd && oldStart < next - delta) {
                    oldStart += static_cast<long long>(rows.Text(oldRow).size());
                    ++oldRow;
                }
                if (oldRow <= probeEnd && oldStart == next - delta)
                    return oldRow - 1;
            }
            pieceStart = next;
        }
    }
    return last;
}

// The rows joined as TakeRows joins them.
std::string JoinedText(const RowList& rows)
{
    std::string text;
    for (int r = 0; r < rows.Count(); ++r)
        AppendRow(text, rows, r);
    return text;
}

// Fills the record with the band's text before the edit, `before`, keeping only what differs
// from its text after the edit, `after`: the bytes both share at their start and their end
// are taken back from the band when the record is applied.
void KeepOnlyTheChange(TUndoRecord& record, std::string before, std::string_view after)
{
    const std::size_t shorter = std::min(before.size(), after.size());
    const auto head = static_cast<std::size_t>(
        std::mismatch(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(shorter), after.begin()).first -
        before.begin());
    // The tail is compared a block at a time: in a long line it is most of the band.
    constexpr std::size_t kBlock = 4096;
    std::size_t tail = 0;
    while (shorter - head - tail >= kBlock && std::memcmp(before.data() + before.size() - tail - kBlock,
                                                          after.data() + after.size() - tail - kBlock, kBlock) == 0)
        tail += kBlock;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    record.KeptHead = head;
    record.KeptTail = tail;
    if (head + tail == 0)
        record.Text = std::move(before);
    else
        record.Text = before.substr(head, before.size() - head - tail);
}

}  // namespace

// The band an edit re-wraps runs from the row before `from` when that row wraps into it
// (where a wrapped row is cut can depend on the character after it) to the end of the
// logical line holding `to`. Its text is rebuilt with s in place of the range, wrapped,
// and replaces the band as one undo record; the caret ends after s.
void TEditorCore::ReplaceText(TTextPos from, TTextPos to, std::string_view s, bool pad, bool strip)
{
    const int count = rows_.Count();
    from.Row = std::clamp(from.Row, 0, count);
    to.Row = std::clamp(to.Row, from.Row, count);
    int first = from.Row;
    if (first > 0 && rows_.End(first - 1) == reWrap)
        --first;
    int last = std::min(to.Row, count - 1);
    while (last >= 0 && last + 1 < count && rows_.End(last) == reWrap)
        ++last;
    // In a long line the band may stop where the rows after the edit keep their places.
    const bool plainText = !HasLineBreak(s);
    const int lineEnd = last;
    if (plainText && to.Row < count)
        last = ShortBandEnd(rows_, WrapRule(), first, last, from, to, s, pad);
    const int oldCount = std::max(0, last - first + 1);
    const TBandText band = BuildBandText(rows_, first, last, from, to, s, pad, last < lineEnd);
    if (oldCount == 0 && band.text.empty())
        return;

    RowList fresh = WrapBandText(band.text, WrapRule(), band.keptEnd);
    // A text that ends with a line break has no empty row after it.
    const int n = fresh.Count();
    if (fresh.End(n - 1) == reEof && fresh.Text(n - 1).empty() && (n == 1 || fresh.End(n - 2) != reWrap))
        fresh.Delete(n - 1, 1);
    const TTextPos caret = PlaceInBand(fresh, first, band.caretOffset);
    bool stripped = false;
    if (strip && disposeBlank_) {
        for (int i = 0; i < fresh.Count(); ++i) {
            const std::string_view row = fresh.Text(i);
            if (const std::string_view kept = TrimTrailingBlanks(row); kept.size() != row.size()) {
                fresh.SetText(i, std::string(kept));
                stripped = true;
            }
        }
    }

    TBandChange change = CompareBand(rows_, fresh, first, oldCount);
    if (change.newCount - change.same - change.tail == 1 && change.oldCount == change.newCount &&
        first + change.same == from.Row && to.Row == from.Row && band.padded == 0 && !band.multiLine) {
        const std::string_view oldRow = rows_.Text(from.Row);
        const std::string_view newRow = fresh.Text(from.Row - first);
        const int grown = static_cast<int>(newRow.size()) - static_cast<int>(oldRow.size());
        change.typed = oldRow.find('\t') == std::string_view::npos && newRow.find('\t') == std::string_view::npos;
        change.col = ColOf(from);
        change.dir = grown >= 0 ? 1 : -1;
        change.cols = std::abs(grown);
    }

    TUndoRecord& record = undo_.NewRecord();
    record.Row = first;
    if (oldCount > 0) {
        TTakenRows taken = TakeRows(first, oldCount);
        record.LastEnd = taken.LastEnd;
        // The fresh rows joined are the band's text, unless blanks were stripped from them.
        KeepOnlyTheChange(record, std::move(taken.Text), stripped ? JoinedText(fresh) : band.text);
    }
    record.RowCount = fresh.Count();

    view_->HideCaret();
    TEofMarkKeeper mark(*this);
    rows_.BeginUpdate();
    rows_.Replace(first, oldCount, fresh);
    rows_.EndUpdate();
    RepaintBand(*view_, mark, change);
    MoveCaretToPos(caret);
    view_->ShowCaret();
}

void TEditorCore::InsertTyped(std::string_view s)
{
    if (s.empty())
        return;
    const TTextPos at = CaretPos();
    ReplaceText(at, at, s, true, true);
}

void TEditorCore::TypeChars(std::string_view cp932)
{
    if (readOnly_)
        return;
    std::string typed;
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        const auto c = static_cast<unsigned char>(cp932[i]);
        if (IsLeadByte(c)) {
            // A lead byte without its trail would swallow the next byte of the row.
            if (i + 1 < cp932.size() && IsTrailByte(static_cast<unsigned char>(cp932[i + 1])))
                typed.append(cp932.substr(i, 2));
            ++i;
        } else if ((c >= 0x20 && c <= 0x7E) || (c >= 0xA1 && c <= 0xDF)) {
            typed += static_cast<char>(c);
        }
    }
    if (typed.empty())
        return;
    ClearSelection();
    InsertTyped(typed);
}

void TEditorCore::SetSelText(std::string_view s)
{
    if (readOnly_)
        return;
    ClearSelection();
    if (s.empty())
        return;
    const TTextPos at = CaretPos();
    ReplaceText(at, at, s, true, false);
}

void TEditorCore::ReplaceRange(long long from, long long to, std::string_view s)
{
    if (readOnly_)
        return;
    Deselect();
    from = std::max(0LL, from);
    const TTextPos start = Forward({}, from);
    const TTextPos end = to > from ? Forward({}, to) : start;
    ReplaceText(start, end, s, false, false);
}

void TEditorCore::ClearSelection()
{
    if (!selected_ && !extending_)
        return;
    const TSelBounds b = sel_;
    const bool wasSelected = selected_;
    Deselect();
    if (!wasSelected || (b.StartRow == b.EndRow && b.StartByte == b.EndByte))
        return;
    ReplaceText({b.StartRow, b.StartByte}, {b.EndRow, b.EndByte}, {}, false, false);
}

void TEditorCore::DeleteKey()
{
    if (readOnly_)
        return;
    if (selected_) {
        ClearSelection();
        return;
    }
    const int row = caretRow_;
    if (row >= rows_.Count())
        return;
    const std::string_view text = rows_.Text(row);
    const int len = static_cast<int>(text.size());
    const TTextPos at = CaretPos();
    if (at.Byte < len) {
        const int size = IsLeadByte(static_cast<unsigned char>(text[at.Byte])) ? 2 : 1;
        ReplaceText(at, {row, std::min(len, at.Byte + size)}, {}, false, false);
    } else if (rows_.End(row) == reBreak) {
        // Joins the next line (or removes the final line break) after filler spaces up to a free caret.
        ReplaceText(at, {row + 1, 0}, {}, true, false);
    } else if (rows_.End(row) == reWrap) {
        const std::string_view next = RowText(row + 1);
        const int size = !next.empty() && IsLeadByte(static_cast<unsigned char>(next[0])) ? 2 : 1;
        ReplaceText({row + 1, 0}, {row + 1, std::min<int>(size, next.size())}, {}, false, false);
    }
}

void TEditorCore::BackspaceKey()
{
    if (readOnly_)
        return;
    if (selected_) {
        ClearSelection();
        return;
    }
    if (rows_.Empty())
        return;
    const int row = caretRow_;
    const TTextPos at = CaretPos();
    const std::string_view text = RowText(row);
    if (at.Byte > static_cast<int>(text.size()) || (at.Byte == 0 && row == 0)) {
        SetCaretCol(caretCol_ - 1);  // free space: the caret only steps left
    } else if (at.Byte > 0) {
        const TColumnMap map = BuildColumnMap(text, tabSpaceCount_);
        if (CellAt(map, caretCol_) == TCell::TabRest) {
            ReplaceText(at, {row, at.Byte + 1}, {}, false, false);  // inside a tab: the tab itself
        } else {
            const int size = CellAt(map, caretCol_ - 1) == TCell::Trail ? 2 : 1;
            ReplaceText({row, at.Byte - size}, at, {}, false, false);
        }
    } else {
        const std::string_view prev = rows_.Text(row - 1);
        const int prevLen = static_cast<int>(prev.size());
        // At the start of a continuation row the previous row's last character goes;
        // otherwise the line break before the caret row.
        if (rows_.End(row - 1) == reWrap) {
            ReplaceText({row - 1, LastCharStart(prev)}, {row - 1, prevLen}, {}, false, false);
        } else {
            ReplaceText({row - 1, prevLen}, {row, 0}, {}, false, false);
        }
    }
}

int TEditorCore::IndentWidth(int row) const
{
    const std::string text = DisplayRowText(row);
    if (text.empty())
        return -1;
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') {
            ++width;
        } else if (text.compare(i, 2, "\x81\x40") == 0) {
            width += 2;
            ++i;
        } else {
            break;
        }
    }
    return width;
}

void TEditorCore::EnterKey()
{
    if (readOnly_)
        return;
    ClearSelection();
    const int row = caretRow_;
    const TTextPos at = CaretPos();
    // A break before a row that continues a row cut short before a double-byte
    // character, or after the last row, adds no indent.
    const bool plain = row >= rows_.Count() ||
                       (caretCol_ == 0 && row > 0 && rows_.End(row - 1) == reWrap && RowWidth(row - 1) < wrapByte_);
    int n = 0;
    if (!plain && caretAutoIndent_) {
        const int c = IndentWidth(row);
        if (prevSpaceIndent_ && c < 1) {
            int above = row - 1;
            while (above >= 0 && RowText(above).empty())
                --above;
            n = above >= 0 ? std::max(0, IndentWidth(above)) : 0;
        } else if (c >= 0) {
            n = std::min(caretCol_, c);
        }
    }
    std::string s = "\r\n";
    if (tabIndent_)
        s.append(n / tabSpaceCount_, '\t').append(n % tabSpaceCount_, ' ');
    else
        s.append(n, ' ');
    // With blanks disposed of an indent alone is not kept, but the caret still stands at it.
    ReplaceText(at, at, s, false, true);
}

bool TEditorCore::TabKey(TKeyMods mods)
{
    if (mods.Shift || mods.Ctrl || !wantTabs_)
        return false;
    if (readOnly_)
        return true;
    const TTextPos at = CaretPos();
    const std::string s = softTab_ ? std::string(tabSpaceCount_ - at.Byte % tabSpaceCount_, ' ') : "\t";
    // An active selection is extended to the new caret place, not replaced; its anchor is
    // kept when it lies above the rows the insertion may re-wrap, else the selection ends.
    const bool keep = selected_ && anchor_.Row < caretRow_ - 1;
    const TTextPos anchor = anchor_;
    Deselect();
    InsertTyped(s);
    if (keep) {
        BeginSelection(anchor);
        ExtendSelection();
    }
    return true;
}

}  // namespace tavi
