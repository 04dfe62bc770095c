// Row texts in the document's encoding (code page 932 or UTF-8): characters, display columns, tabs and wrap points.
#include "text/row_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "text/utf8.h"

namespace tavi {

namespace {

// What a UTF-8 character stands for in the column text: bytes of code page 932 of its width.
constexpr std::string_view kWideStandIn = "\x88\x9F";       // a kanji
constexpr std::string_view kIdeographicSpace = "\x81\x40";  // U+3000, as indents know it
constexpr char kNarrowStandIn = '\xB1';                     // a half-width katakana

}  // namespace

int ClampTabSpaceCount(int value)
{
    value = std::clamp(value, 2, 8);
    return value - value % 2;
}

TCharSpan Utf8CharAt(std::string_view text, std::size_t i)
{
    const TUtf8Sequence first = Utf8SequenceAt(text, i);
    if (!first.WellFormed)
        return {1, 1};
    std::size_t end = i + static_cast<std::size_t>(first.Length);
    // A control character (a tab) takes no marks; a mark with nothing before it is shown alone.
    if (first.CodePoint >= 0x20) {
        bool joinNext = false;  // after a joiner: the next code point joins whatever it is
        bool flagHalf = IsRegionalIndicator(first.CodePoint);
        while (end < text.size()) {
            // No code point that starts with these bytes joins the one before: ASCII, the
            // letters up to U+02FF, the ideographs U+4000 to U+9FFF.
            const auto lead = static_cast<unsigned char>(text[end]);
            if (!joinNext && (lead < 0xCC || (lead >= 0xE4 && lead <= 0xE9)))
                break;
            const TUtf8Sequence next = Utf8SequenceAt(text, end);
            if (!next.WellFormed || next.CodePoint < 0x20)
                break;
            const bool joins =
                joinNext || JoinsPrevious(next.CodePoint) || (flagHalf && IsRegionalIndicator(next.CodePoint));
            if (!joins)
                break;
            flagHalf = false;
            joinNext = next.CodePoint == 0x200D;
            end += static_cast<std::size_t>(next.Length);
        }
    }
    const bool wide = IsWideCodePoint(first.CodePoint) || IsRegionalIndicator(first.CodePoint);
    return {static_cast<int>(end - i), wide ? 2 : 1};
}

void TColumnMap::Reserve(std::size_t columns)
{
    cells_.reserve(columns);
    bytes_.reserve(columns);
}

void TColumnMap::Add(TCell first, TCell rest, int byte, TCharSpan span, int columns)
{
    for (int k = 0; k < columns; ++k) {
        cells_.push_back(k == 0 ? first : rest);
        bytes_.push_back(byte + std::min(k, span.Bytes - 1));
    }
}

TColumnMap BuildColumnMap(std::string_view text, int tabSpaceCount, TTextEncoding encoding)
{
    TColumnMap map;
    map.Reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size();) {
        const TCharSpan span = CharAt(text, i, encoding);
        const int byte = static_cast<int>(i);
        if (text[i] == '\t')
            map.Add(TCell::Single, TCell::TabRest, byte, span, TabWidthAt(static_cast<int>(map.size()), tabSpaceCount));
        else if (span.Columns == 2)
            map.Add(TCell::Lead, TCell::Trail, byte, span, 2);
        else
            map.Add(TCell::Single, TCell::Single, byte, span, 1);
        i += static_cast<std::size_t>(span.Bytes);
    }
    map.SetBytes(static_cast<int>(text.size()));
    return map;
}

int ColumnToByte(const TColumnMap& map, int col)
{
    if (col < 0)
        return col;
    const int size = static_cast<int>(map.size());
    return col < size ? map.ByteAt(col) : map.Bytes() + (col - size);
}

int DisplayWidth(std::string_view text, int tabSpaceCount, TTextEncoding encoding)
{
    int col = 0;
    for (std::size_t i = 0; i < text.size();) {
        const TCharSpan span = CharAt(text, i, encoding);
        col += text[i] == '\t' ? TabWidthAt(col, tabSpaceCount) : span.Columns;
        i += static_cast<std::size_t>(span.Bytes);
    }
    return col;
}

std::string ExpandTabs(std::string_view text, int tabSpaceCount, TTextEncoding encoding)
{
    const bool cp932 = encoding == TTextEncoding::Cp932;
    if (cp932 && text.find('\t') == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size();) {
        const TCharSpan span = CharAt(text, i, encoding);
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\t')
            out.append(static_cast<std::size_t>(TabWidthAt(static_cast<int>(out.size()), tabSpaceCount)), ' ');
        else if (cp932 || (c < 0x80 && span.Bytes == 1))
            out += text.substr(i, static_cast<std::size_t>(span.Bytes));
        else if (span.Columns == 2)
            out += text.compare(i, 3, "\xE3\x80\x80") == 0 && span.Bytes == 3 ? kIdeographicSpace : kWideStandIn;
        else
            out += kNarrowStandIn;
        i += static_cast<std::size_t>(span.Bytes);
    }
    return out;
}

int ExpandedLength(std::string_view text, int tabSpaceCount, TTextEncoding encoding)
{
    if (encoding == TTextEncoding::Utf8)
        return DisplayWidth(text, tabSpaceCount, encoding);
    if (text.find('\t') == std::string_view::npos)
        return static_cast<int>(text.size());
    int len = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(c)) {
            len += i + 1 < text.size() ? 2 : 1;
            ++i;
        } else {
            len += c == '\t' ? TabWidthAt(len, tabSpaceCount) : 1;
        }
    }
    return len;
}

namespace {

// True when every byte is below 0x80 and none is a tab.
bool IsPlainAscii(std::string_view text)
{
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kTabs = kOnes * '\t';
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        const std::uint64_t tabs = word ^ kTabs;  // a zero byte where a tab was
        if ((word & kHigh) != 0 || ((tabs - kOnes) & ~tabs & kHigh) != 0)
            return false;
    }
    for (; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80 || c == '\t')
            return false;
    }
    return true;
}

}  // namespace

std::size_t WrapCutLength(std::string_view text, int wrapByte, int tabSpaceCount, TTextEncoding encoding)
{
    const std::size_t n = text.size();
    const auto width = static_cast<std::size_t>(wrapByte);
    // Without tabs no character covers more columns than it has bytes, so a short row needs
    // no walk.
    if (n + 1 < width && std::memchr(text.data(), '\t', n) == nullptr)
        return 0;
    // A long line is mostly rows of ASCII without tabs, each byte one column: such a row is
    // cut after wrapByte bytes, which eight bytes at a time tell (in UTF-8 unless a mark
    // after the cut belongs to the last character).
    if (n >= width && IsPlainAscii(text.substr(0, width)) &&
        (encoding == TTextEncoding::Cp932 || n == width || static_cast<unsigned char>(text[width]) < 0x80))
        return width;
    const int last = wrapByte - 1;  // the last column that fits
    int col = 0;
    for (std::size_t i = 0; i < n;) {
        const TCharSpan span = CharAt(text, i, encoding);
        const int columns = text[i] == '\t' ? TabWidthAt(col, tabSpaceCount) : span.Columns;
        const auto end = i + static_cast<std::size_t>(span.Bytes);
        if (col + columns > last) {
            // This character covers the last column. A wide character starting there would
            // be cut, so the row ends before it.
            if (span.Columns == 2 && col == last && text[i] != '\t')
                return i;
            return std::min(end, n);
        }
        col += columns;
        i = end;
    }
    return 0;
}

}  // namespace tavi
