// The editor core: the caret, the selection, keys and mouse over one document, without any toolkit.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/core/document.h"
#include "editor/core/editor_input.h"
#include "editor/core/editor_strings.h"
#include "editor/core/editor_view.h"

namespace tavi {

// The controller of one document: caret, selection, keys, mouse and the editing commands,
// as plain data and algorithms. Every edit goes through the document's Replace, Undo or
// Redo, and each change record they return is passed to the view. The widget owns one,
// implements TEditorView and attaches it with SetView.
class TEditorCore {
public:
    // With a document of its own, or editing `document`, which must outlive the core.
    TEditorCore();
    explicit TEditorCore(TDocument& document);
    ~TEditorCore();
    TEditorCore(const TEditorCore&) = delete;
    TEditorCore& operator=(const TEditorCore&) = delete;
    // The view that is asked to repaint and place the caret; nullptr restores a view
    // that shows nothing. The view must outlive its attachment.
    void SetView(TEditorView* view);
    TEditorView& View() const { return *view_; }

    TDocument& Document() { return doc_; }
    const TDocument& Document() const { return doc_; }
    const RowList& Rows() const { return doc_.Rows(); }
    TEditorStrings& Lines() { return lines_; }
    const TEditorStrings& Lines() const { return lines_; }

    // Row reads by row number; out-of-range rows give "", reEof and width 0.
    std::string_view RowText(int r) const { return doc_.RowText(TRow(r)); }
    TRowEnd RowEnd(int r) const { return doc_.RowEnd(TRow(r)); }
    std::string DisplayRowText(int r) const;
    int RowWidth(int r) const { return doc_.RowWidth(TRow(r)); }
    // First row of logical line i (the row count at or past the last line).
    int LineToRow(int i) const { return doc_.LineToRow(i).Value(); }
    // The last row the caret may stand on: the row count, less one after a final reEof row.
    int LastCaretRow() const;
    // The logical line row r belongs to (0-based; the row after a final line break starts one).
    int LineOfRow(int r) const { return doc_.LineOfRow(TRow(r)); }
    // Selects logical lines `from` to `to` (0-based, either order) with their line breaks,
    // the caret at the end away from `from` (dragging over line numbers).
    void SelectLines(int from, int to);

    // Line-store settings. Changing WordWrap or WrapByte re-wraps the document; undo and
    // redo go on through the new layout.
    bool WordWrap() const { return doc_.WrapRule().wordWrap; }
    void SetWordWrap(bool value);
    int WrapByte() const { return doc_.WrapRule().wrapByte; }
    void SetWrapByte(int value);  // clamped to 20..250
    int TabSpaceCount() const { return doc_.WrapRule().tabSpaceCount; }
    // What a character of the document is (set by a load).
    TTextEncoding Encoding() const { return doc_.WrapRule().encoding; }
    // The column map of row r.
    TColumnMap ColumnMapOf(int r) const { return BuildColumnMap(RowText(r), TabSpaceCount(), Encoding()); }
    // Clamped to 2..8, odd values lowered by one. A change re-wraps the document, as
    // WrapByte's does; undo and redo go on.
    void SetTabSpaceCount(int value);
    // Only true while CaretFree is on and RetMark, EofMark and WordWrap are off.
    bool DisposeBlank() const { return disposeBlank_; }
    void SetDisposeBlank(bool value);
    bool CaretFree() const { return caretFree_; }
    void SetCaretFree(bool value);
    bool RetMark() const { return retMark_; }
    void SetRetMark(bool value);
    bool EofMark() const { return eofMark_; }
    void SetEofMark(bool value);
    // The row that shows the "[EOF]" mark: 0 in an empty document, the last row when the
    // text has no final line break (the mark follows its text), else the row after it.
    int EofMarkRow() const { return doc_.EndRow().Value(); }
    int UndoListMax() const { return doc_.UndoListMax(); }
    void SetUndoListMax(int value) { doc_.SetUndoListMax(value); }

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
    // True when the caret stands on the first column of a double-byte character.
    bool CaretOnDoubleByte() const;

    // How keys and typing edit.
    TEditOptions& Options() { return options_; }
    const TEditOptions& Options() const { return options_; }

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
    void TypeChars(std::string_view bytes);
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
    // The places of offsets given in ascending order, found in one walk down the rows.
    std::vector<TTextPos> PlacesOf(const std::vector<long long>& ascendingOffsets) const;
    // Replaces the selection (or inserts at the caret) by s, whose CR LF, CR or LF become
    // line breaks: the deletion and the insertion are one undo record each; the caret
    // ends after s. Nothing happens with ReadOnly on.
    void SetSelText(std::string_view s);
    // Replaces the text from offset `from` to offset `to` (offsets as SelStart counts them;
    // one inside a character counts from the character's end) by s, line breaks as SetSelText takes them, as ONE
    // undo record; the selection ends and the caret goes after s. Nothing happens with
    // ReadOnly on. False when the text did not change (ReadOnly, or the work was stopped).
    bool ReplaceRange(long long from, long long to, std::string_view s);
    // Comments the logical lines of the selection (or the caret's line) out with one "/* */"
    // around them, or back in when they are one comment (see ToggledComment), as one undo
    // record; the lines stay selected. False when nothing changed (ReadOnly, blank lines).
    bool ToggleComment();
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
    bool CanUndo() const { return doc_.CanUndo(); }
    bool CanRedo() const { return doc_.CanRedo(); }

    // Whether the text differs from the save point, the text last loaded or saved: an
    // edit sets it, undo and redo set it by whether they return to the save point, and a
    // new layout of the same text (wrapping, tab width) leaves it as it was.
    bool Modified() const { return doc_.Modified(); }
    // false makes the text as it is now the save point (after a load or a save); true
    // counts the document as changed until the next save point.
    void SetModified(bool value);
    // Raised after every change of the rows (once at the end of a Lines update).
    std::function<void()> OnChange;
    // Given every change record as it happens, Lines updates included (the journal's feed).
    std::function<void(const TChange&)> OnDocumentChange;

    // Replaces the text from `from` to `to` by s as one undo record, whatever ReadOnly
    // says, and follows the change: the selection ends, the view repaints, the caret goes
    // after s. The Lines view and the edits above all come here. False when the text did
    // not change.
    bool EditText(TTextPos from, TTextPos to, std::string_view s, TReplaceOptions options);
    // Follows a change the document made: ends the selection, tells the view (or, inside a
    // Lines update, notes it for the update's end) and raises OnChange.
    void FollowChange(const TChange& change);
    // A Lines update closed: a change noted meanwhile is reported now.
    void FinishUpdate();

private:
    void Relayout(const TWrapRule& rule);
    // An undo or a redo step, followed with the caret and underline hidden meanwhile.
    void StepHistory(const std::function<std::optional<TChange>()>& step);
    void FitCaretCol(bool vertical, int dir);
    // Moves a caret row that re-wrapping left past the text onto its last position.
    void KeepCaretInRows();
    TCaretPlace Caret() const { return {TRow(caretRow_), TColumn(caretCol_)}; }
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
    // EditText with a free caret's place padded (pad) and trailing blanks stripped while
    // DisposeBlank is on (strip).
    bool ReplaceText(TTextPos from, TTextPos to, std::string_view s, bool pad, bool strip);
    void InsertTyped(std::string_view s);
    void DeleteKey();
    void BackspaceKey();
    void EnterKey();
    bool TabKey(TKeyMods mods);
    int IndentWidth(int row) const;

    TNullEditorView nullView_;
    TEditorView* view_ = &nullView_;
    std::unique_ptr<TDocument> ownDocument_;
    TDocument& doc_;
    TEditorStrings lines_;
    bool changedInUpdate_ = false;

    bool disposeBlank_ = true;
    bool caretFree_ = true;
    bool retMark_ = false;
    bool eofMark_ = false;

    int caretRow_ = 0;
    int caretCol_ = 0;
    bool halfStep_ = false;  // a vertical move shifted the caret left off a trail byte
    bool fitting_ = false;   // a two-step caret move is under way: place the caret once at its end
    TEditOptions options_;
    bool autoRepeat_ = false;

    bool selected_ = false;   // a selection is active
    bool extending_ = false;  // the anchor is set and caret moves extend the selection
    bool selUnderlineHidden_ = false;
    TTextPos anchor_;
    TSelBounds sel_;
    TSelBounds prevSel_;
    TMouseAnchor mouse_;
};

}  // namespace tavi
