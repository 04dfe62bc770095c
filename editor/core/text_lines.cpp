// Splitting a text into lines at CR LF, CR or LF.
#include "editor/core/text_lines.h"

namespace tavi {

std::string_view TrimTrailingBlanks(std::string_view line)
{
    std::size_t n = line.size();
    while (n > 0) {
        const auto c = static_cast<unsigned char>(line[n - 1]);
        if (c > 32 || c == '\t')
            break;
        --n;
    }
    return line.substr(0, n);
}

}  // namespace tavi
