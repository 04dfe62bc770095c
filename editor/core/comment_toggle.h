// Commenting lines out and back in: the text a block of lines becomes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavi {

// The block of lines `block` (lines joined by CR LF) commented out, or back in when it is
// one comment already: "/* " goes after the first line's indent and " */" after the last
// line; a comment's end inside the block is written "*\/" meanwhile, so that the block is
// one comment and comes back as it was. Nothing for a block of blanks.
std::optional<std::string> ToggledComment(std::string_view block);

}  // namespace tavi
