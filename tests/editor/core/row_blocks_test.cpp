// Tests of the block sequence that holds the rows: it must behave exactly as a vector.
#include "editor/core/row_blocks.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tavi {
namespace {

// Random inserts, erasures and appends across block edges, each checked against a vector
// by reading every item in order and a few at random.
TEST(BlockSequenceTest, BehavesAsAVectorUnderRandomEdits)
{
    std::mt19937 random(2048);
    TBlockSequence<int> blocks;
    std::vector<int> model;
    int next = 0;
    const auto check = [&](int step) {
        ASSERT_EQ(blocks.size(), model.size()) << step;
        for (std::size_t i = 0; i < model.size(); ++i)
            ASSERT_EQ(blocks[i], model[i]) << step << " at " << i;
        for (int k = 0; k < 20 && !model.empty(); ++k) {
            const std::size_t i = random() % model.size();
            ASSERT_EQ(blocks[i], model[i]) << step << " at " << i;
        }
    };
    for (int step = 0; step < 600; ++step) {
        // Mostly small edits, sometimes runs longer than a block or two.
        const std::size_t count = random() % 10 == 0 ? random() % 5000 : random() % 40;
        switch (random() % 4) {
        case 0: {
            const std::size_t at = random() % (model.size() + 1);
            blocks.insert(at, count, next);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), count, next);
            ++next;
            break;
        }
        case 1: {
            if (model.empty())
                break;
            const std::size_t at = random() % model.size();
            const std::size_t n = std::min(count, model.size() - at);
            blocks.erase(at, n);
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(at),
                        model.begin() + static_cast<std::ptrdiff_t>(at + n));
            break;
        }
        case 2:
            for (std::size_t k = 0; k < count; ++k, ++next) {
                blocks.push_back(next);
                model.push_back(next);
            }
            break;
        default: {
            // Writes through the index, and a truncation now and then.
            if (!model.empty()) {
                const std::size_t i = random() % model.size();
                blocks[i] = model[i] = -step;
            }
            if (random() % 20 == 0) {
                const std::size_t keep = model.empty() ? 0 : random() % model.size();
                blocks.truncate(keep);
                model.resize(keep);
            }
        }
        }
        check(step);
    }
    int sum = 0;
    blocks.ForEach([&](int& item) { sum += item; });
    int expected = 0;
    for (int item : model)
        expected += item;
    EXPECT_EQ(sum, expected);
}

}  // namespace
}  // namespace tavi
