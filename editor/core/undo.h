// The undo engine: records that put a band of rows back, kept in an undo and a redo list.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "editor/core/row_list.h"

namespace tavi {

class TEditorCore;

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
    int CaretRow = 0;  // where the caret returns when the record is applied
    int CaretCol = 0;
    int Row = -1;
    int RowCount = 0;
    int LastEnd = -1;
    std::string Text;
    std::size_t KeptHead = 0;
    std::size_t KeptTail = 0;
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

// The undo engine of one editor. There is no grouping: each editing operation makes
// exactly one record through NewRecord, before it touches the rows.
class TEditorUndoObj {
public:
    static constexpr int kMinListMax = 64;

    explicit TEditorUndoObj(TEditorCore& editor) : editor_(editor) {}

    // Appends a record holding the editor's caret position and the initial values, for
    // the caller to fill. Drops the oldest record beyond the maximum; clears the redo
    // list unless a redo is making the record.
    TUndoRecord& NewRecord();
    bool CanUndo() const { return !undo_.Empty(); }
    bool CanRedo() const { return !redo_.Empty(); }
    // Apply the newest record of the undo (redo) list and move its inverse to the redo
    // (undo) list; the caret returns to the record's position. Nothing happens when the
    // list is empty.
    void Undo();
    void Redo();
    // Appends a copy of `record` (band and text) to the redo list with the editor's
    // current caret position. The redo list has no limit of its own.
    void PushRedo(const TUndoRecord& record);
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
    struct TApplied {
        std::string text;  // the rows the record removed, joined
        int removed = 0;
        int lastEnd = -1;  // end of the last removed row, -1 when none
        int inserted = 0;
    };
    TApplied Apply(const TUndoRecord& record);
    RowList RowsOfText(const std::string& text, TRowEnd lastEnd) const;
    void BeginApply();
    void EndApply();

    TEditorCore& editor_;
    int listMax_ = kMinListMax;
    bool redoing_ = false;
    std::uint64_t state_ = 0;
    std::uint64_t lastState_ = 0;
    TUndoDataList redo_;
    TUndoDataList undo_;
};

}  // namespace tavi
