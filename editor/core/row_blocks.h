// A sequence stored in blocks of a few thousand items, so that inserting or removing items anywhere
// moves one block and not the whole sequence.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

namespace tavi {

// Indexable like a vector. A document of 200 MiB has some ten million rows: as one vector,
// every Enter near its top would move all of them; here it moves at most one block's items
// and renumbers the blocks. Reading items in order is as fast as a vector's (the block of
// the last access is remembered); a jump costs a binary search over the blocks.
template <typename T>
class TBlockSequence {
public:
    static constexpr std::size_t kBlock = 2048;  // items a block is made with; it may grow to twice that

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    const T& operator[](std::size_t i) const
    {
        const std::size_t b = BlockOf(i);
        return blocks_[b][i - starts_[b]];
    }
    T& operator[](std::size_t i)
    {
        const std::size_t b = BlockOf(i);
        return blocks_[b][i - starts_[b]];
    }
    T& back() { return blocks_.back().back(); }

    void reserve(std::size_t n) { blocks_.reserve(n / kBlock + 1), starts_.reserve(n / kBlock + 1); }

    void clear()
    {
        blocks_ = {};
        starts_ = {};
        size_ = 0;
        cached_ = 0;
    }

    void push_back(const T& item)
    {
        if (blocks_.empty() || blocks_.back().size() >= kBlock) {
            blocks_.emplace_back().reserve(kBlock);
            starts_.push_back(size_);
        }
        blocks_.back().push_back(item);
        ++size_;
    }

    // Inserts `count` copies of `item` before item `at` (at <= size()).
    void insert(std::size_t at, std::size_t count, const T& item)
    {
        if (count == 0)
            return;
        if (blocks_.empty()) {
            for (std::size_t k = 0; k < count; ++k)
                push_back(item);
            return;
        }
        const std::size_t b = at == size_ ? blocks_.size() - 1 : BlockOf(at);
        std::vector<T>& block = blocks_[b];
        const std::size_t pos = at - starts_[b];
        if (block.size() + count <= 2 * kBlock) {
            block.insert(block.begin() + static_cast<std::ptrdiff_t>(pos), count, item);
        } else {
            // The block is cut at `pos`: the new items and its tail become blocks of their own.
            std::vector<T> tail(block.begin() + static_cast<std::ptrdiff_t>(pos), block.end());
            block.resize(pos);
            std::vector<std::vector<T>> made;
            for (std::size_t done = 0; done < count;) {
                const std::size_t n = std::min(kBlock, count - done);
                made.emplace_back(n, item);
                done += n;
            }
            if (!tail.empty())
                made.push_back(std::move(tail));
            blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(b) + 1, std::make_move_iterator(made.begin()),
                           std::make_move_iterator(made.end()));
            if (blocks_[b].empty())
                blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
        }
        size_ += count;
        Renumber(b);
    }

    // Removes items [at, at + count) (within the sequence).
    void erase(std::size_t at, std::size_t count)
    {
        if (count == 0)
            return;
        const std::size_t first = BlockOf(at);
        std::size_t b = first;
        std::size_t left = count;
        std::size_t pos = at - starts_[b];
        // The part of the first block, then whole blocks, then the head of the last one.
        while (left > 0) {
            std::vector<T>& block = blocks_[b];
            const std::size_t n = std::min(left, block.size() - pos);
            block.erase(block.begin() + static_cast<std::ptrdiff_t>(pos),
                        block.begin() + static_cast<std::ptrdiff_t>(pos + n));
            left -= n;
            pos = 0;
            ++b;
        }
        size_ -= count;
        // Blocks left empty go; a small block joins its neighbour when both fit in one.
        const auto gone = std::remove_if(blocks_.begin() + static_cast<std::ptrdiff_t>(first),
                                         blocks_.begin() + static_cast<std::ptrdiff_t>(b),
                                         [](const std::vector<T>& block) { return block.empty(); });
        blocks_.erase(gone, blocks_.begin() + static_cast<std::ptrdiff_t>(b));
        if (first < blocks_.size() && first + 1 < blocks_.size() &&
            blocks_[first].size() + blocks_[first + 1].size() <= kBlock) {
            blocks_[first].insert(blocks_[first].end(), blocks_[first + 1].begin(), blocks_[first + 1].end());
            blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(first) + 1);
        }
        Renumber(std::min(first, blocks_.size()));
    }

    // Keeps the first `n` items (n <= size()).
    void truncate(std::size_t n) { erase(n, size_ - n); }

    // Calls f(item) for every item in order; f may change the items.
    template <typename F>
    void ForEach(F&& f)
    {
        for (std::vector<T>& block : blocks_)
            for (T& item : block)
                f(item);
    }

private:
    // The block holding item i (i < size()).
    std::size_t BlockOf(std::size_t i) const
    {
        if (cached_ < blocks_.size()) {
            if (i >= starts_[cached_] && i - starts_[cached_] < blocks_[cached_].size())
                return cached_;
            const std::size_t next = cached_ + 1;
            if (next < blocks_.size() && i >= starts_[next] && i - starts_[next] < blocks_[next].size())
                return cached_ = next;
        }
        cached_ = static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), i) - starts_.begin()) - 1;
        return cached_;
    }

    // Numbers the blocks from block `from` on, after their sizes changed.
    void Renumber(std::size_t from)
    {
        starts_.resize(blocks_.size());
        std::size_t start = from == 0 ? 0 : starts_[from - 1] + blocks_[from - 1].size();
        for (std::size_t b = from; b < blocks_.size(); ++b) {
            starts_[b] = start;
            start += blocks_[b].size();
        }
        cached_ = 0;
    }

    std::vector<std::vector<T>> blocks_;
    std::vector<std::size_t> starts_;  // the index of each block's first item
    std::size_t size_ = 0;
    mutable std::size_t cached_ = 0;
};

}  // namespace tavi
