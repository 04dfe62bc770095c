// Splitting a row's display text into words at delimiter bytes, as colouring and word jumps see them.
#pragma once

#include <string_view>
#include <vector>

namespace tavi {

// True for the bytes that separate words: control characters, space and ASCII
// punctuation (0x00-0x2F, 0x3A-0x40, 0x5B-0x60, 0x7B-0x80), 0xA0-0xA5 and 0xFD-0xFF.
// Letters, digits, half-width katakana and lead bytes are not delimiters.
bool IsWordDelimiter(unsigned char c);

// The start indexes of the words of `text` (a display text, tabs expanded), ascending
// and beginning with 0, followed by text.size(). Every delimiter byte is a word of its
// own; a run of other characters is one word, except that with `delimDBCS` a run of
// double-byte characters is a word apart from the letters around it.
std::vector<int> SplitWords(std::string_view text, bool delimDBCS);

}  // namespace tavi
