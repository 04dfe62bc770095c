// Finding and replacing text in the editor's document: the document decoded by characters and searched with
// regular expressions, matches turned back into text offsets.
#include "editor/document_search.h"

#include <algorithm>
#include <bit>
#include <string_view>

#include "editor/core/editor_core.h"
#include "editor/text_input.h"
#include "platform/code_page.h"
#include "platform/os/large_pages.h"
#include "text/row_text.h"
#include "text/utf8.h"

namespace tavi {

namespace {

constexpr std::size_t kBlockWords = 4096 / 64;  // words of byte-count bits per block

// Bytes a row takes in text offsets: its own and its line break's. The final "[EOF]" row's
// extra offset is left out: no character stands for it.
long long RowBytes(const RowList& rows, int r)
{
    return static_cast<long long>(rows.Text(r).size()) + (rows.End(r) == reBreak ? 2 : 0);
}

}  // namespace

void TDecodedStretch::Read(const TEditorCore& core, int firstRow, long long offset, long long ownBytes,
                           long long moreBytes)
{
    const RowList& rows = core.Rows();
    // No character gives more than one unit: a row needs at most as many units as its bytes.
    for (std::vector<std::uint64_t>& plane : extra_)
        plane.assign(plane.size(), 0);
    const bool utf8 = core.Encoding() == TTextEncoding::Utf8;
    MakeRoom(static_cast<qsizetype>(ownBytes + moreBytes + 4096));
    const TCp932Units units = Cp932Units();
    qsizetype n = 0;
    long long bytes = 0;
    long long limit = ownBytes;
    ownEnd_ = -1;
    for (int r = firstRow; r < rows.Count(); ++r) {
        n = utf8 ? DecodeUtf8Row(rows.Text(r), n) : DecodeRow(rows.Text(r), n, units);
        bytes += RowBytes(rows, r);
        if (rows.End(r) == reBreak) {
            SetExtra(n, 1);
            reinterpret_cast<char16_t*>(text_.data())[n++] = u'\n';
        }
        if (rows.End(r) != reWrap && bytes >= limit) {
            if (ownEnd_ >= 0)
                break;
            ownEnd_ = n;
            ownEndRow_ = r + 1;
            limit = bytes + moreBytes;
        }
    }
    if (ownEnd_ < 0) {
        ownEnd_ = n;
        ownEndRow_ = rows.Count();
    }
    text_.truncate(n);
    offset_ = offset;
    IndexBlocks(n);
}

qsizetype TDecodedStretch::DecodeRow(std::string_view row, qsizetype n, const TCp932Units& units)
{
    const auto* data = reinterpret_cast<const unsigned char*>(row.data());
    const std::size_t size = row.size();
    MakeRoom(n + static_cast<qsizetype>(size) + 1);
    char16_t* const out = reinterpret_cast<char16_t*>(text_.data());
    for (std::size_t i = 0; i < size;) {
        // Style sheets are mostly ASCII, where every byte is a character of its own.
        while (i < size && data[i] < 0x80)
            out[n++] = units.single[data[i++]];
        if (i == size)
            break;
        const unsigned char c = data[i];
        char16_t unit;
        // A lead byte takes the byte after it in its row, as the caret steps over them.
        if (IsLeadByte(c) && i + 1 < size) {
            const unsigned char trail = data[i + 1];
            unit = IsTrailByte(trail) ? units.pairs[c << 8 | trail] : 0;
            SetExtra(n, 1);
            i += 2;
        } else {
            unit = units.single[c];
            ++i;
        }
        out[n++] = unit != 0 ? unit : u'\uFFFD';
    }
    return n;
}

void TDecodedStretch::MakeRoom(qsizetype units)
{
    if (units > text_.size())
        text_.resize(std::max(units, 2 * text_.size()));
    if (const std::size_t words = static_cast<std::size_t>(units / 64 + 1); words > extra_[0].size()) {
        for (std::vector<std::uint64_t>& plane : extra_)
            plane.resize(std::max(words, 2 * plane.size()), 0);
    }
}

qsizetype TDecodedStretch::DecodeUtf8Row(std::string_view row, qsizetype n)
{
    MakeRoom(n + static_cast<qsizetype>(row.size()) + 1);
    char16_t* const out = reinterpret_cast<char16_t*>(text_.data());
    for (std::size_t i = 0; i < row.size();) {
        if (static_cast<unsigned char>(row[i]) < 0x80) {
            out[n++] = static_cast<char16_t>(row[i++]);
            continue;
        }
        const TUtf8Sequence s = Utf8SequenceAt(row, i);
        i += static_cast<std::size_t>(s.Length);
        if (!s.WellFormed) {
            out[n++] = u'\uFFFD';
        } else if (s.CodePoint < 0x10000) {
            SetExtra(n, s.Length - 1);
            out[n++] = static_cast<char16_t>(s.CodePoint);
        } else {
            SetExtra(n, 2);  // four bytes over the two units of a surrogate pair
            out[n++] = static_cast<char16_t>(0xD800 + ((s.CodePoint - 0x10000) >> 10));
            out[n++] = static_cast<char16_t>(0xDC00 + ((s.CodePoint - 0x10000) & 0x3FF));
        }
    }
    return n;
}

long long TDecodedStretch::ExtraOfWords(std::size_t first, std::size_t last) const
{
    long long extra = 0;
    for (std::size_t w = first; w < last; ++w)
        extra += std::popcount(extra_[0][w]) + 2 * std::popcount(extra_[1][w]);
    return extra;
}

void TDecodedStretch::IndexBlocks(qsizetype n)
{
    blockOffsets_.assign(static_cast<std::size_t>(n / kBlock + 1), 0);
    long long extra = 0;
    for (std::size_t k = 0; k < blockOffsets_.size(); ++k) {
        blockOffsets_[k] = static_cast<long long>(k) * kBlock + extra;
        const std::size_t first = k * kBlockWords;
        extra += ExtraOfWords(first, std::min(extra_[0].size(), first + kBlockWords));
    }
}

void TDecodedStretch::Clear()
{
    text_ = QString();
    extra_[0] = {};
    extra_[1] = {};
    blockOffsets_ = {};
    ownEnd_ = 0;
}

long long TDecodedStretch::OffsetOfUnit(qsizetype i) const
{
    i = std::clamp<qsizetype>(i, 0, text_.size());
    const std::size_t block = static_cast<std::size_t>(i / kBlock);
    long long offset = offset_ + blockOffsets_.at(block) + (i - static_cast<qsizetype>(block) * kBlock);
    const std::size_t word = static_cast<std::size_t>(i >> 6);
    offset += ExtraOfWords(block * kBlockWords, word);
    if (const int bits = static_cast<int>(i & 63)) {
        const std::uint64_t below = (std::uint64_t{1} << bits) - 1;
        offset += std::popcount(extra_[0][word] & below) + 2 * std::popcount(extra_[1][word] & below);
    }
    return offset;
}

qsizetype TDecodedStretch::UnitAtOffset(long long offset) const
{
    offset -= offset_;
    if (offset <= 0 || blockOffsets_.empty())
        return 0;
    const auto after = std::upper_bound(blockOffsets_.begin(), blockOffsets_.end(), offset);
    const qsizetype block = (after - blockOffsets_.begin()) - 1;
    qsizetype unit = block * kBlock;
    long long at = blockOffsets_[static_cast<std::size_t>(block)];
    while (unit < text_.size() && at < offset) {
        at += 1 + ExtraAt(unit);
        ++unit;
    }
    return unit;
}

TDocumentSearch::TDocumentSearch(long long stretchBytes) : stretchBytes_(std::max(1LL, stretchBytes)) {}

QString TDocumentSearch::SetOptions(const TSearchOptions& options)
{
    options_ = options;
    replacement_.clear();
    pattern_ = QRegularExpression();
    if (options.Text.isEmpty())
        return {};
    QString pattern = options.RegularExpression ? options.Text : QRegularExpression::escape(options.Text);
    // Checked alone first, so that the place of a mistake is counted in the user's text.
    if (const QRegularExpression own(pattern); !own.isValid())
        return QStringLiteral("正規表現が正しくありません（%1 文字目）").arg(own.patternErrorOffset() + 1);
    if (options.WholeWord)
        pattern = QStringLiteral("(?<![\\w-])(?:%1)(?![\\w-])").arg(pattern);
    QRegularExpression::PatternOptions flags =
        QRegularExpression::MultilineOption | QRegularExpression::UseUnicodePropertiesOption;
    if (!options.MatchCase)
        flags |= QRegularExpression::CaseInsensitiveOption;
    pattern_ = QRegularExpression(pattern, flags);
    pattern_.optimize();
    nonEmptyPattern_ = QRegularExpression(QStringLiteral("(*NOTEMPTY_ATSTART)") + pattern, flags);
    return {};
}

bool TDocumentSearch::Ready() const
{
    return !options_.Text.isEmpty() && pattern_.isValid() && !pattern_.pattern().isEmpty();
}

void TDocumentSearch::Forget()
{
    stretch_.Clear();
}

TDocumentSearch::TLineStart TDocumentSearch::LineStartAt(const TEditorCore& core, long long offset) const
{
    const RowList& rows = core.Rows();
    TLineStart line;
    long long at = 0;
    for (int r = 0; r < rows.Count(); ++r) {
        if (r == 0 || rows.End(r - 1) != reWrap)
            line = {r, at};
        at += RowBytes(rows, r);
        if (offset < at)
            break;
    }
    return line;
}

int TDocumentSearch::LineEndRow(const TEditorCore& core, int row) const
{
    const RowList& rows = core.Rows();
    while (row < rows.Count() && rows.End(row) == reWrap)
        ++row;
    return std::min(row + 1, rows.Count());
}

TDocumentSearch::TLineStart TDocumentSearch::StretchStartBefore(const TEditorCore& core, TLineStart line) const
{
    const RowList& rows = core.Rows();
    TLineStart start = line;
    while (start.Row > 0) {
        --start.Row;
        start.Offset -= RowBytes(rows, start.Row);
        if (line.Offset - start.Offset >= stretchBytes_ && (start.Row == 0 || rows.End(start.Row - 1) != reWrap))
            break;
    }
    return start;
}

const TDecodedStretch& TDocumentSearch::Decode(const TEditorCore& core, TLineStart line, long long ownBytes)
{
    stretch_.Read(core, line.Row, line.Offset, ownBytes, std::max(1LL, stretchBytes_ / 16));
    return stretch_;
}

TTextMatch TDocumentSearch::ToOffsets(const QRegularExpressionMatch& m) const
{
    const long long from = stretch_.OffsetOfUnit(m.capturedStart());
    return {from, stretch_.OffsetOfUnit(m.capturedEnd()) - from};
}

TDocumentSearch::TLineStart TDocumentSearch::PastStretch(const TDecodedStretch& stretch, TLineStart line,
                                                         TWorkSteps& steps)
{
    // Read before the report: the window may take the stretch back while it repaints.
    const TLineStart next{stretch.OwnEndRow(), stretch.OwnEndOffset()};
    steps.Advance(next.Offset - line.Offset);
    return next;
}

std::optional<TTextMatch> TDocumentSearch::FirstFrom(const TEditorCore& core, TLineStart line, long long from,
                                                     int endRow, TWorkSteps& steps)
{
    endRow = std::min(endRow, core.Rows().Count());
    while (line.Row < endRow) {
        const TDecodedStretch& stretch = Decode(core, line, stretchBytes_);
        // One iterator for the stretch: every separate match call would check all its text again.
        QRegularExpressionMatchIterator matches = pattern_.globalMatch(stretch.Text(), stretch.UnitAtOffset(from));
        while (matches.hasNext()) {
            const QRegularExpressionMatch m = matches.next();
            if (m.capturedStart() >= stretch.OwnEnd())
                break;
            if (m.capturedLength() > 0)
                return ToOffsets(m);
        }
        if (!matches.isValid())
            throw TEngineGaveUp{};
        line = PastStretch(stretch, line, steps);
    }
    return std::nullopt;
}

std::optional<TTextMatch> TDocumentSearch::LastBefore(const TEditorCore& core, TLineStart stop, long long before,
                                                      TWorkSteps& steps)
{
    // Regular expressions only run forwards: the stretches before `stop` are searched from the
    // nearest back, each from its start, until one holds a match.
    while (stop.Row > 0) {
        const TLineStart start = StretchStartBefore(core, stop);
        const TDecodedStretch& stretch = Decode(core, start, stop.Offset - start.Offset);  // own lines end at `stop`
        const qsizetype limit = std::min(stretch.OwnEnd(), stretch.UnitAtOffset(before));
        std::optional<TTextMatch> last;
        QRegularExpressionMatchIterator matches = pattern_.globalMatch(stretch.Text());
        while (matches.hasNext()) {
            const QRegularExpressionMatch m = matches.next();
            if (m.capturedStart() >= limit)
                break;
            if (m.capturedLength() > 0)
                last = ToOffsets(m);
        }
        if (!matches.isValid())
            throw TEngineGaveUp{};
        if (last)
            return last;
        steps.Advance(stop.Offset - start.Offset);
        stop = start;
    }
    return std::nullopt;
}

template <typename Result, typename Search>
Result TDocumentSearch::Run(const TEditorCore& core, Result none, Search&& search)
{
    failure_ = TSearchFailure::NotFound;
    if (!Ready())
        return none;
    try {
        TWorkSteps steps(core.Document().WorkMeter(), core.GetTextLen());
        return search(steps);
    } catch (const TWorkStopped&) {
        failure_ = TSearchFailure::Stopped;
    } catch (const TEngineGaveUp&) {
        failure_ = TSearchFailure::TooComplex;
    }
    return none;
}

std::optional<TDocumentSearch::TFound> TDocumentSearch::FindNext(const TEditorCore& core, long long from)
{
    return Run(core, std::optional<TFound>(), [&](TWorkSteps& steps) -> std::optional<TFound> {
        const TLineStart line = LineStartAt(core, from);
        if (const auto match = FirstFrom(core, line, from, core.Rows().Count(), steps))
            return TFound{*match, false};
        if (from > 0) {
            if (const auto match = FirstFrom(core, {}, 0, line.Row + 1, steps))
                return TFound{*match, true};
        }
        return std::nullopt;
    });
}

std::optional<TDocumentSearch::TFound> TDocumentSearch::FindPrevious(const TEditorCore& core, long long before)
{
    return Run(core, std::optional<TFound>(), [&](TWorkSteps& steps) -> std::optional<TFound> {
        // From the end of the line of `before`, so that the stretch holds all of it.
        const RowList& rows = core.Rows();
        const TLineStart line = LineStartAt(core, before);
        TLineStart stop{LineEndRow(core, line.Row), line.Offset};
        for (int r = line.Row; r < stop.Row; ++r)
            stop.Offset += RowBytes(rows, r);
        if (const auto match = LastBefore(core, stop, before, steps))
            return TFound{*match, false};
        if (const auto match = LastBefore(core, {rows.Count(), core.GetTextLen()}, core.GetTextLen() + 1, steps))
            return TFound{*match, true};
        return std::nullopt;
    });
}

QRegularExpressionMatch TDocumentSearch::MatchAt(qsizetype at, qsizetype end) const
{
    const QStringView text = QStringView(stretch_.Text()).left(end < 0 ? stretch_.Text().size() : end);
    QRegularExpressionMatch m =
        pattern_.match(text, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    // As a search goes on after an empty match: the non-empty match at the same place.
    if (m.hasMatch() && m.capturedLength() == 0 && nonEmptyPattern_.isValid())
        m = nonEmptyPattern_.match(text, at, QRegularExpression::NormalMatch,
                                   QRegularExpression::AnchorAtOffsetMatchOption);
    if (!m.isValid())
        throw TEngineGaveUp{};
    return m;
}

bool TDocumentSearch::IsMatch(const TEditorCore& core, TTextMatch match)
{
    return Run(core, false, [&](TWorkSteps&) { return ExactMatch(core, match).has_value(); });
}

std::optional<QRegularExpressionMatch> TDocumentSearch::ExactMatch(const TEditorCore& core, TTextMatch match)
{
    if (match.Length <= 0)
        return std::nullopt;
    const TLineStart line = LineStartAt(core, match.Start);
    // The stretch holds the whole match in its own lines, however many lines it spans.
    const TDecodedStretch& stretch = Decode(core, line, std::max<long long>(1, match.End() - line.Offset));
    const qsizetype unit = stretch.UnitAtOffset(match.Start);
    const qsizetype end = stretch.UnitAtOffset(match.End());
    if (stretch.OffsetOfUnit(unit) != match.Start || stretch.OffsetOfUnit(end) != match.End())
        return std::nullopt;
    const auto exactly = [&](const QRegularExpressionMatch& m) {
        const TTextMatch found = m.hasMatch() ? ToOffsets(m) : TTextMatch{};
        return m.hasMatch() && m.capturedLength() > 0 && found.Start == match.Start && found.Length == match.Length;
    };
    if (QRegularExpressionMatch m = MatchAt(unit); exactly(m))
        return m;
    // A pattern without a bound (`[^z]+`) goes further here than where it was found, whose
    // text ended sooner: cut at the same end, it gives the match again.
    if (QRegularExpressionMatch m = MatchAt(unit, end); exactly(m))
        return m;
    return std::nullopt;
}

QString TDocumentSearch::SetReplacement(const QString& replacement, TTextEncoding encoding)
{
    replacement_.clear();
    if (encoding == TTextEncoding::Cp932 && !FitsCp932(replacement))
        return QStringLiteral("置換後の文字列に Shift-JIS で表せない文字があります");
    if (!options_.RegularExpression) {
        replacement_.push_back({DocumentBytes(replacement, encoding)});
        return {};
    }
    QString literal;
    const auto takeLiteral = [&] {
        if (!literal.isEmpty())
            replacement_.push_back({DocumentBytes(literal, encoding)});
        literal.clear();
    };
    for (qsizetype i = 0; i < replacement.size(); ++i) {
        const QChar c = replacement[i];
        const QChar next = i + 1 < replacement.size() ? replacement[i + 1] : QChar();
        if (c != u'\\' || next.isNull()) {
            literal += c;
        } else if (next >= u'0' && next <= u'9') {
            takeLiteral();
            replacement_.push_back({{}, next.unicode() - u'0'});
            ++i;
        } else if (next == u'n' || next == u't' || next == u'\\') {
            literal += next == u'n' ? u'\n' : next == u't' ? u'\t' : u'\\';
            ++i;
        } else {
            literal += c;  // any other escape stands as it is written
        }
    }
    takeLiteral();
    return {};
}

template <typename BytesOf>
void TDocumentSearch::AppendReplacement(std::string& out, const QRegularExpressionMatch& m, BytesOf&& bytesOf) const
{
    for (const TPiece& piece : replacement_) {
        if (piece.Group < 0)
            out += piece.Bytes;
        else if (piece.Group <= m.lastCapturedIndex() && m.capturedStart(piece.Group) >= 0)
            out += bytesOf(m.capturedStart(piece.Group), m.capturedEnd(piece.Group));
    }
}

bool TDocumentSearch::Replace(TEditorCore& core, TTextMatch match)
{
    const std::optional<std::string> out = Run(core, std::optional<std::string>(), [&](TWorkSteps&) {
        std::optional<std::string> bytes;
        if (const std::optional<QRegularExpressionMatch> exact = ExactMatch(core, match)) {
            // Groups are copied as the document's own bytes, never decoded and encoded again.
            AppendReplacement(bytes.emplace(), *exact, [&](qsizetype from, qsizetype to) {
                return core.TextRange(stretch_.OffsetOfUnit(from), stretch_.OffsetOfUnit(to));
            });
        }
        return bytes;
    });
    if (!out)
        return false;
    if (!core.ReplaceRange(match.Start, match.End(), *out)) {
        failure_ = TSearchFailure::Stopped;
        return false;
    }
    return true;
}

TDocumentSearch::TReplacements TDocumentSearch::CollectReplacements(const TEditorCore& core, std::string_view source,
                                                                    long long caret, TWorkSteps& steps)
{
    TReplacements all;
    all.Caret = caret;
    std::string& out = all.Text;
    long long& first = all.Range.Start;
    long long last = 0;
    first = -1;
    for (TLineStart line; line.Row < core.Rows().Count();) {
        const TDecodedStretch& stretch = Decode(core, line, stretchBytes_);
        QRegularExpressionMatchIterator matches = pattern_.globalMatch(stretch.Text());
        while (matches.hasNext()) {
            const QRegularExpressionMatch m = matches.next();
            if (m.capturedStart() >= stretch.OwnEnd())
                break;
            const TTextMatch match = ToOffsets(m);
            // Empty matches are never taken, nor one inside a match that ran on from the stretch before.
            if (match.Length == 0 || (first >= 0 && match.Start < last))
                continue;
            if (first < 0) {
                first = match.Start;
                // About as long as the rest of the document: copied into once, on large pages.
                const std::size_t expected = source.size() - static_cast<std::size_t>(first) + 4096;
                out.reserve(expected);
                PreferLargePages(out.data(), expected);
            } else {
                out.append(source.substr(static_cast<std::size_t>(last), static_cast<std::size_t>(match.Start - last)));
            }
            const std::size_t before = out.size();
            AppendReplacement(out, m, [&](qsizetype from, qsizetype to) {
                const long long start = stretch.OffsetOfUnit(from);
                return source.substr(static_cast<std::size_t>(start),
                                     static_cast<std::size_t>(stretch.OffsetOfUnit(to) - start));
            });
            if (match.End() <= caret)
                all.Caret += static_cast<long long>(out.size() - before) - match.Length;
            else if (match.Start < caret)
                all.Caret = first + static_cast<long long>(out.size());
            last = match.End();
            ++all.Count;
        }
        if (!matches.isValid())
            throw TEngineGaveUp{};
        line = PastStretch(stretch, line, steps);
    }
    all.Range.Length = last - first;
    return all;
}

long long TDocumentSearch::ReplaceAll(TEditorCore& core)
{
    if (core.Options().ReadOnly) {
        failure_ = TSearchFailure::NotFound;
        return 0;
    }
    // Everything from the first match to the end of the last, rebuilt, replaces that stretch
    // in one edit. The search and the edit are one piece of work: one progress, one stop.
    return Run(core, 0LL, [&](TWorkSteps& steps) -> long long {
        const std::string bytes = core.Lines().GetTextStr();
        const TReplacements all = CollectReplacements(core, bytes, core.SelStart(), steps);
        if (all.Count == 0)
            return 0;
        if (!core.ReplaceRange(all.Range.Start, all.Range.End(), all.Text))
            throw TWorkStopped{};
        core.SetSelStart(all.Caret);
        return all.Count;
    });
}

}  // namespace tavi
