// Turning a text into rows: splitting at line breaks and wrapping long lines at the wrap width.
#include "editor/core/wrap_text.h"

#include "editor/core/text_lines.h"

namespace tavi {

RowList WrapText(std::string_view text, const TWrapRule& rule, TWorkSteps* steps)
{
    RowList rows;
    if (text.empty()) {
        rows.Append({}, reBreak);
        return rows;
    }
    rows.Reserve(4, text.size());
    std::size_t reported = 0;
    const auto reach = [&](const char* at) {
        if (steps != nullptr) {
            const auto done = static_cast<std::size_t>(at - text.data());
            steps->Advance(static_cast<long long>(done - reported));
            reported = done;
        }
    };
    ForEachLine(text, [&](std::string_view line) {
        reach(line.data());
        if (!rule.wordWrap) {
            rows.Append(line, reBreak);
            return;
        }
        ForEachWrapPiece(line, rule, [&](std::size_t pos, std::size_t len, TRowEnd end) {
            rows.Append(line.substr(pos, len), end);
            reach(line.data() + pos);
        });
    });
    reach(text.data() + text.size());
    return rows;
}

RowList WrapTextWithEnd(std::string_view text, const TWrapRule& rule, TRowEnd lastEnd, TWorkSteps* steps)
{
    RowList rows = WrapText(text, rule, steps);
    if (lastEnd == reWrap && rows.Count() > 1 && rows.Text(rows.Count() - 1).empty())
        rows.Delete(rows.Count() - 1, 1);
    if (rows.End(rows.Count() - 1) != lastEnd)
        rows.SetEnd(rows.Count() - 1, lastEnd);
    return rows;
}

RowList WrapBandText(std::string_view text, const TWrapRule& rule, TRowEnd lastEnd, TWorkSteps* steps)
{
    const bool endsWithBreak = !text.empty() && (text.back() == '\n' || text.back() == '\r');
    if (!endsWithBreak || lastEnd == reBreak)
        return WrapTextWithEnd(text, rule, lastEnd, steps);
    RowList rows = WrapText(text, rule, steps);
    rows.Append({}, lastEnd);
    return rows;
}

}  // namespace tavi
