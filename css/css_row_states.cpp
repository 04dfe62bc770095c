// The CSS reading's state at the start of rows, read as far as asked and followed through changes.
#include "css/css_row_states.h"

#include <algorithm>

namespace tavi {

namespace {

// How far past a row a token that goes on beyond it is followed to learn its class.
constexpr int kTokenFollowBytes = 4096;

}  // namespace

void TCssRowStates::ReadRow(const TCssRowSource& rows, int r, TCssReader& reader)
{
    const std::string_view text = rows.RowText(r);
    reader.FeedText(text, rows.Encoding(), 0);
    if (rows.RowEndsLine(r))
        reader.FeedLineEnd(static_cast<int>(text.size()));
}

std::size_t TCssRowStates::KeptAtOrAbove(const TCssRowSource& rows, int r)
{
    if (r - kept_.back().Row >= kSpacing) {
        // Reads down from the lowest kept state, keeping one every kSpacing rows.
        TCssReader reader(kept_.back().State);
        for (int row = kept_.back().Row; row < r && row < rows.RowCount();) {
            ReadRow(rows, row, reader);
            if (++row - kept_.back().Row >= kSpacing)
                kept_.push_back({row, reader.State()});
        }
    }
    const auto above =
        std::upper_bound(kept_.begin(), kept_.end(), r, [](int row, const TKept& kept) { return row < kept.Row; });
    return static_cast<std::size_t>(above - kept_.begin()) - 1;
}

TCssState TCssRowStates::StateAt(const TCssRowSource& rows, int r)
{
    TKept from = kept_[KeptAtOrAbove(rows, r)];
    if (last_.Row > from.Row && last_.Row <= r)
        from = last_;
    TCssReader reader(from.State);
    for (int row = from.Row; row < r; ++row)
        ReadRow(rows, row, reader);
    last_ = {r, reader.State()};
    return reader.State();
}

void TCssRowStates::SpansOfRow(const TCssRowSource& rows, int r, std::vector<TCssSpan>& spans)
{
    spans.clear();
    if (r < 0 || r >= rows.RowCount())
        return;
    TCssReader reader(StateAt(rows, r), &spans);
    const auto length = static_cast<int>(rows.RowText(r).size());
    ReadRow(rows, r, reader);
    last_ = {r + 1, reader.State()};
    reader.Flush(length);
    // A name or a number that goes on in the rows below has the class its end gives it.
    int origin = length;
    for (int next = r + 1; !reader.ClassKnown() && next < rows.RowCount() && origin - length < kTokenFollowBytes;
         ++next) {
        const std::string_view text = rows.RowText(next);
        reader.FeedText(text, rows.Encoding(), origin);
        origin += static_cast<int>(text.size());
        if (rows.RowEndsLine(next))
            reader.FeedLineEnd(origin);
    }
    reader.Flush(origin);  // a comment or url that began with the row's last signs
    std::erase_if(spans, [&](const TCssSpan& span) { return span.Begin >= length || span.End <= 0; });
    for (TCssSpan& span : spans) {
        span.Begin = std::max(span.Begin, 0);
        span.End = std::min(span.End, length);
    }
}

TCssPlace TCssRowStates::PlaceAt(const TCssRowSource& rows, int r, int at)
{
    TCssReader reader(StateAt(rows, r));
    if (r >= 0 && r < rows.RowCount())
        reader.FeedText(rows.RowText(r).substr(0, static_cast<std::size_t>(std::max(at, 0))), rows.Encoding(), 0);
    return reader.Place();
}

int TCssRowStates::Change(const TCssRowSource& rows, int first, int oldRows, int newRows)
{
    rowsRead_ = 0;
    last_.Row = -1;
    // States at or above `first` stay; those inside the band go; those below move with their
    // rows. All in place: a key typed into a long sheet moves no memory.
    const auto below =
        std::upper_bound(kept_.begin(), kept_.end(), first, [](int row, const TKept& kept) { return row < kept.Row; });
    const auto after = std::lower_bound(below, kept_.end(), first + oldRows,
                                        [](const TKept& kept, int row) { return kept.Row < row; });
    auto i = static_cast<std::size_t>(kept_.erase(below, after) - kept_.begin());
    if (const int delta = newRows - oldRows; delta != 0) {
        for (std::size_t k = i; k < kept_.size(); ++k)
            kept_[k].Row += delta;
    }

    TCssReader reader(kept_[i - 1].State);
    int row = kept_[i - 1].Row;
    while (i < kept_.size()) {
        const int target = std::min(kept_[i].Row, rows.RowCount());
        if (target <= row) {
            kept_.erase(kept_.begin() + static_cast<std::ptrdiff_t>(i));  // the state above holds for that row
            continue;
        }
        while (row < target) {
            ReadRow(rows, row, reader);
            ++row;
            if (++rowsRead_ > kChangeReadLimit + newRows) {
                kept_.resize(i);  // the rest is read again when asked for
                return rows.RowCount();
            }
            if (row - kept_[i - 1].Row >= kSpacing && row < target)
                kept_.insert(kept_.begin() + static_cast<std::ptrdiff_t>(i++), {row, reader.State()});
        }
        if (reader.State() == kept_[i].State)
            return row;  // read alike from here on: the states below hold as they were
        kept_[i++].State = reader.State();
    }
    return rows.RowCount();
}

void TCssRowStates::Clear()
{
    kept_.assign(1, TKept{0, TCssState{}});
    last_.Row = -1;
    rowsRead_ = 0;
}

}  // namespace tavi
