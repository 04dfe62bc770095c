// The undo engine: records that put a band of rows back, kept in an undo and a redo list.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "editor/core/change.h"

namespace tavi {

// How to put a band of rows back: from row Row, remove RowCount rows and insert Text
// (rows joined, CR LF after each row that ended with a line break) wrapped into rows
// whose last row takes LastEnd. LastEnd -1 means there is nothing to insert. Applying
// a record gives the record of the opposite direction.
//
// An edit inside a long logical line changes a few bytes of a large band: the first
// KeptHead and the last KeptTail bytes of the band are then the same before and after,
// and Text holds only what lies between them; applying the record takes those bytes
// from the band it replaces. A record's memory thus grows with what its edit changed.
struct TUndoRecord {
    // The document state (TEditorUndoObj::State) that applying the record returns to.
    std::uint64_t State = 0;
    TCaretPlace Caret;  // where the caret returns when the record is applied
    TRow Row{-1};
    int RowCount = 0;
    int LastEnd = -1;
    std::string Text;
    std::size_t KeptHead = 0;
    std::size_t KeptTail = 0;
    // The layout Row, RowCount and Caret name rows of (TDocument counts its layouts).
    int Layout = 0;
};

// An ordered list that owns its records; deleting an item frees it.
class TUndoDataList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    // Item i, 0 = oldest (0 <= i < Count()).
    const TUndoRecord& operator[](int i) const { return *items_[i]; }
    // The newest record; the list must not be empty.
    TUndoRecord& Last() { return *items_.back(); }
    // Appends a record and returns it.
    TUndoRecord& Add(std::unique_ptr<TUndoRecord> record);
    void DeleteFirst() { items_.pop_front(); }
    void DeleteLast() { items_.pop_back(); }
    void Clear() { items_.clear(); }

private:
    std::deque<std::unique_ptr<TUndoRecord>> items_;
};

// The undo and redo lists of one document, as data: the document fills and applies the
// records. There is no grouping: each edit makes exactly one record.
class TEditorUndoObj {
public:
    static constexpr int kMinListMax = 64;

    // Appends the record of an edit just made, which leads back to the text before it (its
    // caret is where the caret stood then); the text becomes a state never seen before.
    // Drops the oldest record beyond the maximum and clears the redo list.
    void AddEdit(TUndoRecord record);
    bool CanUndo() const { return !undo_.Empty(); }
    bool CanRedo() const { return !redo_.Empty(); }
    TUndoRecord& NewestUndo() { return undo_.Last(); }
    TUndoRecord& NewestRedo() { return redo_.Last(); }
    // The newest undo (redo) record was applied: it is dropped, the text is in the state it
    // returned to, and its inverse goes to the redo (undo) list, the redo list kept.
    void FinishUndo(TUndoRecord inverse);
    void FinishRedo(TUndoRecord inverse);
    // Empties both lists (the text stays what it is).
    void Clear();
    // The document now holds a text that no undo or redo leads to (a load, a text set whole).
    void StartNewText() { state_ = ++lastState_; }

    // Which state of the text the document is in: each edit leads to a state never seen
    // before, and undo and redo lead back to the states they return to. Two equal states
    // are the same text, so a saved state tells whether the document differs from its file.
    std::uint64_t State() const { return state_; }

    // The most records the undo list keeps; never below 64. Lowering it drops the oldest
    // records beyond the new maximum at once.
    int ListMax() const { return listMax_; }
    void SetListMax(int value);

    const TUndoDataList& UndoList() const { return undo_; }
    const TUndoDataList& RedoList() const { return redo_; }

private:
    void AddUndo(TUndoRecord record);

    int listMax_ = kMinListMax;
    std::uint64_t state_ = 0;
    std::uint64_t lastState_ = 0;
    TUndoDataList redo_;
    TUndoDataList undo_;
};

}  // namespace tavi
