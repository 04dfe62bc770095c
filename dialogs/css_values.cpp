// How a value typed or picked in a style rule dialog is written so that a browser accepts it.
#include "dialogs/css_values.h"

#include <algorithm>

namespace tavi {

namespace {

bool IsNameStart(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           c == QLatin1Char('_') || c.unicode() >= 0x80;
}

bool IsNameCharacter(QChar c)
{
    return IsNameStart(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-');
}

// A CSS identifier without escapes: "Arial", "-x-font", "IPAゴシック"; not "6x" or "-6".
bool IsIdentifier(const QString& word)
{
    if (word.isEmpty())
        return false;
    qsizetype i = 0;
    if (word[0] == QLatin1Char('-')) {
        if (word.size() == 1)
            return false;
        i = 1;
    }
    if (!IsNameStart(word[i]) && !(i == 1 && word[i] == QLatin1Char('-')))
        return false;
    return std::all_of(word.begin() + i, word.end(), IsNameCharacter);
}

// Words that cannot stand unquoted in a family name: the keywords every property takes.
bool IsReservedFamilyWord(const QString& word)
{
    for (const char* reserved : {"inherit", "initial", "unset", "revert", "revert-layer", "default"}) {
        if (word.compare(QLatin1String(reserved), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// One family of a font-family list: a quoted string or identifiers separated by spaces.
bool IsFamily(const QString& family)
{
    const QString trimmed = family.trimmed();
    if (trimmed.size() >= 2 && (trimmed.front() == QLatin1Char('"') || trimmed.front() == QLatin1Char('\''))) {
        const QChar quote = trimmed.front();
        if (trimmed.back() != quote)
            return false;
        const QString inside = trimmed.mid(1, trimmed.size() - 2);
        return !inside.contains(quote) && !inside.contains(QLatin1Char('\\'));
    }
    const QStringList words = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return false;
    for (const QString& word : words) {
        if (!IsIdentifier(word) || IsReservedFamilyWord(word))
            return false;
    }
    return true;
}

QString HexEscape(QChar c)
{
    return QLatin1Char('\\') + QString::number(c.unicode(), 16).toUpper() + QLatin1Char(' ');
}

}  // namespace

QString CssUnit(const QString& unit)
{
    return unit == QLatin1String("inch") ? QStringLiteral("in") : unit;
}

bool IsCssNumber(const QString& text)
{
    const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    qsizetype i = !text.isEmpty() && (text[0] == QLatin1Char('+') || text[0] == QLatin1Char('-')) ? 1 : 0;
    const qsizetype integerStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == text.size())
        return i > integerStart;
    if (text[i] != QLatin1Char('.') || i + 1 == text.size())
        return false;
    return std::all_of(text.begin() + i + 1, text.end(), isDigit);
}

QString CssString(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += HexEscape(c);
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString CssUrl(const QString& url)
{
    const bool bare = std::all_of(url.begin(), url.end(), [](QChar c) {
        return c.unicode() > 0x20 && c.unicode() != 0x7F && c != QLatin1Char('"') && c != QLatin1Char('\'') &&
               c != QLatin1Char('(') && c != QLatin1Char(')') && c != QLatin1Char('\\');
    });
    return QStringLiteral("url(") + (bare ? url : CssString(url)) + QLatin1Char(')');
}

std::optional<QString> CssStringText(const QString& value, qsizetype start, qsizetype* end)
{
    if (start >= value.size() || (value[start] != QLatin1Char('"') && value[start] != QLatin1Char('\'')))
        return std::nullopt;
    const QChar quote = value[start];
    QString text;
    qsizetype i = start + 1;
    for (; i < value.size() && value[i] != quote; ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 >= value.size()) {
            text += value[i];
            continue;
        }
        // An escape: up to six hexadecimal digits and one blank after them, or a sign.
        qsizetype digits = 0;
        while (digits < 6 && i + 1 + digits < value.size() && isxdigit(value[i + 1 + digits].toLatin1()))
            ++digits;
        if (digits == 0) {
            text += value[++i];
            continue;
        }
        const char32_t code = value.mid(i + 1, digits).toUInt(nullptr, 16);
        text += QString::fromUcs4(&code, 1);
        i += digits;
        if (i + 1 < value.size() && value[i + 1] == QLatin1Char(' '))
            ++i;
    }
    if (i >= value.size())
        return std::nullopt;
    *end = i + 1;
    return text;
}

std::optional<QString> CssUrlText(const QString& value, qsizetype* end)
{
    if (!value.startsWith(QLatin1String("url("), Qt::CaseInsensitive))
        return std::nullopt;
    qsizetype i = 4;
    QString url;
    if (const std::optional<QString> quoted = CssStringText(value, i, &i)) {
        url = *quoted;
    } else {
        for (; i < value.size() && value[i] != QLatin1Char(')'); ++i)
            url += value[i];
    }
    if (i >= value.size() || value[i] != QLatin1Char(')'))
        return std::nullopt;
    *end = i + 1;
    return url;
}

QString CssFontFamily(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return {};
    const struct {
        const char* alias;
        const char* generic;
    } kGenericAliases[] = {{"Sans Serif", "sans-serif"}, {"Serif", "serif"}, {"Monospace", "monospace"}};
    for (const auto& g : kGenericAliases) {
        if (trimmed.compare(QLatin1String(g.alias), Qt::CaseInsensitive) == 0)
            return QLatin1String(g.generic);
    }
    const QStringList families = trimmed.split(QLatin1Char(','));
    if (std::all_of(families.begin(), families.end(), IsFamily))
        return trimmed;
    return CssString(trimmed);
}

}  // namespace tavi
