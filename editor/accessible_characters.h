// The characters assistive technologies read in a row's bytes: counting them, decoding them, finding a byte by them.
#pragma once

#include <QString>
#include <string_view>

#include "text/row_text.h"

namespace tavi {

// Assistive technologies reach the text through the toolkit's strings, so a character here is
// what a QString counts: one UTF-16 code unit. A code page 932 character (one byte or a lead
// and trail byte) is one, a character outside the Basic Multilingual Plane (an emoji in UTF-8)
// two, and a UTF-8 byte that starts no well-formed sequence one U+FFFD. Counting and decoding
// agree for every piece of a row cut where a code point begins.

// The characters `bytes` decode to.
long long CharacterUnits(std::string_view bytes, TTextEncoding encoding);
// Appends the decoded `bytes` to `out`.
void AppendCharacters(QString& out, std::string_view bytes, TTextEncoding encoding);

// Where the editor's character holding unit `units` of `text` begins: a byte the caret can stand
// before (a code page 932 pair, a UTF-8 character with its marks, never half of either);
// text.size() at or past the end.
int ByteOfUnit(std::string_view text, long long units, TTextEncoding encoding);
// The characters of `text` before the editor's character holding byte `byte` (all of them at or
// past the end).
long long UnitsBefore(std::string_view text, int byte, TTextEncoding encoding);

}  // namespace tavi
