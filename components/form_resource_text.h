// Turns form description files stored in their compiled binary form into their readable text form.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavi {

// Raised for data that is not a well-formed compiled form (bad signature, a value of an
// unknown kind, data that ends inside a value, nesting deeper than any real form).
class TFormResourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// True when `data` holds a compiled form: it starts with the signature "TPF0", either
// directly or after the header of a 16-bit resource file.
bool IsFormResource(std::string_view data);

// The text form of the compiled form in `data`: "object Name: TClass" blocks with one
// "Name = value" line per property, two spaces of indent per level, "end" closing each
// block, lines ending in CR LF. Values appear as they do in hand-written form files:
// integers, floats (suffix "s" for single, "c" for currency, "d" for date), quoted
// strings with control characters as #n (long strings wrapped with " +"), identifiers,
// True/False/nil/Null, sets "[a, b]", lists "( ... )", binary data as hex lines in
// "{ ... }" and collections "< item ... end >". Strings are emitted in code page 932;
// wide characters that code page cannot hold appear as #n.
//
// At most `limit` bytes are produced: conversion stops once that many are there, so a
// caller that only shows the beginning does not pay for the whole form. Throws
// TFormResourceError when the data is malformed before the limit is reached.
std::string FormResourceToText(std::string_view data, std::size_t limit = std::string::npos);

}  // namespace tavi
