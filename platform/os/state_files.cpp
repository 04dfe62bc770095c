// Files the program keeps for itself between runs: its state folder, and a file only ever appended to.
#include "platform/os/state_files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace tavi {

namespace {

namespace fs = std::filesystem;

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

}  // namespace

std::string StateFolder()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    fs::path folder;
    if (state != nullptr && *state == '/')
        folder = fs::path(state);
    else if (home != nullptr && *home != '\0')
        folder = fs::path(home) / ".local" / "state";
    else
        return {};
    folder /= "tavi-css-editor";
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        if (ec)
            return {};
        ::chmod(folder.c_str(), 0700);
    }
    return folder.string();
}

std::vector<std::string> FilesEndingWith(const std::string& folder, std::string_view suffix)
{
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string path = it->path().string();
        if (path.size() > suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0)
            files.push_back(path);
    }
    return files;
}

bool ProcessRuns(int pid)
{
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

TAppendFile::~TAppendFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool TAppendFile::Create(const std::string& path, std::string_view bytes)
{
    Remove();
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return false;
    path_ = path;
    ::fchmod(fd_, 0600);  // an older file of that name may have been readable by others
    return WriteAll(fd_, bytes);
}

bool TAppendFile::Append(std::string_view bytes)
{
    return fd_ >= 0 && WriteAll(fd_, bytes);
}

bool TAppendFile::Sync()
{
    return fd_ >= 0 && ::fdatasync(fd_) == 0;
}

void TAppendFile::Remove()
{
    if (fd_ < 0)
        return;
    ::close(fd_);
    fd_ = -1;
    ::unlink(path_.c_str());
    path_.clear();
}

}  // namespace tavi
