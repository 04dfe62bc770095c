// The encoding a style sheet file is written in: found when it is opened, kept when it is saved.
#include "platform/sheet_encoding.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

#include "platform/code_page.h"
#include "text/shift_jis.h"
#include "text/utf8.h"

namespace tavi {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool StartsWith(std::string_view bytes, std::string_view prefix)
{
    return bytes.substr(0, prefix.size()) == prefix;
}

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lowered;
}

// The encoding an `@charset "name";` rule at the very start names, if it names one this
// editor keeps.
std::optional<TSheetEncoding> DeclaredEncoding(std::string_view bytes)
{
    constexpr std::string_view kRule = "@charset \"";
    if (!StartsWith(bytes, kRule))
        return std::nullopt;
    const std::string_view rest = bytes.substr(kRule.size(), 40);
    const std::size_t quote = rest.find('"');
    if (quote == std::string_view::npos)
        return std::nullopt;
    const std::string name = Lowered(rest.substr(0, quote));
    if (name == "utf-8" || name == "utf8")
        return TSheetEncoding::Utf8;
    static const std::array<std::string_view, 8> kShiftJis = {"shift_jis",   "shift-jis", "sjis",     "x-sjis",
                                                              "windows-31j", "cp932",     "ms_kanji", "csshiftjis"};
    if (std::find(kShiftJis.begin(), kShiftJis.end(), name) != kShiftJis.end())
        return TSheetEncoding::Cp932;
    return std::nullopt;
}

// Whether `bytes` are well-formed UTF-8 (no overlong forms, surrogates or code points past
// U+10FFFF), and whether any byte is above 0x7F.
struct TUtf8Check {
    bool Valid = true;
    bool NonAscii = false;
    // Every non-ASCII sequence is two bytes (Latin, Greek, Cyrillic and the like; never
    // Japanese, whose UTF-8 takes three).
    bool OnlyTwoByteSequences = true;
};

TUtf8Check CheckUtf8(std::string_view bytes)
{
    TUtf8Check check;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        // Eight ASCII bytes at a time, as most of a style sheet is.
        if (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        check.NonAscii = true;
        const TUtf8Sequence sequence = Utf8SequenceAt(bytes, i);
        if (!sequence.WellFormed) {
            check.Valid = false;
            return check;
        }
        if (sequence.Length != 2)
            check.OnlyTwoByteSequences = false;
        i += static_cast<std::size_t>(sequence.Length);
    }
    return check;
}

// Whether every byte belongs to a character of code page 932: ASCII, a half-width katakana
// (0xA1 to 0xDF), or a lead byte with a trail byte after it.
bool IsWellFormedCp932(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80 || (c >= 0xA1 && c <= 0xDF))
            continue;
        if (!IsLeadByte(c) || i + 1 == bytes.size() || !IsTrailByte(static_cast<unsigned char>(bytes[i + 1])))
            return false;
        ++i;
    }
    return true;
}

}  // namespace

TSheetEncoding DetectSheetEncoding(std::string_view bytes, const std::string& fileName)
{
    if (StartsWith(bytes, kUtf8Bom))
        return TSheetEncoding::Utf8WithBom;
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF"))
        throw TUnsupportedEncoding("ﾌｧｲﾙ " + fileName + " は UTF-16 で書かれているため開けません");
    if (const std::optional<TSheetEncoding> declared = DeclaredEncoding(bytes))
        return *declared;
    const TUtf8Check check = CheckUtf8(bytes);
    if (!check.Valid || !check.NonAscii)
        return TSheetEncoding::Cp932;
    // Text that reads as a few Latin or Cyrillic letters in UTF-8 and as Japanese in code
    // page 932 alike ("б" is the bytes of "ﾐｱ") is taken for the Japanese, which a Japanese
    // sheet holds far more often.
    return check.OnlyTwoByteSequences && IsWellFormedCp932(bytes) ? TSheetEncoding::Cp932 : TSheetEncoding::Utf8;
}

TSheetText DecodeSheet(std::string bytes, const std::string& fileName)
{
    TSheetText sheet;
    sheet.Encoding = DetectSheetEncoding(bytes, fileName);
    if (sheet.Encoding == TSheetEncoding::Utf8WithBom)
        bytes.erase(0, kUtf8Bom.size());
    sheet.Bytes = std::move(bytes);
    return sheet;
}

TSheetText DecodeSheetAs(std::string bytes, TTextEncoding document)
{
    TSheetText sheet;
    sheet.Encoding = document == TTextEncoding::Cp932 ? TSheetEncoding::Cp932
                     : StartsWith(bytes, kUtf8Bom)    ? TSheetEncoding::Utf8WithBom
                                                      : TSheetEncoding::Utf8;
    if (sheet.Encoding == TSheetEncoding::Utf8WithBom)
        bytes.erase(0, kUtf8Bom.size());
    sheet.Bytes = std::move(bytes);
    return sheet;
}

std::string EncodeSheet(std::string bytes, TSheetEncoding encoding)
{
    if (encoding == TSheetEncoding::Utf8WithBom)
        bytes.insert(0, kUtf8Bom);
    return bytes;
}

QString SheetEncodingName(TSheetEncoding encoding)
{
    switch (encoding) {
        case TSheetEncoding::Utf8:
            return QStringLiteral("UTF-8");
        case TSheetEncoding::Utf8WithBom:
            return QStringLiteral("UTF-8 (BOM 付き)");
        case TSheetEncoding::Cp932:
            break;
    }
    return QStringLiteral("Shift-JIS");
}

}  // namespace tavi
