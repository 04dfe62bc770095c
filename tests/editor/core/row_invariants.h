// Test helpers that check the row list of an editor against what wrapping its logical lines gives, and the caret.
#pragma once

#include <gtest/gtest.h>

#include "editor/core/editor_core.h"
#include "editor/core/wrap_text.h"
#include "text/row_text.h"

namespace tavi::testing {

// Rows must be exactly what wrapping the logical lines gives, and only the last row may
// end the text.
inline void ExpectRowInvariants(const TEditorCore& core)
{
    const RowList& rows = core.Rows();
    const int n = rows.Count();
    for (int r = 0; r < n; ++r) {
        ASSERT_EQ(rows.Text(r).find_first_of("\r\n"), std::string_view::npos) << r;
        if (r + 1 < n) {
            ASSERT_NE(rows.End(r), reEof) << r;
        }
        if (!core.WordWrap()) {
            ASSERT_NE(rows.End(r), reWrap) << r;
        }
    }
    for (int r = 0; r < n;) {
        int e = r;
        std::string line(rows.Text(r));
        while (e + 1 < n && rows.End(e) == reWrap)
            line += rows.Text(++e);
        RowList expected = WrapText(line, core.Document().WrapRule());
        if (e == n - 1 && rows.End(e) == reWrap) {
            ASSERT_EQ(expected.Text(expected.Count() - 1), "") << "an open last row must be a full one";
            expected.Delete(expected.Count() - 1, 1);
        }
        ASSERT_EQ(expected.Count(), e - r + 1) << "line from row " << r;
        for (int k = 0; k < expected.Count(); ++k) {
            ASSERT_EQ(rows.Text(r + k), expected.Text(k)) << r + k;
            if (r + k < n - 1) {
                ASSERT_EQ(rows.End(r + k), expected.End(k)) << r + k;
            }
        }
        r = e + 1;
    }
    ASSERT_GE(core.CaretRow(), 0);
    ASSERT_LE(core.CaretRow(), n);
    if (n > 0 && rows.End(n - 1) == reEof) {
        ASSERT_LT(core.CaretRow(), n);
    }
}

// The caret stands on a character's first column and inside the wrap width (a vertical
// move may leave it inside a tab).
inline void ExpectLegalCaret(const TEditorCore& core)
{
    const int row = core.CaretRow();
    const int col = core.CaretCol();
    const TColumnMap map = core.ColumnMapOf(row);
    const int width = static_cast<int>(map.size());
    ASSERT_GE(col, 0);
    ASSERT_NE(CellAt(map, col), TCell::Trail) << row << "," << col;
    if (core.WordWrap()) {
        ASSERT_LE(col, core.WrapByte() - 1);
        if (core.RowEnd(row) == reWrap && row < core.Rows().Count()) {
            ASSERT_NE(col, width);
        }
    }
    if (!core.CaretFree()) {
        ASSERT_LE(col, width);
    }
}

}  // namespace tavi::testing
