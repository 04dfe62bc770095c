// The editor document: rows, the Lines view, undo, caret and line-store settings, without any toolkit.
#include "editor/core/editor_core.h"

#include <algorithm>

#include "editor/core/eof_mark_keeper.h"
#include "editor/core/text_lines.h"
#include "text/shift_jis.h"

namespace tavi {

TEditorCore::TEditorCore() : lines_(*this), undo_(*this)
{
    rows_.OnChange = [this] { RowListChanged(); };
}

TEditorCore::~TEditorCore()
{
    rows_.OnChange = nullptr;
}

void TEditorCore::SetView(TEditorView* view)
{
    view_ = view != nullptr ? view : &nullView_;
}

void TEditorCore::RowListChanged()
{
    // Bounds point into rows that may have changed, so any selection ends with the change.
    if (selected_ || extending_)
        Deselect();
    view_->UpdateScrollBars();
    modified_ = true;
    if (OnChange)
        OnChange();
}

std::string_view TEditorCore::RowText(int r) const
{
    return r >= 0 && r < rows_.Count() ? rows_.Text(r) : std::string_view();
}

TRowEnd TEditorCore::RowEnd(int r) const
{
    return r >= 0 && r < rows_.Count() ? rows_.End(r) : reEof;
}

std::string TEditorCore::DisplayRowText(int r) const
{
    return ExpandTabs(RowText(r), tabSpaceCount_);
}

int TEditorCore::RowWidth(int r) const
{
    return ExpandedLength(RowText(r), tabSpaceCount_);
}

TEditorCore::TTakenRows TEditorCore::TakeRows(int r, int n) const
{
    TTakenRows taken;
    const int count = rows_.Count();
    if (r < 0 || r >= count || n == 0)
        return taken;
    int last = r;
    if (n < 0) {
        while (last + 1 < count && rows_.End(last) == reWrap)
            ++last;
    } else {
        last = std::min(count - 1, r + n - 1);
    }
    for (int k = r; k <= last; ++k) {
        taken.Text += rows_.Text(k);
        if (rows_.End(k) == reBreak)
            taken.Text += "\r\n";
    }
    taken.Count = last - r + 1;
    taken.LastEnd = rows_.End(last);
    return taken;
}

int TEditorCore::LineToRow(int i) const
{
    return wordWrap_ ? rows_.LineToRow(i) : std::clamp(i, 0, rows_.Count());
}

void TEditorCore::RewrapAll()
{
    if (rows_.Empty())
        return;
    // The same text laid out anew: it is no more and no less modified than before. (Inside
    // an edit's own bracket the edit's end marks the change.)
    const bool modified = modified_;
    lines_.BeginUpdate();
    rows_.Rewrap(wrapByte_, tabSpaceCount_);
    KeepCaretInRows();
    lines_.EndUpdate();
    modified_ = modified;
}

void TEditorCore::UnwrapAll()
{
    if (rows_.Empty())
        return;
    const bool modified = modified_;  // the same text laid out anew, as in RewrapAll
    lines_.BeginUpdate();
    rows_.Unwrap();
    KeepCaretInRows();
    lines_.EndUpdate();
    modified_ = modified;
}

int TEditorCore::RewrapLine(int r, int delta)
{
    if (r < 0 || r >= rows_.Count())
        return 0;
    TEofMarkKeeper mark(*this);
    int oldCount = 0;
    int newCount = 0;
    int result = 1;
    if (wordWrap_ && (rows_.End(r) == reWrap || RowWidth(r) >= wrapByte_)) {
        int last = r;
        while (last + 1 < rows_.Count() && rows_.End(last) == reWrap)
            ++last;
        const TRowEnd keep = rows_.End(last) == reWrap ? reEof : rows_.End(last);
        std::string joined;
        for (int k = r; k <= last; ++k)
            joined += rows_.Text(k);
        RowList fresh = WrapText(joined);
        fresh.SetEnd(fresh.Count() - 1, keep);
        rows_.BeginUpdate();
        rows_.Replace(r, last - r + 1, fresh);
        rows_.EndUpdate();
        oldCount = last - r + 1;
        newCount = fresh.Count();
        result = newCount;
    }
    view_->InvalidateRows(r, r + oldCount);
    if (newCount + delta - oldCount != 0)
        mark.ShiftRowsBelow(r + oldCount + 1, newCount + delta - oldCount);
    return result;
}

void TEditorCore::SetModified(bool value)
{
    modified_ = value;
    savePoint_ = value ? kNoSavePoint : undo_.State();
}

void TEditorCore::Undo()
{
    undo_.Undo();
    modified_ = undo_.State() != savePoint_;
}

void TEditorCore::Redo()
{
    undo_.Redo();
    modified_ = undo_.State() != savePoint_;
}

void TEditorCore::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    undo_.Clear();
    if (value) {
        disposeBlank_ = false;
        RewrapAll();
    } else {
        UnwrapAll();
    }
    SetCaretCol(0);
}

void TEditorCore::SetWrapByte(int value)
{
    value = std::clamp(value, 20, 250);
    if (value == wrapByte_)
        return;
    wrapByte_ = value;
    undo_.Clear();
    if (wordWrap_) {
        RewrapAll();
        SetCaretCol(0);
    }
}

void TEditorCore::SetTabSpaceCount(int value)
{
    value = ClampTabSpaceCount(value);
    if (value == tabSpaceCount_)
        return;
    tabSpaceCount_ = value;
    undo_.Clear();
    if (wordWrap_)
        RewrapAll();
    SetCaretCol(0);
    view_->InvalidateAll();
}

void TEditorCore::SetDisposeBlank(bool value)
{
    disposeBlank_ = value && caretFree_ && !retMark_ && !eofMark_ && !wordWrap_;
}

void TEditorCore::SetCaretFree(bool value)
{
    caretFree_ = value;
    if (!value)
        disposeBlank_ = false;
}

void TEditorCore::SetRetMark(bool value)
{
    retMark_ = value;
    if (value)
        disposeBlank_ = false;
}

void TEditorCore::SetEofMark(bool value)
{
    eofMark_ = value;
    if (value)
        disposeBlank_ = false;
}

int TEditorCore::EofMarkRow() const
{
    const int count = rows_.Count();
    return count > 0 && rows_.End(count - 1) == reEof ? count - 1 : count;
}

void TEditorCore::ReplaceByLines(const std::vector<std::string>& lines)
{
    RowList fresh;
    for (const std::string& line : lines) {
        // A row never holds line-break bytes, so a string that has some gives several lines.
        if (line.find_first_of("\r\n") == std::string::npos) {
            fresh.Append(line, reBreak);
        } else {
            ForEachLine(line, [&](std::string_view piece) { fresh.Append(piece, reBreak); });
        }
    }
    lines_.BeginUpdate();
    lines_.Clear();
    rows_.TakeRows(std::move(fresh));
    if (wordWrap_)
        RewrapAll();
    lines_.EndUpdate();
}

void TEditorCore::AssignLines(const std::vector<std::string>& lines)
{
    ReplaceByLines(lines);
    view_->UpdateMetrics();
    view_->UpdateScrollBars();
    view_->InvalidateAll();
}

void TEditorCore::LoadDesignLines(const std::vector<std::string>& lines)
{
    ReplaceByLines(lines);
    SetModified(false);
}

std::vector<std::string> TEditorCore::DesignLines() const
{
    std::vector<std::string> lines;
    const int n = lines_.GetCount();
    lines.reserve(n);
    for (int i = 0; i < n; ++i)
        lines.push_back(lines_.Get(i));
    return lines;
}

}  // namespace tavi
