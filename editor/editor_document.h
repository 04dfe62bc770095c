// The document side of the editor control: the model it owns, the editing commands and the behaviour properties.
#pragma once

#include <QStringView>
#include <string>
#include <string_view>

#include "editor/core/editor_core.h"
#include "editor/text_input.h"

// What the main window's commands call on the editor control. Texts are code page 932
// bytes; offsets count the bytes of each row plus 2 after every line break. TEditor
// derives from this class, which keeps the model alive for the widget's whole life.
class TEditorDocument {
public:
    TEditorDocument(const TEditorDocument&) = delete;
    TEditorDocument& operator=(const TEditorDocument&) = delete;

    // The document as logical lines of code page 932 bytes.
    tavi::TEditorStrings& Lines() { return core_.Lines(); }
    const tavi::TEditorStrings& Lines() const { return core_.Lines(); }
    // The document model behind the control.
    tavi::TEditorCore& Core() { return core_; }
    const tavi::TEditorCore& Core() const { return core_; }
    bool Modified() const { return core_.Modified(); }
    void SetModified(bool value) { core_.SetModified(value); }

    // --- Editing commands (each change is one undo step) ---
    void SelectAll() { core_.SelectAll(); }
    // Deletes the selected text; works with ReadOnly on as well.
    void ClearSelection() { core_.ClearSelection(); }
    // An empty selection puts an empty text on the clipboard.
    void CopyToClipboard() { core_.CopyToClipboard(); }
    // Inserts the clipboard's plain text as SetSelText does (nothing with ReadOnly on).
    void PasteFromClipboard() { core_.PasteFromClipboard(); }
    // The selected bytes, logical lines joined with CR LF; empty without a selection.
    std::string SelText() const { return core_.SelText(); }
    // Replaces the selection (or inserts at the caret); CR LF, CR and LF in `bytes` (in the
    // document's encoding) become line breaks and the caret ends after the text. Nothing
    // happens with ReadOnly on.
    void SetSelText(std::string_view bytes) { core_.SetSelText(bytes); }
    // The same for Unicode text (see ToDocument).
    void SetSelText(QStringView text) { core_.SetSelText(ToDocument(text)); }
    // Text as the document holds it (a code page 932 document has "?" for what it lacks),
    // and the document's bytes as text.
    std::string ToDocument(QStringView text) const { return tavi::DocumentBytes(text, core_.Encoding()); }
    QString FromDocument(std::string_view bytes) const { return tavi::DocumentText(bytes, core_.Encoding()); }
    void Undo() { core_.Undo(); }
    void Redo() { core_.Redo(); }
    bool CanUndo() const { return core_.CanUndo(); }
    bool CanRedo() const { return core_.CanRedo(); }
    // SetSelStart deselects and puts the caret at offset n (clamped to the text);
    // SetSelLength selects n bytes forward from the selection's start or the caret
    // (n <= 0 deselects).
    long long SelStart() const { return core_.SelStart(); }
    void SetSelStart(long long n) { core_.SetSelStart(n); }
    long long SelLength() const { return core_.SelLength(); }
    void SetSelLength(long long n) { core_.SetSelLength(n); }
    // Bytes of all rows plus 2 per line break.
    long long GetTextLen() const { return core_.GetTextLen(); }

    // --- Caret behaviour ---
    // The caret may stand beyond a row's end; typing there pads with spaces. Turning it
    // off also turns DisposeBlank off.
    bool CaretFree() const { return core_.CaretFree(); }
    void SetCaretFree(bool value) { core_.SetCaretFree(value); }
    // The caret may stand inside the columns of a tab.
    bool CaretInTab() const { return core_.Options().CaretInTab; }
    void SetCaretInTab(bool value) { core_.Options().CaretInTab = value; }
    // Left at column 0 and Right at a row's end cross into the neighbouring line.
    bool CaretNextLine() const { return core_.Options().CaretNextLine; }
    void SetCaretNextLine(bool value) { core_.Options().CaretNextLine = value; }

    // --- Line store ---
    // Soft wrapping at WrapByte columns (clamped to 20..250); changing either re-wraps the
    // document, and undo and redo go on through the new layout.
    bool WordWrap() const { return core_.WordWrap(); }
    void SetWordWrap(bool value) { core_.SetWordWrap(value); }
    int WrapByte() const { return core_.WrapByte(); }
    void SetWrapByte(int value) { core_.SetWrapByte(value); }
    // Columns a tab reaches to (2..8, even).
    int TabSpaceCount() const { return core_.TabSpaceCount(); }
    void SetTabSpaceCount(int value) { core_.SetTabSpaceCount(value); }
    // Trailing blanks of typed lines are dropped (only while no mark is shown and no wrap).
    bool DisposeBlank() const { return core_.DisposeBlank(); }
    void SetDisposeBlank(bool value) { core_.SetDisposeBlank(value); }
    // How many edits undo keeps.
    int UndoListMax() const { return core_.UndoListMax(); }
    void SetUndoListMax(int value) { core_.SetUndoListMax(value); }

    // --- Input behaviour ---
    // Tab inserts (on) or moves the focus (off); Enter reaches the editor (on) or its
    // dialog (off).
    bool WantTabs() const { return core_.Options().WantTabs; }
    void SetWantTabs(bool value) { core_.Options().WantTabs = value; }
    bool WantReturns() const { return core_.Options().WantReturns; }
    void SetWantReturns(bool value) { core_.Options().WantReturns = value; }
    // Tab inserts spaces up to the next tab stop instead of a tab byte.
    bool SoftTab() const { return core_.Options().SoftTab; }
    void SetSoftTab(bool value) { core_.Options().SoftTab = value; }
    // Enter indents the new row like the current one (CaretAutoIndent), with tabs plus
    // spaces (TabIndent), taking an unindented row's indent from the nearest non-empty
    // row above (PrevSpaceIndent).
    bool CaretAutoIndent() const { return core_.Options().CaretAutoIndent; }
    void SetCaretAutoIndent(bool value) { core_.Options().CaretAutoIndent = value; }
    bool TabIndent() const { return core_.Options().TabIndent; }
    void SetTabIndent(bool value) { core_.Options().TabIndent = value; }
    bool PrevSpaceIndent() const { return core_.Options().PrevSpaceIndent; }
    void SetPrevSpaceIndent(bool value) { core_.Options().PrevSpaceIndent = value; }

protected:
    TEditorDocument() = default;
    ~TEditorDocument() = default;

    tavi::TEditorCore core_;
};
