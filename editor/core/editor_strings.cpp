// Lines: the logical-line view of the editor's rows, through which documents are edited, loaded and saved.
#include "editor/core/editor_strings.h"

#include <algorithm>

#include "editor/core/editor_core.h"
#include "editor/core/editor_error.h"
#include "editor/core/eof_mark_keeper.h"
#include "editor/core/text_file.h"
#include "editor/core/text_lines.h"

namespace tavi {

int TEditorStrings::GetCount() const
{
    return editor_.WordWrap() ? editor_.Rows().LineCount() : editor_.Rows().Count();
}

void TEditorStrings::CheckIndex(int i, int limit) const
{
    if (i < 0 || i >= limit)
        throw TEditorError(FormatMessage(kListIndexError, std::to_string(i)));
}

std::string TEditorStrings::Get(int i) const
{
    CheckIndex(i, GetCount());
    const RowList& rows = editor_.Rows();
    int r = editor_.LineToRow(i);
    std::string line(rows.Text(r));
    while (rows.End(r) == reWrap && r + 1 < rows.Count())
        line += rows.Text(++r);
    return line;
}

// The lines of s (trimmed with DisposeBlank on) joined with CR LF.
std::string TEditorStrings::PrepareText(std::string_view s) const
{
    if (!editor_.DisposeBlank())
        return std::string(s);
    std::string text;
    text.reserve(s.size());
    bool first = true;
    ForEachLine(s, [&](std::string_view line) {
        if (!first)
            text += "\r\n";
        first = false;
        text += TrimTrailingBlanks(line);
    });
    return text;
}

int TEditorStrings::Add(std::string_view s)
{
    const int result = GetCount();
    RowList& rows = editor_.Rows();
    const RowList fresh = editor_.WrapText(PrepareText(s));
    const int oldCount = rows.Count();
    TUndoRecord& record = editor_.UndoObj().NewRecord();
    record.Row = oldCount;
    TRowEnd newLast = reBreak;
    int changedRow = -1;
    TEofMarkKeeper mark(editor_);
    rows.BeginUpdate();
    const TRowEnd oldLast = oldCount > 0 ? rows.End(oldCount - 1) : reBreak;
    if (oldLast == reWrap) {
        // The open line is ended by an empty rest row, which undo removes again.
        rows.Append({}, reBreak);
        record.RowCount = 1;
        newLast = reEof;
        changedRow = oldCount;
    } else if (oldLast == reEof) {
        record.Row = oldCount - 1;
        record.RowCount = 1;
        record.Text = std::string(rows.Text(oldCount - 1));
        record.LastEnd = reEof;
        rows.SetEnd(oldCount - 1, reBreak);
        newLast = reEof;
        changedRow = oldCount - 1;
    }
    const int firstAppended = rows.Count();
    rows.Insert(firstAppended, fresh);
    rows.SetEnd(rows.Count() - 1, newLast);
    record.RowCount += fresh.Count();
    rows.EndUpdate();

    if (!Updating()) {
        if (changedRow >= 0)
            editor_.View().InvalidateRows(changedRow, changedRow);
        mark.ShiftRowsBelow(firstAppended, fresh.Count());
    }
    editor_.PlaceCaretAt(rows.Count(), newLast == reEof ? editor_.RowWidth(rows.Count() - 1) : 0);
    return result;
}

void TEditorStrings::Insert(int i, std::string_view s)
{
    CheckIndex(i, GetCount() + 1);
    RowList& rows = editor_.Rows();
    const int r = editor_.LineToRow(i);
    if (r == rows.Count()) {
        Add(s);
        return;
    }
    const RowList fresh = editor_.WrapText(PrepareText(s));
    TUndoRecord& record = editor_.UndoObj().NewRecord();
    record.Row = r;
    record.RowCount = fresh.Count();
    TEofMarkKeeper mark(editor_);
    rows.BeginUpdate();
    rows.Insert(r, fresh);
    rows.EndUpdate();
    if (!Updating())
        mark.ShiftRowsBelow(r, fresh.Count());
    editor_.PlaceCaretAt(r + fresh.Count(), 0);
}

void TEditorStrings::Put(int i, std::string_view s)
{
    CheckIndex(i, GetCount());
    RowList& rows = editor_.Rows();
    const int r = editor_.LineToRow(i);
    const std::string text = PrepareText(s);
    TUndoRecord& record = editor_.UndoObj().NewRecord();
    record.Row = r;
    TEditorCore::TTakenRows old = editor_.TakeRows(r, -1);
    record.Text = std::move(old.Text);
    record.LastEnd = old.LastEnd;
    const RowList fresh = editor_.WrapTextWithEnd(text, static_cast<TRowEnd>(old.LastEnd));
    TEofMarkKeeper mark(editor_);
    rows.BeginUpdate();
    rows.Replace(r, old.Count, fresh);
    rows.EndUpdate();
    record.RowCount = fresh.Count();
    if (!Updating()) {
        const int added = fresh.Count() - old.Count;
        if (added != 0)
            mark.ShiftRowsBelow(r + std::min(old.Count, fresh.Count()), added);
        editor_.View().InvalidateRows(r, r + fresh.Count());
    }
    editor_.PlaceCaretAt(r + fresh.Count(), 0);
}

void TEditorStrings::Delete(int i)
{
    CheckIndex(i, GetCount());
    RowList& rows = editor_.Rows();
    const int r = editor_.LineToRow(i);
    TUndoRecord& record = editor_.UndoObj().NewRecord();
    record.Row = r;
    TEditorCore::TTakenRows old = editor_.TakeRows(r, -1);
    record.Text = std::move(old.Text);
    record.LastEnd = old.LastEnd;
    TEofMarkKeeper mark(editor_);
    rows.BeginUpdate();
    rows.Delete(r, old.Count);
    rows.EndUpdate();
    if (!Updating()) {
        mark.ShiftRowsBelow(r, -old.Count);
        editor_.View().InvalidateRows(r, r);
    }
    editor_.PlaceCaretAt(r, 0);
}

void TEditorStrings::Clear()
{
    editor_.Rows().Clear();
    editor_.UndoObj().Clear();
    editor_.UndoObj().StartNewText();
    editor_.PlaceCaretAt(0, 0);
    if (!Updating()) {
        editor_.View().UpdateMetrics();
        editor_.View().UpdateScrollBars();
        editor_.View().InvalidateAll();
    }
}

int TEditorStrings::IndexOf(std::string_view s) const
{
    for (int i = 0, n = GetCount(); i < n; ++i) {
        if (Get(i) == s)
            return i;
    }
    return -1;
}

std::string TEditorStrings::GetTextStr() const
{
    return FileTextOf(editor_.Rows());
}

void TEditorStrings::SetTextStr(std::string_view s)
{
    RowList fresh;
    fresh.Reserve(s.size() / 32 + 4, s.size());
    ForEachLine(s, [&](std::string_view line) { fresh.Append(line, reBreak); });
    ReplaceAllRows(std::move(fresh));
}

void TEditorStrings::ReplaceAllRows(RowList fresh, bool wrapped)
{
    BeginUpdate();
    Clear();
    editor_.Rows().TakeRows(std::move(fresh));
    if (editor_.WordWrap() && !wrapped)
        editor_.RewrapAll();
    EndUpdate();
}

void TEditorStrings::Assign(const TEditorStrings& source)
{
    SetTextStr(source.GetTextStr());
    editor_.PlaceCaretAt(editor_.Rows().Count(), 0);
}

void TEditorStrings::Assign(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    SetTextStr(text);
    editor_.PlaceCaretAt(editor_.Rows().Count(), 0);
}

void TEditorStrings::LoadFromFile(const std::string& fileName)
{
    // The whole file is read before the document is touched, so a file that cannot be
    // read leaves the document as it was.
    RowList fresh = ReadTextFile(fileName, editor_.WrapRule());
    ReplaceAllRows(std::move(fresh), true);
    editor_.SetModified(false);  // the loaded text is the save point
}

void TEditorStrings::LoadFromBytes(std::string bytes)
{
    RowList fresh = RowsOfFileBytes(std::move(bytes), editor_.WrapRule());
    ReplaceAllRows(std::move(fresh), true);
    editor_.SetModified(false);  // the loaded text is the save point
}

void TEditorStrings::SaveToFile(const std::string& fileName) const
{
    WriteTextFile(fileName, editor_.Rows());
}

void TEditorStrings::BeginUpdate()
{
    if (beginCount_++ == 0)
        SetUpdateState(true);
}

void TEditorStrings::EndUpdate()
{
    if (beginCount_ > 0 && --beginCount_ == 0)
        SetUpdateState(false);
}

void TEditorStrings::SetUpdateState(bool updating)
{
    TEditorView& view = editor_.View();
    if (updating) {
        ++updateCount_;
        editor_.Rows().BeginUpdate();
        view.HideUnderline();
        view.HideCaret();
        view.SetRedraw(false);
    } else {
        --updateCount_;
        editor_.Rows().EndUpdate();
        view.ShowCaret();
        view.ShowUnderline();
        view.SetRedraw(true);
        view.InvalidateAll();
    }
}

}  // namespace tavi
