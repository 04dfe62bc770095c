// UTF-8 as row texts hold it: sequences, code points, and how wide a row shows them.
#pragma once

#include <string>
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
TUtf8Sequence Utf8SequenceAt(std::string_view text, std::size_t i);

// Whether a row shows the code point two columns wide (East Asian Width wide or full-width).
bool IsWideCodePoint(char32_t c);
// Whether a row shows the code point with the character before it: a combining mark, the
// zero-width joiner, a variation selector or an emoji skin-tone modifier.
bool JoinsPrevious(char32_t c);
// The regional indicators, two of which make a flag.
constexpr bool IsRegionalIndicator(char32_t c)
{
    return c >= 0x1F1E6 && c <= 0x1F1FF;
}

// Appends the UTF-8 sequence of a code point (U+FFFD for one that has none).
void AppendUtf8(std::string& out, char32_t c);

// Whether every byte of text belongs to a well-formed sequence.
bool IsWellFormedUtf8(std::string_view text);

}  // namespace tavi
