// Reading and writing documents as files of Shift-JIS text.
#include "editor/core/text_file.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <random>
#include <stdexcept>

#include "editor/core/editor_error.h"

namespace tavi {

namespace {

namespace fs = std::filesystem;

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
    TFilePtr file(std::fopen(fileName.c_str(), "rb"));
    if (!file)
        throw TEditorError(message);
    std::error_code ec;
    const auto size = fs::file_size(fileName, ec);
    try {
        return ReadOpenFile(file.get(), ec ? 0 : static_cast<std::size_t>(size));
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

// Creates a new file beside `target` that did not exist before; null if none could be made.
TFilePtr CreateTemporaryBeside(const fs::path& target, fs::path& tempPath)
{
    static std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
        std::string name = ".";
        name.append(target.filename().string()).append(suffix);
        tempPath = target.parent_path() / name;
        if (std::FILE* f = std::fopen(tempPath.c_str(), "wbx"))
            return TFilePtr(f);
    }
    return nullptr;
}

bool WriteRows(std::FILE* file, const RowList& rows)
{
    std::string buffer;
    buffer.reserve(kChunkBytes + 4096);
    for (int r = 0; r < rows.Count(); ++r) {
        buffer += rows.Text(r);
        if (rows.End(r) == reBreak)
            buffer += "\r\n";
        if (buffer.size() >= kChunkBytes) {
            if (std::fwrite(buffer.data(), 1, buffer.size(), file) != buffer.size())
                return false;
            buffer.clear();
        }
    }
    if (std::fwrite(buffer.data(), 1, buffer.size(), file) != buffer.size())
        return false;
    return std::fflush(file) == 0 && !std::ferror(file);
}

}  // namespace

void WriteTextFile(const std::string& fileName, const RowList& rows)
{
    const std::string message = FormatMessage(kCannotCreateFile, fileName);
    std::error_code ec;
    fs::path target(fileName);
    if (fs::is_symlink(target, ec)) {
        const fs::path real = fs::canonical(target, ec);
        if (!ec)
            target = real;
    }
    fs::path tempPath;
    TFilePtr file = CreateTemporaryBeside(target, tempPath);
    if (!file)
        throw TEditorError(message);
    bool written = WriteRows(file.get(), rows);
    written = std::fclose(file.release()) == 0 && written;
    if (written) {
        const fs::file_status old = fs::status(target, ec);
        if (!ec && fs::exists(old))
            fs::permissions(tempPath, old.permissions(), ec);
        fs::rename(tempPath, target, ec);
        written = !ec;
    }
    if (!written) {
        fs::remove(tempPath, ec);
        throw TEditorError(message);
    }
}

}  // namespace tavi
