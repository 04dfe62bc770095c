// UTF-8 as row texts hold it: sequences, code points, and how wide a row shows them.
#include "text/utf8.h"

#include <algorithm>

namespace tavi {

namespace {

#include "text/char_width_table.inc"

template <std::size_t N>
bool InRanges(const TCodeRange (&ranges)[N], char32_t c)
{
    const auto* after = std::upper_bound(std::begin(ranges), std::end(ranges), c,
                                         [](char32_t value, const TCodeRange& r) { return value < r.First; });
    return after != std::begin(ranges) && c <= (after - 1)->Last;
}

}  // namespace

bool IsWideInTable(char32_t c)
{
    return InRanges(kWideRanges, c);
}

bool JoinsPreviousInTable(char32_t c)
{
    return InRanges(kJoiningRanges, c);
}

}  // namespace tavi
