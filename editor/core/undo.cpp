// The undo engine: records that put a band of rows back, kept in an undo and a redo list.
#include "editor/core/undo.h"

#include <algorithm>

namespace tavi {

TUndoRecord& TUndoDataList::Add(std::unique_ptr<TUndoRecord> record)
{
    items_.push_back(std::move(record));
    return *items_.back();
}

void TEditorUndoObj::AddUndo(TUndoRecord record)
{
    undo_.Add(std::make_unique<TUndoRecord>(std::move(record)));
    if (undo_.Count() > listMax_)
        undo_.DeleteFirst();
}

void TEditorUndoObj::AddEdit(TUndoRecord record)
{
    record.State = state_;
    AddUndo(std::move(record));
    redo_.Clear();
    state_ = ++lastState_;  // a new edit: a text never seen before
}

void TEditorUndoObj::FinishUndo(TUndoRecord inverse)
{
    inverse.State = state_;
    state_ = undo_.Last().State;
    undo_.DeleteLast();
    redo_.Add(std::make_unique<TUndoRecord>(std::move(inverse)));
}

void TEditorUndoObj::FinishRedo(TUndoRecord inverse)
{
    inverse.State = state_;
    state_ = redo_.Last().State;
    redo_.DeleteLast();
    AddUndo(std::move(inverse));
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
