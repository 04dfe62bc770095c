// Conversion between Unicode text and the Shift-JIS bytes (code page 932) the document holds.
#include "platform/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
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

QByteArray EncodeOrEmpty(QStringView text, bool* failed)
{
    QStringEncoder encoder(kCodePageName);
    QByteArray bytes;
    const bool mapped =
        std::any_of(text.begin(), text.end(), [](QChar c) { return Cp932Equivalent(c.unicode()) != c.unicode(); });
    if (mapped) {
        QString equivalent = text.toString();
        for (QChar& c : equivalent)
            c = QChar(Cp932Equivalent(c.unicode()));
        bytes = encoder.encode(equivalent);
    } else {
        bytes = encoder.encode(text);
    }
    *failed = encoder.hasError();
    return bytes;
}

bool EndsInLoneLeadByte(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        i += (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC) ? 2 : 1;
    }
    return i > bytes.size();
}

}  // namespace

QByteArray ToCp932(QStringView text)
{
    bool failed = false;
    QByteArray bytes = EncodeOrEmpty(text, &failed);
    if (!failed)
        return bytes;
    // The converter's own substitute is a double-byte character; "?" is what users
    // expect, so encode one character at a time and put "?" where one fails.
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        bool charFailed = false;
        const QByteArray one = EncodeOrEmpty(text.mid(i, length), &charFailed);
        bytes += charFailed ? QByteArray("?") : one;
        i += length;
    }
    return bytes;
}

std::string ToCp932String(QStringView text)
{
    return ToCp932(text).toStdString();
}

bool FitsCp932(QStringView text)
{
    bool failed = false;
    EncodeOrEmpty(text, &failed);
    return !failed;
}

QString FromCp932(std::string_view bytes)
{
    QStringDecoder decoder(kCodePageName);
    QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    // The converter keeps a lead byte cut off at the end back for more input that never
    // comes; show it as a broken character instead of losing it silently.
    if (EndsInLoneLeadByte(bytes))
        text += QChar(QChar::ReplacementCharacter);
    return text;
}

}  // namespace tavi
