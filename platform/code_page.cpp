// Conversion between Unicode text and the Shift-JIS bytes (code page 932) the document holds.
#include "platform/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "platform/os/large_pages.h"
#include "text/shift_jis.h"
#include "text/utf8.h"

namespace tavi {

namespace {

constexpr const char* kCodePageName = "windows-31j";

// Characters that other Japanese encodings decode to, and that text copied from programs
// on this desktop carries, paired with the character code page 932 has for each.
constexpr std::pair<char16_t, char16_t> kJapaneseEquivalents[] = {
    {u'\u301C', u'\uFF5E'},  // WAVE DASH: FULLWIDTH TILDE
    {u'\u2016', u'\u2225'},  // DOUBLE VERTICAL LINE: PARALLEL TO
    {u'\u2212', u'\uFF0D'},  // MINUS SIGN: FULLWIDTH HYPHEN-MINUS
    {u'\u00A2', u'\uFFE0'},  // CENT SIGN: FULLWIDTH CENT SIGN
    {u'\u00A3', u'\uFFE1'},  // POUND SIGN: FULLWIDTH POUND SIGN
    {u'\u00AC', u'\uFFE2'},  // NOT SIGN: FULLWIDTH NOT SIGN
    {u'\u2014', u'\u2015'},  // EM DASH: HORIZONTAL BAR
};

char16_t Cp932Equivalent(char16_t c)
{
    for (const auto& [from, to] : kJapaneseEquivalents) {
        if (c == from)
            return to;
    }
    return c;
}

// Style sheets are mostly ASCII with some Japanese. Every byte and every well-formed pair of
// bytes is decoded through tables asked of the converter itself once, so that they give
// exactly what it gives; only ill-formed bytes (and whatever the converter turned into more
// or less than one character) go through the converter each time. Characters below 0x80 are
// encoded through a table the same way.
enum : std::uint8_t { kSingle, kLead, kAsk };

struct TCodeTables {
    std::array<char, 0x80> toBytes{};
    std::array<char16_t, 0x100> single{};    // bytes that stand alone
    std::array<std::uint8_t, 0x100> kind{};  // of each byte: kSingle, kLead or kAsk (the converter decides)
    std::vector<char16_t> pairs;             // lead << 8 | trail; 0: ask the converter
    bool asciiAsItIs = true;                 // every byte below 0x80 stands for itself both ways
};

// The converter's text for `bytes`, pieces separated by line feeds, split at them.
QStringList DecodedPieces(const QByteArray& bytes)
{
    const QString text = QStringDecoder(kCodePageName).decode(bytes);
    return text.split(QLatin1Char('\n'));
}

// Calls f(byte) for every byte that is no lead byte, but the line feed that separates pieces.
template <typename F>
void ForEachSingleByte(F&& f)
{
    for (int c = 0; c < 0x100; ++c) {
        if (!IsLeadByte(static_cast<unsigned char>(c)) && c != '\n')
            f(c);
    }
}

// Calls f(lead, trail) for every well-formed pair of bytes.
template <typename F>
void ForEachPair(F&& f)
{
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (IsLeadByte(static_cast<unsigned char>(lead)) && IsTrailByte(static_cast<unsigned char>(trail)))
                f(lead, trail);
        }
    }
}

// The C0 control characters and DEL.
constexpr bool IsControlByte(int c)
{
    return c < 0x20 || c == 0x7F;
}

const TCodeTables& CodeTables()
{
    static const TCodeTables tables = [] {
        TCodeTables t;
        // Every single byte, and every well-formed pair, each followed by a line feed (which
        // no byte of a pair can be), decoded in two calls.
        QByteArray singles, pairs;
        ForEachSingleByte([&](int c) { singles.append(static_cast<char>(c)).append('\n'); });
        ForEachPair([&](int lead, int trail) {
            pairs.append(static_cast<char>(lead)).append(static_cast<char>(trail)).append('\n');
        });
        const QStringList singleTexts = DecodedPieces(singles);
        const QStringList pairTexts = DecodedPieces(pairs);

        for (int c = 0; c < 0x100; ++c)
            t.kind[c] = IsLeadByte(static_cast<unsigned char>(c)) ? kLead : kAsk;
        t.single['\n'] = u'\n';  // the separator itself
        t.kind['\n'] = kSingle;
        int k = 0;
        ForEachSingleByte([&](int c) {
            const QString& text = singleTexts.value(k++);
            if (text.size() == 1) {
                t.single[c] = text[0].unicode();
                t.kind[c] = kSingle;
            }
        });
        t.pairs.assign(0x10000, 0);
        k = 0;
        ForEachPair([&](int lead, int trail) {
            const QString& text = pairTexts.value(k++);
            if (text.size() == 1 && text[0] != QChar(0))
                t.pairs[static_cast<std::size_t>(lead << 8 | trail)] = text[0].unicode();
        });
        for (int c = 0; c < 0x80; ++c) {
            const char16_t unit = static_cast<char16_t>(c);
            const QByteArray encoded = QStringEncoder(kCodePageName).encode(QStringView(&unit, 1));
            t.toBytes[c] = encoded.size() == 1 ? encoded[0] : '?';
            // Control characters are their own bytes both ways. The converter's table swaps
            // 0x1A, 0x1C and 0x7F around, and 0x1A ends a file's text: a sheet holding U+001C
            // would come back cut at it.
            if (IsControlByte(c)) {
                t.toBytes[c] = static_cast<char>(c);
                t.single[c] = unit;
                t.kind[c] = kSingle;
            }
            t.asciiAsItIs = t.asciiAsItIs && t.toBytes[c] == static_cast<char>(c) && t.single[c] == unit;
        }
        return t;
    }();
    return tables;
}

// For each character of the Basic Multilingual Plane, the code page's bytes for it: a byte
// (below 0x100) or a pair (lead << 8 | trail, at least 0x8140); 0 where there are none. Made
// from the decoding tables, so the bytes of a character decode back to that very character;
// where several pairs do, the converter's choice is taken.
const std::vector<std::uint16_t>& FromUnicodeTable()
{
    static const std::vector<std::uint16_t> table = [] {
        const TCodeTables& t = CodeTables();
        std::vector<std::uint16_t> bytes(0x10000, 0);
        QString units;
        std::vector<std::uint16_t> found;
        const auto offer = [&](char16_t unit, std::uint16_t code) {
            if (unit >= 0x80 && unit != u'\uFFFD' && bytes[unit] == 0) {
                bytes[unit] = code;
                units.append(QChar(unit)).append(QLatin1Char('\n'));
                found.push_back(unit);
            }
        };
        for (int c = 0x80; c < 0x100; ++c) {
            if (t.kind[c] == kSingle)
                offer(t.single[c], static_cast<std::uint16_t>(c));
        }
        ForEachPair([&](int lead, int trail) {
            if (const char16_t unit = t.pairs[static_cast<std::size_t>(lead << 8 | trail)])
                offer(unit, static_cast<std::uint16_t>(lead << 8 | trail));
        });
        // The converter's own bytes for each, where they decode back to it.
        const QByteArray encoded = QStringEncoder(kCodePageName).encode(units);
        const QList<QByteArray> chosen = encoded.split('\n');
        for (std::size_t k = 0; k < found.size() && k < static_cast<std::size_t>(chosen.size()); ++k) {
            const QByteArray& code = chosen[static_cast<qsizetype>(k)];
            const auto b0 = static_cast<unsigned char>(code.isEmpty() ? 0 : code[0]);
            const auto b1 = static_cast<unsigned char>(code.size() < 2 ? 0 : code[1]);
            if (code.size() == 2 && IsLeadByte(b0) && IsTrailByte(b1) &&
                t.pairs[static_cast<std::size_t>(b0 << 8 | b1)] == found[k])
                bytes[found[k]] = static_cast<std::uint16_t>(b0 << 8 | b1);
            else if (code.size() == 1 && t.kind[b0] == kSingle && t.single[b0] == found[k])
                bytes[found[k]] = b0;
        }
        return bytes;
    }();
    return table;
}

// A converter made only when a text needs one.
template <typename Converter>
Converter& Made(std::optional<Converter>& converter)
{
    if (!converter)
        converter.emplace(kCodePageName);
    return *converter;
}

// Encodes `text` (no equivalents left in it), putting "?" for each character the code page
// cannot hold. A run that fails is halved until the failing characters stand alone, so a
// few of them in a long run cost a few dozen extra calls, not one per character. An encoder
// that failed keeps failing, so it is dropped and a fresh one made.
void EncodeRun(std::optional<QStringEncoder>& encoder, QStringView text, QByteArray& out)
{
    const QByteArray bytes = Made(encoder).encode(text);
    if (!encoder->hasError()) {
        out += bytes;
        return;
    }
    encoder.reset();
    const bool pair = text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
    if (text.size() == 1 || pair) {
        out += '?';
        return;
    }
    qsizetype middle = text.size() / 2;
    if (text[middle - 1].isHighSurrogate() && text[middle].isLowSurrogate())
        ++middle;
    EncodeRun(encoder, text.left(middle), out);
    EncodeRun(encoder, text.mid(middle), out);
}

constexpr qsizetype kRunChunk = 4096;  // characters converted at a time outside ASCII

}  // namespace

QByteArray ToCp932(QStringView text)
{
    const TCodeTables& tables = CodeTables();
    QByteArray out;
    out.reserve(text.size() + text.size() / 4);
    std::optional<QStringEncoder> encoder;
    QString run;
    for (qsizetype i = 0; i < text.size();) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out += tables.toBytes[c];
            ++i;
            continue;
        }
        // A run of characters outside ASCII, with their equivalents put in.
        run.clear();
        while (i < text.size() && text[i].unicode() >= 0x80 && run.size() < kRunChunk)
            run += QChar(Cp932Equivalent(text[i++].unicode()));
        if (run.back().isHighSurrogate() && i < text.size() && text[i].isLowSurrogate())
            run += text[i++];
        EncodeRun(encoder, run, out);
    }
    return out;
}

std::string ToCp932String(QStringView text)
{
    return ToCp932(text).toStdString();
}

bool FitsCp932(QStringView text)
{
    QStringEncoder encoder(kCodePageName);
    QString equivalent = text.toString();
    for (QChar& c : equivalent)
        c = QChar(Cp932Equivalent(c.unicode()));
    const QByteArray bytes = encoder.encode(equivalent);  // the encoding runs only when its result is taken
    return !encoder.hasError();
}

std::string Utf8ToCp932(std::string_view utf8, const TLackingCharacter& lacking)
{
    const TCodeTables& t = CodeTables();
    const std::vector<std::uint16_t>& fromUnicode = FromUnicodeTable();
    const auto* in = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t n = utf8.size();
    std::string out;
    out.reserve(n);
    PreferLargePages(out.data(), n);
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = in[i];
        if (c < 0x80) {
            // A run of ASCII, eight bytes at a time, copied whole.
            std::size_t end = i;
            while (end + 8 <= n) {
                std::uint64_t word;
                std::memcpy(&word, in + end, 8);
                if ((word & 0x8080808080808080ull) != 0)
                    break;
                end += 8;
            }
            while (end < n && in[end] < 0x80)
                ++end;
            if (t.asciiAsItIs) {
                out.append(utf8.data() + i, end - i);
            } else {
                for (std::size_t k = i; k < end; ++k)
                    out += t.toBytes[in[k]];
            }
            i = end;
            continue;
        }
        const TUtf8Sequence sequence = Utf8SequenceAt(utf8, i);
        const char32_t point = sequence.WellFormed ? sequence.CodePoint : U'\uFFFD';
        const std::uint16_t code = sequence.WellFormed && point < 0x10000 ? fromUnicode[point] : 0;
        if (code == 0) {
            lacking(point, i, out);
        } else if (code < 0x100) {
            out += static_cast<char>(code);
        } else {
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        }
        i += static_cast<std::size_t>(sequence.Length);
    }
    return out;
}

QString FromCp932(std::string_view bytes)
{
    const TCodeTables& tables = CodeTables();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    // No byte gives more than one character, so the text fits in as many characters.
    QString text(static_cast<qsizetype>(n), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    PreferLargePages(out, n * sizeof(char16_t));
    std::optional<QStringDecoder> decoder;
    // Ill-formed bytes: the converter's own answer for them.
    const auto ask = [&](std::size_t at, std::size_t length) {
        const QString part = Made(decoder).decode(QByteArrayView(bytes.data() + at, static_cast<qsizetype>(length)));
        out = std::copy(part.utf16(), part.utf16() + part.size(), out);
    };
    const char16_t* const single = tables.single.data();
    const std::uint8_t* const kind = tables.kind.data();
    const char16_t* const pairs = tables.pairs.data();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = in[i];
        const std::uint8_t k = kind[c];
        if (k == kSingle) {
            *out++ = single[c];
            ++i;
        } else if (k == kAsk) {
            ask(i, 1);
            ++i;
        } else if (i + 1 == n) {
            // The converter keeps a lead byte cut off at the end back for more input that
            // never comes; it shows as a broken character instead of being lost silently.
            *out++ = u'\uFFFD';
            ++i;
        } else if (IsControlByte(in[i + 1])) {
            // A control character after a lead byte stands for itself; the lead byte alone
            // forms no character.
            *out++ = u'\uFFFD';
            ++i;
        } else {
            // A lead byte takes the byte after it, whatever it is, as the converter does.
            const unsigned char t = in[i + 1];
            if (const char16_t unit = IsTrailByte(t) ? pairs[static_cast<std::size_t>(c << 8 | t)] : 0)
                *out++ = unit;
            else
                ask(i, 2);
            i += 2;
        }
    }
    text.truncate(out - reinterpret_cast<const char16_t*>(text.constData()));
    return text;
}

TCp932Units Cp932Units()
{
    const TCodeTables& tables = CodeTables();
    return {tables.single.data(), tables.pairs.data()};
}

}  // namespace tavi
