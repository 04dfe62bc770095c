// UTF-8 as row texts hold it: sequences, code points, and how wide a row shows them.
#pragma once

#include <string_view>

namespace tavi {

// A range of code points, both ends included.
struct TCodeRange {
    char32_t First;
    char32_t Last;
};

// The sequence at byte i of text: its code point and length when it is a well-formed UTF-8
// sequence (shortest form, no surrogate, at most U+10FFFF); otherwise WellFormed is false
// and the byte at i stands alone (Length 1).
struct TUtf8Sequence {
    char32_t CodePoint = 0;
    int Length = 1;
    bool WellFormed = false;
};
inline TUtf8Sequence Utf8SequenceAt(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80)
        return {b0, 1, true};
    // Kana and ideographs, most of what a Japanese sheet holds beyond ASCII: three bytes led by
    // 0xE1 to 0xEF but 0xED, where every continuation byte is allowed.
    if (b0 >= 0xE1 && b0 != 0xED && b0 <= 0xEF && i + 2 < text.size()) {
        const unsigned char b1 = byte(i + 1);
        const unsigned char b2 = byte(i + 2);
        if ((b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80)
            return {static_cast<char32_t>((b0 & 0x0F) << 12 | (b1 & 0x3F) << 6 | (b2 & 0x3F)), 3, true};
    }
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

bool IsWideInTable(char32_t c);
bool JoinsPreviousInTable(char32_t c);

// Whether a row shows the code point two columns wide (East Asian Width wide or full-width).
inline bool IsWideCodePoint(char32_t c)
{
    if (c < 0x1100)
        return false;
    // Kana and the common ideographs, most of a Japanese sheet's characters, need no table.
    if ((c >= 0x3041 && c <= 0x3096) || (c >= 0x30A0 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF))
        return true;
    return IsWideInTable(c);
}

// Whether a row shows the code point with the character before it: a combining mark, the
// zero-width joiner, a variation selector or an emoji skin-tone modifier.
inline bool JoinsPrevious(char32_t c)
{
    if (c < 0x300)
        return false;
    // Between the CJK symbols and the Cyrillic extensions only these are marks.
    if (c >= 0x3000 && c <= 0xA66E)
        return (c >= 0x302A && c <= 0x302F) || c == 0x3099 || c == 0x309A;
    return JoinsPreviousInTable(c);
}
// The regional indicators, two of which make a flag.
constexpr bool IsRegionalIndicator(char32_t c)
{
    return c >= 0x1F1E6 && c <= 0x1F1FF;
}

}  // namespace tavi
