// The names CSS knows: properties with their keyword values, named colours and the at-rules that hold rules.
#include "css/css_names.h"

#include <algorithm>
#include <array>

namespace tavi {

namespace {

struct TCssPropertyEntry {
    std::string_view Name;
    bool Obsolete;
    int FirstKeyword;
    int KeywordCount;
};

#include "css/css_data.inc"

constexpr std::array kRuleHoldingAtRules = {
    CssNameHash("media"),
    CssNameHash("supports"),
    CssNameHash("document"),
    CssNameHash("-moz-document"),
    CssNameHash("layer"),
    CssNameHash("container"),
    CssNameHash("scope"),
    CssNameHash("starting-style"),
    CssNameHash("keyframes"),
    CssNameHash("-webkit-keyframes"),
    CssNameHash("-moz-keyframes"),
    CssNameHash("-o-keyframes"),
    CssNameHash("font-feature-values"),
};

template <std::size_t N>
bool HasHash(const std::uint32_t (&hashes)[N], std::uint32_t hash)
{
    return std::binary_search(std::begin(hashes), std::end(hashes), hash);
}

bool StartsWithFolded(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = prefix[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (text[i] != c)
            return false;
    }
    return true;
}

// The standard names first, those of one browser ("-webkit-...") after them.
std::vector<std::string_view> VendorPrefixedLast(std::vector<std::string_view> names)
{
    std::stable_partition(names.begin(), names.end(), [](std::string_view name) { return !name.starts_with('-'); });
    return names;
}

}  // namespace

bool IsCssProperty(std::uint32_t hash)
{
    return HasHash(kCssPropertyHashes, hash);
}

bool IsCssNamedColour(std::uint32_t hash)
{
    return HasHash(kCssColourHashes, hash);
}

bool CssAtRuleHoldsRules(std::uint32_t hash)
{
    return std::find(kRuleHoldingAtRules.begin(), kRuleHoldingAtRules.end(), hash) != kRuleHoldingAtRules.end();
}

std::vector<std::string_view> CssPropertiesStartingWith(std::string_view prefix)
{
    std::vector<std::string_view> names;
    for (const TCssPropertyEntry& entry : kCssProperties) {
        if (!entry.Obsolete && StartsWithFolded(entry.Name, prefix))
            names.push_back(entry.Name);
    }
    return VendorPrefixedLast(std::move(names));
}

std::vector<std::string_view> CssKeywordsStartingWith(std::string_view property, std::string_view prefix)
{
    const std::uint32_t hash = CssNameHash(property);
    const auto entry = std::find_if(std::begin(kCssProperties), std::end(kCssProperties),
                                    [&](const TCssPropertyEntry& e) { return CssNameHash(e.Name) == hash; });
    std::vector<std::string_view> keywords;
    if (entry == std::end(kCssProperties))
        return keywords;
    for (int k = entry->FirstKeyword; k < entry->FirstKeyword + entry->KeywordCount; ++k) {
        if (StartsWithFolded(kCssKeywords[k], prefix))
            keywords.push_back(kCssKeywords[k]);
    }
    std::sort(keywords.begin(), keywords.end());
    return VendorPrefixedLast(std::move(keywords));
}

}  // namespace tavi
