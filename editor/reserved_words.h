// The reserved-word set of the editor control: whole words compared without regard to letter case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavi {

// A set of words compared as whole words without regard to ASCII letter case (bytes of
// double-byte characters are compared exactly). The order of the entries does not matter.
class TReservedWords {
public:
    // Replaces the entries; duplicates collapse.
    void Assign(const std::vector<std::string>& words);
    bool Empty() const { return folded_.empty(); }
    // True when an entry equals `word` in full, ignoring case.
    bool Contains(std::string_view word) const;

private:
    std::vector<std::string> folded_;  // sorted, case-folded entries
};

}  // namespace tavi
