// The undo engine: records that put a band of rows back, kept in an undo and a redo list.
#include "editor/core/undo.h"

#include <algorithm>

#include "editor/core/editor_core.h"
#include "editor/core/eof_mark_keeper.h"

namespace tavi {

TUndoRecord& TUndoDataList::Add(std::unique_ptr<TUndoRecord> record)
{
    items_.push_back(std::move(record));
    return *items_.back();
}

TUndoRecord& TEditorUndoObj::NewRecord()
{
    auto record = std::make_unique<TUndoRecord>();
    record->State = state_;
    record->CaretRow = editor_.CaretRow();
    record->CaretCol = editor_.CaretCol();
    undo_.Add(std::move(record));
    if (undo_.Count() > listMax_)
        undo_.DeleteFirst();
    if (!redoing_) {
        redo_.Clear();
        state_ = ++lastState_;  // a new edit: a text never seen before
    }
    return undo_.Last();
}

void TEditorUndoObj::PushRedo(const TUndoRecord& record)
{
    auto copy = std::make_unique<TUndoRecord>();
    copy->State = state_;
    copy->CaretRow = editor_.CaretRow();
    copy->CaretCol = editor_.CaretCol();
    copy->Row = record.Row;
    copy->RowCount = record.RowCount;
    copy->LastEnd = record.LastEnd;
    copy->Text = record.Text;
    copy->KeptHead = record.KeptHead;
    copy->KeptTail = record.KeptTail;
    redo_.Add(std::move(copy));
}

void TEditorUndoObj::Clear()
{
    undo_.Clear();
    redo_.Clear();
}

void TEditorUndoObj::SetListMax(int value)
{
    listMax_ = std::max(kMinListMax, value);
    while (undo_.Count() > listMax_)
        undo_.DeleteFirst();
}

void TEditorUndoObj::BeginApply()
{
    editor_.View().HideUnderline();
    editor_.View().HideCaret();
    editor_.Rows().BeginUpdate();
}

void TEditorUndoObj::EndApply()
{
    editor_.Rows().EndUpdate();
    editor_.View().ShowCaret();
    editor_.View().ShowUnderline();
}

// The rows a record's text stands for.
RowList TEditorUndoObj::RowsOfText(const std::string& text, TRowEnd lastEnd) const
{
    return WrapBandText(text, editor_.WrapRule(), lastEnd);
}

// Replaces the record's band by its text and repaints; returns what was there.
TEditorUndoObj::TApplied TEditorUndoObj::Apply(const TUndoRecord& record)
{
    TApplied applied;
    RowList& rows = editor_.Rows();
    if (record.RowCount != 0) {
        TEditorCore::TTakenRows taken = editor_.TakeRows(record.Row, record.RowCount);
        applied.text = std::move(taken.Text);
        applied.removed = taken.Count;
        applied.lastEnd = taken.LastEnd;
    }
    const bool kept = record.KeptHead + record.KeptTail > 0;
    std::string spliced;
    if (kept) {
        // The band keeps its head and tail; what lies between them goes to the inverse record.
        const std::string& band = applied.text;
        const std::size_t middle = band.size() - record.KeptHead - record.KeptTail;
        spliced.reserve(band.size() - middle + record.Text.size());
        spliced.append(band, 0, record.KeptHead).append(record.Text).append(band, record.KeptHead + middle);
        applied.text = band.substr(record.KeptHead, middle);
    }
    const std::string& text = kept ? spliced : record.Text;
    RowList fresh;
    if (record.LastEnd != -1)
        fresh = RowsOfText(text, static_cast<TRowEnd>(record.LastEnd));
    applied.inserted = fresh.Count();
    TEofMarkKeeper mark(editor_);
    rows.Replace(record.Row, applied.removed, fresh);

    TEditorView& view = editor_.View();
    if (std::max(applied.removed, applied.inserted) > view.VisibleRows()) {
        mark.InvalidateAll();
    } else {
        if (applied.inserted != applied.removed)
            mark.ShiftRowsBelow(record.Row + 1, applied.inserted - applied.removed);
        view.InvalidateRows(record.Row, record.Row + applied.inserted);
    }
    return applied;
}

void TEditorUndoObj::Undo()
{
    if (undo_.Empty())
        return;
    TUndoRecord& record = undo_.Last();
    BeginApply();
    TApplied applied = Apply(record);
    record.RowCount = applied.inserted;
    record.LastEnd = applied.lastEnd;
    record.Text = std::move(applied.text);
    PushRedo(record);
    state_ = record.State;
    editor_.SetCaretRow(record.CaretRow);
    editor_.SetCaretCol(record.CaretCol);
    EndApply();
    undo_.DeleteLast();
}

void TEditorUndoObj::Redo()
{
    if (redo_.Empty())
        return;
    TUndoRecord& record = redo_.Last();
    BeginApply();
    TApplied applied = Apply(record);
    redoing_ = true;
    TUndoRecord& inverse = NewRecord();
    redoing_ = false;
    inverse.Row = record.Row;
    inverse.RowCount = applied.inserted;
    inverse.LastEnd = applied.lastEnd;
    inverse.Text = std::move(applied.text);
    inverse.KeptHead = record.KeptHead;
    inverse.KeptTail = record.KeptTail;
    state_ = record.State;
    editor_.SetCaretRow(record.CaretRow);
    editor_.SetCaretCol(record.CaretCol);
    EndApply();
    redo_.DeleteLast();
}

}  // namespace tavi
