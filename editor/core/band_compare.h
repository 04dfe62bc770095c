// Comparing a band of rows with the rows that replace it.
#pragma once

#include <algorithm>

#include "editor/core/row_list.h"

namespace tavi {

// The rows at the top (head) and bottom (tail) of a band that its replacement keeps.
struct TBandSame {
    int head = 0;
    int tail = 0;
};

// Compares the oldCount rows of `rows` from row `first` with `fresh`.
inline TBandSame CompareBand(const RowList& rows, const RowList& fresh, int first, int oldCount)
{
    TBandSame same;
    const int newCount = fresh.Count();
    const auto equal = [&](int row, int i) { return rows.Text(row) == fresh.Text(i) && rows.End(row) == fresh.End(i); };
    const int both = std::min(oldCount, newCount);
    while (same.head < both && equal(first + same.head, same.head))
        ++same.head;
    while (same.tail < both - same.head && equal(first + oldCount - 1 - same.tail, newCount - 1 - same.tail))
        ++same.tail;
    return same;
}

}  // namespace tavi
