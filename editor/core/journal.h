// The records of a crash-recovery journal: each change of a document as a splice of its whole text, and their replay.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/core/change.h"
#include "editor/core/coordinates.h"
#include "editor/core/row_list.h"

namespace tavi {

// Where a row starts in the whole text (rows joined, CR LF after each line), kept for one
// row across changes: a change's place then costs a walk over the rows between it and the
// last one, not over the document. Typing in one place walks nothing.
class TOffsetAnchor {
public:
    // The offset of row `row` of `rows`, which must already show `change` (followed first:
    // the anchor moves with the rows below a change and is dropped inside one).
    TDocOffset OffsetAfter(const RowList& rows, const TChange& change);

private:
    TRow row_;
    TDocOffset offset_;
};

// One change as a splice of the whole text: OldLength bytes at At became Inserted.
struct TJournalEdit {
    TDocOffset At;
    long long OldLength = 0;
    std::string Inserted;
};

// The splice `change` made, read from `rows` after it (a whole change has none: the text
// starts anew).
TJournalEdit JournalEditOf(const RowList& rows, const TChange& change, TOffsetAnchor& anchor);

// Appends the record of `edit`: "E <at> <old length> <inserted length>\n", the inserted
// bytes, "\n". Records are bytes as the document holds them, whatever they contain.
void AppendJournalEdit(std::string& out, const TJournalEdit& edit);

// A journal file: a first line "TAVI-JOURNAL 1", named fields "<name> <length>\n<value>\n"
// ending with the field "base" (the text the records start from), then the records.
using TJournalFields = std::vector<std::pair<std::string, std::string>>;
std::string JournalHead(const TJournalFields& fields, std::string_view base);

// A journal file read back: its fields, its base text and its records. Valid false when the
// head itself is cut off or is no journal's.
struct TJournalFile {
    bool Valid = false;
    TJournalFields Fields;
    std::string Base;
    std::string_view Records;
    // The value of field `name`, empty when there is none.
    std::string Field(std::string_view name) const;
};
TJournalFile ParseJournal(std::string_view bytes);

// `text` with the records of `records` applied in order. A record cut off (the program was
// killed while writing it) or out of place ends the replay; Damaged tells so.
struct TReplayed {
    std::string Text;
    std::size_t Records = 0;
    bool Damaged = false;
};
TReplayed ReplayJournal(std::string text, std::string_view records);

}  // namespace tavi
