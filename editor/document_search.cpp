// Finding and replacing text in the editor's document: the document decoded by characters and searched with
// regular expressions, matches turned back into text offsets.
#include "editor/document_search.h"

#include <algorithm>
#include <bit>
#include <string_view>

#include "editor/core/editor_core.h"
#include "editor/core/large_pages.h"
#include "editor/core/shift_jis.h"
#include "platform/code_page.h"

namespace tavi {

namespace {

constexpr std::size_t kBlockWords = 4096 / 64;  // words of wide-character bits per block

}  // namespace

void TDecodedDocument::Read(const TEditorCore& core)
{
    const RowList& rows = core.Rows();
    // No character gives more than one unit, so the text fits in as many units as bytes.
    const long long length = core.GetTextLen();
    text_ = QString(static_cast<qsizetype>(length), Qt::Uninitialized);
    char16_t* const out = reinterpret_cast<char16_t*>(text_.data());
    PreferLargePages(out, static_cast<std::size_t>(length) * sizeof(char16_t));
    wide_.assign(static_cast<std::size_t>(length / 64 + 1), 0);
    const auto markWide = [this](qsizetype i) { wide_[static_cast<std::size_t>(i >> 6)] |= std::uint64_t{1} << (i & 63); };

    const TCp932Units units = Cp932Units();
    qsizetype n = 0;
    for (int r = 0; r < rows.Count(); ++r) {
        const std::string_view row = rows.Text(r);
        const auto* bytes = reinterpret_cast<const unsigned char*>(row.data());
        const std::size_t size = row.size();
        for (std::size_t i = 0; i < size;) {
            // Style sheets are mostly ASCII, where every byte is a character of its own.
            while (i < size && bytes[i] < 0x80)
                out[n++] = units.single[bytes[i++]];
            if (i == size)
                break;
            const unsigned char c = bytes[i];
            char16_t unit;
            // A lead byte takes the byte after it in its row, as the caret steps over them.
            if (IsLeadByte(c) && i + 1 < size) {
                const unsigned char trail = bytes[i + 1];
                unit = IsTrailByte(trail) ? units.pairs[c << 8 | trail] : 0;
                markWide(n);
                i += 2;
            } else {
                unit = units.single[c];
                ++i;
            }
            out[n++] = unit != 0 || c == 0 ? unit : u'\uFFFD';
        }
        if (rows.End(r) == reBreak) {
            markWide(n);
            out[n++] = u'\n';
        }
    }
    text_.truncate(n);

    blockOffsets_.assign(static_cast<std::size_t>(n / kBlock + 1), 0);
    long long wide = 0;
    for (std::size_t k = 0; k < blockOffsets_.size(); ++k) {
        blockOffsets_[k] = static_cast<long long>(k) * kBlock + wide;
        const std::size_t first = k * kBlockWords;
        const std::size_t last = std::min(wide_.size(), first + kBlockWords);
        for (std::size_t w = first; w < last; ++w)
            wide += std::popcount(wide_[w]);
    }
}

void TDecodedDocument::Clear()
{
    text_ = QString();
    wide_ = {};
    blockOffsets_ = {};
}

long long TDecodedDocument::OffsetOfUnit(qsizetype i) const
{
    i = std::clamp<qsizetype>(i, 0, text_.size());
    const std::size_t block = static_cast<std::size_t>(i / kBlock);
    long long offset = blockOffsets_.at(block) + (i - static_cast<qsizetype>(block) * kBlock);
    const std::size_t word = static_cast<std::size_t>(i >> 6);
    for (std::size_t w = block * kBlockWords; w < word; ++w)
        offset += std::popcount(wide_[w]);
    if (const int bits = static_cast<int>(i & 63))
        offset += std::popcount(wide_[word] & ((std::uint64_t{1} << bits) - 1));
    return offset;
}

qsizetype TDecodedDocument::UnitAtOffset(long long offset) const
{
    if (offset <= 0 || blockOffsets_.empty())
        return 0;
    const auto after = std::upper_bound(blockOffsets_.begin(), blockOffsets_.end(), offset);
    const qsizetype block = (after - blockOffsets_.begin()) - 1;
    qsizetype unit = block * kBlock;
    long long at = blockOffsets_[static_cast<std::size_t>(block)];
    while (unit < text_.size() && at < offset) {
        at += 1 + static_cast<long long>((wide_[static_cast<std::size_t>(unit >> 6)] >> (unit & 63)) & 1);
        ++unit;
    }
    return unit;
}

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
    return {};
}

bool TDocumentSearch::Ready() const
{
    return !options_.Text.isEmpty() && pattern_.isValid() && !pattern_.pattern().isEmpty();
}

void TDocumentSearch::Forget()
{
    document_.Clear();
    read_ = false;
    readFrom_ = nullptr;
}

const TDecodedDocument& TDocumentSearch::Document(const TEditorCore& core)
{
    if (!read_ || readFrom_ != &core || readRevision_ != core.Revision()) {
        document_.Read(core);
        readFrom_ = &core;
        readRevision_ = core.Revision();
        read_ = true;
    }
    return document_;
}

TTextMatch TDocumentSearch::ToOffsets(qsizetype start, qsizetype length) const
{
    const long long from = document_.OffsetOfUnit(start);
    return {from, document_.OffsetOfUnit(start + length) - from};
}

std::optional<TTextMatch> TDocumentSearch::FirstFrom(qsizetype from)
{
    // One iterator for the whole way: every separate match call would check the whole text again.
    QRegularExpressionMatchIterator matches = pattern_.globalMatch(document_.Text(), from);
    while (matches.hasNext()) {
        const QRegularExpressionMatch m = matches.next();
        if (m.capturedLength() > 0)
            return ToOffsets(m.capturedStart(), m.capturedLength());
    }
    return std::nullopt;
}

std::optional<TTextMatch> TDocumentSearch::LastBefore(qsizetype limit)
{
    // Regular expressions only run forwards: windows of whole lines before `limit`, each twice
    // as long as the one after it, are searched until one holds a match.
    const QString& text = document_.Text();
    // A match must start before `stop`; it may go on to the end of the line `stop` is on.
    const auto lineEnd = [&text](qsizetype at) {
        const qsizetype end = text.indexOf(u'\n', at);
        return end < 0 ? text.size() : end;
    };
    qsizetype stop = limit;
    for (qsizetype window = qsizetype{1} << 16; stop > 0; window *= 2) {
        qsizetype start = std::max<qsizetype>(0, stop - window);
        if (start > 0)
            start = text.lastIndexOf(u'\n', start - 1) + 1;
        std::optional<TTextMatch> last;
        QRegularExpressionMatchIterator matches = pattern_.globalMatch(QStringView(text).mid(start, lineEnd(stop) - start));
        while (matches.hasNext()) {
            const QRegularExpressionMatch m = matches.next();
            if (start + m.capturedStart() >= stop)
                break;
            if (m.capturedLength() > 0)
                last = ToOffsets(start + m.capturedStart(), m.capturedLength());
        }
        if (last)
            return last;
        stop = start;
    }
    return std::nullopt;
}

std::optional<TDocumentSearch::TFound> TDocumentSearch::FindNext(const TEditorCore& core, long long from)
{
    if (!Ready())
        return std::nullopt;
    const qsizetype unit = Document(core).UnitAtOffset(from);
    if (const auto match = FirstFrom(unit))
        return TFound{*match, false};
    if (unit > 0) {
        if (const auto match = FirstFrom(0))
            return TFound{*match, true};
    }
    return std::nullopt;
}

std::optional<TDocumentSearch::TFound> TDocumentSearch::FindPrevious(const TEditorCore& core, long long before)
{
    if (!Ready())
        return std::nullopt;
    const TDecodedDocument& document = Document(core);
    const qsizetype unit = document.UnitAtOffset(before);
    if (const auto match = LastBefore(unit))
        return TFound{*match, false};
    if (unit < document.Text().size()) {
        if (const auto match = LastBefore(document.Text().size()))
            return TFound{*match, true};
    }
    return std::nullopt;
}

QRegularExpressionMatch TDocumentSearch::MatchAt(qsizetype at) const
{
    return pattern_.match(document_.Text(), at, QRegularExpression::NormalMatch,
                          QRegularExpression::AnchorAtOffsetMatchOption);
}

bool TDocumentSearch::IsMatch(const TEditorCore& core, TTextMatch match)
{
    if (!Ready() || match.Length <= 0)
        return false;
    const TDecodedDocument& document = Document(core);
    const qsizetype unit = document.UnitAtOffset(match.Start);
    if (document.OffsetOfUnit(unit) != match.Start)
        return false;
    const QRegularExpressionMatch m = MatchAt(unit);
    if (!m.hasMatch() || m.capturedLength() == 0)
        return false;
    const TTextMatch found = ToOffsets(m.capturedStart(), m.capturedLength());
    return found.Start == match.Start && found.Length == match.Length;
}

QString TDocumentSearch::SetReplacement(const QString& replacement)
{
    replacement_.clear();
    if (!FitsCp932(replacement))
        return QStringLiteral("置換後の文字列に Shift-JIS で表せない文字があります");
    if (!options_.RegularExpression) {
        replacement_.push_back({ToCp932String(replacement)});
        return {};
    }
    QString literal;
    const auto takeLiteral = [&] {
        if (!literal.isEmpty())
            replacement_.push_back({ToCp932String(literal)});
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

void TDocumentSearch::Replace(TEditorCore& core, TTextMatch match)
{
    if (!IsMatch(core, match))
        return;
    const TDecodedDocument& document = document_;
    const QRegularExpressionMatch m = MatchAt(document.UnitAtOffset(match.Start));
    std::string out;
    // Groups are copied as the document's own bytes, never decoded and encoded again.
    AppendReplacement(out, m, [&](qsizetype from, qsizetype to) {
        return core.TextRange(document.OffsetOfUnit(from), document.OffsetOfUnit(to));
    });
    core.ReplaceRange(match.Start, match.End(), out);
}

long long TDocumentSearch::ReplaceAll(TEditorCore& core)
{
    if (!Ready() || core.ReadOnly())
        return 0;
    const TDecodedDocument& document = Document(core);
    const std::string bytes = core.Lines().GetTextStr();
    const std::string_view source(bytes);
    const long long caret = core.SelStart();
    long long newCaret = caret;
    // Everything from the first match to the end of the last, rebuilt, replaces that stretch
    // in one edit.
    std::string out;
    long long first = -1;
    long long last = 0;
    long long count = 0;
    QRegularExpressionMatchIterator matches = pattern_.globalMatch(document.Text());
    while (matches.hasNext()) {
        const QRegularExpressionMatch m = matches.next();
        if (m.capturedLength() == 0)
            continue;
        const TTextMatch match = ToOffsets(m.capturedStart(), m.capturedLength());
        if (first < 0) {
            first = match.Start;
            // About as long as the rest of the document: copied into once, on large pages.
            const std::size_t expected = bytes.size() - static_cast<std::size_t>(first) + 4096;
            out.reserve(expected);
            PreferLargePages(out.data(), expected);
        } else {
            out.append(source.substr(static_cast<std::size_t>(last), static_cast<std::size_t>(match.Start - last)));
        }
        const std::size_t before = out.size();
        AppendReplacement(out, m, [&](qsizetype from, qsizetype to) {
            const long long start = document.OffsetOfUnit(from);
            return source.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(document.OffsetOfUnit(to) - start));
        });
        if (match.End() <= caret)
            newCaret += static_cast<long long>(out.size() - before) - match.Length;
        else if (match.Start < caret)
            newCaret = first + static_cast<long long>(out.size());
        last = match.End();
        ++count;
    }
    if (count == 0)
        return 0;
    core.ReplaceRange(first, last, out);
    core.SetSelStart(newCaret);
    return count;
}

}  // namespace tavi
