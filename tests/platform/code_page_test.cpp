// Tests of the conversion between Unicode and code page 932 bytes.
#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>
#include <iterator>
#include <random>

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
    EXPECT_EQ(tavi::FromCp932("ab\x82"), QStringLiteral("ab\uFFFD"));      // a lead byte cut off at the end
    EXPECT_EQ(tavi::FromCp932("\x82\r\n"), QStringLiteral("\uFFFD\r\n"));  // a lead byte before a line end
    EXPECT_EQ(tavi::FromCp932(""), QString());
}

TEST(CodePage, ControlCharactersAreTheirOwnBytesBothWays)
{
    for (int c : {0x00, 0x09, 0x0A, 0x0D, 0x1A, 0x1C, 0x1F, 0x7F}) {
        const std::string byte(1, static_cast<char>(c));
        const QString unit(QChar(static_cast<char16_t>(c)));
        EXPECT_EQ(tavi::FromCp932(byte), unit) << c;
        EXPECT_EQ(tavi::ToCp932String(unit), byte) << c;
        EXPECT_EQ(tavi::Utf8ToCp932(byte, [](char32_t, std::size_t, std::string&) { ADD_FAILURE(); }), byte) << c;
    }
}

namespace {

bool IsControl(unsigned c)
{
    return c < 0x20 || c == 0x7F;
}

QString ConverterDecode(QStringDecoder& decoder, std::string_view bytes);

// What the toolkit's converter alone gives, as the conversion did before its ASCII fast path,
// except that control characters stand for themselves (the converter swaps 0x1A, 0x1C and
// 0x7F): the text between them is decoded piece by piece.
QString ReferenceDecode(QStringDecoder& decoder, std::string_view bytes)
{
    QString text;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || IsControl(static_cast<unsigned char>(bytes[i]))) {
            text += ConverterDecode(decoder, bytes.substr(start, i - start));
            if (i < bytes.size())
                text += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i])));
            start = i + 1;
        }
    }
    return text;
}

QString ConverterDecode(QStringDecoder& decoder, std::string_view bytes)
{
    decoder.resetState();
    QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        i += (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC) ? 2 : 1;
    }
    if (i > bytes.size())
        text += QChar(QChar::ReplacementCharacter);
    return text;
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

}  // namespace

TEST(CodePage, DecodesEveryByteAndEveryPairExactlyAsTheConverterDoes)
{
    QStringDecoder decoder("windows-31j");
    int differences = 0;
    for (int a = 0; a < 256; ++a) {
        for (const std::string& s : {Bytes({a}), Bytes({'x', a}), Bytes({a, 'y'})})
            differences += tavi::FromCp932(s) != ReferenceDecode(decoder, s);
        for (int b = 0; b < 256; ++b) {
            // Alone, after and before ASCII, and followed by a pair cut off at the end.
            for (const std::string& s : {Bytes({a, b}), Bytes({'x', a, b}), Bytes({a, b, 'y'}), Bytes({a, b, 0x82})})
                differences += tavi::FromCp932(s) != ReferenceDecode(decoder, s);
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST(CodePage, DecodesAndEncodesRandomTextsExactlyAsTheConverterDoes)
{
    QStringDecoder decoder("windows-31j");
    std::mt19937 random(932);
    // Bytes drawn mostly from the kinds that meet at run edges: ASCII, lead, trail, katakana, invalid.
    const int kinds[] = {'a',  '\\', '~',  0x0A, 0x81, 0x82, 0x83, 0x9F, 0xE0,
                         0xFC, 0x40, 0x5C, 0x7F, 0x80, 0xA0, 0xB1, 0xFD};
    for (int n = 0; n < 3000; ++n) {
        std::string bytes;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i)
            bytes += static_cast<char>(random() % 3 == 0 ? random() % 256 : kinds[random() % std::size(kinds)]);
        const QString expected = ReferenceDecode(decoder, bytes);
        ASSERT_EQ(tavi::FromCp932(bytes), expected) << testing::PrintToString(bytes);
        // What decodes without loss encodes back to the same bytes.
        if (!expected.contains(QChar(QChar::ReplacementCharacter)) && tavi::FitsCp932(expected)) {
            EXPECT_EQ(tavi::FromCp932(tavi::ToCp932String(expected)), expected);
        }
    }
}

TEST(CodePage, EncodesEveryCharacterAsTheConverterDoesWithQuestionMarksForTheRest)
{
    int differences = 0;
    for (char32_t c = 0; c < 0x10000; c += (c == 0xD7FF ? 0x801 : 1)) {  // every character but the surrogates
        const char16_t unit = static_cast<char16_t>(c);
        QStringEncoder encoder("windows-31j");  // one that failed stays failed
        QByteArray expected = encoder.encode(QStringView(&unit, 1));
        bool mapped = false;
        for (char16_t equivalent : {u'\u301C', u'\u2016', u'\u2212', u'\u00A2', u'\u00A3', u'\u00AC', u'\u2014'})
            mapped = mapped || unit == equivalent;
        if (mapped)
            continue;  // tested above
        if (encoder.hasError())
            expected = "?";
        if (IsControl(c))
            expected = QByteArray(1, static_cast<char>(c));  // its own byte, not the converter's
        const QString text = QStringLiteral("a") + QChar(unit) + QStringLiteral("b");
        differences += tavi::ToCp932(text) != "a" + expected + "b";
    }
    EXPECT_EQ(differences, 0);
    // Long runs outside ASCII with unmappable characters among them, and pairs of surrogates.
    QString run;
    std::string expected;
    for (int i = 0; i < 10000; ++i) {
        run += i % 997 == 0 ? QStringLiteral("\U0001F600") : QStringLiteral("表");
        expected += i % 997 == 0 ? "?" : "\x95\x5C";
    }
    EXPECT_TRUE(tavi::ToCp932String(run) == expected);
}
