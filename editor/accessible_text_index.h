// Where a character offset of the text lies: per-row character counts in blocks with running totals.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <vector>

#include "editor/core/change.h"
#include "editor/core/coordinates.h"
#include "editor/core/document.h"

namespace tavi {

// The characters of each row (see accessible_characters.h, plus one "\n" after a row that
// ends a line), kept in blocks of about a thousand rows with the characters before each block.
//
// Rows are counted only when a query reaches them, so a large document costs nothing until an
// assistive technology asks. A query then costs a binary search over the blocks and a walk
// of one block's counts. An edit costs O(1) when it only marks the counts stale from its first
// row (while nobody listens: the next query recounts from there); following it with its
// change record costs counting the rows it wrote, rewriting the blocks they fall in, and
// moving the totals of the blocks after them.
class TAccessibleTextIndex {
public:
    explicit TAccessibleTextIndex(const TDocument& document) : doc_(document) {}

    // Rows from `row` on are counted again when a query reaches them.
    void MarkStale(TRow row) { staleFrom_ = std::min(staleFrom_, row.Value()); }
    // Follows the change of the rows `change` records, just made.
    void Follow(const TChange& change);

    // The characters before row `row` (clamped to 0..row count).
    long long RowStart(TRow row);
    // The characters of the whole text.
    long long Total();
    // The row holding character `offset` (the row count at or past the end), and how many
    // characters of that row come before it.
    struct TRowCharacter {
        TRow Row;
        long long Within = 0;
    };
    TRowCharacter RowOf(long long offset);
    // The characters of the whole text when all of its `rowCount` rows are counted, without
    // counting any (what a text had before a change replaced it whole).
    std::optional<long long> CountedTotal(int rowCount);
    // Rows counted so far.
    int CountedRows() const { return counted_; }

private:
    static constexpr std::size_t kBlockRows = 1024;
    struct TBlock {
        std::vector<std::uint32_t> units;  // of each row
        long long total = 0;
    };

    // Drops the counts a stale mark, or a change that was not followed, left wrong.
    void Settle();
    void CountTo(int rows);
    void CountPast(long long offset);
    void Truncate(int rows);
    // Replaces the counts of rows [first, first + oldRows) by `fresh`.
    void Splice(int first, int oldRows, const std::vector<std::uint32_t>& fresh);
    std::uint32_t UnitsOfRow(int row) const;
    std::size_t BlockOfRow(int row) const;
    void Renumber(std::size_t from);
    long long CountedCharacters() const { return blocks_.empty() ? 0 : starts_.back() + blocks_.back().total; }

    const TDocument& doc_;
    std::vector<TBlock> blocks_;
    std::vector<long long> starts_;  // characters before each block
    std::vector<int> firstRows_;     // the first row of each block
    int counted_ = 0;                // rows [0, counted_) are counted
    int staleFrom_ = INT_MAX;
};

}  // namespace tavi
