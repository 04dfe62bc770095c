// Tests of the reserved-word set: whole words, case ignored, order and duplicates irrelevant.
#include <gtest/gtest.h>

#include "editor/reserved_words.h"

namespace {

TEST(ReservedWords, WholeWordsIgnoringCaseInAnyOrder)
{
    tavi::TReservedWords words;
    words.Assign({"size", "", "  font-size:", "Font", "-", "font"});
    EXPECT_TRUE(words.Contains("font"));
    EXPECT_TRUE(words.Contains("FONT"));
    EXPECT_TRUE(words.Contains("-"));
    EXPECT_FALSE(words.Contains("fonts"));
    EXPECT_FALSE(words.Contains("fon"));
    EXPECT_FALSE(words.Contains("font-size"));
    // Trail bytes are compared exactly: 0x82 0x61 and 0x82 0x41 are different characters.
    words.Assign({"\x82\x61"});
    EXPECT_TRUE(words.Contains("\x82\x61"));
    EXPECT_FALSE(words.Contains("\x82\x41"));
}

}  // namespace
