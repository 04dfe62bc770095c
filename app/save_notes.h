// Saves under way, noted in the program's state folder, so that a save the program did not live to finish is
// found at the next start.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavi {

// Notes, from construction to destruction, that this program is saving `fileName`. A save
// killed midway leaves its note behind (and, when it wrote in place, a backup of the old
// text beside the file). Without a state folder nothing is noted: such a backup is still
// offered when its file is opened.
class TSaveNote {
public:
    explicit TSaveNote(const std::string& fileName);
    ~TSaveNote();
    TSaveNote(const TSaveNote&) = delete;
    TSaveNote& operator=(const TSaveNote&) = delete;

private:
    std::string path_;
};

// The files whose noted save never ended in a program no longer running (`running` says
// which are), for which a backup of the old text is still left. Notes of saves that left no
// backup are forgotten.
std::vector<std::string> InterruptedSaves(const std::function<bool(int pid)>& running);

// Forgets the interrupted save of `fileName` (its backup was restored or removed).
void ForgetInterruptedSave(const std::string& fileName);

}  // namespace tavi
