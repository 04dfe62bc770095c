// The error raised for failures a user sees (files that cannot be read or written), with the messages it carries.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tavi {

// what() is the UTF-8 message shown to the user as it stands.
class TUserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Message shown when a file cannot be opened or read.
inline constexpr std::string_view kCannotOpenFile = "ﾌｧｲﾙ %s は開けません";
// Message shown when a file cannot be created or written.
inline constexpr std::string_view kCannotCreateFile = "ﾌｧｲﾙ %s を作成できません";

// Replaces the first "%s" of `format` by `argument`, byte for byte.
inline std::string FormatMessage(std::string_view format, std::string_view argument)
{
    const auto at = format.find("%s");
    if (at == std::string_view::npos)
        return std::string(format);
    // Built by appending: GCC 12 warns falsely (-Wrestrict) on an inlined replace or prefix insert.
    std::string out;
    out.reserve(format.size() - 2 + argument.size());
    out.append(format.substr(0, at)).append(argument).append(format.substr(at + 2));
    return out;
}

}  // namespace tavi
