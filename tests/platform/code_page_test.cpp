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

TEST(CodePage, JapanesePunctuationOfOtherEncodingsTakesTheCodePagesOwnCharacter)
{
    const struct {
        char16_t pasted;
        const char* bytes;
    } cases[] = {
        {u'\u301C', "\x81\x60"},  // wave dash, as U+FF5E
        {u'\u2016', "\x81\x61"},  // double vertical line, as U+2225
        {u'\u2212', "\x81\x7C"},  // minus sign, as U+FF0D
        {u'\u00A2', "\x81\x91"},  // cent sign, as U+FFE0
        {u'\u00A3', "\x81\x92"},  // pound sign, as U+FFE1
        {u'\u00AC', "\x81\xCA"},  // not sign, as U+FFE2
        {u'\u2014', "\x81\x5C"},  // em dash, as U+2015
    };
    for (const auto& c : cases) {
        const QString text = QStringLiteral("a") + QChar(c.pasted) + QStringLiteral("b");
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(tavi::ToCp932String(text), std::string("a") + c.bytes + "b");
        EXPECT_TRUE(tavi::FitsCp932(text));
    }
    // Mixed with a character that has no form, each still converts on its own.
    EXPECT_EQ(tavi::ToCp932String(QStringLiteral("\u301C\U0001F600\u2212")), "\x81\x60?\x81\x7C");
}

TEST(CodePage, BrokenBytesDecodeToReplacementCharacters)
{
    EXPECT_EQ(tavi::FromCp932("ab\x82"), QStringLiteral("ab\uFFFD"));  // a lead byte cut off at the end
    EXPECT_EQ(tavi::FromCp932(""), QString());
}
