// Finding the partner of a bracket in a style sheet, past comments and strings.
#pragma once

#include <optional>
#include <utility>

#include "css/css_row_states.h"

namespace tavi {

// A bracket's place: a row and the byte of the bracket in it.
struct TCssBracket {
    int Row;
    int Byte;
    bool operator==(const TCssBracket&) const = default;
};

// The bracket ({ } ( ) [ ]) at byte `at` of row r, or else the one just before it, with its
// partner. Brackets inside comments and strings count for nothing; the partner is looked for
// at most `rowLimit` rows away. Nothing without a bracket there or a partner in reach.
std::optional<std::pair<TCssBracket, TCssBracket>> MatchBracket(TCssRowStates& states, const TCssRowSource& rows, int r,
                                                                int at, int rowLimit);

}  // namespace tavi
