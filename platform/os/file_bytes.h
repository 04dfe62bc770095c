// Reading a file's bytes whole and writing a file's new bytes safely.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tavi {

// Room reserved after a file's bytes when they are read.
enum class TSpareRoom {
    None,
    // An eighth more: bytes that become a document's rows take its first edits without
    // being copied (the room costs no memory until it is written).
    ForEdits,
};

// Every byte of the regular file `fileName`. Throws TUserError "ﾌｧｲﾙ %s は開けません"
// (with fileName as given) when the file cannot be opened or read to its end, or is no
// regular file (a folder, a device, a pipe: reading one could block for good).
std::string ReadFileBytes(const std::string& fileName, TSpareRoom room = TSpareRoom::None);

// Hands out one piece of a file's new content; false when writing it failed.
using TPieceWriter = std::function<bool(std::string_view piece)>;

// Replaces the content of the file `fileName` with the pieces `write` hands to the writer
// it is given, in order, keeping the file's permissions, owner, links and, on any failure,
// its old text (see SaveFileSafely); throws TUserError "ﾌｧｲﾙ %s を作成できません".
void WriteFilePieces(const std::string& fileName, const std::function<bool(const TPieceWriter& write)>& write);

// Replaces the content of the file `fileName` with `bytes`, as WriteFilePieces does.
void WriteFileBytes(const std::string& fileName, const std::string& bytes);

}  // namespace tavi
