// The characters assistive technologies read in a row's bytes: counting them, decoding them, finding a byte by them.
#include "editor/accessible_characters.h"

#include "platform/code_page.h"
#include "text/utf8.h"

namespace tavi {

namespace {

// UTF-16 code units of the UTF-8 sequence at byte i, and its length.
struct TDecoded {
    char32_t CodePoint = 0xFFFD;
    int Length = 1;
};
TDecoded Utf8At(std::string_view bytes, std::size_t i)
{
    const TUtf8Sequence sequence = Utf8SequenceAt(bytes, i);
    return sequence.WellFormed ? TDecoded{sequence.CodePoint, sequence.Length} : TDecoded{};
}

long long Utf8CodeUnits(std::string_view bytes)
{
    long long units = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++units;
            ++i;
            continue;
        }
        const TDecoded c = Utf8At(bytes, i);
        units += c.CodePoint >= 0x10000 ? 2 : 1;
        i += static_cast<std::size_t>(c.Length);
    }
    return units;
}

// Mirrors FromCp932 for what its tables decode (one character each) and leaves the rest, bytes
// the converter decides, to FromCp932 itself.
long long Cp932CodeUnits(std::string_view bytes)
{
    const TCp932Units table = Cp932Units();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    long long units = 0;
    for (std::size_t i = 0; i < n; ++units) {
        const unsigned char c = in[i];
        if (c < 0x80) {
            ++i;
        } else if (IsLeadByte(c) && i + 1 < n && IsTrailByte(in[i + 1]) && table.pairs[c << 8 | in[i + 1]] != 0) {
            i += 2;
        } else if (!IsLeadByte(c) && table.single[c] != 0) {
            ++i;
        } else {
            return FromCp932(bytes).size();
        }
    }
    return units;
}

void AppendUtf8(QString& out, std::string_view bytes)
{
    // A byte gives at most one code unit (four give two).
    const qsizetype at = out.size();
    out.resize(at + static_cast<qsizetype>(bytes.size()));
    char16_t* write = reinterpret_cast<char16_t*>(out.data()) + at;
    char16_t* const begin = write;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            *write++ = c;
            ++i;
            continue;
        }
        const TDecoded d = Utf8At(bytes, i);
        if (d.CodePoint >= 0x10000) {
            *write++ = QChar::highSurrogate(d.CodePoint);
            *write++ = QChar::lowSurrogate(d.CodePoint);
        } else {
            *write++ = static_cast<char16_t>(d.CodePoint);
        }
        i += static_cast<std::size_t>(d.Length);
    }
    out.truncate(at + (write - begin));
}

// Calls f(start, end, unitsBefore, unitsAfter) for each of the editor's characters of `text`
// (bytes [start, end)) until f returns false.
template <typename F>
void ForEachCharacter(std::string_view text, TTextEncoding encoding, F&& f)
{
    long long units = 0;
    for (std::size_t i = 0; i < text.size();) {
        const TCharSpan span = CharAt(text, i, encoding);
        const auto end = i + static_cast<std::size_t>(span.Bytes);
        const long long before = units;
        units += span.Bytes == 1 && static_cast<unsigned char>(text[i]) < 0x80
                     ? 1
                     : CharacterUnits(text.substr(i, static_cast<std::size_t>(span.Bytes)), encoding);
        if (!f(i, end, before, units))
            return;
        i = end;
    }
}

}  // namespace

long long CharacterUnits(std::string_view bytes, TTextEncoding encoding)
{
    return encoding == TTextEncoding::Cp932 ? Cp932CodeUnits(bytes) : Utf8CodeUnits(bytes);
}

void AppendCharacters(QString& out, std::string_view bytes, TTextEncoding encoding)
{
    if (encoding == TTextEncoding::Cp932)
        out += FromCp932(bytes);
    else
        AppendUtf8(out, bytes);
}

int ByteOfUnit(std::string_view text, long long units, TTextEncoding encoding)
{
    int found = static_cast<int>(text.size());
    ForEachCharacter(text, encoding, [&](std::size_t start, std::size_t, long long, long long after) {
        if (after <= units)
            return true;
        found = static_cast<int>(start);
        return false;
    });
    return found;
}

long long UnitsBefore(std::string_view text, int byte, TTextEncoding encoding)
{
    long long found = 0;
    ForEachCharacter(text, encoding, [&](std::size_t, std::size_t end, long long before, long long after) {
        const bool holds = static_cast<long long>(end) > byte;
        found = holds ? before : after;
        return !holds;
    });
    return found;
}

}  // namespace tavi
