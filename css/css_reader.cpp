// Reading a style sheet's text as CSS tokens, character by character, in a state that can be kept at any place and
// resumed.
#include "css/css_reader.h"

#include "css/css_names.h"

namespace tavi {

namespace {

// Where in a token the reader stands. Steps that wait for the next character to tell what a
// sign begins ("/" a comment, "-" a number or a name, "<!--") remember the signs read.
enum TLex : std::uint8_t {
    kStart,
    kSlash,  // "/"
    kComment,
    kCommentStar,  // "*" inside a comment
    kString,
    kStringEscape,
    kName,
    kNameEscape,   // "\" inside a name
    kNameHex,      // hexadecimal digits of an escape inside a name
    kStartEscape,  // "\" between tokens
    kHash,         // "#"
    kAt,           // "@"
    kMinus,        // "-"
    kMinusMinus,   // "--"
    kMinusDot,     // "-."
    kPlus,         // "+"
    kPlusDot,      // "+."
    kDot,          // "."
    kInteger,
    kIntegerDot,  // digits and "."
    kFraction,
    kExponentE,     // a number and "e"
    kExponentSign,  // a number, "e" and a sign
    kExponent,
    kLess,           // "<"
    kLessBang,       // "<!"
    kLessBangMinus,  // "<!-"
    kBang,           // "!" in a value, maybe spaces after it
    kUrlStart,       // "url(" and spaces
    kUrl,
    kUrlEscape,
    kUrlEnd,  // spaces after a url
    kBadUrl,
    kBadUrlEscape,
};

// What a name being read is.
enum TToken : std::uint8_t { kIdent, kAtKeyword, kHashName, kDimension, kNumber };

enum TFlag : std::uint8_t {
    kSingleQuote = 1,    // the string being read ends at "'"
    kCustomValue = 2,    // the value is a custom property's: { } inside it are its own
    kPreludeRules = 4,   // the at-rule being read opens a block of rules
    kCustomName = 8,     // the property name read last began with "--"
    kAfterBang = 16,     // the name being read follows "!"
    kHexOnly = 32,       // the hash being read has only hexadecimal digits so far
    kBlockInValue = 64,  // the value's brackets include a { } block
};

constexpr std::uint32_t kImportantHash = CssNameHash("important");
constexpr std::uint32_t kUrlHash = CssNameHash("url");

constexpr bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

constexpr bool IsHexDigit(unsigned char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Letters, "_" and every character outside ASCII.
constexpr bool IsNameStart(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80;
}

constexpr bool IsNameChar(unsigned char c)
{
    return IsNameStart(c) || IsDigit(c) || c == '-';
}

constexpr bool IsSpace(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

}  // namespace

TCssReader::TCssReader(const TCssState& state, std::vector<TCssSpan>* spans) : state_(state), spans_(spans) {}

bool TCssReader::ClassKnownIn(const TCssState& state)
{
    switch (state.Lex) {
        case kStart:
        case kComment:
        case kCommentStar:
        case kString:
        case kStringEscape:
        case kUrl:
        case kUrlEscape:
        case kUrlEnd:
        case kBadUrl:
        case kBadUrlEscape:
            return true;
        default:
            return false;
    }
}

bool TCssReader::ClassMayChangeIn(const TCssState& state)
{
    if (ClassKnownIn(state))
        return false;
    switch (state.Lex) {
        case kInteger:
        case kIntegerDot:
        case kFraction:
        case kExponentE:
        case kExponentSign:
        case kExponent:
            return false;
        case kName:
        case kNameEscape:
        case kNameHex:
            if (state.Token == kDimension || state.Token == kAtKeyword)
                return false;
            return (state.Flags & kAfterBang) != 0 || state.Context != static_cast<std::uint8_t>(TCssPlace::Selector);
        default:
            return true;
    }
}

TCssPlace TCssReader::Place() const
{
    switch (state_.Lex) {
        case kComment:
        case kCommentStar:
            return TCssPlace::Comment;
        case kString:
        case kStringEscape:
        case kUrl:
        case kUrlEscape:
        case kUrlEnd:
        case kBadUrl:
        case kBadUrlEscape:
            return TCssPlace::String;
        default:
            return static_cast<TCssPlace>(state_.Context);
    }
}

void TCssReader::Emit(int begin, int end, TCssClass cls)
{
    if (spans_ && cls != TCssClass::Plain && end > begin) {
        if (!spans_->empty() && spans_->back().End == begin && spans_->back().Class == cls)
            spans_->back().End = end;
        else
            spans_->push_back({begin, end, cls});
    }
}

void TCssReader::Flush(int at)
{
    const TCssPlace place = Place();
    if (place == TCssPlace::Comment || place == TCssPlace::String) {
        Emit(tokenStart_, at, place == TCssPlace::Comment ? TCssClass::Comment : TCssClass::String);
        tokenStart_ = at;
    }
}

void TCssReader::FeedText(std::string_view text, TTextEncoding encoding, int origin)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = bytes[i];
        if (c < 0x80) {
            Feed(origin + static_cast<int>(i), c);
            ++i;
            continue;
        }
        const int length = CharAt(text, i, encoding).Bytes;
        Feed(origin + static_cast<int>(i), 0x80);
        i += static_cast<std::size_t>(length);
    }
}

void TCssReader::AddToName(unsigned char c)
{
    state_.Name = CssHashStep(state_.Name, c);
    if (state_.Count < 255)
        ++state_.Count;
    if (!IsHexDigit(c))
        state_.Flags &= static_cast<std::uint8_t>(~kHexOnly);
}

void TCssReader::BeginName(int at, int token, unsigned char first)
{
    state_.Lex = kName;
    state_.Token = static_cast<std::uint8_t>(token);
    state_.Name = kCssHashStart;
    state_.Count = 0;
    state_.Flags = static_cast<std::uint8_t>((state_.Flags & ~kAfterBang) | kHexOnly);
    tokenStart_ = at;
    if (first != 0)
        AddToName(first);
}

void TCssReader::OpenBlock()
{
    const bool holdsRules =
        state_.Context == static_cast<std::uint8_t>(TCssPlace::AtPrelude) && (state_.Flags & kPreludeRules) != 0;
    if (state_.Depth < 32 && holdsRules)
        state_.RuleBlocks |= 1u << state_.Depth;
    else if (state_.Depth < 32)
        state_.RuleBlocks &= ~(1u << state_.Depth);
    if (state_.Depth < 255)
        ++state_.Depth;
    state_.Context = static_cast<std::uint8_t>(holdsRules ? TCssPlace::Selector : TCssPlace::PropertyName);
    state_.Nest = 0;
    state_.Flags = 0;
}

void TCssReader::CloseBlock()
{
    if (state_.Depth > 0)
        --state_.Depth;
    state_.Nest = 0;
    state_.Flags = 0;
    EndStatement();
}

void TCssReader::EndStatement()
{
    // Statements of the top level and of blocks of rules are rules; of other blocks, declarations.
    const int d = state_.Depth;
    const bool rules = d == 0 || (d <= 32 && (state_.RuleBlocks & (1u << (d - 1))) != 0);
    state_.Context = static_cast<std::uint8_t>(rules ? TCssPlace::Selector : TCssPlace::PropertyName);
    state_.Nest = 0;
    state_.Flags &= static_cast<std::uint8_t>(kCustomName);
}

void TCssReader::EndName(int at)
{
    const auto context = static_cast<TCssPlace>(state_.Context);
    TCssClass cls = TCssClass::Plain;
    switch (state_.Token) {
        case kAtKeyword:
            cls = TCssClass::AtRule;
            state_.Context = static_cast<std::uint8_t>(TCssPlace::AtPrelude);
            state_.Nest = 0;
            state_.Flags = static_cast<std::uint8_t>(CssAtRuleHoldsRules(state_.Name) ? kPreludeRules : 0);
            break;
        case kHashName: {
            const bool hexColour = (state_.Flags & kHexOnly) != 0 &&
                                   (state_.Count == 3 || state_.Count == 4 || state_.Count == 6 || state_.Count == 8);
            cls = context == TCssPlace::Selector             ? TCssClass::Selector
                  : hexColour && context == TCssPlace::Value ? TCssClass::Colour
                                                             : TCssClass::Value;
            break;
        }
        case kDimension:
        case kNumber:
            cls = context == TCssPlace::Selector ? TCssClass::Selector : TCssClass::Number;
            break;
        default:
            if ((state_.Flags & kAfterBang) != 0) {
                cls = state_.Name == kImportantHash ? TCssClass::Important : TCssClass::Value;
            } else if (context == TCssPlace::Selector) {
                cls = TCssClass::Selector;
            } else if (context == TCssPlace::PropertyName) {
                const bool custom = (state_.Flags & kCustomName) != 0;
                cls = custom || IsCssProperty(state_.Name) ? TCssClass::Property : TCssClass::UnknownProperty;
            } else {
                cls =
                    context == TCssPlace::Value && IsCssNamedColour(state_.Name) ? TCssClass::Colour : TCssClass::Value;
            }
            break;
    }
    Emit(tokenStart_, at, cls);
    state_.Lex = kStart;
    state_.Flags &= static_cast<std::uint8_t>(~(kAfterBang | kHexOnly));
    tokenStart_ = at;
}

void TCssReader::Delimiter(int at, unsigned char c)
{
    auto context = static_cast<TCssPlace>(state_.Context);
    // In a block of declarations, a sign that begins a selector begins a nested rule.
    if (context == TCssPlace::PropertyName &&
        (c == '&' || c == '.' || c == '>' || c == '+' || c == '~' || c == '*' || c == '[' || c == '#')) {
        state_.Context = static_cast<std::uint8_t>(TCssPlace::Selector);
        context = TCssPlace::Selector;
    }
    const bool inValue = context == TCssPlace::Value || context == TCssPlace::AtPrelude;
    switch (c) {
        case '{':
            if (inValue && (state_.Nest > 0 || (state_.Flags & kCustomValue) != 0)) {
                if (state_.Nest < 255)
                    ++state_.Nest;
            } else {
                OpenBlock();
            }
            return;
        case '}':
            if (inValue && state_.Nest > 0)
                --state_.Nest;
            else
                CloseBlock();
            return;
        case ';':
            if (inValue && state_.Nest == 0)
                EndStatement();
            return;
        case '(':
        case '[':
            if (inValue && state_.Nest < 255)
                ++state_.Nest;
            break;
        case ')':
        case ']':
            if (inValue && state_.Nest > 0)
                --state_.Nest;
            break;
        case ':':
            if (context == TCssPlace::PropertyName) {
                const bool custom = (state_.Flags & kCustomName) != 0;
                state_.Context = static_cast<std::uint8_t>(TCssPlace::Value);
                state_.Nest = 0;
                state_.Flags = custom ? kCustomValue : 0;
                return;
            }
            break;
        default:
            break;
    }
    if (context == TCssPlace::Selector && (c == '.' || c == ':' || c == '#' || c == '*' || c == '&'))
        Emit(at, at + 1, TCssClass::Selector);
}

void TCssReader::ForgetToken()
{
    // What the last token was leaves no trace: states between tokens compare equal whatever
    // came before.
    state_.Token = 0;
    state_.Count = 0;
    state_.Escape = 0;
    state_.Name = 0;
}

void TCssReader::Start(int at, unsigned char c)
{
    ForgetToken();
    tokenStart_ = at;
    if (IsSpace(c))
        return;
    if (IsNameStart(c)) {
        BeginName(at, kIdent, c);
        if (static_cast<TCssPlace>(state_.Context) == TCssPlace::PropertyName)
            state_.Flags &= static_cast<std::uint8_t>(~kCustomName);
        return;
    }
    if (IsDigit(c)) {
        state_.Lex = kInteger;
        state_.Token = kNumber;
        return;
    }
    switch (c) {
        case '"':
        case '\'':
            state_.Lex = kString;
            state_.Flags =
                static_cast<std::uint8_t>(c == '\'' ? state_.Flags | kSingleQuote : state_.Flags & ~kSingleQuote);
            return;
        case '/':
            state_.Lex = kSlash;
            return;
        case '\\':
            state_.Lex = kStartEscape;
            return;
        case '#':
            state_.Lex = kHash;
            return;
        case '@':
            state_.Lex = kAt;
            return;
        case '-':
            state_.Lex = kMinus;
            return;
        case '+':
            state_.Lex = kPlus;
            return;
        case '.':
            state_.Lex = kDot;
            return;
        case '<':
            state_.Lex = kLess;
            return;
        case '!':
            if (static_cast<TCssPlace>(state_.Context) == TCssPlace::Value) {
                state_.Lex = kBang;
                return;
            }
            break;
        default:
            break;
    }
    Delimiter(at, c);
}

bool TCssReader::AfterSign(unsigned char c, std::uint8_t dotStep)
{
    if (IsDigit(c)) {
        state_.Lex = kInteger;
        state_.Token = kNumber;
        return true;
    }
    if (c == '.') {
        state_.Lex = dotStep;
        return true;
    }
    return false;
}

void TCssReader::Feed(int at, unsigned char c)
{
    Step(at, c);
    if (state_.Lex == kStart)
        ForgetToken();
}

void TCssReader::Step(int at, unsigned char c)
{
    // A step that finds the character is not its token's ends the token and hands the
    // character on to the next step ("continue").
    for (;;) {
        switch (state_.Lex) {
            case kStart:
                Start(at, c);
                return;
            case kSlash:
                if (c == '*') {
                    state_.Lex = kComment;
                    return;
                }
                state_.Lex = kStart;
                Delimiter(at - 1, '/');
                continue;
            case kComment:
                if (c == '*')
                    state_.Lex = kCommentStar;
                return;
            case kCommentStar:
                if (c == '/') {
                    Emit(tokenStart_, at + 1, TCssClass::Comment);
                    state_.Lex = kStart;
                    tokenStart_ = at + 1;
                } else if (c != '*') {
                    state_.Lex = kComment;
                }
                return;
            case kString: {
                const unsigned char quote = (state_.Flags & kSingleQuote) != 0 ? '\'' : '"';
                if (c == quote) {
                    Emit(tokenStart_, at + 1, TCssClass::String);
                    state_.Lex = kStart;
                    tokenStart_ = at + 1;
                } else if (c == '\\') {
                    state_.Lex = kStringEscape;
                } else if (c == '\n') {
                    // A string cut by a line end is a bad string; it ends there.
                    Emit(tokenStart_, at, TCssClass::String);
                    state_.Lex = kStart;
                    tokenStart_ = at;
                }
                return;
            }
            case kStringEscape:
                state_.Lex = kString;  // an escaped line end goes on with the string
                return;
            case kName:
                if (IsNameChar(c)) {
                    AddToName(c);
                    return;
                }
                if (c == '\\') {
                    state_.Lex = kNameEscape;
                    return;
                }
                if (c == '(' && state_.Token == kIdent && (state_.Flags & kAfterBang) == 0) {
                    if (state_.Name == kUrlHash && static_cast<TCssPlace>(state_.Context) != TCssPlace::Selector) {
                        state_.Lex = kUrlStart;
                        return;
                    }
                    // A function: named in its statement's colours, its arguments inside brackets.
                    EndName(at);
                    Delimiter(at, '(');
                    tokenStart_ = at + 1;
                    return;
                }
                EndName(at);
                continue;
            case kNameEscape:
                if (c == '\n') {
                    EndName(at - 1);  // "\" before a line end is no escape
                    continue;
                }
                AddToName(c);
                if (IsHexDigit(c)) {
                    state_.Lex = kNameHex;
                    state_.Escape = 1;
                } else {
                    state_.Lex = kName;
                }
                return;
            case kNameHex:
                if (IsHexDigit(c) && state_.Escape < 6) {
                    ++state_.Escape;
                    return;
                }
                state_.Lex = kName;
                if (IsSpace(c))
                    return;  // one white space ends the escape and belongs to it
                continue;
            case kStartEscape:
                if (c == '\n') {
                    state_.Lex = kStart;
                    continue;
                }
                BeginName(at - 1, kIdent, 0);
                state_.Lex = kNameEscape;
                continue;
            case kHash:
                if (IsNameChar(c) || c == '\\') {
                    BeginName(at - 1, kHashName, 0);
                    continue;
                }
                state_.Lex = kStart;
                Delimiter(at - 1, '#');
                continue;
            case kAt:
                if (IsNameStart(c) || c == '-' || c == '\\') {
                    BeginName(at - 1, kAtKeyword, 0);
                    continue;
                }
                state_.Lex = kStart;
                Delimiter(at - 1, '@');
                continue;
            case kMinus:
                if (AfterSign(c, kMinusDot))
                    return;
                if (c == '-') {
                    state_.Lex = kMinusMinus;
                    return;
                }
                if (IsNameStart(c) || c == '\\') {
                    BeginName(at - 1, kIdent, '-');
                    if (static_cast<TCssPlace>(state_.Context) == TCssPlace::PropertyName)
                        state_.Flags &= static_cast<std::uint8_t>(~kCustomName);
                    continue;
                }
                state_.Lex = kStart;
                Delimiter(at - 1, '-');
                continue;
            case kMinusMinus:
                if (c == '>') {
                    state_.Lex = kStart;  // "-->"
                    tokenStart_ = at + 1;
                    return;
                }
                BeginName(at - 2, kIdent, '-');
                AddToName('-');
                if (static_cast<TCssPlace>(state_.Context) == TCssPlace::PropertyName)
                    state_.Flags |= kCustomName;
                continue;
            case kMinusDot:
            case kPlusDot:
                if (IsDigit(c)) {
                    state_.Lex = kFraction;
                    state_.Token = kNumber;
                    return;
                }
                Delimiter(at - 2, state_.Lex == kMinusDot ? '-' : '+');
                state_.Lex = kStart;
                Delimiter(at - 1, '.');
                continue;
            case kPlus:
                if (AfterSign(c, kPlusDot))
                    return;
                state_.Lex = kStart;
                Delimiter(at - 1, '+');
                continue;
            case kDot:
                if (IsDigit(c)) {
                    state_.Lex = kFraction;
                    state_.Token = kNumber;
                    return;
                }
                state_.Lex = kStart;
                Delimiter(at - 1, '.');
                continue;
            case kInteger:
            case kFraction:
            case kExponent:
                if (IsDigit(c))
                    return;
                if (c == '.' && state_.Lex == kInteger) {
                    state_.Lex = kIntegerDot;
                    return;
                }
                if ((c == 'e' || c == 'E') && state_.Lex != kExponent) {
                    state_.Lex = kExponentE;
                    return;
                }
                if (c == '%') {
                    state_.Token = kNumber;
                    EndName(at + 1);
                    return;
                }
                if (IsNameStart(c) || c == '\\') {
                    state_.Lex = kName;  // a unit
                    state_.Token = kDimension;
                    continue;
                }
                state_.Token = kNumber;
                EndName(at);
                continue;
            case kIntegerDot:
                if (IsDigit(c)) {
                    state_.Lex = kFraction;
                    return;
                }
                state_.Token = kNumber;
                EndName(at - 1);
                Delimiter(at - 1, '.');
                continue;
            case kExponentE:
                if (IsDigit(c)) {
                    state_.Lex = kExponent;
                    return;
                }
                if (c == '+' || c == '-') {
                    state_.Lex = kExponentSign;
                    return;
                }
                state_.Lex = kName;  // "e" begins a unit ("1em")
                state_.Token = kDimension;
                continue;
            case kExponentSign:
                if (IsDigit(c)) {
                    state_.Lex = kExponent;
                    return;
                }
                state_.Lex = kName;  // "1e-x": the unit "e-x"
                state_.Token = kDimension;
                continue;
            case kLess:
                if (c == '!') {
                    state_.Lex = kLessBang;
                    return;
                }
                state_.Lex = kStart;
                Delimiter(at - 1, '<');
                continue;
            case kLessBang:
                if (c == '-') {
                    state_.Lex = kLessBangMinus;
                    return;
                }
                state_.Lex = kStart;
                Delimiter(at - 2, '<');
                Delimiter(at - 1, '!');
                continue;
            case kLessBangMinus:
                state_.Lex = kStart;
                if (c == '-') {
                    tokenStart_ = at + 1;  // "<!--"
                    return;
                }
                Delimiter(at - 3, '<');
                Delimiter(at - 2, '!');
                Delimiter(at - 1, '-');
                continue;
            case kBang:
                if (IsSpace(c))
                    return;
                if (IsNameStart(c)) {
                    const int bang = tokenStart_;
                    BeginName(bang, kIdent, c);
                    state_.Flags |= kAfterBang;
                    return;
                }
                state_.Lex = kStart;
                Delimiter(tokenStart_, '!');
                continue;
            case kUrlStart:
                if (IsSpace(c))
                    return;
                if (c == '"' || c == '\'') {
                    // url("...") is a function with a string.
                    EndName(at);
                    if (state_.Nest < 255)
                        ++state_.Nest;
                    continue;
                }
                if (c == ')') {
                    Emit(tokenStart_, at + 1, TCssClass::String);
                    state_.Lex = kStart;
                    tokenStart_ = at + 1;
                    return;
                }
                state_.Lex = kUrl;
                continue;
            case kUrl:
                if (c == ')') {
                    Emit(tokenStart_, at + 1, TCssClass::String);
                    state_.Lex = kStart;
                    tokenStart_ = at + 1;
                } else if (c == '\\') {
                    state_.Lex = kUrlEscape;
                } else if (IsSpace(c)) {
                    state_.Lex = kUrlEnd;
                } else if (c == '"' || c == '\'' || c == '(' || c < 0x20 || c == 0x7F) {
                    state_.Lex = kBadUrl;
                }
                return;
            case kUrlEscape:
                state_.Lex = c == '\n' ? kBadUrl : kUrl;
                return;
            case kUrlEnd:
                if (c == ')') {
                    state_.Lex = kUrl;
                    continue;
                }
                if (!IsSpace(c))
                    state_.Lex = kBadUrl;
                return;
            case kBadUrl:
                if (c == ')') {
                    state_.Lex = kUrl;
                    continue;
                }
                if (c == '\\')
                    state_.Lex = kBadUrlEscape;
                return;
            case kBadUrlEscape:
                state_.Lex = kBadUrl;
                return;
            default:
                state_.Lex = kStart;
                continue;
        }
    }
}

}  // namespace tavi
