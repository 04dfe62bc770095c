// Saves under way, noted in the program's state folder, so that a save the program did not live to finish is
// found at the next start.
#include "app/save_notes.h"

#include <unistd.h>

#include <cstdio>

#include "platform/os/file_bytes.h"
#include "platform/os/file_identity.h"
#include "platform/os/safe_save.h"
#include "platform/os/state_files.h"

namespace tavi {

namespace {

constexpr const char* kNoteSuffix = ".saving";

// One note per file, named after its path: a second save of the same file reuses it.
std::string NotePath(const std::string& fileName)
{
    const std::string folder = StateFolder();
    if (folder.empty())
        return {};
    char name[32];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(ContentDigest(fileName)));
    return folder + "/" + name + kNoteSuffix;
}

}  // namespace

TSaveNote::TSaveNote(const std::string& fileName) : path_(NotePath(fileName))
{
    // "pid\npath": who saves, and what. Written without a sync: a note lost with the power
    // only means the backup is offered when its file is opened, not at the start.
    TAppendFile note;
    if (path_.empty() || !note.Create(path_, std::to_string(::getpid()) + "\n" + fileName))
        path_.clear();
}

TSaveNote::~TSaveNote()
{
    if (!path_.empty())
        ::unlink(path_.c_str());
}

std::vector<std::string> InterruptedSaves(const std::function<bool(int pid)>& running)
{
    std::vector<std::string> files;
    const std::string folder = StateFolder();
    if (folder.empty())
        return files;
    for (const std::string& note : FilesEndingWith(folder, kNoteSuffix)) {
        std::string text;
        try {
            text = ReadFileBytes(note);
        } catch (const std::exception&) {
            continue;
        }
        const std::size_t newline = text.find('\n');
        if (newline == std::string::npos) {
            ::unlink(note.c_str());  // cut short while written: its save had barely begun
            continue;
        }
        const std::string fileName = text.substr(newline + 1);
        int pid = 0;
        try {
            pid = std::stoi(text.substr(0, newline));
        } catch (const std::exception&) {
        }
        if (pid > 0 && running(pid))
            continue;  // still saving
        if (LeftoverBackups(fileName).empty())
            ::unlink(note.c_str());
        else
            files.push_back(fileName);
    }
    return files;
}

void ForgetInterruptedSave(const std::string& fileName)
{
    if (const std::string note = NotePath(fileName); !note.empty())
        ::unlink(note.c_str());
}

}  // namespace tavi
