// The document's text as assistive technologies read it: offsets, ranges, and the character, word or line at an offset.
#include "editor/accessible_text.h"

#include <algorithm>
#include <string>
#include <vector>

#include "editor/accessible_characters.h"
#include "editor/core/word_split.h"

namespace tavi {

TTextPos TAccessibleText::EndOfText() const
{
    const TDocument& doc = core_.Document();
    const TRow end = doc.EndRow();
    return {end, TByte(static_cast<int>(doc.RowText(end).size()))};
}

long long TAccessibleText::OffsetOf(TTextPos p)
{
    const int count = core_.Rows().Count();
    const TRow row(std::clamp(p.Row.Value(), 0, count));
    const long long start = index_.RowStart(row);
    if (row.Value() == count)
        return start;
    return start + UnitsBefore(core_.Document().RowText(row), p.Byte.Value(), core_.Encoding());
}

TTextPos TAccessibleText::PlaceOf(long long offset)
{
    const TAccessibleTextIndex::TRowCharacter at = index_.RowOf(offset);
    if (at.Row.Value() >= core_.Rows().Count())
        return EndOfText();
    return {at.Row, TByte(ByteOfUnit(core_.Document().RowText(at.Row), at.Within, core_.Encoding()))};
}

QString TAccessibleText::Text(long long start, long long end)
{
    const long long total = CharacterCount();
    start = std::clamp(start, 0LL, total);
    end = std::clamp(end, start, total);
    QString text;
    if (start == end)
        return text;
    text.reserve(static_cast<qsizetype>(end - start));
    const TTextPos from = PlaceOf(start);
    const TTextPos to = PlaceOf(end);
    const TDocument& doc = core_.Document();
    for (TRow r = from.Row; r <= to.Row; ++r) {
        const std::string_view row = doc.RowText(r);
        const int first = r == from.Row ? from.Byte.Value() : 0;
        const int last = r == to.Row ? to.Byte.Value() : static_cast<int>(row.size());
        AppendCharacters(text, row.substr(first, static_cast<std::size_t>(std::max(0, last - first))),
                         core_.Encoding());
        if (r < to.Row && doc.RowEnd(r) == reBreak)
            text += QLatin1Char('\n');
    }
    return text;
}

long long TAccessibleText::CaretOffset()
{
    const int row = core_.CaretRow();
    return OffsetOf({TRow(row), TByte(ColumnToByte(core_.ColumnMapOf(row), core_.CaretCol()))});
}

std::optional<TTextSpan> TAccessibleText::Selection()
{
    if (!core_.Selected() || core_.SelectionBounds().Empty())
        return std::nullopt;
    const TSelBounds b = core_.SelectionBounds();
    return TTextSpan{OffsetOf({b.StartRow, b.StartByte}), OffsetOf({b.EndRow, b.EndByte})};
}

TTextSpan TAccessibleText::SpanAt(long long offset, TTextUnit unit)
{
    const long long total = CharacterCount();
    offset = std::clamp(offset, 0LL, total);
    const TTextPos p = PlaceOf(offset);
    if (offset == total && unit != TTextUnit::Line)
        return {total, total};
    if (p.Row.Value() >= core_.Rows().Count())
        return {total, total};  // the empty line after a final line break
    switch (unit) {
        case TTextUnit::Character:
            return CharacterAt(p);
        case TTextUnit::Word:
            return WordAt(p);
        case TTextUnit::Line:
            break;
    }
    return LineAt(p);
}

std::optional<TTextSpan> TAccessibleText::SpanBefore(long long offset, TTextUnit unit)
{
    const TTextSpan at = SpanAt(offset, unit);
    if (at.Start <= 0)
        return std::nullopt;
    return SpanAt(at.Start - 1, unit);
}

std::optional<TTextSpan> TAccessibleText::SpanAfter(long long offset, TTextUnit unit)
{
    const TTextSpan at = SpanAt(offset, unit);
    if (at.End >= CharacterCount())
        return std::nullopt;
    return SpanAt(at.End, unit);
}

TTextSpan TAccessibleText::CharacterAt(TTextPos p)
{
    const std::string_view row = core_.Document().RowText(p.Row);
    const long long start = OffsetOf(p);
    if (p.Byte.Value() >= static_cast<int>(row.size()))
        return {start, index_.RowStart(p.Row + 1)};  // a line's "\n"
    const TCharSpan span = CharAt(row, static_cast<std::size_t>(p.Byte.Value()), core_.Encoding());
    const std::string_view character =
        row.substr(static_cast<std::size_t>(p.Byte.Value()), static_cast<std::size_t>(span.Bytes));
    return {start, start + CharacterUnits(character, core_.Encoding())};
}

TTextSpan TAccessibleText::WordAt(TTextPos p)
{
    // The row and its neighbours in the same logical line, as the screen shows them: a word
    // cut by wrapping is whole here.
    const int count = core_.Rows().Count();
    const int row = p.Row.Value();
    const int first = row > 0 && core_.RowEnd(row - 1) == reWrap ? row - 1 : row;
    const int last = core_.RowEnd(row) == reWrap && row + 1 < count ? row + 1 : row;
    std::string columns;
    std::vector<int> rowColumns;  // where each row starts in `columns`
    for (int r = first; r <= last; ++r) {
        rowColumns.push_back(static_cast<int>(columns.size()));
        columns += core_.DisplayRowText(r);
    }
    const int col = rowColumns[static_cast<std::size_t>(row - first)] + core_.Document().ColumnOf(p).Value();
    int start = 0;
    int end = static_cast<int>(columns.size());
    for (const int word : SplitWords(columns, core_.Options().DelimDBCS)) {
        if (word >= static_cast<int>(columns.size()) || IsWordDelimiter(static_cast<unsigned char>(columns[word])))
            continue;
        if (word > col) {
            end = word;
            break;
        }
        start = word;
    }
    const auto offsetOfColumn = [&](int c) {
        if (c >= static_cast<int>(columns.size()))
            return index_.RowStart(TRow(last + 1));  // with the line's "\n"
        const auto k =
            static_cast<int>(std::upper_bound(rowColumns.begin(), rowColumns.end(), c) - rowColumns.begin()) - 1;
        const int r = first + k;
        const TColumnMap map = core_.ColumnMapOf(r);
        return OffsetOf({TRow(r), TByte(ColumnToByte(map, c - rowColumns[static_cast<std::size_t>(k)]))});
    };
    return {offsetOfColumn(start), offsetOfColumn(end)};
}

TTextSpan TAccessibleText::LineAt(TTextPos p)
{
    const int count = core_.Rows().Count();
    int first = p.Row.Value();
    while (first > 0 && core_.RowEnd(first - 1) == reWrap)
        --first;
    int last = p.Row.Value();
    while (last + 1 < count && core_.RowEnd(last) == reWrap)
        ++last;
    return {index_.RowStart(TRow(first)), index_.RowStart(TRow(last + 1))};
}

}  // namespace tavi
