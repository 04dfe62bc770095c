// Turning Unicode text (typed, composed, pasted) into the bytes a document holds, and its bytes back into text.
#include "editor/text_input.h"

#include "platform/code_page.h"

namespace tavi {

namespace {

// Calls take(character) for each code point of text that can be typed (no C0, DEL or C1
// control character); a surrogate pair is one character.
template <typename Take>
void ForEachTypeable(QStringView text, Take&& take)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QStringView ch = text.mid(i, n);
        i += n;
        const char16_t u = ch[0].unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || (n == 1 && ch[0].isSurrogate()))
            continue;
        take(ch);
    }
}

}  // namespace

std::string InsertableCp932(QStringView text)
{
    std::string out;
    ForEachTypeable(text, [&](QStringView ch) {
        if (FitsCp932(ch))
            out += ToCp932String(ch);
    });
    return out;
}

std::string InsertableText(QStringView text, TTextEncoding encoding)
{
    if (encoding == TTextEncoding::Cp932)
        return InsertableCp932(text);
    std::string out;
    ForEachTypeable(text, [&](QStringView ch) { out += ch.toUtf8().toStdString(); });
    return out;
}

std::string DocumentBytes(QStringView text, TTextEncoding encoding)
{
    if (encoding == TTextEncoding::Cp932)
        return ToCp932String(text);
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString DocumentText(std::string_view bytes, TTextEncoding encoding)
{
    if (encoding == TTextEncoding::Cp932)
        return FromCp932(bytes);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace tavi
