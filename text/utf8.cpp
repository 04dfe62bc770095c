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

TUtf8Sequence Utf8SequenceAt(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80)
        return {b0, 1, true};
    int length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, c = b0 & 0x1F, least = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, c = b0 & 0x0F, least = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, c = b0 & 0x07, least = 0x10000;
    } else {
        return {};
    }
    if (i + static_cast<std::size_t>(length) > text.size())
        return {};
    for (int k = 1; k < length; ++k) {
        const unsigned char b = byte(i + static_cast<std::size_t>(k));
        if ((b & 0xC0) != 0x80)
            return {};
        c = c << 6 | (b & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {};
    return {c, length, true};
}

bool IsWideCodePoint(char32_t c)
{
    if (c < 0x1100)
        return false;
    // Kana and the common ideographs, most of a Japanese sheet's characters.
    if ((c >= 0x3041 && c <= 0x3096) || (c >= 0x30A0 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF))
        return true;
    return InRanges(kWideRanges, c);
}

bool JoinsPrevious(char32_t c)
{
    if (c < 0x300 || (c >= 0x3100 && c <= 0xA66E))  // no marks among these (ideographs, kana after the voicing marks)
        return false;
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
