// Rewriting a style sheet's bytes for another encoding, with CSS escapes for what that encoding lacks.
#include "platform/sheet_conversion.h"

#include <QString>
#include <cstdio>

#include "platform/code_page.h"
#include "text/utf8.h"

namespace tavi {

namespace {

constexpr char32_t kReplacement = U'\uFFFD';
constexpr char kEndOfText = '\x1A';  // where code page 932 files end

class TEscapes {
public:
    explicit TEscapes(TSheetConversion& result) : result_(result) {}

    void Write(char32_t c, std::size_t offset, std::string& out)
    {
        if (result_.Escaped++ == 0) {
            result_.FirstEscapedAt = offset;
            result_.FirstEscaped = c;
        }
        out += CssEscape(c);
    }

private:
    TSheetConversion& result_;
};

void AppendUtf8(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Cp932ToUtf8(std::string_view bytes, TEscapes& escapes)
{
    const TCp932Units units = Cp932Units();
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const TCharSpan span = CharAt(bytes, i, TTextEncoding::Cp932);
        char16_t unit = span.Bytes == 2 ? units.pairs[c << 8 | static_cast<unsigned char>(bytes[i + 1])]
                        : c == 0        ? u'\0'
                                        : units.single[c];
        if (unit == 0 && c != 0) {
            // What the tables leave to the converter: one character, or none.
            const QString text = FromCp932(bytes.substr(i, static_cast<std::size_t>(span.Bytes)));
            unit = text.size() == 1 && !text[0].isSurrogate() ? text[0].unicode() : kReplacement;
        }
        // The converter reads the bytes the code page leaves undefined as U+001A (SUB), which a
        // Shift-JIS text never holds: it would have ended there.
        if (unit == kReplacement || unit == static_cast<char16_t>(kEndOfText))
            escapes.Write(kReplacement, i, out);
        else
            AppendUtf8(unit, out);
        i += static_cast<std::size_t>(span.Bytes);
    }
    return out;
}

std::string EscapedUtf8ToCp932(std::string_view utf8, TEscapes& escapes)
{
    std::string out;
    // Pieces between U+001A characters, which are escaped so that the file's text goes on.
    for (std::size_t start = 0;;) {
        const std::size_t stop = utf8.find(kEndOfText, start);
        const std::string_view piece = utf8.substr(start, stop == std::string_view::npos ? stop : stop - start);
        out += Utf8ToCp932(
            piece, [&](char32_t c, std::size_t offset, std::string& text) { escapes.Write(c, start + offset, text); });
        if (stop == std::string_view::npos)
            return out;
        escapes.Write(U'\x1A', stop, out);
        start = stop + 1;
    }
}

// Makes a leading `@charset "name";` name `name`.
void DeclareCharset(std::string& bytes, std::string_view name)
{
    constexpr std::string_view kRule = "@charset \"";
    if (bytes.compare(0, kRule.size(), kRule) != 0)
        return;
    const std::size_t quote = bytes.find('"', kRule.size());
    if (quote == std::string::npos || quote > kRule.size() + 40)
        return;
    bytes.replace(kRule.size(), quote - kRule.size(), name);
}

}  // namespace

std::string CssEscape(char32_t c)
{
    char text[16];
    std::snprintf(text, sizeof text, "\\%X ", static_cast<unsigned>(c));
    return text;
}

TSheetConversion ConvertSheetBytes(std::string_view bytes, TTextEncoding from, TTextEncoding to)
{
    TSheetConversion result;
    if (from == to) {
        result.Bytes = bytes;
        return result;
    }
    TEscapes escapes(result);
    result.Bytes = to == TTextEncoding::Utf8 ? Cp932ToUtf8(bytes, escapes) : EscapedUtf8ToCp932(bytes, escapes);
    DeclareCharset(result.Bytes, to == TTextEncoding::Utf8 ? "UTF-8" : "Shift_JIS");
    return result;
}

}  // namespace tavi
