// Reading a style sheet's text as CSS tokens, character by character, in a state that can be kept at any place and
// resumed.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "text/row_text.h"

namespace tavi {

// What a piece of a style sheet is, for colouring.
enum class TCssClass : std::uint8_t {
    Plain,  // white space, punctuation
    Comment,
    String,           // strings and url()
    Selector,         // element names, classes, ids, pseudo-classes and their signs
    Property,         // a known property name, or a custom property
    UnknownProperty,  // a property name the browsers' data does not know
    Value,            // keywords and functions of a value or an at-rule's prelude
    Number,           // numbers, percentages and dimensions
    Colour,           // #rgb, #rrggbb, #rrggbbaa and named colours in a value
    AtRule,           // @media, @font-face...
    Important,        // !important
};
constexpr int kCssClassCount = 11;

// Where a place of a style sheet is, as the rules around it tell.
enum class TCssPlace : std::uint8_t { Selector, AtPrelude, PropertyName, Value, Comment, String };

// Everything the reading needs to go on from a place: the token being read and the rules,
// blocks and brackets open around it. Equal states read what follows alike.
struct TCssState {
    std::uint8_t Lex = 0;      // where in a token (the reader's own steps)
    std::uint8_t Token = 0;    // what a name or number being read turns out as so far
    std::uint8_t Context = 0;  // TCssPlace of the statement: Selector, AtPrelude, PropertyName or Value
    std::uint8_t Depth = 0;    // open { } blocks of rules
    std::uint8_t Nest = 0;     // open ( [ { inside a value or a prelude
    std::uint8_t Flags = 0;
    std::uint8_t Count = 0;        // characters of a name so far (at most 255)
    std::uint8_t Escape = 0;       // hexadecimal digits of an escape so far
    std::uint32_t RuleBlocks = 0;  // bit d: the block at depth d + 1 holds rules, not declarations
    std::uint32_t Name = 0;        // CssNameHash of the name read so far

    bool operator==(const TCssState&) const = default;
};

// A piece of a token: bytes [Begin, End) in the positions the reader was fed.
struct TCssSpan {
    int Begin;
    int End;
    TCssClass Class;
};

// Reads characters one at a time from a state. Pieces of tokens that are not Plain go to
// the span list given, if any: a token's class is known when it ends (a name followed by
// "(" is a function, "--x" before ":" a custom property), except comments, strings and urls,
// whose pieces go out as far as they were read when Flush is called. A piece may begin
// before the first position fed, when reading resumed inside a token.
class TCssReader {
public:
    explicit TCssReader(const TCssState& state = {}, std::vector<TCssSpan>* spans = nullptr);

    // Feeds the character at position `at` by its first byte (any value from 0x80 stands for a
    // character outside ASCII, which is all a name needs to know of it).
    void Feed(int at, unsigned char first);
    // Feeds a line break at position `at` (its bytes are not part of the text fed).
    void FeedLineEnd(int at) { Feed(at, '\n'); }
    // Feeds every character of `text` (a row, in `encoding`) with positions from `origin`.
    void FeedText(std::string_view text, TTextEncoding encoding, int origin);
    // Hands out what was read of a comment, string or url up to `at`.
    void Flush(int at);

    const TCssState& State() const { return state_; }
    // True between tokens, and inside comments, strings and urls, whose class is known.
    bool ClassKnown() const { return ClassKnownIn(state_); }
    static bool ClassKnownIn(const TCssState& state);
    // Whether what follows a place in `state` may still change the class of the token being
    // read there: a property name may turn out known, a value keyword a colour; a selector's
    // name or a number stays what it is.
    static bool ClassMayChangeIn(const TCssState& state);
    // Where the next character fed would be.
    TCssPlace Place() const;

private:
    void Step(int at, unsigned char c);
    void Start(int at, unsigned char c);
    void ForgetToken();
    // After "+" or "-": a digit begins a number, "." goes to `dotStep`. True when `c` was taken.
    bool AfterSign(unsigned char c, std::uint8_t dotStep);
    void EndName(int at);
    void Emit(int begin, int end, TCssClass cls);
    void Delimiter(int at, unsigned char c);
    // A name token from `at`, its first character `first` (0: none read yet).
    void BeginName(int at, int token, unsigned char first);
    void AddToName(unsigned char c);
    void OpenBlock();
    void CloseBlock();
    void EndStatement();

    TCssState state_;
    std::vector<TCssSpan>* spans_;
    int tokenStart_ = 0;
};

}  // namespace tavi
