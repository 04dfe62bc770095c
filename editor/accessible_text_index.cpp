// Where a character offset of the text lies: per-row character counts in blocks with running totals.
#include "editor/accessible_text_index.h"

#include <numeric>

#include "editor/accessible_characters.h"

namespace tavi {

std::uint32_t TAccessibleTextIndex::UnitsOfRow(int row) const
{
    const TRow r(row);
    const long long text = CharacterUnits(doc_.RowText(r), doc_.WrapRule().encoding);
    return static_cast<std::uint32_t>(text + (doc_.RowEnd(r) == reBreak ? 1 : 0));
}

void TAccessibleTextIndex::Settle()
{
    if (staleFrom_ < counted_)
        Truncate(staleFrom_);
    staleFrom_ = INT_MAX;
    // Counts of more rows than there are come from a change that was not followed.
    if (counted_ > doc_.RowCount())
        Truncate(0);
}

void TAccessibleTextIndex::Follow(const TChange& change)
{
    if (staleFrom_ < counted_)
        Truncate(staleFrom_);
    staleFrom_ = INT_MAX;
    const int first = change.First.Value();
    if (change.Whole || first < 0) {
        Truncate(0);
        return;
    }
    if (first >= counted_)
        return;
    if (first + change.OldRows > counted_) {
        Truncate(first);
        return;
    }
    std::vector<std::uint32_t> fresh;
    fresh.reserve(static_cast<std::size_t>(change.NewRows));
    for (int k = 0; k < change.NewRows; ++k)
        fresh.push_back(UnitsOfRow(first + k));
    Splice(first, change.OldRows, fresh);
}

long long TAccessibleTextIndex::RowStart(TRow row)
{
    Settle();
    const int r = std::clamp(row.Value(), 0, doc_.RowCount());
    CountTo(r);
    if (r == counted_)
        return CountedCharacters();
    const std::size_t b = BlockOfRow(r);
    const std::vector<std::uint32_t>& units = blocks_[b].units;
    return starts_[b] + std::accumulate(units.begin(), units.begin() + (r - firstRows_[b]), 0LL);
}

long long TAccessibleTextIndex::Total()
{
    Settle();
    CountTo(doc_.RowCount());
    return CountedCharacters();
}

TAccessibleTextIndex::TRowCharacter TAccessibleTextIndex::RowOf(long long offset)
{
    Settle();
    offset = std::max(0LL, offset);
    CountPast(offset);
    if (offset >= CountedCharacters())
        return {TRow(counted_), 0};
    // The last block starting at or before the offset holds it: a block of no characters
    // starts where the next one does.
    const std::size_t b =
        static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), offset) - starts_.begin()) - 1;
    long long at = starts_[b];
    int row = firstRows_[b];
    for (const std::uint32_t units : blocks_[b].units) {
        if (offset < at + units)
            break;
        at += units;
        ++row;
    }
    return {TRow(row), offset - at};
}

std::optional<long long> TAccessibleTextIndex::CountedTotal(int rowCount)
{
    if (staleFrom_ < counted_ || counted_ != rowCount)
        return std::nullopt;
    return CountedCharacters();
}

void TAccessibleTextIndex::CountTo(int rows)
{
    rows = std::min(rows, doc_.RowCount());
    while (counted_ < rows) {
        if (blocks_.empty() || blocks_.back().units.size() >= kBlockRows) {
            starts_.push_back(CountedCharacters());
            firstRows_.push_back(counted_);
            blocks_.emplace_back().units.reserve(kBlockRows);
        }
        const std::uint32_t units = UnitsOfRow(counted_++);
        blocks_.back().units.push_back(units);
        blocks_.back().total += units;
    }
}

void TAccessibleTextIndex::CountPast(long long offset)
{
    const int rows = doc_.RowCount();
    while (counted_ < rows && CountedCharacters() <= offset)
        CountTo(std::min(rows, counted_ + static_cast<int>(kBlockRows)));
}

void TAccessibleTextIndex::Truncate(int rows)
{
    if (rows >= counted_)
        return;
    if (rows <= 0) {
        blocks_.clear();
        starts_.clear();
        firstRows_.clear();
        counted_ = 0;
        return;
    }
    const std::size_t b = BlockOfRow(rows);
    TBlock& block = blocks_[b];
    block.units.resize(static_cast<std::size_t>(rows - firstRows_[b]));
    block.total = std::accumulate(block.units.begin(), block.units.end(), 0LL);
    const std::size_t keep = block.units.empty() ? b : b + 1;
    blocks_.resize(keep);
    starts_.resize(keep);
    firstRows_.resize(keep);
    counted_ = rows;
}

void TAccessibleTextIndex::Splice(int first, int oldRows, const std::vector<std::uint32_t>& fresh)
{
    // The blocks the old rows lie in, taken out as one run of counts and cut anew; a run left
    // small takes the next block in, so that blocks stay between half and twice their size.
    const std::size_t b = BlockOfRow(first);
    std::size_t end = (oldRows > 0 ? BlockOfRow(first + oldRows - 1) : b) + 1;
    std::vector<std::uint32_t> run;
    for (std::size_t k = b; k < end; ++k)
        run.insert(run.end(), blocks_[k].units.begin(), blocks_[k].units.end());
    const auto at = run.begin() + (first - firstRows_[b]);
    run.insert(run.erase(at, at + oldRows), fresh.begin(), fresh.end());
    if (run.size() < kBlockRows / 2 && end < blocks_.size()) {
        run.insert(run.end(), blocks_[end].units.begin(), blocks_[end].units.end());
        ++end;
    }
    std::vector<TBlock> made;
    const std::size_t pieces = run.empty() ? 0 : std::max<std::size_t>(1, run.size() / kBlockRows);
    for (std::size_t p = 0; p < pieces; ++p) {
        TBlock& block = made.emplace_back();
        block.units.assign(run.begin() + static_cast<std::ptrdiff_t>(p * run.size() / pieces),
                           run.begin() + static_cast<std::ptrdiff_t>((p + 1) * run.size() / pieces));
        block.total = std::accumulate(block.units.begin(), block.units.end(), 0LL);
    }
    const auto firstBlock = blocks_.begin() + static_cast<std::ptrdiff_t>(b);
    if (made.size() == end - b) {
        std::move(made.begin(), made.end(), firstBlock);  // typing: no block comes or goes
    } else {
        const auto gone = blocks_.erase(firstBlock, blocks_.begin() + static_cast<std::ptrdiff_t>(end));
        blocks_.insert(gone, std::make_move_iterator(made.begin()), std::make_move_iterator(made.end()));
    }
    counted_ += static_cast<int>(fresh.size()) - oldRows;
    Renumber(b);
}

std::size_t TAccessibleTextIndex::BlockOfRow(int row) const
{
    return static_cast<std::size_t>(std::upper_bound(firstRows_.begin(), firstRows_.end(), row) - firstRows_.begin()) -
           1;
}

void TAccessibleTextIndex::Renumber(std::size_t from)
{
    starts_.resize(blocks_.size());
    firstRows_.resize(blocks_.size());
    for (std::size_t b = from; b < blocks_.size(); ++b) {
        starts_[b] = b == 0 ? 0 : starts_[b - 1] + blocks_[b - 1].total;
        firstRows_[b] = b == 0 ? 0 : firstRows_[b - 1] + static_cast<int>(blocks_[b - 1].units.size());
    }
}

}  // namespace tavi
