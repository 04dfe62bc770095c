// The style rules of a sheet: where each one's selector, block and end are, so that a rule can be found from a place.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "text/row_text.h"

namespace tavi {

// One style rule, in byte positions of the text it was found in.
struct TCssStyleRule {
    int Begin = 0;  // the selector's first byte
    int Open = 0;   // the "{"
    int End = 0;    // after the "}", or the text's end when the rule is not closed
    bool Closed = false;
    int Depth = 0;  // blocks around the rule (@media, a rule it is nested in)
};

// Every style rule of `text` (a whole sheet in `encoding`), in the order their blocks close (a
// nested rule before the rule around it); rules of at-rules (@font-face, @page...) are not
// style rules.
std::vector<TCssStyleRule> CssStyleRulesOf(std::string_view text, TTextEncoding encoding);

// The innermost rule that holds `offset` (from its selector's first byte to its "}" included).
std::optional<TCssStyleRule> CssStyleRuleAt(const std::vector<TCssStyleRule>& rules, int offset);

}  // namespace tavi
