// Named coordinates of a document: a row, a byte in a row, a display column and an offset in the whole text.
#pragma once

#include <compare>

namespace tavi {

// An integer that means one kind of place. Two kinds never mix without saying so: a row
// is not a column, and Value() is the one way to the bare number. Moving by a count
// keeps the kind; the distance between two places of a kind is a count.
template <class Tag, class Rep = int>
class TCoordinate {
public:
    constexpr TCoordinate() = default;
    constexpr explicit TCoordinate(Rep value) : value_(value) {}
    constexpr Rep Value() const { return value_; }

    friend constexpr auto operator<=>(TCoordinate, TCoordinate) = default;
    friend constexpr TCoordinate operator+(TCoordinate a, Rep n) { return TCoordinate(a.value_ + n); }
    friend constexpr TCoordinate operator-(TCoordinate a, Rep n) { return TCoordinate(a.value_ - n); }
    friend constexpr Rep operator-(TCoordinate a, TCoordinate b) { return a.value_ - b.value_; }
    constexpr TCoordinate& operator+=(Rep n)
    {
        value_ += n;
        return *this;
    }
    constexpr TCoordinate& operator-=(Rep n)
    {
        value_ -= n;
        return *this;
    }
    constexpr TCoordinate& operator++()
    {
        ++value_;
        return *this;
    }
    constexpr TCoordinate& operator--()
    {
        --value_;
        return *this;
    }

private:
    Rep value_ = 0;
};

// A display row (0 = the first row of the document).
using TRow = TCoordinate<struct TRowTag>;
// A byte index in one row's text.
using TByte = TCoordinate<struct TByteTag>;
// A display column of the cell grid (a tab spans several, a double-byte character two).
using TColumn = TCoordinate<struct TColumnTag>;
// A byte offset in the whole text, counting 2 bytes for each line break.
using TDocOffset = TCoordinate<struct TDocOffsetTag, long long>;

// A place in the text: a row (up to the row count) and a byte index in it (beyond the
// row's end only for a free caret).
struct TTextPos {
    TRow Row;
    TByte Byte;
    friend constexpr auto operator<=>(const TTextPos&, const TTextPos&) = default;
};

}  // namespace tavi
