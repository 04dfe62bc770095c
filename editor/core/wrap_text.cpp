// Turning a text into rows: splitting at line breaks and wrapping long lines at the wrap width.
#include "editor/core/wrap_text.h"

#include "editor/core/text_lines.h"

namespace tavi {

RowList WrapText(std::string_view text, const TWrapRule& rule)
{
    RowList rows;
    if (text.empty()) {
        rows.Append({}, reBreak);
        return rows;
    }
    rows.Reserve(4, text.size());
    ForEachLine(text, [&](std::string_view line) {
        if (!rule.wordWrap) {
            rows.Append(line, reBreak);
            return;
        }
        ForEachWrapPiece(line, rule.wrapByte, rule.tabSpaceCount, [&](std::size_t pos, std::size_t len, TRowEnd end) {
            rows.Append(line.substr(pos, len), end);
        });
    });
    return rows;
}

RowList WrapTextWithEnd(std::string_view text, const TWrapRule& rule, TRowEnd lastEnd)
{
    RowList rows = WrapText(text, rule);
    if (lastEnd == reWrap && rows.Count() > 1 && rows.Text(rows.Count() - 1).empty())
        rows.Delete(rows.Count() - 1, 1);
    if (rows.End(rows.Count() - 1) != lastEnd)
        rows.SetEnd(rows.Count() - 1, lastEnd);
    return rows;
}

RowList WrapBandText(std::string_view text, const TWrapRule& rule, TRowEnd lastEnd)
{
    const bool endsWithBreak = !text.empty() && (text.back() == '\n' || text.back() == '\r');
    if (!endsWithBreak || lastEnd == reBreak)
        return WrapTextWithEnd(text, rule, lastEnd);
    RowList rows = WrapText(text, rule);
    rows.Append({}, lastEnd);
    return rows;
}

}  // namespace tavi
