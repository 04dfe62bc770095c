// Finding the partner of a bracket in a style sheet, past comments and strings.
#include "css/css_brackets.h"

#include <cstdlib>
#include <string_view>
#include <vector>

namespace tavi {

namespace {

constexpr std::string_view kOpening = "{([";
constexpr std::string_view kClosing = "})]";

// The bytes of row r where a bracket stands outside comments and strings, in order.
std::vector<int> BracketsOfRow(TCssRowStates& states, const TCssRowSource& rows, int r)
{
    const std::string_view text = rows.RowText(r);
    std::vector<TCssSpan> spans;
    states.SpansOfRow(rows, r, spans);
    std::vector<int> found;
    std::size_t span = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto at = static_cast<int>(i);
        while (span < spans.size() && spans[span].End <= at)
            ++span;
        const bool quoted = span < spans.size() && spans[span].Begin <= at &&
                            (spans[span].Class == TCssClass::Comment || spans[span].Class == TCssClass::String);
        if (!quoted &&
            (kOpening.find(text[i]) != std::string_view::npos || kClosing.find(text[i]) != std::string_view::npos))
            found.push_back(at);
        i += static_cast<std::size_t>(CharAt(text, i, rows.Encoding()).Bytes);
    }
    return found;
}

}  // namespace

std::optional<std::pair<TCssBracket, TCssBracket>> MatchBracket(TCssRowStates& states, const TCssRowSource& rows, int r,
                                                                int at, int rowLimit)
{
    if (r < 0 || r >= rows.RowCount())
        return std::nullopt;
    const std::vector<int> own = BracketsOfRow(states, rows, r);
    // The bracket at the caret, or the one before it.
    std::optional<int> bracket;
    for (int b : own) {
        if (b == at)
            bracket = b;
    }
    if (!bracket) {
        for (int b : own) {
            if (b < at && CharAt(rows.RowText(r), static_cast<std::size_t>(b), rows.Encoding()).Bytes + b == at)
                bracket = b;
        }
    }
    if (!bracket)
        return std::nullopt;
    const char sign = rows.RowText(r)[static_cast<std::size_t>(*bracket)];
    const std::size_t open = kOpening.find(sign);
    const bool forward = open != std::string_view::npos;
    const char partner = forward ? kClosing[open] : kOpening[kClosing.find(sign)];
    int depth = 0;
    for (int row = r; row >= 0 && row < rows.RowCount() && std::abs(row - r) <= rowLimit; row += forward ? 1 : -1) {
        const std::vector<int> found = row == r ? own : BracketsOfRow(states, rows, row);
        const std::string_view text = rows.RowText(row);
        for (std::size_t k = 0; k < found.size(); ++k) {
            const int b = found[forward ? k : found.size() - 1 - k];
            if (row == r && (forward ? b <= *bracket : b >= *bracket))
                continue;
            if (text[static_cast<std::size_t>(b)] == sign) {
                ++depth;
            } else if (text[static_cast<std::size_t>(b)] == partner) {
                if (depth == 0)
                    return std::pair{TCssBracket{r, *bracket}, TCssBracket{row, b}};
                --depth;
            }
        }
    }
    return std::nullopt;
}

}  // namespace tavi
