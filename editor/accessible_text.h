// The document's text as assistive technologies read it: offsets, ranges, and the character, word or line at an offset.
#pragma once

#include <QString>
#include <climits>
#include <optional>

#include "editor/accessible_text_index.h"
#include "editor/core/editor_core.h"

namespace tavi {

// A stretch of the text: characters [Start, End).
struct TTextSpan {
    long long Start = 0;
    long long End = 0;
    bool operator==(const TTextSpan&) const = default;
};

// What a span around an offset covers. A character is one the caret steps over (a UTF-8
// character with its marks, an emoji's two code units). A word runs from where a word starts
// (as Ctrl+Right finds them, across a soft wrap) to where the next starts, its line's "\n"
// ending its last word. A line is a logical line, the rows wrapping joined, with its "\n".
enum class TTextUnit { Character, Word, Line };

// Offsets count characters as accessible_characters.h does; every logical line but a last one
// without a line break ends with one "\n", and rows joined by wrapping have nothing between
// them. Counts come from the index, so a query costs a walk of a block of rows and of the rows
// it reads; a word looks at most at the rows before and after its row.
class TAccessibleText {
public:
    explicit TAccessibleText(const TEditorCore& core) : core_(core), index_(core.Document()) {}

    TAccessibleTextIndex& Index() { return index_; }

    long long CharacterCount() { return index_.Total(); }
    // The offset of place p (its byte limited to its row).
    long long OffsetOf(TTextPos p);
    // The place of an offset: the start of the character holding it; the end of the text for
    // an offset at or past it.
    TTextPos PlaceOf(long long offset);
    // The characters from `start` to `end` (limited to the text).
    QString Text(long long start, long long end);
    long long CaretOffset();
    // The selection, when it holds any character.
    std::optional<TTextSpan> Selection();

    // The unit holding `offset` (limited to the text). At the end of the text: an empty span,
    // but for a last line without a line break, which is that line.
    TTextSpan SpanAt(long long offset, TTextUnit unit);
    // The unit before the one holding `offset`, and the one after it; none at either end.
    std::optional<TTextSpan> SpanBefore(long long offset, TTextUnit unit);
    std::optional<TTextSpan> SpanAfter(long long offset, TTextUnit unit);

private:
    TTextSpan CharacterAt(TTextPos p);
    TTextSpan WordAt(TTextPos p);
    TTextSpan LineAt(TTextPos p);
    TTextPos EndOfText() const;

    const TEditorCore& core_;
    TAccessibleTextIndex index_;
};

// An offset as the toolkit's interfaces take it.
inline int ToAccessibleOffset(long long offset)
{
    return offset > INT_MAX ? INT_MAX : static_cast<int>(offset);
}

}  // namespace tavi
