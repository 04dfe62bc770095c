// The editor document: rows, the Lines view, undo, caret and line-store settings, without any toolkit.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/core/editor_input.h"
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
    // Clamped to 2..8, odd values lowered by one. A change re-wraps the document and
    // clears undo and redo, as WrapByte's does: records hold rows cut at the old width.
    void SetTabSpaceCount(int value);
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
    // The row that shows the "[EOF]" mark: 0 in an empty document, the last row when the
    // text has no final line break (the mark follows its text), else the row after it.
    int EofMarkRow() const;
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
    // Left at column 0 and Right at a row's end cross into the neighbouring row.
    bool CaretNextLine() const { return caretNextLine_; }
    void SetCaretNextLine(bool value) { caretNextLine_ = value; }
    // Changing the style re-creates the caret.
    TCaretStyle CaretStyle() const { return caretStyle_; }
    void SetCaretStyle(TCaretStyle value);
    // True when the caret stands on the first column of a double-byte character.
    bool CaretOnDoubleByte() const;
    // The caret's rectangle in its cell: csDefault a bar 2 pixels wide and rowHeight high;
    // csBrief a bar charWidth - characterMargin wide (twice that on a double-byte
    // character) and 2 pixels high at the bottom of the cell.
    TCaretShape CaretShape(int charWidth, int characterMargin, int rowHeight) const;

    // Input settings. ReadOnly blocks every edit by keys, typing, SelText and paste (not
    // ClearSelection or Lines); WantTabs and WantReturns tell the widget whether Tab and
    // Enter belong to the editor; the rest shape what Tab and Enter insert.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }
    bool SoftTab() const { return softTab_; }
    void SetSoftTab(bool value) { softTab_ = value; }
    bool TabIndent() const { return tabIndent_; }
    void SetTabIndent(bool value) { tabIndent_ = value; }
    bool CaretAutoIndent() const { return caretAutoIndent_; }
    void SetCaretAutoIndent(bool value) { caretAutoIndent_ = value; }
    bool PrevSpaceIndent() const { return prevSpaceIndent_; }
    void SetPrevSpaceIndent(bool value) { prevSpaceIndent_ = value; }
    // Word jumps treat a run of double-byte characters as a word of its own.
    bool DelimDBCS() const { return delimDBCS_; }
    void SetDelimDBCS(bool value) { delimDBCS_ = value; }

    // Keyboard (editor_keys.cpp). Handles one key press; returns false for a key the
    // editor leaves to the window (Tab unless WantTabs is on and neither Shift nor Ctrl
    // is held). autoRepeat: the key is held down (Up and Down then step two rows at the
    // edge of the view). KeyUp ends the repeat.
    bool KeyDown(TEditKey key, TKeyMods mods = {}, bool autoRepeat = false);
    void KeyUp() { autoRepeat_ = false; }
    // Types characters: printable ASCII, half-width katakana and whole double-byte
    // characters of `cp932` are inserted at the caret as one edit (one undo record), after
    // any selection is deleted; other bytes (controls, line breaks, a lead byte without
    // its trail) are dropped. An input method's committed string goes here too.
    void TypeChars(std::string_view cp932);
    // Moves the view by n rows and the caret with it (PgUp, PgDn).
    void ScrollRows(int n);

    // The selection (editor_selection.cpp). Bounds are meaningful while Selected(); the
    // previous bounds are those before the last change, for repainting the difference.
    bool Selected() const { return selected_; }
    TSelBounds SelectionBounds() const { return sel_; }
    TSelBounds PrevSelectionBounds() const { return prevSel_; }
    // Ends the selection without touching the text (any caret move without Shift does).
    void Deselect();
    // Text offsets count the bytes of each row plus 2 after a reBreak row (1 after the
    // final reEof row). SetSelStart deselects and puts the caret at offset n (clamped to
    // the text); SetSelLength selects n bytes forward from the selection's start or the
    // caret, the caret at the far end (n <= 0 deselects). Getters read the same counts.
    // Offsets are 64-bit: a document may be larger than 2 GiB.
    long long SelStart() const;
    void SetSelStart(long long n);
    long long SelLength() const;
    void SetSelLength(long long n);
    void SelectAll();
    // Bytes of the rows plus 2 per reBreak row.
    long long GetTextLen() const;
    // The selected bytes, rows joined with CR LF where a logical line ends.
    std::string SelText() const;
    // The text from offset `from` to offset `to`, as SelText would give it selected.
    std::string TextRange(long long from, long long to) const;
    // Replaces the selection (or inserts at the caret) by s, whose CR LF, CR or LF become
    // line breaks: the deletion and the insertion are one undo record each; the caret
    // ends after s. Nothing happens with ReadOnly on.
    void SetSelText(std::string_view s);
    // Replaces the text from offset `from` to offset `to` (offsets as SelStart counts them;
    // one inside a character counts from the character's end) by s, line breaks as SetSelText takes them, as ONE
    // undo record; the selection ends and the caret goes after s. Nothing happens with
    // ReadOnly on.
    void ReplaceRange(long long from, long long to, std::string_view s);
    // Deletes the selected text as one undo record (also with ReadOnly on).
    void ClearSelection();
    // Puts SelText on the view's clipboard (an empty text without a selection).
    void CopyToClipboard();
    // Inserts the clipboard text as SetSelText does; an empty clipboard changes nothing.
    void PasteFromClipboard();

    // Mouse (editor_selection.cpp), in grid terms: the widget turns the pointer into a row
    // and a column and passes the pixel point too. A press deselects and moves the caret;
    // moves with the button held make the caret follow and start selecting once the
    // pointer has gone startDistance pixels (half a cell) from the press point.
    void MouseDown(int row, int col, int x, int y);
    void MouseMove(int row, int col, int x, int y, int startDistance);
    void MouseUp();

    // Undoing back to the save point leaves the document unmodified; redoing away from it
    // makes it modified again.
    void Undo();
    void Redo();
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
    // Whether the text differs from the save point, the text last loaded or saved: an
    // edit sets it, undo and redo set it by whether they return to the save point, and a
    // new layout of the same text (wrapping, tab width) leaves it as it was.
    bool Modified() const { return modified_; }
    // false makes the text as it is now the save point (after a load or a save); true
    // counts the document as changed until the next save point.
    void SetModified(bool value);
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
    // Caret moves in one step: the view places the caret once.
    void MoveCaretTo(int row, int col);
    TTextPos CaretPos() const;
    int ColOf(TTextPos p) const;
    TTextPos EndOfText() const;
    TTextPos Forward(TTextPos p, long long n) const;
    long long OffsetOf(TTextPos p) const;
    void MoveCaretToPos(TTextPos p);
    void BeginSelection(TTextPos anchor);
    void ExtendSelection();
    void ExtendSelectionTo(TTextPos caret);
    TTextPos InRow(TTextPos p) const;
    std::string TextBetween(TTextPos start, TTextPos end) const;
    void PrepareSelection(bool shift);
    void ExtendIfExtending();
    bool Navigate(TEditKey key, TKeyMods mods, bool autoRepeat);
    void MoveUp(bool ctrl, bool autoRepeat);
    void MoveDown(bool ctrl, bool autoRepeat);
    void MoveLeft();
    void MoveRight();
    void WordLeft();
    void WordRight();
    // Replaces the text from `from` to `to` by s as one undo record (see editor_editing.cpp).
    void ReplaceText(TTextPos from, TTextPos to, std::string_view s, bool pad, bool strip);
    void InsertTyped(std::string_view s);
    void DeleteKey();
    void BackspaceKey();
    void EnterKey();
    bool TabKey(TKeyMods mods);
    int IndentWidth(int row) const;

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
    bool fitting_ = false;   // a two-step caret move is under way: place the caret once at its end
    bool caretNextLine_ = false;
    TCaretStyle caretStyle_ = csBrief;
    bool readOnly_ = false;
    bool wantTabs_ = false;
    bool wantReturns_ = true;
    bool softTab_ = false;
    bool tabIndent_ = false;
    bool caretAutoIndent_ = true;
    bool prevSpaceIndent_ = false;
    bool delimDBCS_ = false;
    bool autoRepeat_ = false;

    bool selected_ = false;   // a selection is active
    bool extending_ = false;  // the anchor is set and caret moves extend the selection
    bool selUnderlineHidden_ = false;
    TTextPos anchor_;
    TSelBounds sel_;
    TSelBounds prevSel_;
    TMouseAnchor mouse_;
    bool modified_ = false;
    // The undo engine's state of the saved text; none after SetModified(true).
    static constexpr std::uint64_t kNoSavePoint = ~std::uint64_t{0};
    std::uint64_t savePoint_ = 0;
};

}  // namespace tavi
