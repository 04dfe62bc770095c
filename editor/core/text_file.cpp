// Reading and writing documents as files of Shift-JIS text.
#include "editor/core/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>

#include "editor/core/editor_error.h"
#include "editor/core/large_pages.h"
#include "editor/core/safe_save.h"

namespace tavi {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 18;
constexpr char kCtrlZ = 0x1A;

// Appends the rows of the line at [off, off + len) of the rows' storage, wrapped by `rule`;
// its last row takes `end`. `tab` says whether the line holds a tab.
void AppendLine(RowList& rows, std::size_t off, std::size_t len, bool tab, TRowEnd end, const TWrapRule& rule,
                std::string_view storage)
{
    // Without tabs every byte covers one column (a lone final lead byte two), so a line this
    // short is one row, as wrapping would find.
    if (!rule.wordWrap || (len + 1 < static_cast<std::size_t>(rule.wrapByte) && !tab)) {
        rows.AppendStored(off, len, end);
        return;
    }
    ForEachWrapPiece(storage.substr(off, len), rule.wrapByte, rule.tabSpaceCount,
                     [&](std::size_t pos, std::size_t pieceLen, TRowEnd pieceEnd) {
                         rows.AppendStored(off + pos, pieceLen, pieceEnd == reBreak ? end : pieceEnd);
                     });
}

}  // namespace

RowList RowsOfFileBytes(std::string bytes, const TWrapRule& rule)
{
    if (const void* stop = std::memchr(bytes.data(), kCtrlZ, bytes.size()))
        bytes.resize(static_cast<std::size_t>(static_cast<const char*>(stop) - bytes.data()));
    const std::size_t n = bytes.size();
    // Style sheets end their lines with LF or CR LF: the LFs count the rows, and an eighth
    // more leaves room for the long lines that wrap, so that the row vector rarely grows
    // (and doubles) while the file is read.
    const auto breaks = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    RowList rows;
    rows.Reserve(breaks + breaks / 8 + 16, 0);
    rows.Adopt(std::move(bytes));
    const std::string_view text = rows.Storage();
    const char* p = text.data();
    std::size_t start = 0;
    bool tab = false;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = p[i];
        if (static_cast<unsigned char>(c) > '\r')
            continue;
        if (c == '\t') {
            tab = true;
        } else if (c == '\n' || c == '\r') {
            AppendLine(rows, start, i - start, tab, reBreak, rule, text);
            if (c == '\r' && i + 1 < n && p[i + 1] == '\n')
                ++i;
            start = i + 1;
            tab = false;
        }
    }
    if (start < n)
        AppendLine(rows, start, n - start, tab, reEof, rule, text);
    return rows;
}

namespace {

// All bytes of an open file: as many as its size says, and more if it grew meanwhile.
std::string ReadAll(int fd, std::size_t sizeHint)
{
    std::string bytes;
    bytes.reserve(sizeHint);
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

RowList ParseFileText(std::string_view bytes)
{
    return RowsOfFileBytes(std::string(bytes), TWrapRule{});
}

std::string ReadFileBytes(const std::string& fileName)
{
    const std::string message = FormatMessage(kCannotOpenFile, fileName);
    // Opened without waiting, so that a pipe with no writer cannot block; only regular
    // files are documents.
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw TEditorError(message);
    const TFdCloser closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fcntl(fd, F_SETFL, 0) != 0)
        throw TEditorError(message);
    try {
        return ReadAll(fd, static_cast<std::size_t>(st.st_size));
    } catch (const std::bad_alloc&) {
        throw TEditorError(message);
    } catch (const std::length_error&) {
        throw TEditorError(message);
    } catch (const std::runtime_error&) {
        throw TEditorError(message);
    }
}

RowList ReadTextFile(const std::string& fileName, const TWrapRule& rule)
{
    std::string bytes = ReadFileBytes(fileName);
    try {
        return RowsOfFileBytes(std::move(bytes), rule);
    } catch (const std::bad_alloc&) {
        throw TEditorError(FormatMessage(kCannotOpenFile, fileName));
    } catch (const std::length_error&) {
        throw TEditorError(FormatMessage(kCannotOpenFile, fileName));
    }
}

std::string FileTextOf(const RowList& rows)
{
    std::string text;
    text.reserve(rows.TextBytes() + 2 * static_cast<std::size_t>(rows.Count()));
    for (int r = 0; r < rows.Count(); ++r) {
        text += rows.Text(r);
        if (rows.End(r) == reBreak)
            text += "\r\n";
    }
    return text;
}

namespace {

bool WriteAll(int fd, const std::string& bytes)
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

// Writes the rows in large chunks, CR LF after each reBreak row.
bool WriteRows(int fd, const RowList& rows)
{
    std::string buffer;
    buffer.reserve(kChunkBytes + 4096);
    for (int r = 0; r < rows.Count(); ++r) {
        buffer += rows.Text(r);
        if (rows.End(r) == reBreak)
            buffer += "\r\n";
        if (buffer.size() >= kChunkBytes) {
            if (!WriteAll(fd, buffer))
                return false;
            buffer.clear();
        }
    }
    return WriteAll(fd, buffer);
}

}  // namespace

void WriteTextFile(const std::string& fileName, const RowList& rows)
{
    SaveFileSafely(fileName, [&rows](int fd) { return WriteRows(fd, rows); });
}

void WriteFileBytes(const std::string& fileName, const std::string& bytes)
{
    SaveFileSafely(fileName, [&bytes](int fd) { return WriteAll(fd, bytes); });
}

}  // namespace tavi
