// Shift-JIS (code page 932) rules on row texts: lead bytes, display columns, tabs and wrap points.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavi {

// True for a byte in 0x81..0x9F or 0xE0..0xFC: it and the byte after it form one
// double-byte character of two display columns that is never split.
constexpr bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// True for a byte that may follow a lead byte in a double-byte character: 0x40..0x7E or
// 0x80..0xFC.
constexpr bool IsTrailByte(unsigned char c)
{
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
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

// One cell per display column of a row; its size is the row's display width.
using TColumnMap = std::vector<TCell>;

// The column map of `text`. A lead byte at the very end of the text has no trail byte:
// it is a single byte of one column, so that what is typed after it goes right after it.
TColumnMap BuildColumnMap(std::string_view text, int tabSpaceCount);

// The cell at display column `col` of a map; TCell::Beyond outside it.
inline TCell CellAt(const TColumnMap& map, int col)
{
    return col >= 0 && col < static_cast<int>(map.size()) ? map[static_cast<std::size_t>(col)] : TCell::Beyond;
}

// Byte index of the character at display column `col` of a column map: col minus the
// TabRest cells among columns 0..col (columns past the end count as none).
int ColumnToByte(const TColumnMap& map, int col);

// Display width of `text`: the length of its column map, without building it.
int DisplayWidth(std::string_view text, int tabSpaceCount);

// The text with each tab replaced by spaces up to the next tab stop; double-byte
// characters are copied as their two bytes. A text without a tab comes back unchanged.
std::string ExpandTabs(std::string_view text, int tabSpaceCount);

// Length of ExpandTabs(text) without building it.
int ExpandedLength(std::string_view text, int tabSpaceCount);

// Where wrapping at `wrapByte` columns cuts `text`: 0 when the display width is below
// `wrapByte` (no cut); otherwise the byte length (>= 1) of the first row. The row holds
// at most `wrapByte` columns, one less where a double-byte character would straddle
// the edge; a tab that starts inside the row stays whole in it.
std::size_t WrapCutLength(std::string_view text, int wrapByte, int tabSpaceCount);

}  // namespace tavi
