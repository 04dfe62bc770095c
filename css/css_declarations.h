// The declarations of a style sheet, found by the CSS reading: where each one's name, value and end are.
#pragma once

#include <string_view>
#include <vector>

#include "text/row_text.h"

namespace tavi {

// One declaration, in byte positions of the text it was found in.
struct TCssDeclaration {
    int Begin = 0;        // the name's first byte
    int NameEnd = 0;      // after the name
    int ValueBegin = -1;  // after ":" and the blanks after it; -1 when no ":" follows the name
    int ValueEnd = -1;    // before "!important" and the blanks before it (or the end)
    int End = 0;          // after the value or "!important"; before ";", "}" or the blanks before them
    bool Important = false;
    // In the block of a style rule (also nested, or inside @media or @supports), where the
    // declaration is a property; false in the block of an at-rule (@font-face, @page...),
    // where it is one of the at-rule's own descriptors.
    bool InStyleRule = false;

    std::string_view Name(std::string_view text) const { return text.substr(Begin, NameEnd - Begin); }
    std::string_view Value(std::string_view text) const
    {
        return ValueBegin < 0 ? std::string_view() : text.substr(ValueBegin, ValueEnd - ValueBegin);
    }
};

// Every declaration of `text` (a whole sheet in `encoding`, line breaks included), in order.
std::vector<TCssDeclaration> CssDeclarationsOf(std::string_view text, TTextEncoding encoding);

}  // namespace tavi
