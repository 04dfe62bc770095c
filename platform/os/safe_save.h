// Saving a file's new content without losing what the user had: its permissions, owner, links and old text.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavi {

// Writes a file's new content to the descriptor it is given; false when a write failed.
using TContentWriter = std::function<bool(int fd)>;

// Replaces the content of `fileName` with what `write` writes, keeping what the user had:
// - a symbolic link is written through to the file it finally names, created when missing;
//   a loop of links is an error;
// - a file that cannot be opened for writing (read-only, say) is refused, as writing it
//   directly would be;
// - normally a temporary file with a short name beside the file is created with the old
//   file's permissions (and owner, where that can be kept), written, given the old file's
//   extended attributes and access control list (what the file system refuses is skipped)
//   and its exact mode, set-user-ID and set-group-ID bits included, synced, renamed over the
//   file, and the folder synced; leftovers of an earlier save of the same file that was
//   killed are removed first;
// - a file with other hard links, or whose owner a new file could not keep, is written in
//   place after a backup copy beside it, its mode (set-id bits included) put back after the
//   write; a failed write is undone from the backup, which is removed afterwards (and kept
//   only when even the undoing failed, or when the save is killed meanwhile: see
//   LeftoverBackups).
// On any failure the old file stays as it was and TEditorError "ﾌｧｲﾙ %s を作成できません"
// is thrown with fileName as given.
void SaveFileSafely(const std::string& fileName, const TContentWriter& write);

// The backups an interrupted write in place of `fileName` left beside it (a save killed
// between truncating the file and finishing it), newest first. Each holds the file's text
// from before that save.
std::vector<std::string> LeftoverBackups(const std::string& fileName);

// Gives `fileName` the text of `backup` (as SaveFileSafely writes), then removes the backup.
// Throws TEditorError "ﾌｧｲﾙ %s を作成できません" when the text cannot be written; the backup
// stays then.
void RestoreBackup(const std::string& backup, const std::string& fileName);

// Called with the path of each temporary or backup file right after it is created; tests
// look at it there.
extern std::function<void(const std::string& path)> TemporaryFileCreated;

}  // namespace tavi
