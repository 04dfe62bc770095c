// Shift-JIS (code page 932) byte rules: which bytes start and end a double-byte character.
#pragma once

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

}  // namespace tavi
