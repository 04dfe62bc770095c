// Case-insensitive whole-word lookup of the reserved words.
#include "editor/reserved_words.h"

#include <algorithm>

#include "text/row_text.h"

namespace tavi {

namespace {

// ASCII letters folded to lower case; double-byte characters copied as they are, so
// that two characters whose trail bytes differ only in case stay different.
std::string Fold(std::string_view word)
{
    std::string folded(word);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto c = static_cast<unsigned char>(folded[i]);
        if (IsLeadByte(c))
            ++i;
        else if (c >= 'A' && c <= 'Z')
            folded[i] = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

}  // namespace

void TReservedWords::Assign(const std::vector<std::string>& words)
{
    folded_.clear();
    folded_.reserve(words.size());
    for (const std::string& w : words)
        folded_.push_back(Fold(w));
    std::sort(folded_.begin(), folded_.end());
    folded_.erase(std::unique(folded_.begin(), folded_.end()), folded_.end());
}

bool TReservedWords::Contains(std::string_view word) const
{
    return !folded_.empty() && std::binary_search(folded_.begin(), folded_.end(), Fold(word));
}

}  // namespace tavi
