// Splitting a row's display text into words at delimiter bytes, as colouring and word jumps see them.
#include "editor/core/word_split.h"

#include "text/row_text.h"

namespace tavi {

bool IsWordDelimiter(unsigned char c)
{
    return c <= 0x2F || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0x80) ||
           (c >= 0xA0 && c <= 0xA5) || c >= 0xFD;
}

std::vector<int> SplitWords(std::string_view text, bool delimDBCS)
{
    std::vector<int> starts;
    const int n = static_cast<int>(text.size());
    const auto at = [&](int i) { return static_cast<unsigned char>(text[i]); };
    bool delim = n > 0 && IsWordDelimiter(at(0));  // the previous byte was a delimiter
    bool dbcs = n > 0 && IsLeadByte(at(0));        // inside a run of double-byte characters
    for (int i = 0; i < n; ++i) {
        const unsigned char c = at(i);
        if (IsLeadByte(c)) {
            if (delimDBCS ? !dbcs : delim)
                starts.push_back(i);
            dbcs = true;
            delim = false;
            ++i;
        } else {
            const bool isDelim = IsWordDelimiter(c);
            if ((delimDBCS && dbcs) || delim || isDelim)
                starts.push_back(i);
            dbcs = false;
            delim = isDelim;
        }
    }
    if (starts.empty() || starts.front() != 0)
        starts.insert(starts.begin(), 0);
    starts.push_back(n);
    return starts;
}

}  // namespace tavi
