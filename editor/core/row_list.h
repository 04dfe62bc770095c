// The row list: the document as display rows with their row ends, in compact storage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/core/row_blocks.h"

namespace tavi {

struct TWrapRule;

// What follows a row. Only the last row may be reEof; reWrap rows exist only while
// word wrapping is on.
enum TRowEnd : int {
    reBreak = 0,  // a line break (CR LF) follows the row
    reWrap = 1,   // the logical line goes on in the next row
    reEof = 2,    // the last row of a text that ends without a line break
};

// An ordered list of rows, each a byte string in the document's encoding without line-break bytes and a
// row end. Texts live in one byte arena and rows are 8-byte records, so a document of a
// million rows costs its bytes plus 8 bytes per row. A logical line is a maximal run of
// rows of which every row but the last is reWrap; the last row always ends one.
//
// Every change is reported through OnChange: at once outside an update bracket, once
// when the outermost bracket closes otherwise (and only if something changed).
class RowList {
public:
    RowList() = default;
    RowList(RowList&&) noexcept = default;
    RowList& operator=(RowList&&) noexcept = default;
    RowList(const RowList&) = delete;
    RowList& operator=(const RowList&) = delete;

    // Number of rows.
    int Count() const { return static_cast<int>(rows_.size()); }
    bool Empty() const { return rows_.empty(); }
    // Text of row r (0 <= r < Count()); the view stays valid until the list changes.
    std::string_view Text(int r) const
    {
        const Row& row = rows_[r];
        return std::string_view(arena_.data() + row.off, row.Len());
    }
    // End of row r (0 <= r < Count()).
    TRowEnd End(int r) const { return static_cast<TRowEnd>(rows_[r].lenEnd & 3u); }
    // Sum of the byte lengths of all rows.
    std::size_t TextBytes() const { return live_; }

    // Logical lines: their number, and the first row of line `line` (Count() when
    // `line` is at or past the end). Kept in a lazily extended index, so walking all
    // lines costs linear time.
    int LineCount() const;
    int LineToRow(int line) const;
    // The logical line row r (0 <= r < Count()) belongs to, from the same index.
    int LineOfRow(int r) const;

    // Appends one row.
    void Append(std::string_view text, TRowEnd end);
    // Replaces the text of row r, keeping its end.
    void SetText(int r, std::string_view text);
    // Replaces the end of row r.
    void SetEnd(int r, TRowEnd end);
    // Inserts copies of all rows of `rows` (another list) before row `at` (0 <= at <= Count()).
    void Insert(int at, const RowList& rows) { Replace(at, 0, rows); }
    // Removes `count` rows from `at`; the range is limited to the list.
    void Delete(int at, int count);
    // Replaces `count` rows from `at` (limited to the list) by copies of the rows of
    // `rows`, which must be another list.
    void Replace(int at, int count, const RowList& rows);
    // Removes all rows.
    void Clear();
    // Takes the rows of `other`, leaving it empty; the event and brackets stay.
    void TakeRows(RowList&& other);
    // Reserves room for `rows` rows holding `bytes` bytes together.
    void Reserve(std::size_t rows, std::size_t bytes);
    // Takes `bytes` as the storage of an empty list, so that rows can then be made of
    // ranges of it with AppendStored instead of copies: a file read whole becomes the
    // list without its bytes being copied again.
    void Adopt(std::string bytes);
    // The storage rows refer to; valid until the list changes.
    std::string_view Storage() const { return arena_; }
    // Appends a row whose text is bytes [off, off + len) of the storage.
    void AppendStored(std::size_t off, std::size_t len, TRowEnd end);

    // Wraps every logical line by `rule` (see WrapCutLength); the last row takes the end
    // the last row had before (reWrap counting as reEof). Returns whether any row changed.
    bool Rewrap(const TWrapRule& rule);
    // Joins every logical line into one reBreak row; the last row keeps the final end
    // as in Rewrap. Returns whether any row changed.
    bool Unwrap();

    // Update brackets; they nest.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

    // Raised after changes (see the class comment).
    std::function<void()> OnChange;

private:
    struct Row {
        std::uint32_t off;
        std::uint32_t lenEnd;  // length << 2 | row end
        std::uint32_t Len() const { return lenEnd >> 2; }
        bool operator==(const Row&) const = default;
    };
    static Row MakeRow(std::size_t off, std::size_t len, TRowEnd end);
    std::uint32_t Store(std::string_view text);
    void MakeArenaRoom(std::size_t more);
    std::uint32_t LineBytes(int first, int last, std::size_t& len);
    TRowEnd FinalEnd() const;
    int FirstLineToRewrap(const TWrapRule& rule) const;
    void Changed(int fromRow);
    void MaybeCompact();

    std::string arena_;
    TBlockSequence<Row> rows_;
    std::size_t live_ = 0;                           // bytes referenced by rows; the rest of the arena is garbage
    std::size_t nonWrap_ = 0;                        // rows whose end is not reWrap
    mutable std::vector<std::uint32_t> lineStarts_;  // first rows of the lines among rows [0, scanned_)
    mutable std::size_t scanned_ = 0;
    int updateCount_ = 0;
    bool pending_ = false;
};

}  // namespace tavi
