// Files the program keeps for itself between runs: its state folder, and a file only ever appended to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavi {

// $XDG_STATE_HOME/tavi-css-editor (~/.local/state/tavi-css-editor without it), made private
// to the user (0700) when missing; empty when it cannot be made.
std::string StateFolder();

// The files in `folder` whose names end with `suffix`, by full path.
std::vector<std::string> FilesEndingWith(const std::string& folder, std::string_view suffix);

// Whether a process `pid` runs (one of another user counts too).
bool ProcessRuns(int pid);

// A file written only at its end, readable by its owner alone (0600).
class TAppendFile {
public:
    TAppendFile() = default;
    ~TAppendFile();
    TAppendFile(const TAppendFile&) = delete;
    TAppendFile& operator=(const TAppendFile&) = delete;

    // Makes `path` afresh holding `bytes`; false when it cannot be made or written.
    bool Create(const std::string& path, std::string_view bytes);
    // Appends `bytes`; false when the write failed (a full disk).
    bool Append(std::string_view bytes);
    // Makes what was written survive a power cut; false when that failed.
    bool Sync();
    // Closes and deletes the file.
    void Remove();
    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
};

}  // namespace tavi
