// Test helpers that spell out rows and their ends, e.g. "x|B a|E".
#pragma once

#include <string>

#include "editor/core/row_list.h"

namespace tavi::testing {

inline char EndLetter(TRowEnd end)
{
    return end == reBreak ? 'B' : end == reWrap ? 'W' : 'E';
}

// "text|B" for each row, separated by spaces.
inline std::string Dump(const RowList& rows)
{
    std::string out;
    for (int r = 0; r < rows.Count(); ++r) {
        if (r > 0)
            out += ' ';
        out += std::string(rows.Text(r)) + '|' + EndLetter(rows.End(r));
    }
    return out;
}

// "length|B" for each row, for rows too long to spell out.
inline std::string DumpLengths(const RowList& rows)
{
    std::string out;
    for (int r = 0; r < rows.Count(); ++r) {
        if (r > 0)
            out += ' ';
        out += std::to_string(rows.Text(r).size()) + '|' + EndLetter(rows.End(r));
    }
    return out;
}

}  // namespace tavi::testing
