// The document: rows, their wrap rule, undo and redo, and the save point, changed through one funnel.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/core/change.h"
#include "editor/core/coordinates.h"
#include "editor/core/row_list.h"
#include "editor/core/undo.h"
#include "editor/core/work_meter.h"
#include "editor/core/wrap_text.h"

namespace tavi {

// How Replace treats the text around the range.
struct TReplaceOptions {
    // A `from` beyond its row's end (a free caret) is reached with spaces first.
    bool PadToFrom = false;
    // Trailing blanks of the rows the edit rewrites are dropped.
    bool StripBlanks = false;
    // A text that ends with a line break keeps the empty last row after it (an appended
    // empty line of a text without a final line break).
    bool KeepEmptyLastRow = false;
};

// The rows of one document and everything that changes with them. Rows change only
// through Replace (every edit) and Undo or Redo (which apply a record); each returns the
// record of what changed, or nothing when nothing did. Load and SetWrapRule start a new
// text or lay the same one out anew, and report a whole change. The document knows no view.
// An edit or an undo step of a large band reports to the document's work meter, and one
// stopped there changes nothing and returns nothing.
class TDocument {
public:
    TDocument() = default;
    TDocument(const TDocument&) = delete;
    TDocument& operator=(const TDocument&) = delete;

    const RowList& Rows() const { return rows_; }
    int RowCount() const { return rows_.Count(); }
    // Row reads; out-of-range rows give the text "" and the end reEof.
    std::string_view RowText(TRow r) const
    {
        return r.Value() >= 0 && r.Value() < rows_.Count() ? rows_.Text(r.Value()) : std::string_view();
    }
    TRowEnd RowEnd(TRow r) const { return r.Value() >= 0 && r.Value() < rows_.Count() ? rows_.End(r.Value()) : reEof; }
    // The row's display width (tabs expanded).
    int RowWidth(TRow r) const;
    // The display column of place p; bytes beyond the row's end count one column each.
    TColumn ColumnOf(TTextPos p) const;
    // Where the caret stands for place p: the end of a wrapped row is the start of the next.
    TCaretPlace CaretPlaceOf(TTextPos p) const;
    // Logical lines: rows joined where they wrap (every row is one while wrapping is off).
    int LineCount() const;
    // First row of logical line i (the row count at or past the last line).
    TRow LineToRow(int i) const;
    // The logical line of row r; the row after a final line break starts a line of its own.
    int LineOfRow(TRow r) const;
    // Where the end of the text is shown, and the last row the caret may stand on: the
    // row after a final line break, or the last row when the text ends without one.
    TRow EndRow() const
    {
        const int count = rows_.Count();
        return TRow(count > 0 && rows_.End(count - 1) == reEof ? count - 1 : count);
    }

    // Rows r..r+n-1 (n = -1: the rows from r to the end of its logical line): their text
    // with CR LF after each reBreak row, their number and the end of the last. For r out
    // of range: "", 0 and -1.
    struct TTakenRows {
        std::string Text;
        int Count = 0;
        int LastEnd = -1;
    };
    TTakenRows TakeRows(TRow r, int n) const;

    // Replaces the text from `from` to `to` by `bytes` (CR LF, CR or LF in it become line
    // breaks) as one undo record, whose caret is `caret`: the band from the row before
    // `from` when that row wraps into it to the end of the logical line holding `to` is
    // re-wrapped. The change's caret stands after `bytes`.
    std::optional<TChange> Replace(TTextPos from, TTextPos to, std::string_view bytes, TReplaceOptions options,
                                   TCaretPlace caret);
    // Apply the newest undo (redo) record; its inverse goes to the redo (undo) list with
    // `caret`, and the change's caret is where the record's edit began.
    std::optional<TChange> Undo(TCaretPlace caret);
    std::optional<TChange> Redo(TCaretPlace caret);
    bool CanUndo() const { return undo_.CanUndo(); }
    bool CanRedo() const { return undo_.CanRedo(); }
    const TEditorUndoObj& UndoObj() const { return undo_; }
    int UndoListMax() const { return undo_.ListMax(); }
    void SetUndoListMax(int value) { undo_.SetListMax(value); }
    // Empties both lists; the text stays what it is.
    void ClearUndo() { undo_.Clear(); }

    // Where long work on the document reports (a meter that lets all work run by default);
    // `meter` must outlive the document or be replaced first.
    TWorkMeter& WorkMeter() const { return *meter_; }
    void SetWorkMeter(TWorkMeter* meter) { meter_ = meter != nullptr ? meter : &ownMeter_; }

    // Makes `rows` the text (re-wrapped by the rule unless `wrapped` says they are), in
    // `encoding` when given, else in the document's: a new text, which undo does not lead
    // back from.
    TChange Load(RowList rows, bool wrapped, std::optional<TTextEncoding> encoding = std::nullopt);
    // Wrapping, wrap width, tab width and the encoding. A change lays the text out anew;
    // undo and redo records, which name rows of the layout they were made in, are restated
    // for the new one when applied (another encoding clears them). Modified stays as it was.
    const TWrapRule& WrapRule() const { return rule_; }
    std::optional<TChange> SetWrapRule(const TWrapRule& rule);

    // Whether the text differs from the save point, the text last loaded or saved, by
    // undo position: undo and redo back to it clear it, an edit sets it.
    bool Modified() const { return undo_.State() != savePoint_; }
    // The text as it is now becomes the save point (after a load or a save).
    void SetSavePoint() { savePoint_ = undo_.State(); }
    // No text counts as saved until the next save point.
    void ForgetSavePoint() { savePoint_ = kNoSavePoint; }

private:
    // Applies the newest redo (undo) record and files its inverse.
    std::optional<TChange> Step(bool redo, TCaretPlace caret);
    // Applies `record` and fills `inverse` with what it replaced; nothing when stopped.
    std::optional<TChange> Apply(const TUndoRecord& record, TUndoRecord& inverse);
    // The undo record of the band `change` names becoming `after` (the new rows joined);
    // notes in `change` the bytes that differ.
    TUndoRecord RecordOfReplace(TChange& change, std::string_view after, TCaretPlace caret) const;
    TChange WholeChange(int oldRows, TRow oldEnd) const;

    // Starts a layout of its own for rule_ (which just changed): records made before name
    // rows of an earlier one and are restated when applied.
    void NewLayout();

    static constexpr std::uint64_t kNoSavePoint = ~std::uint64_t{0};
    RowList rows_;
    TWrapRule rule_;
    std::vector<TWrapRule> layouts_{TWrapRule{}};  // the rule of each layout, by number
    int layout_ = 0;
    TEditorUndoObj undo_;
    std::uint64_t savePoint_ = 0;
    TWorkMeter ownMeter_;
    TWorkMeter* meter_ = &ownMeter_;
};

}  // namespace tavi
