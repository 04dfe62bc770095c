// Lines: the logical-line view of the editor's rows, through which documents are edited, loaded and saved.
#include "editor/core/editor_strings.h"

#include <algorithm>

#include "editor/core/editor_core.h"
#include "editor/core/editor_error.h"
#include "editor/core/text_file.h"
#include "editor/core/text_lines.h"

namespace tavi {

int TEditorStrings::GetCount() const
{
    return editor_.Document().LineCount();
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

// The lines of s (trimmed with DisposeBlank on) joined with CR LF, without one final line
// break (the operations below add their own), with room for two bytes more.
std::string TEditorStrings::PrepareText(std::string_view s) const
{
    std::string text;
    text.reserve(s.size() + 2);
    if (!editor_.DisposeBlank()) {
        text.append(s);
    } else {
        bool first = true;
        ForEachLine(s, [&](std::string_view line) {
            if (!first)
                text += "\r\n";
            first = false;
            text += TrimTrailingBlanks(line);
        });
    }
    if (text.ends_with("\r\n"))
        text.resize(text.size() - 2);
    else if (text.ends_with('\r') || text.ends_with('\n'))
        text.pop_back();
    return text;
}

int TEditorStrings::Add(std::string_view s)
{
    const int result = GetCount();
    const TDocument& doc = editor_.Document();
    std::string text = PrepareText(s);
    const TRow last(doc.RowCount() - 1);
    if (doc.RowCount() == 0 || doc.RowEnd(last) == reBreak) {
        text += "\r\n";
        editor_.EditText({TRow(doc.RowCount()), {}}, {TRow(doc.RowCount()), {}}, text, {});
    } else {
        // The open last line is ended, and the text stays open after the new lines.
        text.insert(0, "\r\n");
        const TTextPos end{last, TByte(static_cast<int>(doc.RowText(last).size()))};
        editor_.EditText(end, end, text, {.KeepEmptyLastRow = true});
    }
    return result;
}

void TEditorStrings::Insert(int i, std::string_view s)
{
    CheckIndex(i, GetCount() + 1);
    const TRow r = editor_.Document().LineToRow(i);
    if (r.Value() == editor_.Document().RowCount()) {
        Add(s);
        return;
    }
    // The line before which the text goes stays, even an empty last one.
    editor_.EditText({r, {}}, {r, {}}, PrepareText(s) + "\r\n", {.KeepEmptyLastRow = true});
}

void TEditorStrings::Put(int i, std::string_view s)
{
    CheckIndex(i, GetCount());
    const TDocument& doc = editor_.Document();
    const TRow r = doc.LineToRow(i);
    TRow last = r;
    while (doc.RowEnd(last) == reWrap && last.Value() + 1 < doc.RowCount())
        ++last;
    const TTextPos end{last, TByte(static_cast<int>(doc.RowText(last).size()))};
    // The line stays a line even when emptied at the end of a text without a final break.
    editor_.EditText({r, {}}, end, PrepareText(s), {.KeepEmptyLastRow = true});
    // The caret goes to the start of the next line.
    editor_.PlaceCaretAt(doc.LineToRow(i + 1).Value(), 0);
}

void TEditorStrings::Delete(int i)
{
    CheckIndex(i, GetCount());
    const TRow r = editor_.Document().LineToRow(i);
    const TRow next = editor_.Document().LineToRow(i + 1);
    // An empty last line after the deleted one stays.
    editor_.EditText({r, {}}, {next, {}}, {}, {.KeepEmptyLastRow = next.Value() < editor_.Document().RowCount()});
}

void TEditorStrings::Clear()
{
    editor_.FollowChange(editor_.Document().Load(RowList(), true));
    editor_.PlaceCaretAt(0, 0);
    if (!Updating())
        editor_.View().UpdateMetrics();
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

void TEditorStrings::ReplaceAllRows(RowList fresh, bool wrapped, std::optional<TTextEncoding> encoding)
{
    BeginUpdate();
    editor_.FollowChange(editor_.Document().Load(std::move(fresh), wrapped, encoding));
    editor_.PlaceCaretAt(0, 0);
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

void TEditorStrings::LoadFromBytes(std::string bytes, std::optional<TTextEncoding> encoding)
{
    TLineEnd lineEnd = TLineEnd::CrLf;
    TWrapRule rule = editor_.Document().WrapRule();
    rule.encoding = encoding.value_or(rule.encoding);
    RowList fresh = RowsOfFileBytes(std::move(bytes), rule, &lineEnd);
    ReplaceAllRows(std::move(fresh), true, rule.encoding);
    lineEnd_ = lineEnd;
    editor_.SetModified(false);  // the loaded text is the save point
}

std::string TEditorStrings::FileText() const
{
    return FileTextOf(editor_.Rows(), lineEnd_);
}

void TEditorStrings::SaveToFile(const std::string& fileName) const
{
    WriteTextFile(fileName, editor_.Rows(), lineEnd_);
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
        view.HideUnderline();
        view.HideCaret();
        view.SetRedraw(false);
    } else {
        --updateCount_;
        if (updateCount_ == 0)
            editor_.FinishUpdate();
        view.ShowCaret();
        view.ShowUnderline();
        view.SetRedraw(true);
        view.InvalidateAll();
    }
}

}  // namespace tavi
