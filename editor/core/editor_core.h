// The editor document: rows, the Lines view, undo, caret and line-store settings, without any toolkit.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/core/editor_strings.h"
#include "editor/core/editor_view.h"
#include "editor/core/row_list.h"
#include "editor/core/undo.h"
#include "editor/core/wrap_text.h"

namespace tavi {

// Everything the editor widget shows and edits, as plain data and algorithms. The
// widget owns one, implements TEditorView and attaches it with SetView.
class TEditorCore {
public:
    TEditorCore();
    ~TEditorCore();
    TEditorCore(const TEditorCore&) = delete;
    TEditorCore& operator=(const TEditorCore&) = delete;

    // The view that is asked to repaint and place the caret; nullptr restores a view
    // that shows nothing. The view must outlive its attachment.
    void SetView(TEditorView* view);
    TEditorView& View() const { return *view_; }

    RowList& Rows() { return rows_; }
    const RowList& Rows() const { return rows_; }
    TEditorStrings& Lines() { return lines_; }
    const TEditorStrings& Lines() const { return lines_; }
    TEditorUndoObj& UndoObj() { return undo_; }

    // Row reads; out-of-range rows give the empty or neutral values (text "", end
    // reEof, width 0). The text view stays valid until the rows change.
    std::string_view RowText(int r) const;
    TRowEnd RowEnd(int r) const;
    std::string DisplayRowText(int r) const;
    int RowWidth(int r) const;

    // Rows r..r+n-1 (n = -1: the rows from r to the end of its logical line): their text
    // with CR LF after each reBreak row, their number and the end of the last. For r out
    // of range: "", 0 and -1.
    struct TTakenRows {
        std::string Text;
        int Count = 0;
        int LastEnd = -1;
    };
    TTakenRows TakeRows(int r, int n) const;

    // First row of logical line i (the row count at or past the last line).
    int LineToRow(int i) const;

    // WrapText / WrapTextWithEnd with the current settings.
    TWrapRule WrapRule() const { return {wordWrap_, wrapByte_, tabSpaceCount_}; }
    RowList WrapText(std::string_view s) const { return tavi::WrapText(s, WrapRule()); }
    RowList WrapTextWithEnd(std::string_view s, TRowEnd lastEnd) const
    {
        return tavi::WrapTextWithEnd(s, WrapRule(), lastEnd);
    }
    // Re-wraps every logical line at WrapByte inside a Lines update; the caret row is
    // kept within the rows.
    void RewrapAll();
    // Joins every logical line into one row inside a Lines update; caret row as above.
    void UnwrapAll();
    // Re-wraps the logical line from row r after an edit (when WordWrap is on and r is
    // reWrap or at least WrapByte columns wide), repaints the old band and shifts the rows
    // below by (new rows + delta - old rows). Returns the new row count of the line from
    // r, 1 when nothing was re-wrapped, 0 for an invalid r.
    int RewrapLine(int r, int delta);

    // Line-store settings. Changing WordWrap or WrapByte clears undo and redo and
    // re-wraps the document.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    int WrapByte() const { return wrapByte_; }
    void SetWrapByte(int value);  // clamped to 20..250
    int TabSpaceCount() const { return tabSpaceCount_; }
    void SetTabSpaceCount(int value);  // clamped to 2..8, odd values lowered by one
    // Only true while CaretFree is on and RetMark, EofMark and WordWrap are off.
    bool DisposeBlank() const { return disposeBlank_; }
    void SetDisposeBlank(bool value);
    bool CaretFree() const { return caretFree_; }
    void SetCaretFree(bool value);
    bool CaretInTab() const { return caretInTab_; }
    void SetCaretInTab(bool value) { caretInTab_ = value; }
    bool RetMark() const { return retMark_; }
    void SetRetMark(bool value);
    bool EofMark() const { return eofMark_; }
    void SetEofMark(bool value);
    int UndoListMax() const { return undo_.ListMax(); }
    void SetUndoListMax(int value) { undo_.SetListMax(value); }

    // The caret: a row (0..row count; not past a final reEof row) and a display column.
    int CaretRow() const { return caretRow_; }
    int CaretCol() const { return caretCol_; }
    // Moves the caret to row r (clamped) when it differs or the caret's row is no longer
    // in the text, fitting the column for a vertical move.
    void SetCaretRow(int r);
    // Moves the caret to column c (clamped to 0..MaxLeftCol + VisibleCols), fitting it
    // around double-byte characters, tabs and wrapped rows.
    void SetCaretCol(int c);
    // SetCaretRow then SetCaretCol with the caret hidden meanwhile.
    void PlaceCaretAt(int row, int col);

    void Undo() { undo_.Undo(); }
    void Redo() { undo_.Redo(); }
    bool CanUndo() const { return undo_.CanUndo(); }
    bool CanRedo() const { return undo_.CanRedo(); }

    // Replaces the document by `lines`, one logical line each (undo is cleared, the
    // document re-wrapped), then recomputes metrics and scroll ranges and repaints.
    void AssignLines(const std::vector<std::string>& lines);
    // Loads the lines stored with a form: each string becomes one reBreak line, then the
    // document is re-wrapped; the document counts as unmodified afterwards.
    void LoadDesignLines(const std::vector<std::string>& lines);
    // The logical lines as they are stored with a form.
    std::vector<std::string> DesignLines() const;

    // Set by every change of the rows.
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }
    // Raised after every reported change of the rows.
    std::function<void()> OnChange;

private:
    void RowListChanged();
    void FitCaretCol(bool vertical, int dir);
    // Moves a caret row that re-wrapping left past the text onto its last position.
    void KeepCaretInRows();
    // The last row the caret may stand on: the row count, less one after a final reEof row.
    int LastCaretRow() const;
    void ReplaceByLines(const std::vector<std::string>& lines);

    TNullEditorView nullView_;
    TEditorView* view_ = &nullView_;
    RowList rows_;
    TEditorStrings lines_;
    TEditorUndoObj undo_;

    bool wordWrap_ = false;
    int wrapByte_ = 80;
    int tabSpaceCount_ = 8;
    bool disposeBlank_ = true;
    bool caretFree_ = true;
    bool caretInTab_ = false;
    bool retMark_ = false;
    bool eofMark_ = false;

    int caretRow_ = 0;
    int caretCol_ = 0;
    bool halfStep_ = false;  // a vertical move shifted the caret left off a trail byte
    bool modified_ = false;
};

}  // namespace tavi
