// A test fixture for editing through the editor core: a core on a recording view, rows set up by text, caret in
// "row,col".
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "editor/core/editor_core.h"
#include "editor/core/text_file.h"
#include "recording_view.h"
#include "row_dump.h"

namespace tavi::testing {

class EditorFixture : public ::testing::Test {
protected:
    EditorFixture() { core.SetView(&view); }
    // Replaces the document by `text` (undo emptied; a text without a final line break
    // ends with a reEof row) and puts the caret at row, col.
    void Load(std::string_view text, int row = 0, int col = 0)
    {
        core.Document().Load(RowsOfFileBytes(std::string(text), core.Document().WrapRule()), true);
        core.PlaceCaretAt(row, col);
        view.Reset();
    }
    std::string Rows() const { return Dump(core.Rows()); }
    std::string Text() const { return core.Lines().GetTextStr(); }
    std::string Caret() const { return std::to_string(core.CaretRow()) + "," + std::to_string(core.CaretCol()); }
    int Records() { return core.Document().UndoObj().UndoList().Count(); }
    void Key(TEditKey key, bool shift = false, bool ctrl = false, bool repeat = false)
    {
        core.KeyDown(key, {shift, ctrl}, repeat);
    }

    TRecordingView view;
    TEditorCore core;
};

}  // namespace tavi::testing
