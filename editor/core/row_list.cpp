// The row list: the document as display rows with their row ends, in compact storage.
#include "editor/core/row_list.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

#include "platform/os/large_pages.h"
#include "text/row_text.h"

namespace tavi {

namespace {
constexpr std::size_t kMaxRowBytes = (std::size_t{1} << 30) - 1;
constexpr std::size_t kMaxArenaBytes = std::numeric_limits<std::uint32_t>::max();
}  // namespace

RowList::Row RowList::MakeRow(std::size_t off, std::size_t len, TRowEnd end)
{
    if (len > kMaxRowBytes)
        throw std::length_error("row too long");
    return Row{static_cast<std::uint32_t>(off), static_cast<std::uint32_t>(len << 2 | static_cast<unsigned>(end))};
}

std::uint32_t RowList::Store(std::string_view text)
{
    if (arena_.size() + text.size() > kMaxArenaBytes)
        throw std::length_error("document too large");
    const auto off = static_cast<std::uint32_t>(arena_.size());
    MakeArenaRoom(text.size());
    arena_.append(text);
    return off;
}

void RowList::MakeArenaRoom(std::size_t more)
{
    // A loaded document's arena is the file's bytes, read with room for the first edits
    // (see TSpareRoom); past that room it grows by an eighth at least.
    if (arena_.size() + more > arena_.capacity())
        arena_.reserve(std::min(kMaxArenaBytes, arena_.size() + more + std::max<std::size_t>(arena_.size() / 8, 4096)));
}

int RowList::LineCount() const
{
    const bool openEnd = !rows_.empty() && End(Count() - 1) == reWrap;
    return static_cast<int>(nonWrap_) + (openEnd ? 1 : 0);
}

int RowList::LineToRow(int line) const
{
    if (line <= 0)
        return 0;
    const auto wanted = static_cast<std::size_t>(line);
    while (lineStarts_.size() <= wanted && scanned_ < rows_.size()) {
        if (scanned_ == 0 || End(static_cast<int>(scanned_) - 1) != reWrap)
            lineStarts_.push_back(static_cast<std::uint32_t>(scanned_));
        ++scanned_;
    }
    return wanted < lineStarts_.size() ? static_cast<int>(lineStarts_[wanted]) : Count();
}

int RowList::LineOfRow(int r) const
{
    if (r <= 0)
        return 0;
    // Scanning up to r + 1 rows records every line start at or above row r.
    while (scanned_ <= static_cast<std::size_t>(r) && scanned_ < rows_.size()) {
        if (scanned_ == 0 || End(static_cast<int>(scanned_) - 1) != reWrap)
            lineStarts_.push_back(static_cast<std::uint32_t>(scanned_));
        ++scanned_;
    }
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), static_cast<std::uint32_t>(r));
    return static_cast<int>(after - lineStarts_.begin()) - 1;
}

void RowList::Append(std::string_view text, TRowEnd end)
{
    const Row row = MakeRow(arena_.size(), text.size(), end);
    Store(text);
    rows_.push_back(row);
    live_ += text.size();
    if (end != reWrap)
        ++nonWrap_;
    Changed(Count() - 1);
}

void RowList::SetText(int r, std::string_view text)
{
    Row& row = rows_[r];
    const Row fresh = MakeRow(arena_.size(), text.size(), End(r));
    live_ = live_ - row.Len() + text.size();
    Store(text);
    rows_[r] = fresh;
    Changed(r);
    MaybeCompact();
}

void RowList::SetEnd(int r, TRowEnd end)
{
    Row& row = rows_[r];
    const TRowEnd old = End(r);
    if (old == end)
        return;
    nonWrap_ += (end != reWrap) - (old != reWrap);
    row.lenEnd = (row.lenEnd & ~3u) | static_cast<unsigned>(end);
    Changed(r);
}

void RowList::Delete(int at, int count)
{
    at = std::clamp(at, 0, Count());
    count = std::clamp(count, 0, Count() - at);
    if (count == 0)
        return;
    for (int r = at; r < at + count; ++r) {
        live_ -= rows_[r].Len();
        if (End(r) != reWrap)
            --nonWrap_;
    }
    rows_.erase(static_cast<std::size_t>(at), static_cast<std::size_t>(count));
    Changed(at);
    MaybeCompact();
}

void RowList::Replace(int at, int count, const RowList& rows)
{
    at = std::clamp(at, 0, Count());
    count = std::clamp(count, 0, Count() - at);
    if (count == 0 && rows.Empty())
        return;
    if (arena_.size() + rows.live_ > kMaxArenaBytes)
        throw std::length_error("document too large");
    MakeArenaRoom(rows.live_);
    for (int r = at; r < at + count; ++r) {
        live_ -= rows_[r].Len();
        if (End(r) != reWrap)
            --nonWrap_;
    }
    const int added = rows.Count();
    if (added > count) {
        rows_.insert(static_cast<std::size_t>(at + count), static_cast<std::size_t>(added - count), Row{});
    } else if (added < count) {
        rows_.erase(static_cast<std::size_t>(at + added), static_cast<std::size_t>(count - added));
    }
    for (int i = 0; i < added; ++i) {
        const std::string_view text = rows.Text(i);
        rows_[at + i] = MakeRow(Store(text), text.size(), rows.End(i));
        live_ += text.size();
        if (rows.End(i) != reWrap)
            ++nonWrap_;
    }
    Changed(at);
    MaybeCompact();
}

void RowList::Clear()
{
    if (rows_.empty() && arena_.empty())
        return;
    const bool hadRows = !rows_.empty();
    arena_ = std::string();
    rows_.clear();
    live_ = nonWrap_ = 0;
    if (hadRows)
        Changed(0);
    lineStarts_.clear();
    scanned_ = 0;
}

void RowList::TakeRows(RowList&& other)
{
    arena_ = std::move(other.arena_);
    rows_ = std::move(other.rows_);
    live_ = std::exchange(other.live_, 0);
    nonWrap_ = std::exchange(other.nonWrap_, 0);
    other.arena_.clear();
    other.rows_.clear();
    other.lineStarts_.clear();
    other.scanned_ = 0;
    lineStarts_.clear();
    scanned_ = 0;
    Changed(0);
}

void RowList::Reserve(std::size_t rows, std::size_t bytes)
{
    rows_.reserve(rows);
    arena_.reserve(std::min(bytes, kMaxArenaBytes));
    PreferLargePages(arena_.data(), arena_.capacity());
}

void RowList::Adopt(std::string bytes)
{
    if (!rows_.empty() || !arena_.empty())
        throw std::logic_error("only an empty list adopts storage");
    if (bytes.size() > kMaxArenaBytes)
        throw std::length_error("document too large");
    arena_ = std::move(bytes);
}

void RowList::AppendStored(std::size_t off, std::size_t len, TRowEnd end)
{
    rows_.push_back(MakeRow(off, len, end));
    live_ += len;
    if (end != reWrap)
        ++nonWrap_;
    Changed(Count() - 1);
}

void RowList::EndUpdate()
{
    if (updateCount_ == 0 || --updateCount_ > 0 || !pending_)
        return;
    pending_ = false;
    if (OnChange)
        OnChange();
}

void RowList::Changed(int fromRow)
{
    // Line starts up to and including row fromRow depend only on the ends of the rows
    // above it, which this change left alone.
    const std::size_t keep = std::min({scanned_, static_cast<std::size_t>(fromRow) + 1, rows_.size()});
    while (!lineStarts_.empty() && lineStarts_.back() >= keep)
        lineStarts_.pop_back();
    scanned_ = keep;
    if (updateCount_ > 0) {
        pending_ = true;
    } else if (OnChange) {
        OnChange();
    }
}

void RowList::MaybeCompact()
{
    const std::size_t garbage = arena_.size() - live_;
    if (garbage < (std::size_t{1} << 20) || garbage < live_)
        return;
    std::string packed;
    packed.reserve(live_);
    rows_.ForEach([&](Row& row) {
        const auto off = static_cast<std::uint32_t>(packed.size());
        packed.append(arena_, row.off, row.Len());
        row.off = off;
    });
    arena_ = std::move(packed);
}

TRowEnd RowList::FinalEnd() const
{
    const TRowEnd end = End(Count() - 1);
    return end == reWrap ? reEof : end;
}

// Offset and length of the joined text of rows first..last, copying it to the end of
// the arena when the rows do not lie back to back.
std::uint32_t RowList::LineBytes(int first, int last, std::size_t& len)
{
    len = 0;
    bool adjacent = true;
    for (int r = first; r <= last; ++r) {
        if (r > first && rows_[r].off != rows_[r - 1].off + rows_[r - 1].Len())
            adjacent = false;
        len += rows_[r].Len();
    }
    if (adjacent)
        return rows_[first].off;
    std::string joined;
    joined.reserve(len);
    for (int r = first; r <= last; ++r)
        joined += Text(r);
    return Store(joined);
}

}  // namespace tavi
