// Splitting a text into lines at CR LF, CR or LF.
#pragma once

#include <string_view>

namespace tavi {

// Calls line(std::string_view) for each line of `text`, split at CR LF, CR or LF (a CR LF
// pair counts once). A final line break adds no empty line; an empty text has no lines.
template <class F>
void ForEachLine(std::string_view text, F&& line)
{
    std::size_t start = 0;
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        line(text.substr(start, i - start));
        if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        line(text.substr(start));
}

// `line` without its trailing bytes of value 32 or below, tabs excepted.
std::string_view TrimTrailingBlanks(std::string_view line);

}  // namespace tavi
