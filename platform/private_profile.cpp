// Reads and edits INI settings files in place, keeping every byte the program did not change.
#include "platform/private_profile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <limits>
#include <utility>
#include <vector>

namespace tavi {

namespace {

constexpr std::size_t kMaxValueBytes = 1023;

enum class TLineKind { Other, Section, Key };

// One line of the file as offsets into its bytes, so that an edit can splice exactly.
struct TLine {
    std::size_t Begin = 0;
    std::size_t End = 0;   // where the line end starts
    std::size_t Next = 0;  // where the following line starts
    TLineKind Kind = TLineKind::Other;
    std::string_view Name;
    std::string_view Value;
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNames(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

void Classify(std::string_view text, TLine& line)
{
    const std::string_view rest = text.substr(std::min(text.find_first_not_of(" \t"), text.size()));
    if (rest.starts_with('[')) {
        line.Kind = TLineKind::Section;
        line.Name = Trim(rest.substr(1, rest.find(']') - 1));
        return;
    }
    // A comment may hold "=" and still is no key.
    if (rest.starts_with(';'))
        return;
    if (const std::size_t equals = text.find('='); equals != std::string_view::npos) {
        line.Kind = TLineKind::Key;
        line.Name = Trim(text.substr(0, equals));
        line.Value = Trim(text.substr(equals + 1));
    }
}

std::vector<TLine> ScanLines(std::string_view bytes)
{
    std::vector<TLine> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        TLine line;
        line.Begin = begin;
        line.End = std::min(bytes.find_first_of("\r\n", begin), bytes.size());
        line.Next = line.End;
        if (line.Next < bytes.size())
            line.Next += bytes.compare(line.Next, 2, "\r\n") == 0 ? 2 : 1;
        Classify(bytes.substr(line.Begin, line.End - line.Begin), line);
        lines.push_back(line);
        begin = line.Next;
    }
    return lines;
}

// The line end new lines take: the file's first one, so that an edited file stays uniform.
std::string_view LineEndOf(std::string_view bytes)
{
    const std::size_t at = bytes.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return "\n";
    if (bytes.compare(at, 2, "\r\n") == 0)
        return "\r\n";
    return bytes[at] == '\r' ? "\r" : "\n";
}

// Where `key` of `section` is: indexes into the scanned lines.
struct TLocation {
    std::optional<std::size_t> Section;
    std::optional<std::size_t> Key;
    std::size_t LastKey = 0;  // the section's last key line, or its header when it has none
};

TLocation Locate(const std::vector<TLine>& lines, std::string_view section, std::string_view key)
{
    section = Trim(section);
    key = Trim(key);
    TLocation found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TLine& line = lines[i];
        if (line.Kind == TLineKind::Section) {
            if (found.Section)
                break;
            if (EqualNames(line.Name, section))
                found.Section = found.LastKey = i;
        } else if (line.Kind == TLineKind::Key && found.Section) {
            found.LastKey = i;
            if (EqualNames(line.Name, key)) {
                found.Key = i;
                break;
            }
        }
    }
    return found;
}

struct TNamedColor {
    TColor Color;
    std::string_view Name;
};

constexpr TNamedColor kBasicColors[] = {
    {clBlack, "clBlack"},   {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},     {clNavy, "clNavy"},
    {clPurple, "clPurple"}, {clTeal, "clTeal"},     {clGray, "clGray"},   {clSilver, "clSilver"},   {clRed, "clRed"},
    {clLime, "clLime"},     {clYellow, "clYellow"}, {clBlue, "clBlue"},   {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"},
    {clWhite, "clWhite"},   {clNone, "clNone"},
};

// The system colours' names, in the order of their indexes.
constexpr std::string_view kSystemColorNames[] = {
    "clScrollBar",    "clBackground",     "clActiveCaption", "clInactiveCaption", "clMenu",
    "clWindow",       "clWindowFrame",    "clMenuText",      "clWindowText",      "clCaptionText",
    "clActiveBorder", "clInactiveBorder", "clAppWorkSpace",  "clHighlight",       "clHighlightText",
    "clBtnFace",      "clBtnShadow",      "clGrayText",      "clBtnText",         "clInactiveCaptionText",
    "clBtnHighlight", "cl3DDkShadow",     "cl3DLight",       "clInfoText",        "clInfoBk"};

// Digits in `base` as an unsigned 32-bit value; none when empty, not all digits or too large.
std::optional<std::uint32_t> ParseDigits(std::string_view digits, std::uint32_t base)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        std::uint32_t digit = base;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint32_t>(c - '0');
        else if (base == 16 && LowerAscii(c) >= 'a' && LowerAscii(c) <= 'f')
            digit = static_cast<std::uint32_t>(LowerAscii(c) - 'a' + 10);
        if (digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

TPrivateProfile::TPrivateProfile(QString path) : path_(std::move(path))
{
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly))
        bytes_ = file.readAll().toStdString();
}

std::optional<std::string> TPrivateProfile::ReadString(std::string_view section, std::string_view key) const
{
    const std::vector<TLine> lines = ScanLines(bytes_);
    const TLocation found = Locate(lines, section, key);
    if (!found.Key)
        return std::nullopt;
    return std::string(lines[*found.Key].Value.substr(0, kMaxValueBytes));
}

void TPrivateProfile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string eol(LineEndOf(bytes_));
    const std::vector<TLine> lines = ScanLines(bytes_);
    const TLocation found = Locate(lines, section, key);
    if (found.Key) {
        const TLine& line = lines[*found.Key];
        const std::string text = std::string(line.Name) + "=" + std::string(value);
        bytes_.replace(line.Begin, line.End - line.Begin, text);
    } else if (found.Section) {
        const TLine& anchor = lines[found.LastKey];
        // A last line without a line end needs one before the new line can follow it.
        const std::string before = anchor.Next == anchor.End ? eol : std::string();
        bytes_.insert(anchor.Next, before + std::string(Trim(key)) + "=" + std::string(value) + eol);
    } else {
        if (!bytes_.empty() && bytes_.back() != '\r' && bytes_.back() != '\n')
            bytes_ += eol;
        bytes_.append("[").append(Trim(section)).append("]").append(eol);
        bytes_.append(Trim(key)).append("=").append(value).append(eol);
    }
}

void TPrivateProfile::Save() const
{
    const auto fail = [this] {
        return TProfileWriteError((path_ + QStringLiteral(" に書き込めません")).toStdString());
    };
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        throw fail();
    const auto size = static_cast<qint64>(bytes_.size());
    // commit() misses a failure of its own last flush (a full disk) and would rename an empty
    // or cut file over the old one, so the buffer is flushed here, where a failure still counts.
    if (file.write(bytes_.data(), size) != size || !file.flush()) {
        file.cancelWriting();
        throw fail();
    }
    if (!file.commit())
        throw fail();
}

std::optional<std::int32_t> ParseInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.starts_with('$') || text.starts_with("0x") || text.starts_with("0X")) {
        const auto pattern = ParseDigits(text.substr(text.front() == '$' ? 1 : 2), 16);
        if (!pattern)
            return std::nullopt;
        // Hexadecimal spells a bit pattern, so negation wraps instead of overflowing.
        return static_cast<std::int32_t>(negative ? 0u - *pattern : *pattern);
    }
    const auto magnitude = ParseDigits(text, 10);
    const std::uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    if (!magnitude || *magnitude > limit)
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? 0u - *magnitude : *magnitude);
}

std::int32_t ReadInteger(const TPrivateProfile& profile, std::string_view section, std::string_view key,
                         std::int32_t fallback)
{
    const auto text = profile.ReadString(section, key);
    return text ? ParseInteger(*text).value_or(fallback) : fallback;
}

bool ReadBool(const TPrivateProfile& profile, std::string_view section, std::string_view key, bool fallback)
{
    return ReadInteger(profile, section, key, fallback ? 1 : 0) != 0;
}

TColor ReadColor(const TPrivateProfile& profile, std::string_view section, std::string_view key, TColor fallback)
{
    const auto text = profile.ReadString(section, key);
    if (!text)
        return fallback;
    if (const auto named = ColorFromName(*text))
        return *named;
    if (const auto number = ParseInteger(*text))
        return static_cast<TColor>(*number);
    throw NotAnInteger(*text);
}

void WriteInteger(TPrivateProfile& profile, std::string_view section, std::string_view key, std::int32_t value)
{
    profile.WriteString(section, key, std::to_string(value));
}

void WriteBool(TPrivateProfile& profile, std::string_view section, std::string_view key, bool value)
{
    profile.WriteString(section, key, value ? "1" : "0");
}

void WriteColor(TPrivateProfile& profile, std::string_view section, std::string_view key, TColor value)
{
    if (const auto name = ColorName(value)) {
        profile.WriteString(section, key, *name);
        return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(value));
    profile.WriteString(section, key, text);
}

std::optional<std::string> ColorName(TColor color)
{
    const TColor index = color - kSystemColorBase;
    if (IsSystemColor(color) && index < std::size(kSystemColorNames))
        return std::string(kSystemColorNames[index]);
    for (const TNamedColor& named : kBasicColors) {
        if (named.Color == color)
            return std::string(named.Name);
    }
    return std::nullopt;
}

std::optional<TColor> ColorFromName(std::string_view name)
{
    for (std::size_t index = 0; index < std::size(kSystemColorNames); ++index) {
        if (EqualNames(kSystemColorNames[index], name))
            return kSystemColorBase + static_cast<TColor>(index);
    }
    for (const TNamedColor& named : kBasicColors) {
        if (EqualNames(named.Name, name))
            return named.Color;
    }
    return std::nullopt;
}

}  // namespace tavi
