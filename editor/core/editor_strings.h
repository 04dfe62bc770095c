// Lines: the logical-line view of the editor's rows, through which documents are edited, loaded and saved.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/core/row_list.h"
#include "editor/core/text_file.h"

namespace tavi {

class TEditorCore;

// A string-list view of the editor's logical lines (wrapped rows joined again). Every
// change is one edit of the document (one undo record) through TEditorCore::EditText,
// which places the caret and lets the view repaint what changed.
//
// Indexes outside the list throw TEditorError (the list index error).
class TEditorStrings {
public:
    explicit TEditorStrings(TEditorCore& editor) : editor_(editor) {}
    TEditorStrings(const TEditorStrings&) = delete;
    TEditorStrings& operator=(const TEditorStrings&) = delete;

    // Number of logical lines.
    int GetCount() const;
    int Count() const { return GetCount(); }
    // Line i (0 <= i < GetCount()).
    std::string Get(int i) const;
    // Replaces line i by s (which may hold several lines); the last new row takes the
    // end of the old line's last row. Caret: after the new rows, column 0.
    void Put(int i, std::string_view s);
    // Inserts s before line i (0 <= i <= GetCount()); at the end it is Add. Caret:
    // after the new rows, column 0.
    void Insert(int i, std::string_view s);
    // Appends s (split at line breaks) at the very end, whatever the caret position,
    // keeping whether the text ends with a line break. Returns the line count before.
    int Add(std::string_view s);
    // Removes line i with all its rows. Caret: row of the line, column 0.
    void Delete(int i);
    // Removes all rows, empties undo and redo, caret to 0,0.
    void Clear();
    // The first line equal to s, or -1.
    int IndexOf(std::string_view s) const;

    // All rows in order, CR LF after each reBreak row.
    std::string GetTextStr() const;
    // Replaces the document by the lines of s, each ending with a line break; empties
    // undo and redo; re-wraps with WordWrap on.
    void SetTextStr(std::string_view s);
    std::string Text() const { return GetTextStr(); }
    void SetText(std::string_view s) { SetTextStr(s); }
    // SetTextStr with the source's text, then the caret goes after the last row.
    void Assign(const TEditorStrings& source);
    void Assign(const std::vector<std::string>& lines);

    // Replaces the document by `bytes` taken as a file's content (line ends and Ctrl-Z as
    // RowsOfFileBytes reads them); undo is emptied, the caret goes to 0,0, the loaded text
    // is the save point and LineEnd() becomes the line end the bytes use most.
    void LoadFromBytes(std::string bytes, std::optional<TTextEncoding> encoding = std::nullopt);
    // The line end the file is written with: CR LF until a file is loaded.
    TLineEnd LineEnd() const { return lineEnd_; }
    void SetLineEnd(TLineEnd lineEnd) { lineEnd_ = lineEnd; }
    // The document's bytes as a file holds them: GetTextStr() with LineEnd() after each line.
    std::string FileText() const;
    // Writes FileText() to the file atomically (see WriteTextFile).
    void SaveToFile(const std::string& fileName) const;

    // Update brackets: while open, changes are reported once at the end and the view
    // repaints everything then instead of following each change.
    void BeginUpdate();
    void EndUpdate();
    void SetUpdateState(bool updating);
    bool Updating() const { return updateCount_ > 0; }

    // Clears the document (and its undo) and makes `fresh` its rows, re-wrapped when wrapping
    // unless `wrapped` says they already are.
    void ReplaceAllRows(RowList fresh, bool wrapped = false, std::optional<TTextEncoding> encoding = std::nullopt);

private:
    std::string PrepareText(std::string_view s) const;
    void CheckIndex(int i, int limit) const;

    TEditorCore& editor_;
    TLineEnd lineEnd_ = TLineEnd::CrLf;
    int beginCount_ = 0;   // BeginUpdate nesting
    int updateCount_ = 0;  // raised and lowered by SetUpdateState
};

}  // namespace tavi
