// Undo records outliving a new layout: a record made while the rows were wrapped one way, restated for the rows as
// they are wrapped now.
#pragma once

#include "editor/core/row_list.h"
#include "editor/core/undo.h"
#include "editor/core/wrap_text.h"

namespace tavi {

// `record` names rows of the text as `rule` laid it out when the record was made. Text
// offsets (bytes, two per line break) do not depend on the layout, so the same band of the
// same text can be named in `rows`, that text as it is laid out now: the band widened to
// whole rows of `rows`, the bytes it gained at either end kept, and the caret at the same
// place of the text (a free caret past a row's end comes back at the end), given as a place
// for the caller to turn into a column. Costs a walk of the text down to the band, wrapping
// it the old way.
struct TRestatedRecord {
    TUndoRecord Record;  // its Caret is left to the caller
    TTextPos Caret;
};
TRestatedRecord RecordInLayout(const TUndoRecord& record, const TWrapRule& rule, const RowList& rows);

}  // namespace tavi
