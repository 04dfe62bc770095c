// Reading and writing documents as files of Shift-JIS text.
#pragma once

#include <string>
#include <string_view>

#include "editor/core/row_list.h"
#include "editor/core/wrap_text.h"
#include "text/line_end.h"

namespace tavi {

// The rows of a file's bytes, which become the rows' storage: lines end at CR LF, CR or
// LF (CR LF counts once); in code page 932 the byte 0x1A (Ctrl-Z) ends the text and
// nothing after it is read; a final line without a line end becomes a reEof row, every other row is reBreak.
// All other bytes, NUL included, are kept in their rows. Each line is wrapped by `rule`
// (as RowList::Rewrap would) as it is found when rule.wordWrap is on. Throws
// std::length_error for a text larger than rows can hold.
// `lineEnd`, when given, receives the line end the text uses most (CR LF on a tie or when
// there is none), so that saving writes the lines as the file had them.
RowList RowsOfFileBytes(std::string bytes, const TWrapRule& rule, TLineEnd* lineEnd = nullptr);

// The bytes saving writes: every row in order, `lineEnd` after each reBreak row.
std::string FileTextOf(const RowList& rows, TLineEnd lineEnd = TLineEnd::CrLf);

// Replaces the content of the file `fileName` with FileTextOf(rows, lineEnd), keeping its
// permissions, owner, links and, on any failure, its old text (see WriteFilePieces); throws
// TEditorError "ﾌｧｲﾙ %s を作成できません".
void WriteTextFile(const std::string& fileName, const RowList& rows, TLineEnd lineEnd = TLineEnd::CrLf);

}  // namespace tavi
