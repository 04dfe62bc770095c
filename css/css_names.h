// The names CSS knows: properties with their keyword values, named colours and the at-rules that hold rules.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tavi {

// The hash the reader computes over a name as it reads it: FNV-1a over its bytes, ASCII
// letters lower-cased.
constexpr std::uint32_t kCssHashStart = 2166136261u;
constexpr std::uint32_t CssHashStep(std::uint32_t hash, unsigned char byte)
{
    if (byte >= 'A' && byte <= 'Z')
        byte = static_cast<unsigned char>(byte - 'A' + 'a');
    return (hash ^ byte) * 16777619u;
}
constexpr std::uint32_t CssNameHash(std::string_view name)
{
    std::uint32_t hash = kCssHashStart;
    for (char c : name)
        hash = CssHashStep(hash, static_cast<unsigned char>(c));
    return hash;
}

// Whether the name of `hash` is a property (or a descriptor of an at-rule, such as
// "unicode-range") or a named colour of the browsers' data.
bool IsCssProperty(std::uint32_t hash);
bool IsCssNamedColour(std::uint32_t hash);
// Whether the block of an at-rule of this name holds rules (@media, @supports, @layer,
// @keyframes...) rather than declarations (@font-face, @page...).
bool CssAtRuleHoldsRules(std::uint32_t hash);

// Property names starting with `prefix` (ASCII letters in any case), in byte order; obsolete
// ones are left out.
std::vector<std::string_view> CssPropertiesStartingWith(std::string_view prefix);
// The keywords a value of `property` may hold, those of every property included ("inherit",
// "initial"...), starting with `prefix`, in byte order; none for an unknown property.
std::vector<std::string_view> CssKeywordsStartingWith(std::string_view property, std::string_view prefix);

}  // namespace tavi
