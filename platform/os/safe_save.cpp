// Saving a file's new content without losing what the user had: its permissions, owner, links and old text.
#include "platform/os/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>

#include "platform/os/file_attributes.h"
#include "platform/os/user_error.h"

namespace tavi {

std::function<void(const std::string& path)> TemporaryFileCreated;

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40;

// Closes a descriptor when it goes out of scope.
class TFd {
public:
    explicit TFd(int fd = -1) : fd_(fd) {}
    ~TFd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return fd_; }
    // Closes now; false when closing reported an error (a delayed write failure).
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

// The file a chain of symbolic links finally names, which need not exist yet; none for a
// loop or a chain too long to follow.
std::optional<fs::path> FinalTarget(fs::path path)
{
    for (int hops = 0; hops < kMaxLinkHops; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::error_code ec;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec)
            return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// A short prefix for the temporary files of one file: a name may use all 255 bytes, so the
// temporary names must not grow with it; the same file always gets the same prefix, so
// that what a killed save left behind can be found.
std::string TemporaryPrefix(const fs::path& target)
{
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const unsigned char c : target.filename().string())
        hash = (hash ^ c) * 1099511628211ull;
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, ".tavi-%016llx-", static_cast<unsigned long long>(hash));
    return prefix;
}

void RemoveStaleTemporaries(const fs::path& folder, const std::string& prefix)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        // Backups (".bak") are left alone: after a killed write in place one may be the only old text.
        if (name.rfind(prefix, 0) == 0 && name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0)
            fs::remove(it->path(), ec);
    }
}

// Creates a new file in `folder` with the given mode from the start (never readable by more
// users than the final file); -1 when none could be made.
int CreateTemporary(const fs::path& folder, const std::string& prefix, const char* extension,
                    std::optional<mode_t> exactMode, fs::path& path)
{
    static std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 16; ++attempt) {
        char tail[24];
        std::snprintf(tail, sizeof tail, "%08llx%s", static_cast<unsigned long long>(random() & 0xFFFFFFFFu),
                      extension);
        path = folder / (prefix + tail);
        // Read and write: a backup is read back when a write in place must be undone.
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, exactMode.value_or(0666));
        if (fd >= 0) {
            // The umask may only have narrowed the mode; give it exactly the old file's.
            if (exactMode)
                ::fchmod(fd, *exactMode);
            if (TemporaryFileCreated)
                TemporaryFileCreated(path.string());
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    return -1;
}

bool CopyContent(int from, int to)
{
    if (::lseek(from, 0, SEEK_SET) < 0)
        return false;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer + done, static_cast<std::size_t>(got - done));
            if (put < 0 && errno != EINTR)
                return false;
            done += put > 0 ? put : 0;
        }
    }
}

void SyncFolder(const fs::path& folder)
{
    TFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0)
        ::fsync(fd.Get());
}

// Gives the file that replaces `target` the old file's extended attributes (its access
// control list among them) and then its exact mode: changing the owner or writing may have
// cleared the set-user-ID and set-group-ID bits.
void KeepAttributes(const fs::path& target, int replacement, mode_t mode)
{
    TFd old(::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (old.Get() >= 0)
        CopyExtendedAttributes(old.Get(), replacement);
    ::fchmod(replacement, mode & 07777);
}

// Writes into the file itself, after a backup copy beside it that undoes a failed write.
void WriteInPlace(const fs::path& target, const fs::path& folder, const std::string& prefix, mode_t mode,
                  const TContentWriter& write, const std::string& message)
{
    fs::path backupPath;
    TFd backup(CreateTemporary(folder, prefix, ".bak", mode_t{0600}, backupPath));
    TFd original(::open(target.c_str(), O_RDONLY | O_CLOEXEC));
    if (backup.Get() < 0 || original.Get() < 0 || !CopyContent(original.Get(), backup.Get()) ||
        ::fsync(backup.Get()) != 0) {
        if (backup.Get() >= 0)
            ::unlink(backupPath.c_str());
        throw TUserError(message);
    }
    TFd out(::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    bool written = out.Get() >= 0 && write(out.Get());
    // Writing may have cleared the set-user-ID and set-group-ID bits.
    if (out.Get() >= 0)
        ::fchmod(out.Get(), mode & 07777);
    written = written && ::fsync(out.Get()) == 0;
    written = out.Close() && written;
    if (!written) {
        TFd restore(::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
        const bool restored = restore.Get() >= 0 && CopyContent(backup.Get(), restore.Get()) &&
                              ::fsync(restore.Get()) == 0 && restore.Close();
        if (restored)
            ::unlink(backupPath.c_str());
        throw TUserError(message);
    }
    ::unlink(backupPath.c_str());
    SyncFolder(folder);
}

}  // namespace

void SaveFileSafely(const std::string& fileName, const TContentWriter& write)
{
    const std::string message = FormatMessage(kCannotCreateFile, fileName);
    const std::optional<fs::path> found = FinalTarget(fileName);
    if (!found)
        throw TUserError(message);
    const fs::path& target = *found;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (!S_ISREG(st.st_mode))
            throw TUserError(message);
        // Refused where writing the file directly would be refused (a read-only file).
        TFd probe(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
        if (probe.Get() < 0)
            throw TUserError(message);
    }
    const std::string prefix = TemporaryPrefix(target);
    RemoveStaleTemporaries(folder, prefix);
    if (!exists || st.st_nlink <= 1) {
        fs::path tempPath;
        TFd temp(CreateTemporary(folder, prefix, ".tmp",
                                 exists ? std::optional<mode_t>(st.st_mode & 07777) : std::nullopt, tempPath));
        if (temp.Get() < 0)
            throw TUserError(message);
        // The new file belongs to whoever saves; give it the old owner where that is allowed.
        struct stat made {};
        const bool keepsOwner =
            !exists || (::fstat(temp.Get(), &made) == 0 && made.st_uid == st.st_uid && made.st_gid == st.st_gid) ||
            ::fchown(temp.Get(), st.st_uid, st.st_gid) == 0;
        if (keepsOwner) {
            bool written = write(temp.Get());
            if (exists)
                KeepAttributes(target, temp.Get(), st.st_mode);
            written = written && ::fdatasync(temp.Get()) == 0;
            written = temp.Close() && written;
            if (!written || ::rename(tempPath.c_str(), target.c_str()) != 0) {
                ::unlink(tempPath.c_str());
                throw TUserError(message);
            }
            SyncFolder(folder);
            return;
        }
        // A new file would belong to the saving user: write into the old one instead.
        temp.Close();
        ::unlink(tempPath.c_str());
    }
    WriteInPlace(target, folder, prefix, st.st_mode, write, message);
}

std::vector<std::string> LeftoverBackups(const std::string& fileName)
{
    const std::optional<fs::path> found = FinalTarget(fileName);
    if (!found)
        return {};
    const fs::path folder = found->has_parent_path() ? found->parent_path() : fs::path(".");
    const std::string prefix = TemporaryPrefix(*found);
    std::vector<std::pair<fs::file_time_type, std::string>> backups;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(prefix, 0) == 0 && name.size() > 4 && name.compare(name.size() - 4, 4, ".bak") == 0)
            backups.emplace_back(fs::last_write_time(it->path(), ec), it->path().string());
    }
    std::sort(backups.begin(), backups.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::string> paths;
    for (auto& backup : backups)
        paths.push_back(std::move(backup.second));
    return paths;
}

void RestoreBackup(const std::string& backup, const std::string& fileName)
{
    TFd in(::open(backup.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.Get() < 0)
        throw TUserError(FormatMessage(kCannotCreateFile, fileName));
    SaveFileSafely(fileName, [&in](int out) { return CopyContent(in.Get(), out); });
    ::unlink(backup.c_str());
}

}  // namespace tavi
