// Reading and writing documents as files of Shift-JIS text.
#pragma once

#include <string>
#include <string_view>

#include "editor/core/row_list.h"

namespace tavi {

// Turns the bytes of a file into rows: lines end at CR LF, CR or LF (CR LF counts
// once); the byte 0x1A (Ctrl-Z) ends the text and nothing after it is read; a final
// line without a line end becomes a reEof row, every other row is reBreak. All other
// bytes, NUL included, are kept in their rows.
RowList ParseFileText(std::string_view bytes);

// Reads the file `fileName` into fresh rows as ParseFileText does, in large chunks.
// Throws TEditorError "ﾌｧｲﾙ %s は開けません" (with fileName as given) when the file
// cannot be opened or read to its end; nothing else is touched then.
RowList ReadTextFile(const std::string& fileName);

// The bytes saving writes: every row in order, CR LF after each reBreak row.
std::string FileTextOf(const RowList& rows);

// Replaces the file `fileName` with FileTextOf(rows) atomically: the text goes to a
// temporary file in the same folder, which is flushed, given the old file's
// permissions and renamed over the target (a symbolic link is written through to the
// file it names). On any failure the old file stays as it was, the temporary file is
// removed and TEditorError "ﾌｧｲﾙ %s を作成できません" is thrown.
void WriteTextFile(const std::string& fileName, const RowList& rows);

}  // namespace tavi
