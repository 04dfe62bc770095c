// Shift-JIS (code page 932) rules on row texts: lead bytes, display columns, tabs and wrap points.
#include "text/shift_jis.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tavi {

int ClampTabSpaceCount(int value)
{
    value = std::clamp(value, 2, 8);
    return value - value % 2;
}

TColumnMap BuildColumnMap(std::string_view text, int tabSpaceCount)
{
    TColumnMap map;
    map.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(c) && i + 1 < text.size()) {
            map.push_back(TCell::Lead);
            map.push_back(TCell::Trail);
            ++i;
        } else {
            const int col = static_cast<int>(map.size());
            map.push_back(TCell::Single);
            if (c == '\t')
                map.insert(map.end(), static_cast<std::size_t>(TabWidthAt(col, tabSpaceCount) - 1), TCell::TabRest);
        }
    }
    return map;
}

int ColumnToByte(const TColumnMap& map, int col)
{
    const int end = std::min(col + 1, static_cast<int>(map.size()));
    return col - static_cast<int>(std::count(map.begin(), map.begin() + std::max(end, 0), TCell::TabRest));
}

int DisplayWidth(std::string_view text, int tabSpaceCount)
{
    int col = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(c) && i + 1 < text.size()) {
            col += 2;
            ++i;
        } else {
            col += c == '\t' ? TabWidthAt(col, tabSpaceCount) : 1;
        }
    }
    return col;
}

std::string ExpandTabs(std::string_view text, int tabSpaceCount)
{
    if (text.find('\t') == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(c)) {
            out += text.substr(i, 2);
            ++i;
        } else if (c == '\t') {
            out.append(TabWidthAt(static_cast<int>(out.size()), tabSpaceCount), ' ');
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int ExpandedLength(std::string_view text, int tabSpaceCount)
{
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

std::size_t WrapCutLength(std::string_view text, int wrapByte, int tabSpaceCount)
{
    const std::size_t n = text.size();
    // Without tabs every byte covers at most one column, so a short row needs no walk.
    if (n + 1 < static_cast<std::size_t>(wrapByte) && std::memchr(text.data(), '\t', n) == nullptr)
        return 0;
    // A long line is mostly rows of ASCII without tabs, each byte one column: such a row is
    // cut after wrapByte bytes, which eight bytes at a time tell.
    if (n >= static_cast<std::size_t>(wrapByte) && IsPlainAscii(text.substr(0, static_cast<std::size_t>(wrapByte))))
        return static_cast<std::size_t>(wrapByte);
    const int last = wrapByte - 1;  // the last column that fits
    int col = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool lead = IsLeadByte(c) && i + 1 < n;
        const int width = lead ? 2 : c == '\t' ? TabWidthAt(col, tabSpaceCount) : 1;
        if (col + width > last) {
            // This character covers the last column. A double-byte character starting
            // there would be cut, so the row ends before it.
            if (lead && col == last)
                return i;
            return std::min(i + (lead ? 2 : 1), n);
        }
        col += width;
        if (lead)
            ++i;
    }
    return 0;
}

}  // namespace tavi
