// Turning a text into rows: splitting at line breaks and wrapping long lines at the wrap width.
#pragma once

#include <string_view>

#include "editor/core/row_list.h"
#include "editor/core/work_meter.h"
#include "text/row_text.h"

namespace tavi {

// The settings wrapping depends on.
struct TWrapRule {
    bool wordWrap = false;
    int wrapByte = 80;
    int tabSpaceCount = 8;
    TTextEncoding encoding = TTextEncoding::Cp932;  // what a character is
};

// Calls piece(offset, length, end) for the rows one line wraps into at rule.wrapByte
// columns: the cut pieces as reWrap, then the rest (possibly empty) as reBreak. A line
// exactly wrapByte columns wide gives a full piece and an empty rest.
template <class F>
void ForEachWrapPiece(std::string_view line, const TWrapRule& rule, F&& piece)
{
    std::size_t pos = 0;
    for (;;) {
        const std::size_t cut = WrapCutLength(line.substr(pos), rule.wrapByte, rule.tabSpaceCount, rule.encoding);
        if (cut == 0)
            break;
        piece(pos, cut, reWrap);
        pos += cut;
    }
    piece(pos, line.size() - pos, reBreak);
}

// The rows of `text`: an empty text gives one empty row; otherwise each line (split at
// CR LF, CR or LF, no empty line after a final break) gives its rows, wrapped when
// rule.wordWrap is on, one row otherwise. Every line's last row is reBreak. With `steps`,
// each byte wrapped advances them (and a stop asked for throws TWorkStopped).
RowList WrapText(std::string_view text, const TWrapRule& rule, TWorkSteps* steps = nullptr);

// WrapText, then the last row takes `lastEnd`. When lastEnd is reWrap, an empty last
// row is dropped first (a full row that goes on in the next row gains no empty rest).
RowList WrapTextWithEnd(std::string_view text, const TWrapRule& rule, TRowEnd lastEnd, TWorkSteps* steps = nullptr);

// The rows of a band's text as TEditorCore::TakeRows joins it (CR LF after every reBreak
// row, so a text that ends with a line break while lastEnd is not reBreak had an empty
// last row), the last row ending with `lastEnd`.
RowList WrapBandText(std::string_view text, const TWrapRule& rule, TRowEnd lastEnd, TWorkSteps* steps = nullptr);

}  // namespace tavi
