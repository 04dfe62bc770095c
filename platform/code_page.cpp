// Conversion between Unicode text and the Shift-JIS bytes (code page 932) the document holds.
#include "platform/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

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

bool IsLead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Style sheets are mostly ASCII. Bytes and characters below 0x80 are converted through
// these tables, asked of the converter itself once, so that they give exactly what it
// gives; everything else goes through the converter.
struct TAsciiTables {
    std::array<char16_t, 0x80> toUnicode{};
    std::array<char, 0x80> toBytes{};
    bool identity = true;  // every byte stands for the character of the same number
};

const TAsciiTables& AsciiTables()
{
    static const TAsciiTables tables = [] {
        TAsciiTables t;
        for (int c = 0; c < 0x80; ++c) {
            const char byte = static_cast<char>(c);
            const QString decoded = QStringDecoder(kCodePageName).decode(QByteArrayView(&byte, 1));
            const char16_t unit = static_cast<char16_t>(c);
            const QByteArray encoded = QStringEncoder(kCodePageName).encode(QStringView(&unit, 1));
            // A converter that widened any of them would take them off the fast path;
            // none does, and the tests hold it to that.
            t.toUnicode[c] = decoded.size() == 1 ? decoded[0].unicode() : u'\uFFFD';
            t.toBytes[c] = encoded.size() == 1 ? encoded[0] : '?';
            t.identity = t.identity && t.toUnicode[c] == unit && t.toBytes[c] == byte;
        }
        return t;
    }();
    return tables;
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
    const TAsciiTables& ascii = AsciiTables();
    QByteArray out;
    out.reserve(text.size() + text.size() / 4);
    std::optional<QStringEncoder> encoder;
    QString run;
    for (qsizetype i = 0; i < text.size();) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out += ascii.toBytes[c];
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

QString FromCp932(std::string_view bytes)
{
    const TAsciiTables& ascii = AsciiTables();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    // No byte gives more than one character, so the text fits in as many characters.
    QString text(static_cast<qsizetype>(n), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    std::optional<QStringDecoder> decoder;
    bool loneLeadAtEnd = false;
    for (std::size_t i = 0; i < n;) {
        std::size_t asciiEnd = i;
        while (asciiEnd < n && in[asciiEnd] < 0x80)
            ++asciiEnd;
        if (ascii.identity) {
            out = std::copy(in + i, in + asciiEnd, out);
        } else {
            for (std::size_t k = i; k < asciiEnd; ++k)
                *out++ = ascii.toUnicode[in[k]];
        }
        if (asciiEnd == n)
            break;
        // The characters up to the next ASCII one; a lead byte takes the byte after it,
        // whatever it is, so that the converter sees every pair whole.
        std::size_t end = asciiEnd;
        while (end < n && in[end] >= 0x80)
            end += IsLead(in[end]) ? 2 : 1;
        if (end > n) {
            end = n;
            loneLeadAtEnd = true;
        }
        const QString part =
            Made(decoder).decode(QByteArrayView(bytes.data() + asciiEnd, static_cast<qsizetype>(end - asciiEnd)));
        out = std::copy(part.utf16(), part.utf16() + part.size(), out);
        i = end;
    }
    // The converter keeps a lead byte cut off at the end back for more input that never
    // comes; show it as a broken character instead of losing it silently.
    if (loneLeadAtEnd)
        *out++ = u'\uFFFD';
    text.truncate(out - reinterpret_cast<const char16_t*>(text.constData()));
    return text;
}

}  // namespace tavi
