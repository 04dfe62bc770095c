// Row texts in the document's encoding (code page 932 or UTF-8): characters, display columns, tabs and wrap points.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "text/shift_jis.h"

namespace tavi {

// The encoding a document's rows are held in; it decides what a character is.
enum class TTextEncoding : unsigned char {
    Cp932,  // code page 932: a lead byte and the byte after it are one character, two columns wide
    Utf8,   // UTF-8: one sequence with the code points shown with it; an ill-formed byte alone
};

// One character of a row: its bytes and the columns it covers (a tab's columns depend on
// where it stands, so a tab counts one here).
struct TCharSpan {
    int Bytes = 1;
    int Columns = 1;
};

// The character at byte i of text (i < text.size()). Code page 932: a lead byte with the
// byte after it (2 bytes, 2 columns; a lead byte at the end stands alone), any other byte
// alone. UTF-8: a well-formed sequence, with the marks, joiner (and what it joins) and
// skin-tone modifiers after it and a flag's second regional indicator, as wide as its first
// code point (1 or 2 columns; a mark with nothing before it takes 1); an ill-formed byte alone.
TCharSpan Utf8CharAt(std::string_view text, std::size_t i);
inline TCharSpan CharAt(std::string_view text, std::size_t i, TTextEncoding encoding)
{
    const auto c = static_cast<unsigned char>(text[i]);
    if (encoding == TTextEncoding::Cp932)
        return IsLeadByte(c) && i + 1 < text.size() ? TCharSpan{2, 2} : TCharSpan{1, 1};
    // Style sheets are mostly ASCII: a byte alone unless a mark follows it.
    if (c < 0x80 && (i + 1 == text.size() || static_cast<unsigned char>(text[i + 1]) < 0x80))
        return {1, 1};
    return Utf8CharAt(text, i);
}

// Tab width limits: 2..8, then an odd value is lowered by one (2, 4, 6 or 8).
int ClampTabSpaceCount(int value);

// Columns a tab covers when it starts at display column `col` (counted from 0).
constexpr int TabWidthAt(int col, int tabSpaceCount)
{
    return tabSpaceCount - col % tabSpaceCount;
}

// What one display column of a row shows.
enum class TCell : char {
    Single,   // a single byte, or the first column of a tab
    Lead,     // the first half of a double-byte character
    Trail,    // its second half
    TabRest,  // a further column of a tab
    Beyond,   // past the row's end (never stored in a map)
};

// One cell per display column of a row, with the byte each column stands for: its size is
// the row's display width. (Lead and Trail are the two columns of any wide character.)
class TColumnMap {
public:
    std::size_t size() const { return cells_.size(); }
    TCell operator[](std::size_t col) const { return cells_[col]; }
    auto begin() const { return cells_.begin(); }
    auto end() const { return cells_.end(); }
    // The byte column `col` (< size) stands for: the character's first byte, or for a
    // further column of it the byte as far into it (at most its last).
    int ByteAt(int col) const { return bytes_[static_cast<std::size_t>(col)]; }
    // The row's length in bytes.
    int Bytes() const { return length_; }

    void Reserve(std::size_t columns);
    // Adds the columns of the character of `span` at byte `byte`, `columns` of them.
    void Add(TCell first, TCell rest, int byte, TCharSpan span, int columns);
    void SetBytes(int length) { length_ = length; }

private:
    std::vector<TCell> cells_;
    std::vector<int> bytes_;
    int length_ = 0;
};

// The column map of `text`. A lead byte at the very end of a code page 932 text has no
// trail byte: it is a single byte of one column, so that what is typed after it goes right
// after it.
TColumnMap BuildColumnMap(std::string_view text, int tabSpaceCount, TTextEncoding encoding = TTextEncoding::Cp932);

// The cell at display column `col` of a map; TCell::Beyond outside it.
inline TCell CellAt(const TColumnMap& map, int col)
{
    return col >= 0 && col < static_cast<int>(map.size()) ? map[static_cast<std::size_t>(col)] : TCell::Beyond;
}

// Byte index of the character at display column `col` of a column map (see ByteAt);
// columns past the end count one byte each after the text.
int ColumnToByte(const TColumnMap& map, int col);

// Display width of `text`: the length of its column map, without building it.
int DisplayWidth(std::string_view text, int tabSpaceCount, TTextEncoding encoding = TTextEncoding::Cp932);

// The row as its columns see it, one byte per display column: each tab replaced by spaces
// up to the next tab stop. Code page 932 characters are copied as they are (a double-byte
// character is its two bytes); a UTF-8 text keeps its ASCII, and stands for each other
// character by code page 932 bytes of its width: "\x81\x40" for U+3000 (an ideographic space
// indents), another double-byte character for a wide one, a single non-ASCII byte for a
// narrow one. Word splitting, word jumps and indents read it. A code page 932 text without
// a tab comes back unchanged.
std::string ExpandTabs(std::string_view text, int tabSpaceCount, TTextEncoding encoding = TTextEncoding::Cp932);

// Length of ExpandTabs(text) without building it.
int ExpandedLength(std::string_view text, int tabSpaceCount, TTextEncoding encoding = TTextEncoding::Cp932);

// Where wrapping at `wrapByte` columns cuts `text`: 0 when the display width is below
// `wrapByte` (no cut); otherwise the byte length (>= 1) of the first row. The row holds
// at most `wrapByte` columns, one less where a wide character would straddle the edge; a
// tab that starts inside the row stays whole in it, and no character is ever cut.
std::size_t WrapCutLength(std::string_view text, int wrapByte, int tabSpaceCount,
                          TTextEncoding encoding = TTextEncoding::Cp932);

}  // namespace tavi
