// Reading and writing documents as files of Shift-JIS text.
#include "editor/core/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>
#include <stdexcept>

#include "editor/core/editor_error.h"
#include "editor/core/safe_save.h"

namespace tavi {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 18;
constexpr char kCtrlZ = 0x1A;

// Splits a byte stream given in chunks into rows; a line may run across chunks.
class TLineReader {
public:
    explicit TLineReader(RowList& rows) : rows_(rows) {}

    // Takes the next chunk; returns false once Ctrl-Z has ended the text.
    bool Feed(const char* p, std::size_t n)
    {
        std::size_t i = 0;
        if (pendingCr_ && n > 0 && p[0] == '\n')
            i = 1;
        pendingCr_ = false;
        std::size_t start = i;
        for (; i < n; ++i) {
            const auto c = static_cast<unsigned char>(p[i]);
            if (c > 0x1A || (c != '\r' && c != '\n' && c != kCtrlZ))
                continue;
            if (c == kCtrlZ) {
                carry_.append(p + start, i - start);
                return false;
            }
            EmitLine(p + start, i - start);
            if (c == '\r') {
                if (i + 1 < n && p[i + 1] == '\n') {
                    ++i;
                } else if (i + 1 == n) {
                    pendingCr_ = true;
                }
            }
            start = i + 1;
        }
        carry_.append(p + start, n - start);
        return true;
    }

    // Stores the final piece without a line end, if any.
    void Finish()
    {
        if (!carry_.empty())
            rows_.Append(carry_, reEof);
        carry_.clear();
    }

private:
    void EmitLine(const char* p, std::size_t n)
    {
        if (carry_.empty()) {
            rows_.Append(std::string_view(p, n), reBreak);
            return;
        }
        carry_.append(p, n);
        rows_.Append(carry_, reBreak);
        carry_.clear();
    }

    RowList& rows_;
    std::string carry_;
    bool pendingCr_ = false;
};

struct TFileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using TFilePtr = std::unique_ptr<std::FILE, TFileCloser>;

RowList ReadOpenFile(std::FILE* file, std::size_t sizeHint)
{
    RowList rows;
    rows.Reserve(sizeHint / 32 + 16, sizeHint);
    TLineReader reader(rows);
    std::unique_ptr<char[]> buffer(new char[kChunkBytes]);
    for (;;) {
        const std::size_t got = std::fread(buffer.get(), 1, kChunkBytes, file);
        if (got > 0 && !reader.Feed(buffer.get(), got))
            break;
        if (got < kChunkBytes) {
            if (std::ferror(file))
                throw std::runtime_error("read error");
            break;
        }
    }
    reader.Finish();
    return rows;
}

}  // namespace

RowList ParseFileText(std::string_view bytes)
{
    RowList rows;
    rows.Reserve(bytes.size() / 32 + 4, bytes.size());
    TLineReader reader(rows);
    reader.Feed(bytes.data(), bytes.size());
    reader.Finish();
    return rows;
}

RowList ReadTextFile(const std::string& fileName)
{
    const std::string message = FormatMessage(kCannotOpenFile, fileName);
    // Opened without waiting, so that a pipe with no writer cannot block; only regular
    // files are documents.
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw TEditorError(message);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fcntl(fd, F_SETFL, 0) != 0) {
        ::close(fd);
        throw TEditorError(message);
    }
    TFilePtr file(::fdopen(fd, "rb"));
    if (!file) {
        ::close(fd);
        throw TEditorError(message);
    }
    try {
        return ReadOpenFile(file.get(), static_cast<std::size_t>(st.st_size));
    } catch (const std::bad_alloc&) {
        throw TEditorError(message);
    } catch (const std::length_error&) {
        throw TEditorError(message);
    } catch (const std::runtime_error&) {
        throw TEditorError(message);
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

}  // namespace tavi
