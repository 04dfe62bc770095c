// Replace: the one way an edit changes a document's rows, with the band it re-wraps and the record it makes.
#include <algorithm>
#include <cstring>

#include "editor/core/band_compare.h"
#include "editor/core/document.h"
#include "editor/core/text_lines.h"
#include "platform/os/large_pages.h"
#include "text/row_text.h"

namespace tavi {

namespace {

// A place as plain numbers, for the band arithmetic below.
struct TRowByte {
    int Row = 0;
    int Byte = 0;
};

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

// Whether every line break in s is a CR LF pair already.
bool BreaksAreCrLf(std::string_view s)
{
    const char* const begin = s.data();
    const char* const end = begin + s.size();
    const auto next = [end](const char* from, char c) {
        return from < end ? static_cast<const char*>(std::memchr(from, c, static_cast<std::size_t>(end - from)))
                          : nullptr;
    };
    for (const char* lf = next(begin, '\n'); lf != nullptr; lf = next(lf + 1, '\n')) {
        if (lf == begin || lf[-1] != '\r')
            return false;
    }
    for (const char* cr = next(begin, '\r'); cr != nullptr; cr = next(cr + 1, '\r')) {
        if (cr + 1 == end || cr[1] != '\n')
            return false;
    }
    return true;
}

bool HasLineBreak(std::string_view s)
{
    return !s.empty() &&
           (std::memchr(s.data(), '\r', s.size()) != nullptr || std::memchr(s.data(), '\n', s.size()) != nullptr);
}

// Where offset `offset` of a band's text lies once the band's rows `fresh` stand at row
// `first`; the end of a wrapped row counts as the start of the next.
TRowByte PlaceInBand(const RowList& fresh, int first, long long offset)
{
    for (int i = 0; i < fresh.Count(); ++i) {
        const auto len = static_cast<long long>(fresh.Text(i).size());
        if (offset < len || (offset == len && fresh.End(i) != reWrap))
            return {first + i, static_cast<int>(offset)};
        offset -= len + (fresh.End(i) == reBreak ? 2 : 0);
    }
    return {first + fresh.Count(), 0};
}

// The text of rows first..last with s in place of the range from..to: rows joined as
// TakeRows joins them, `from` padded with spaces when it lies beyond its row's end and
// `pad` is set. keptEnd is the end its last row takes.
struct TBandText {
    std::string built;
    std::string_view borrowed;  // s itself, when the band holds nothing else
    bool isBorrowed = false;
    std::string_view Text() const { return isBorrowed ? borrowed : std::string_view(built); }
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

TBandText BuildBandText(const RowList& rows, int first, int last, TRowByte from, TRowByte to, std::string_view s,
                        bool pad, bool stopsInsideItsLine = false)
{
    TBandText band;
    if (first >= rows.Count() && (!pad || from.Byte <= 0) && BreaksAreCrLf(s)) {
        // Text added after the last row (the rules dialogs append) is the band's text as it stands.
        band.borrowed = s;
        band.isBorrowed = true;
        band.caretOffset = static_cast<long long>(s.size());
        band.multiLine = HasLineBreak(s);
        return band;
    }
    std::string& text = band.built;
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
int ShortBandEnd(const RowList& rows, const TWrapRule& rule, int first, int last, TRowByte from, TRowByte to,
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
        const auto bandSize = static_cast<long long>(band.Text().size());
        // The old rows after `to` by where they start in the old band's text.
        long long oldStart = OffsetOfRow(rows, first, to.Row + 1);
        int oldRow = to.Row + 1;
        long long pieceStart = 0;
        const RowList fresh = WrapText(band.Text(), rule);
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

// The rows a band's text becomes: wrapped, without an empty row after a final line break
// unless kept.
RowList FreshRows(const TBandText& band, const TWrapRule& rule, TReplaceOptions options, TWorkSteps& steps)
{
    // A band text that ends the text with a line break has no empty row after it: its last
    // line keeps its break (and the empty row is not made only to be dropped).
    const std::string_view text = band.Text();
    const bool endsWithBreak = !text.empty() && (text.back() == '\n' || text.back() == '\r');
    const TRowEnd lastEnd =
        endsWithBreak && band.keptEnd == reEof && !options.KeepEmptyLastRow ? reBreak : band.keptEnd;
    RowList fresh = WrapBandText(text, rule, lastEnd, &steps);
    if (!options.KeepEmptyLastRow && fresh.Count() == 1 && fresh.End(0) == reEof && fresh.Text(0).empty())
        fresh.Delete(0, 1);
    return fresh;
}

// Drops the trailing blanks of every row; returns whether there were any.
bool StripTrailingBlanks(RowList& rows)
{
    bool stripped = false;
    for (int i = 0; i < rows.Count(); ++i) {
        const std::string_view row = rows.Text(i);
        if (const std::string_view kept = TrimTrailingBlanks(row); kept.size() != row.size()) {
            rows.SetText(i, std::string(kept));
            stripped = true;
        }
    }
    return stripped;
}

// Where place p lies in the text: there is no place after a text that ends without a line
// break, so a place there (or further) is the text's end.
TRowByte InText(const RowList& rows, TTextPos p)
{
    const int count = rows.Count();
    if (count > 0 && rows.End(count - 1) == reEof && p.Row.Value() >= count)
        return {count - 1, static_cast<int>(rows.Text(count - 1).size())};
    return {std::clamp(p.Row.Value(), 0, count), p.Byte.Value()};
}

// Typing or deleting inside one row without tabs or line breaks changes that row alone.
bool TypedInOneRow(const RowList& rows, const RowList& fresh, const TChange& change, const TBandText& band,
                   TRowByte from, TRowByte to)
{
    const int first = change.First.Value();
    if (change.NewRows - change.SameHead - change.SameTail != 1 || change.OldRows != change.NewRows ||
        first + change.SameHead != from.Row || to.Row != from.Row || band.padded != 0 || band.multiLine)
        return false;
    return rows.Text(from.Row).find('\t') == std::string_view::npos &&
           fresh.Text(from.Row - first).find('\t') == std::string_view::npos;
}

}  // namespace

TUndoRecord TDocument::RecordOfReplace(TChange& change, std::string_view after, TCaretPlace caret) const
{
    TUndoRecord record;
    record.Caret = caret;
    record.Layout = layout_;
    record.Row = change.First;
    if (change.OldRows > 0) {
        TTakenRows taken = TakeRows(change.First, change.OldRows);
        record.LastEnd = taken.LastEnd;
        KeepOnlyTheChange(record, std::move(taken.Text), after);
    }
    record.RowCount = change.NewRows;
    change.ByteFrom = static_cast<long long>(record.KeptHead);
    change.OldBytes = static_cast<long long>(record.Text.size());
    change.NewBytes = static_cast<long long>(after.size() - record.KeptHead - record.KeptTail);
    return record;
}

// The band an edit re-wraps runs from the row before `from` when that row wraps into it
// (where a wrapped row is cut can depend on the character after it) to the end of the
// logical line holding `to`, or to where the rows after the edit keep their places. Its
// text is rebuilt with the bytes in place of the range, wrapped, and replaces the band as
// one undo record. Everything is made ready before the rows change, so that a stop changes
// nothing.
std::optional<TChange> TDocument::Replace(TTextPos fromPos, TTextPos toPos, std::string_view s, TReplaceOptions options,
                                          TCaretPlace caret)
{
    const int count = rows_.Count();
    const TRowByte from = InText(rows_, fromPos);
    TRowByte to = InText(rows_, toPos);
    if (to.Row < from.Row)
        to = from;
    const int first = from.Row > 0 && rows_.End(from.Row - 1) == reWrap ? from.Row - 1 : from.Row;
    int last = std::min(to.Row, count - 1);
    while (last >= 0 && last + 1 < count && rows_.End(last) == reWrap)
        ++last;
    const int lineEnd = last;
    if (to.Row < count && !HasLineBreak(s))
        last = ShortBandEnd(rows_, rule_, first, last, from, to, s, options.PadToFrom);
    const int oldCount = std::max(0, last - first + 1);
    const TBandText band = BuildBandText(rows_, first, last, from, to, s, options.PadToFrom, last < lineEnd);
    if (oldCount == 0 && band.Text().empty())
        return std::nullopt;
    // Wrapping the band, then taking the old band for the record: the text counted twice.
    TWorkSteps steps(*meter_, 2 * static_cast<long long>(band.Text().size()));
    RowList fresh;
    try {
        fresh = FreshRows(band, rule_, options, steps);
    } catch (const TWorkStopped&) {
        return std::nullopt;
    }
    // The caret's place is found before blanks go: it may stand where they stood.
    TRowByte place = PlaceInBand(fresh, first, band.caretOffset);
    const bool stripped = options.StripBlanks && StripTrailingBlanks(fresh);

    TChange change;
    change.First = TRow(first);
    change.OldRows = oldCount;
    change.NewRows = fresh.Count();
    change.OldEndRow = EndRow();
    const TBandSame same = CompareBand(rows_, fresh, first, oldCount);
    change.SameHead = same.head;
    change.SameTail = same.tail;
    if (TypedInOneRow(rows_, fresh, change, band, from, to)) {
        change.Typed = true;
        change.TypedRow = TRow(from.Row);
        change.TypedCol = ColumnOf({TRow(from.Row), TByte(from.Byte)});
        // Without tabs a code page 932 row is as wide as it is long; a UTF-8 one is measured.
        const std::string_view after = fresh.Text(from.Row - first);
        const std::string_view before = rows_.Text(from.Row);
        change.TypedGrowth = rule_.encoding == TTextEncoding::Cp932
                                 ? static_cast<int>(after.size()) - static_cast<int>(before.size())
                                 : DisplayWidth(after, rule_.tabSpaceCount, rule_.encoding) -
                                       DisplayWidth(before, rule_.tabSpaceCount, rule_.encoding);
    }

    // The fresh rows joined are the band's text, unless blanks were stripped from them.
    const std::string strippedText = stripped ? JoinedText(fresh) : std::string();
    TUndoRecord record = RecordOfReplace(change, stripped ? std::string_view(strippedText) : band.Text(), caret);
    try {
        steps.Advance(static_cast<long long>(band.Text().size()));
    } catch (const TWorkStopped&) {
        return std::nullopt;
    }
    undo_.AddEdit(std::move(record));
    rows_.Replace(first, oldCount, fresh);
    change.NewEndRow = EndRow();
    change.Caret = CaretPlaceOf({TRow(place.Row), TByte(place.Byte)});
    return change;
}

}  // namespace tavi
