// Colouring the editor's rows by the CSS grammar: the reading of the document, each row's classes by display column,
// and which rows a change recolours.
#include "editor/css_colouring.h"

#include <algorithm>
#include <cstring>

namespace tavi {

namespace {

// Rows painted last whose start states are kept; a window larger than any screen.
constexpr int kShownRowsLimit = 2048;

constexpr TColor Rgb(int r, int g, int b)
{
    return static_cast<TColor>(b << 16 | g << 8 | r);
}

}  // namespace

TCssColors DefaultCssColors()
{
    TCssColors colors{};
    const auto set = [&](TCssClass cls, TColor color) { colors[static_cast<std::size_t>(cls)] = color; };
    set(TCssClass::Plain, clWindowText);
    set(TCssClass::Comment, Rgb(0, 128, 0));
    set(TCssClass::String, Rgb(163, 21, 21));
    set(TCssClass::Selector, Rgb(128, 0, 128));
    set(TCssClass::Property, Rgb(0, 0, 255));
    set(TCssClass::UnknownProperty, Rgb(255, 0, 0));
    set(TCssClass::Value, Rgb(0, 112, 128));
    set(TCssClass::Number, Rgb(9, 134, 88));
    set(TCssClass::Colour, Rgb(128, 64, 0));
    set(TCssClass::AtRule, Rgb(175, 0, 219));
    set(TCssClass::Important, Rgb(200, 0, 0));
    return colors;
}

void TCssColouring::SetEnabled(bool value)
{
    enabled_ = value;
    states_.Clear();
    shown_.clear();
}

void TCssColouring::ClassesOfRow(int r, int columns, std::vector<TCssClass>& classes)
{
    // The start state of every row painted, in one window of rows.
    const int shownEnd = shownFirst_ + static_cast<int>(shown_.size());
    if (shown_.empty() || r < shownFirst_ - kShownRowsLimit || r > shownEnd + kShownRowsLimit ||
        shownEnd - std::min(r, shownFirst_) > kShownRowsLimit) {
        shownFirst_ = r;
        shown_.assign(1, {states_.StateAt(rows_, r), std::nullopt, std::nullopt});
    } else if (r < shownFirst_) {
        std::vector<TShownRow> above;
        for (int row = r; row < shownFirst_; ++row)
            above.push_back({states_.StateAt(rows_, row), std::nullopt, std::nullopt});
        shown_.insert(shown_.begin(), above.begin(), above.end());
        shownFirst_ = r;
    } else {
        for (int row = shownEnd; row <= r; ++row)
            shown_.push_back({states_.StateAt(rows_, row), std::nullopt, std::nullopt});
    }

    states_.SpansOfRow(rows_, r, spans_);
    const std::string_view text = rows_.RowText(r);
    const bool cut = !spans_.empty() && spans_.back().End == static_cast<int>(text.size());
    TShownRow& shown = shown_[static_cast<std::size_t>(r - shownFirst_)];
    shown.EndClass = cut ? spans_.back().Class : TCssClass::Plain;
    shown.Colours = ColourValuesOf(r, text, spans_);
    byteClasses_.assign(text.size(), TCssClass::Plain);
    for (const TCssSpan& span : spans_)
        std::fill(byteClasses_.begin() + span.Begin, byteClasses_.begin() + span.End, span.Class);
    const bool bytesAreColumns = rows_.Encoding() == TTextEncoding::Cp932 &&
                                 std::memchr(text.data(), '\t', text.size()) == nullptr &&
                                 static_cast<int>(text.size()) == columns;
    if (bytesAreColumns) {
        classes = byteClasses_;
        return;
    }
    const TColumnMap map = rows_.Core().ColumnMapOf(r);
    classes.assign(static_cast<std::size_t>(columns), TCssClass::Plain);
    const int mapped = std::min(columns, static_cast<int>(map.size()));
    for (int col = 0; col < mapped; ++col) {
        const int byte = map.ByteAt(col);
        if (byte < static_cast<int>(byteClasses_.size()))
            classes[static_cast<std::size_t>(col)] = byteClasses_[static_cast<std::size_t>(byte)];
    }
}

std::vector<TColourValue> TCssColouring::ColourValuesOfRow(int r)
{
    if (r < 0 || r >= rows_.RowCount())
        return {};
    const int i = r - shownFirst_;
    if (i >= 0 && i < static_cast<int>(shown_.size()) && shown_[static_cast<std::size_t>(i)].Colours) {
        // Read as the row was painted; the row may have moved since.
        std::vector<TColourValue> values = *shown_[static_cast<std::size_t>(i)].Colours;
        for (TColourValue& value : values)
            value.Row = r;
        return values;
    }
    states_.SpansOfRow(rows_, r, spans_);
    return ColourValuesOf(r, rows_.RowText(r), spans_);
}

TCssPlace TCssColouring::PlaceAt(int r, int at)
{
    return states_.PlaceAt(rows_, r, at);
}

std::vector<std::pair<int, int>> TCssColouring::Follow(const TChange& change)
{
    if (change.Whole || !enabled_) {
        states_.Clear();
        shown_.clear();
        return {};
    }
    const int first = change.First.Value();
    const int oldRows = change.OldRows;
    const int newRows = change.NewRows;
    const int delta = newRows - oldRows;
    states_.Change(rows_, first, oldRows, newRows);
    std::vector<std::pair<int, int>> recoloured;
    // A typed key may recolour its whole row (a quote opens a string, "colr" becomes "color").
    if (change.Typed)
        recoloured.emplace_back(change.TypedRow.Value(), change.TypedRow.Value() + 1);

    // A name cut by wrapping takes its class from where it ends: the rows it began on above
    // the changed text may change colour.
    const int changedFirst = first + change.SameHead;
    int from = changedFirst;
    if (from > 0 && rows_.Core().RowEnd(from - 1) == reWrap &&
        TCssReader::ClassMayChangeIn(states_.StateAt(rows_, from))) {
        // Unless the name's class as painted above is its class still.
        const int above = from - 1 - shownFirst_;
        states_.SpansOfRow(rows_, from, spans_);
        const bool same = above >= 0 && above < static_cast<int>(shown_.size()) && !spans_.empty() &&
                          spans_.front().Begin == 0 &&
                          shown_[static_cast<std::size_t>(above)].EndClass == spans_.front().Class;
        while (!same && from > 0 && rows_.Core().RowEnd(from - 1) == reWrap &&
               TCssReader::ClassMayChangeIn(states_.StateAt(rows_, from)))
            --from;
    }
    if (from < changedFirst)
        recoloured.emplace_back(from, changedFirst);

    // Below the changed text, rows painted last whose start state differs now.
    const int oldTail = first + oldRows - change.SameTail;
    const auto shownBefore = [&](int row) -> const TShownRow* {
        const int i = row - delta - shownFirst_;
        return row - delta >= oldTail && i >= 0 && i < static_cast<int>(shown_.size())
                   ? &shown_[static_cast<std::size_t>(i)]
                   : nullptr;
    };
    const int changedEnd = first + newRows - change.SameTail;
    int end = changedEnd;
    for (const TShownRow* before = shownBefore(end); before && states_.StateAt(rows_, end) != before->Start;
         before = shownBefore(end))
        ++end;
    if (end > changedEnd)
        recoloured.emplace_back(changedEnd, end);

    // The window of start states in the rows as they are now.
    const int shownLast = shownFirst_ + static_cast<int>(shown_.size()) - 1;
    if (!shown_.empty() && first <= shownLast) {  // rows above the change keep their states
        std::vector<TShownRow> now;
        const int nowFirst = shownFirst_ <= first ? shownFirst_ : std::max(first + 1, shownFirst_ + delta);
        for (int row = nowFirst; row <= shownLast + delta; ++row) {
            if (row < changedFirst && row <= shownLast)
                now.push_back(shown_[static_cast<std::size_t>(row - shownFirst_)]);
            else if (const TShownRow* before = row >= end ? shownBefore(row) : nullptr)
                now.push_back(*before);
            else if (row <= rows_.RowCount() && static_cast<int>(now.size()) < kShownRowsLimit)
                now.push_back({states_.StateAt(rows_, row), std::nullopt, std::nullopt});
            else
                break;
        }
        shownFirst_ = nowFirst;
        shown_ = std::move(now);
    }
    return recoloured;
}

}  // namespace tavi
