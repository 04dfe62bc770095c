// Wrapping whole row lists: re-wrapping every logical line at a width, and joining them again.
#include "editor/core/row_list.h"
#include "editor/core/wrap_text.h"

namespace tavi {

// First row of the first logical line whose rows differ from what wrapping gives, or -1.
int RowList::FirstLineToRewrap(const TWrapRule& rule) const
{
    const TRowEnd finalEnd = FinalEnd();
    const int n = Count();
    std::string scratch;
    for (int r = 0; r < n;) {
        int e = r;
        while (e + 1 < n && End(e) == reWrap)
            ++e;
        std::string_view line = Text(r);
        if (e > r) {
            scratch.clear();
            for (int k = r; k <= e; ++k)
                scratch += Text(k);
            line = scratch;
        }
        int k = r;
        bool same = true;
        ForEachWrapPiece(line, rule, [&](std::size_t, std::size_t len, TRowEnd end) {
            if (e == n - 1 && end == reBreak)
                end = finalEnd;
            if (k > e || rows_[k].Len() != len || End(k) != end)
                same = false;
            ++k;
        });
        if (!same || k != e + 1)
            return r;
        r = e + 1;
    }
    return -1;
}

bool RowList::Rewrap(const TWrapRule& rule)
{
    if (rows_.empty())
        return false;
    const int first = FirstLineToRewrap(rule);
    if (first < 0)
        return false;
    const TRowEnd finalEnd = FinalEnd();
    const int n = Count();
    TBlockSequence<Row> out;
    out.reserve(rows_.size() + rows_.size() / 8 + 16);
    for (int r = 0; r < first; ++r)
        out.push_back(rows_[r]);
    for (int r = first; r < n;) {
        int e = r;
        while (e + 1 < n && End(e) == reWrap)
            ++e;
        std::size_t len = 0;
        const std::uint32_t off = LineBytes(r, e, len);
        const std::string_view line(arena_.data() + off, len);
        ForEachWrapPiece(line, rule, [&](std::size_t pos, std::size_t pieceLen, TRowEnd end) {
            out.push_back(MakeRow(off + pos, pieceLen, end));
        });
        r = e + 1;
    }
    out.back().lenEnd = (out.back().lenEnd & ~3u) | static_cast<unsigned>(finalEnd);
    rows_ = std::move(out);
    nonWrap_ = 0;
    for (int r = 0; r < Count(); ++r)
        nonWrap_ += End(r) != reWrap;
    Changed(first);
    MaybeCompact();
    return true;
}

bool RowList::Unwrap()
{
    if (rows_.empty())
        return false;
    const TRowEnd finalEnd = FinalEnd();
    const int n = Count();
    int written = 0;
    int firstChanged = -1;
    // Lines only shrink, so rows are rewritten in place from the top.
    for (int r = 0; r < n;) {
        int e = r;
        while (e + 1 < n && End(e) == reWrap)
            ++e;
        std::size_t len = 0;
        const std::uint32_t off = LineBytes(r, e, len);
        const Row row = MakeRow(off, len, e == n - 1 ? finalEnd : reBreak);
        if (firstChanged < 0 && (e > r || !(row == rows_[r])))
            firstChanged = written;
        rows_[written++] = row;
        r = e + 1;
    }
    if (firstChanged < 0)
        return false;
    rows_.truncate(static_cast<std::size_t>(written));
    nonWrap_ = rows_.size();
    Changed(firstChanged);
    MaybeCompact();
    return true;
}

}  // namespace tavi
