// Finding and replacing text in the editor's document by characters, never by bytes.
#pragma once

#include <QRegularExpression>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/core/work_meter.h"
#include "text/row_text.h"

namespace tavi {

class TEditorCore;
struct TCp932Units;

struct TSearchOptions {
    QString Text;
    bool MatchCase = false;
    // The match stands alone: no letter, digit, "_" or "-" (which CSS names hold) touches it.
    bool WholeWord = false;
    bool RegularExpression = false;
};

// A stretch of the document in text offsets, as the editor's SelStart counts them.
// Why the last search found nothing.
enum class TSearchFailure {
    NotFound,
    TooComplex,  // the regular expression engine gave up on the text (too much backtracking)
    Stopped,     // the user stopped it on the document's work meter
};

struct TTextMatch {
    long long Start = 0;
    long long Length = 0;
    long long End() const { return Start + Length; }
};

// A stretch of whole lines of the document decoded as the editor steps over characters.
// Code page 932: one UTF-16 unit per character, a lead byte and the byte after it in the
// same row being one, and characters the code page leaves undefined reading as U+FFFD, so
// that a search for "\" or "[" can never find the trail byte of "ソ" or "ボ". UTF-8: each
// code point its units, an ill-formed byte U+FFFD. Every line break is one "\n".
class TDecodedStretch {
public:
    // Decodes whole lines from row `firstRow`, which starts a line at text offset `offset`:
    // lines until they hold at least `ownBytes` bytes (the stretch's own lines, whose matches
    // it reports), then lines until at least `moreBytes` more (which let matches run on).
    void Read(const TEditorCore& core, int firstRow, long long offset, long long ownBytes, long long moreBytes);
    void Clear();
    const QString& Text() const { return text_; }
    // Where the own lines end: as a unit of the text, as a row and as a text offset.
    qsizetype OwnEnd() const { return ownEnd_; }
    int OwnEndRow() const { return ownEndRow_; }
    long long OwnEndOffset() const { return OffsetOfUnit(ownEnd_); }
    // The text offset where unit i starts (i may be the text's length).
    long long OffsetOfUnit(qsizetype i) const;
    // The unit that starts at text offset `offset` (clamped to the stretch); an offset inside
    // a character gives the unit after it.
    qsizetype UnitAtOffset(long long offset) const;

private:
    // Room for `units` units in the text and its byte counts; the buffers keep their room
    // from one stretch to the next.
    void MakeRoom(qsizetype units);
    // Appends the units of one row's bytes from unit n on; returns the units then.
    qsizetype DecodeRow(std::string_view row, qsizetype n, const TCp932Units& units);
    qsizetype DecodeUtf8Row(std::string_view row, qsizetype n);
    // Unit i stands for 1 + extra bytes (extra 0 to 2).
    void SetExtra(qsizetype i, int extra)
    {
        const std::uint64_t bit = std::uint64_t{1} << (i & 63);
        const auto word = static_cast<std::size_t>(i >> 6);
        if (extra & 1)
            extra_[0][word] |= bit;
        if (extra & 2)
            extra_[1][word] |= bit;
    }
    int ExtraAt(qsizetype i) const
    {
        const auto word = static_cast<std::size_t>(i >> 6);
        return static_cast<int>((extra_[0][word] >> (i & 63)) & 1) +
               2 * static_cast<int>((extra_[1][word] >> (i & 63)) & 1);
    }
    // The extra bytes of whole words [first, last) of units.
    long long ExtraOfWords(std::size_t first, std::size_t last) const;
    // The offsets of every kBlock-th of the first n units, from the byte counts.
    void IndexBlocks(qsizetype n);
    static constexpr qsizetype kBlock = 4096;  // units between stored offsets; 64 words of bits

    QString text_;
    // Two bit planes of each unit's extra bytes: a double-byte character or line break has
    // 1, a UTF-8 sequence its length less one (a surrogate pair 2 and 0).
    std::vector<std::uint64_t> extra_[2];
    std::vector<long long> blockOffsets_;  // offset of unit k * kBlock from the stretch's start
    long long offset_ = 0;                 // of the stretch's start
    qsizetype ownEnd_ = 0;
    int ownEndRow_ = 0;
};

// One search over a document: its options compiled once; the document decoded a stretch of
// lines at a time from where the search starts, so that a match nearby is found at once and
// memory stays small whatever the document's size. Matches never cross a line break unless
// the pattern asks for one ("\n", "\s"), and then reach at most into the lines that follow
// their stretch (at least one line, about a sixteenth of a stretch); a match of no characters
// is never taken. A search reports its progress, a stretch at a time, to the document's work
// meter, and ends when the meter says stop.
class TDocumentSearch {
public:
    // Stretches of about `stretchBytes` bytes (tests make them small to cross their edges).
    explicit TDocumentSearch(long long stretchBytes = 1 << 20);

    // Takes new options. Returns an error for the user when the regular expression is
    // malformed, an empty text otherwise.
    QString SetOptions(const TSearchOptions& options);
    const TSearchOptions& Options() const { return options_; }
    // True when there is something to search for and the pattern is well formed.
    bool Ready() const;
    // Lets the decoded stretch go, until the next search needs one.
    void Forget();

    struct TFound {
        TTextMatch Match;
        bool Wrapped = false;  // found only by going round the end (or the start)
    };
    // The first match at or after offset `from`, else the first of the document.
    std::optional<TFound> FindNext(const TEditorCore& core, long long from);
    // The last match that starts before offset `before`, else the last of the document.
    std::optional<TFound> FindPrevious(const TEditorCore& core, long long before);
    // True when exactly `match` is a match of the pattern.
    bool IsMatch(const TEditorCore& core, TTextMatch match);
    // Why the last search, check or replace found nothing (or replaced nothing).
    TSearchFailure Failure() const { return failure_; }

    // Sets the replacement. In a regular expression "\0" to "\9" stand for the match and its
    // groups, "\n" for a line break, "\t" for a tab and "\\" for "\"; otherwise it is taken as
    // it stands; it is written in the document's `encoding`. Returns an error for the user
    // when a code page 932 document cannot hold its characters, an empty text otherwise.
    QString SetReplacement(const QString& replacement, TTextEncoding encoding = TTextEncoding::Cp932);
    // Replaces `match` as one undo step when it is exactly a match (see IsMatch); true when
    // it was replaced.
    bool Replace(TEditorCore& core, TTextMatch match);
    // Replaces every match as one undo step and returns how many there were. The caret
    // keeps its place in the text around it (after the replacement when it was inside a
    // match) and nothing is selected. A search the engine gives up or the user stops
    // replaces nothing and returns 0.
    long long ReplaceAll(TEditorCore& core);

private:
    // A part of the replacement: bytes, or the text of a group.
    struct TPiece {
        std::string Bytes;
        int Group = -1;
    };
    // The logical line holding text offset `offset`: its first row and that row's offset.
    struct TLineStart {
        int Row = 0;
        long long Offset = 0;
    };

    // Thrown where the engine gave up; the public calls turn it into TooComplex.
    struct TEngineGaveUp {};
    // Runs `search` with its work steps, noting in failure_ why it found nothing.
    template <typename Result, typename Search>
    Result Run(const TEditorCore& core, Result none, Search&& search);

    TLineStart LineStartAt(const TEditorCore& core, long long offset) const;
    // The first row after the logical line that starts at `row`.
    int LineEndRow(const TEditorCore& core, int row) const;
    // The line start about stretchBytes_ before line start `line`, for the stretch before it.
    TLineStart StretchStartBefore(const TEditorCore& core, TLineStart line) const;
    // Decodes the stretch starting at line start `line`, with own lines of at least `ownBytes`
    // bytes (one line for 1).
    const TDecodedStretch& Decode(const TEditorCore& core, TLineStart line, long long ownBytes);
    // The line start after the own lines of `stretch` (which began at `line`), their bytes
    // reported done.
    static TLineStart PastStretch(const TDecodedStretch& stretch, TLineStart line, TWorkSteps& steps);
    std::optional<TTextMatch> FirstFrom(const TEditorCore& core, TLineStart line, long long from, int endRow,
                                        TWorkSteps& steps);
    std::optional<TTextMatch> LastBefore(const TEditorCore& core, TLineStart stop, long long before, TWorkSteps& steps);
    // What replacing every match makes of the text from the first match to the end of the
    // last, and where the caret then goes.
    struct TReplacements {
        std::string Text;
        TTextMatch Range;
        long long Count = 0;
        long long Caret = 0;
    };
    TReplacements CollectReplacements(const TEditorCore& core, std::string_view source, long long caret,
                                      TWorkSteps& steps);
    // The match of the pattern that starts exactly at unit `at` of the stretch (its text cut at
    // unit `end` when given), or an unmatched result.
    QRegularExpressionMatch MatchAt(qsizetype at, qsizetype end = -1) const;
    // The pattern's match that is exactly `match`, if it is one (see IsMatch).
    std::optional<QRegularExpressionMatch> ExactMatch(const TEditorCore& core, TTextMatch match);
    TTextMatch ToOffsets(const QRegularExpressionMatch& m) const;
    template <typename BytesOf>
    void AppendReplacement(std::string& out, const QRegularExpressionMatch& m, BytesOf&& bytesOf) const;

    long long stretchBytes_;
    TSearchOptions options_;
    QRegularExpression pattern_;
    // The same pattern refusing an empty match where it starts: a search that met an empty
    // match there takes the longer one this finds (`a??` finds "a"), and so must a check.
    QRegularExpression nonEmptyPattern_;
    std::vector<TPiece> replacement_;
    TDecodedStretch stretch_;
    TSearchFailure failure_ = TSearchFailure::NotFound;
};

}  // namespace tavi
