// Tests of the conversion between Unicode and code page 932 bytes.
#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "tests/support/qt_printers.h"

TEST(CodePage, RoundTripsJapaneseAndHalfWidthKatakana)
{
    const QString text = QStringLiteral("ソ表～①ｱｲｳ abc");
    const std::string bytes = tavi::ToCp932String(text);
    EXPECT_EQ(bytes.substr(0, 2), "\x83\x5C");  // the trail byte of ソ is a backslash
    EXPECT_EQ(tavi::FromCp932(bytes), text);
    EXPECT_TRUE(tavi::FitsCp932(text));
}

TEST(CodePage, CharactersTheCodePageCannotHoldBecomeQuestionMarks)
{
    EXPECT_FALSE(tavi::FitsCp932(QStringLiteral("é")));
    EXPECT_EQ(tavi::ToCp932String(QStringLiteral("aé😀b")), "a??b");
}

TEST(CodePage, BrokenBytesDecodeToReplacementCharacters)
{
    EXPECT_EQ(tavi::FromCp932("ab\x82"), QStringLiteral("ab\uFFFD"));  // a lead byte cut off at the end
    EXPECT_EQ(tavi::FromCp932(""), QString());
}
