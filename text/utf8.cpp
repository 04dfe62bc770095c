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

void AppendUtf8(std::string& out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsWellFormedUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const TUtf8Sequence s = Utf8SequenceAt(text, i);
        if (!s.WellFormed)
            return false;
        i += static_cast<std::size_t>(s.Length);
    }
    return true;
}

}  // namespace tavi
