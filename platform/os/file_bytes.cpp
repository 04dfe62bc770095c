// Reading a file's bytes whole and writing a file's new bytes safely.
#include "platform/os/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <stdexcept>

#include "platform/os/large_pages.h"
#include "platform/os/safe_save.h"
#include "platform/os/user_error.h"

namespace tavi {

namespace {

// All bytes of an open file: as many as its size says, and more if it grew meanwhile.
std::string ReadAll(int fd, std::size_t sizeHint, std::size_t spare)
{
    std::string bytes;
    bytes.reserve(sizeHint + spare);
    PreferLargePages(bytes.data(), sizeHint);
    bytes.resize(sizeHint);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            // A probe of the rest, so that a file of the size it said costs no room to spare.
            char probe[65536];
            const ssize_t more = ::read(fd, probe, sizeof probe);
            if (more < 0 && errno == EINTR)
                continue;
            if (more < 0)
                throw std::runtime_error("read error");
            if (more == 0)
                return bytes;
            bytes.append(probe, static_cast<std::size_t>(more));
            got = bytes.size();
            continue;
        }
        const ssize_t put = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            throw std::runtime_error("read error");
        if (put == 0) {
            bytes.resize(got);  // the file shrank meanwhile
            return bytes;
        }
        got += static_cast<std::size_t>(put);
    }
}

struct TFdCloser {
    int fd;
    ~TFdCloser() { ::close(fd); }
};

}  // namespace

std::string ReadFileBytes(const std::string& fileName, TSpareRoom room)
{
    const std::string message = FormatMessage(kCannotOpenFile, fileName);
    // Opened without waiting, so that a pipe with no writer cannot block; only regular
    // files are documents.
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw TUserError(message);
    const TFdCloser closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fcntl(fd, F_SETFL, 0) != 0)
        throw TUserError(message);
    try {
        const auto size = static_cast<std::size_t>(st.st_size);
        return ReadAll(fd, size, room == TSpareRoom::ForEdits ? size / 8 + 4096 : 0);
    } catch (const std::bad_alloc&) {
        throw TUserError(message);
    } catch (const std::length_error&) {
        throw TUserError(message);
    } catch (const std::runtime_error&) {
        throw TUserError(message);
    }
}

namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

}  // namespace

void WriteFilePieces(const std::string& fileName, const std::function<bool(const TPieceWriter& write)>& write)
{
    SaveFileSafely(fileName,
                   [&write](int fd) { return write([fd](std::string_view piece) { return WriteAll(fd, piece); }); });
}

void WriteFileBytes(const std::string& fileName, const std::string& bytes)
{
    SaveFileSafely(fileName, [&bytes](int fd) { return WriteAll(fd, bytes); });
}

}  // namespace tavi
