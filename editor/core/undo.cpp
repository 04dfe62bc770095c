// The undo engine: records that put a band of rows back, kept in an undo and a redo list.
#include "editor/core/undo.h"

#include <algorithm>

namespace tavi {

TUndoRecord& TUndoDataList::Add(std::unique_ptr<TUndoRecord> record)
{
    items_.push_back(std::move(record));
    return *items_.back();
}

TUndoRecord& TEditorUndoObj::AddUndo(TCaretPlace caret)
{
    auto record = std::make_unique<TUndoRecord>();
    record->State = state_;
    record->Caret = caret;
    undo_.Add(std::move(record));
    if (undo_.Count() > listMax_)
        undo_.DeleteFirst();
    return undo_.Last();
}

TUndoRecord& TEditorUndoObj::NewRecord(TCaretPlace caret)
{
    TUndoRecord& record = AddUndo(caret);
    redo_.Clear();
    state_ = ++lastState_;  // a new edit: a text never seen before
    return record;
}

TUndoRecord& TEditorUndoObj::NewUndoRecordOfRedo(TCaretPlace caret)
{
    return AddUndo(caret);
}

TUndoRecord& TEditorUndoObj::NewRedoRecord(TCaretPlace caret)
{
    auto record = std::make_unique<TUndoRecord>();
    record->State = state_;
    record->Caret = caret;
    return redo_.Add(std::move(record));
}

void TEditorUndoObj::FinishUndo()
{
    state_ = undo_.Last().State;
    undo_.DeleteLast();
}

void TEditorUndoObj::FinishRedo()
{
    state_ = redo_.Last().State;
    redo_.DeleteLast();
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

}  // namespace tavi
