// The style rules of a sheet, found by following the CSS reading character by character.
#include "css/css_rules.h"

#include "css/css_reader.h"

namespace tavi {

namespace {

bool IsBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

struct TOpenBlock {
    int Begin;
    int Open;
    bool Style;
};

}  // namespace

std::vector<TCssStyleRule> CssStyleRulesOf(std::string_view text, TTextEncoding encoding)
{
    std::vector<TCssStyleRule> rules;
    std::vector<TOpenBlock> blocks;
    TCssReader reader;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const int n = static_cast<int>(text.size());
    int statement = -1;  // the first byte of the statement being read at this level, if any
    for (int i = 0; i < n;) {
        const unsigned char c = bytes[i];
        const int length = c < 0x80 ? 1 : CharAt(text, static_cast<std::size_t>(i), encoding).Bytes;
        const TCssState before = reader.State();
        const TCssPlace placeBefore = reader.Place();
        // "/*" begins a comment: neither of its signs begins a selector.
        const bool commentStart = (c == '/' && i + 1 < n && bytes[i + 1] == '*') ||
                                  (c == '*' && i > 0 && bytes[i - 1] == '/' && placeBefore != TCssPlace::Comment);
        if (statement < 0 && placeBefore == TCssPlace::Selector && !IsBlank(c) && !commentStart && c != '}' && c != ';')
            statement = i;
        reader.Feed(i, c < 0x80 ? c : 0x80);
        const TCssState& after = reader.State();
        // In a block of declarations, a sign that begins a selector begins a nested rule there.
        if (statement < 0 && static_cast<TCssPlace>(before.Context) == TCssPlace::PropertyName &&
            static_cast<TCssPlace>(after.Context) == TCssPlace::Selector && after.Depth == before.Depth)
            statement = i;
        if (after.Depth > before.Depth) {
            const bool style = static_cast<TCssPlace>(before.Context) == TCssPlace::Selector ||
                               static_cast<TCssPlace>(before.Context) == TCssPlace::PropertyName;
            blocks.push_back({statement < 0 ? i : statement, i, style});
            statement = -1;
        } else if (after.Depth < before.Depth) {
            if (!blocks.empty()) {
                const TOpenBlock block = blocks.back();
                blocks.pop_back();
                if (block.Style)
                    rules.push_back({block.Begin, block.Open, i + 1, true, static_cast<int>(blocks.size())});
            }
            statement = -1;
        } else if (c == ';' && placeBefore != TCssPlace::Comment && placeBefore != TCssPlace::String) {
            statement = -1;
        }
        i += length;
    }
    while (!blocks.empty()) {
        const TOpenBlock block = blocks.back();
        blocks.pop_back();
        if (block.Style)
            rules.push_back({block.Begin, block.Open, n, false, static_cast<int>(blocks.size())});
    }
    return rules;
}

std::optional<TCssStyleRule> CssStyleRuleAt(const std::vector<TCssStyleRule>& rules, int offset)
{
    std::optional<TCssStyleRule> found;
    for (const TCssStyleRule& rule : rules) {
        const bool holds = rule.Begin <= offset && (offset < rule.End || (!rule.Closed && offset == rule.End));
        if (holds && (!found || rule.Depth > found->Depth))
            found = rule;
    }
    return found;
}

}  // namespace tavi
