// A settings file with the semantics of the desktop's private-profile (INI) files, and the value kinds stored in it.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/colors.h"

namespace tavi {

// The message of a settings file that cannot be written; what() is UTF-8 with the path.
class TProfileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The message of a stored value that is not an integer: "'%s' は整数ではありません".
class TConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The error for a stored or typed text that is not an integer.
inline TConversionError NotAnInteger(std::string_view text)
{
    std::string message(1, '\'');
    message.append(text).append("' は整数ではありません");
    return TConversionError(message);
}

// One INI file held in memory: "[section]" lines, "key=value" lines, anything else kept
// as it stands. Section and key names are compared without regard to ASCII case and
// without the blanks around them; the first of duplicate sections or keys counts. Lines
// may end in CR LF, LF or CR (also mixed); any byte, NUL included, may occur.
class TPrivateProfile {
public:
    // Reads the file; a missing or unreadable file gives an empty profile.
    explicit TPrivateProfile(QString path);

    const QString& Path() const { return path_; }

    // The value of `key` in `section` without the blanks around it, at most the first
    // 1023 bytes; none when the section or key is missing.
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;

    // Sets `key` in `section` to `value` in memory. An existing key's line is replaced by
    // "key=value" (its name kept as spelt in the file); a missing key is added after the
    // section's last key; a missing section is added at the end. Every other byte of the
    // file stays as it was; new lines take the file's first line end (LF in a new file).
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Writes the file atomically (a temporary file beside it, renamed over it): on any
    // failure the old file stays byte for byte and TProfileWriteError is thrown with the
    // message "%s に書き込めません" naming the path.
    void Save() const;

    // The whole file as it would be saved.
    const std::string& Bytes() const { return bytes_; }

private:
    QString path_;
    std::string bytes_;
};

// Value kinds.
// Integers: decimal with an optional sign, or hexadecimal after "$" (or "0x"/"0X", read as
// "$"), as 32-bit values ("$FFFFFFFF" is -1). None for anything else.
std::optional<std::int32_t> ParseInteger(std::string_view text);
// An integer value, or `fallback` when the key is missing or not an integer.
std::int32_t ReadInteger(const TPrivateProfile& profile, std::string_view section, std::string_view key,
                         std::int32_t fallback);
// A Boolean: an integer, non-zero is true; `fallback` when missing or not an integer.
bool ReadBool(const TPrivateProfile& profile, std::string_view section, std::string_view key, bool fallback);
// A colour: one of the 42 names (clBlack … clInfoBk, clNone; case ignored) or an integer;
// `fallback` when missing; throws TConversionError for anything else.
TColor ReadColor(const TPrivateProfile& profile, std::string_view section, std::string_view key, TColor fallback);
void WriteInteger(TPrivateProfile& profile, std::string_view section, std::string_view key, std::int32_t value);
void WriteBool(TPrivateProfile& profile, std::string_view section, std::string_view key, bool value);
// By name when the value has one, else "$" and eight upper-case hexadecimal digits.
void WriteColor(TPrivateProfile& profile, std::string_view section, std::string_view key, TColor value);

// A colour's name ("clRed"), or none; and the colour a name stands for (case ignored).
std::optional<std::string> ColorName(TColor color);
std::optional<TColor> ColorFromName(std::string_view name);

}  // namespace tavi
