// Reading and writing documents as files of Shift-JIS text.
#include "editor/core/text_file.h"

#include <algorithm>
#include <cstring>

#include "platform/os/file_bytes.h"

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
    ForEachWrapPiece(storage.substr(off, len), rule, [&](std::size_t pos, std::size_t pieceLen, TRowEnd pieceEnd) {
        rows.AppendStored(off + pos, pieceLen, pieceEnd == reBreak ? end : pieceEnd);
    });
}

// How many line ends of each kind a text holds.
struct TLineEndCount {
    std::size_t crlf = 0, lf = 0, cr = 0;
    // The most frequent; CR LF on a tie or when there is none.
    TLineEnd Most() const
    {
        if (lf > crlf && lf >= cr)
            return TLineEnd::Lf;
        if (cr > crlf && cr > lf)
            return TLineEnd::Cr;
        return TLineEnd::CrLf;
    }
};

}  // namespace

RowList RowsOfFileBytes(std::string bytes, const TWrapRule& rule, TLineEnd* lineEnd)
{
    TLineEndCount ends;
    // Ctrl-Z ends a code page 932 text, as such files were written; in UTF-8 it is a character.
    const void* stop =
        rule.encoding == TTextEncoding::Cp932 ? std::memchr(bytes.data(), kCtrlZ, bytes.size()) : nullptr;
    if (stop != nullptr)
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
            if (c == '\r' && i + 1 < n && p[i + 1] == '\n') {
                ++i;
                ++ends.crlf;
            } else {
                ++(c == '\n' ? ends.lf : ends.cr);
            }
            start = i + 1;
            tab = false;
        }
    }
    if (start < n)
        AppendLine(rows, start, n - start, tab, reEof, rule, text);
    if (lineEnd != nullptr)
        *lineEnd = ends.Most();
    return rows;
}

std::string FileTextOf(const RowList& rows, TLineEnd lineEnd)
{
    const std::string_view ending = LineEndBytes(lineEnd);
    std::string text;
    text.reserve(rows.TextBytes() + 2 * static_cast<std::size_t>(rows.Count()));
    for (int r = 0; r < rows.Count(); ++r) {
        text += rows.Text(r);
        if (rows.End(r) == reBreak)
            text += ending;
    }
    return text;
}

namespace {

// The rows in large pieces, `ending` after each reBreak row.
bool WriteRows(const TPieceWriter& write, const RowList& rows, std::string_view ending)
{
    std::string buffer;
    buffer.reserve(kChunkBytes + 4096);
    for (int r = 0; r < rows.Count(); ++r) {
        buffer += rows.Text(r);
        if (rows.End(r) == reBreak)
            buffer += ending;
        if (buffer.size() >= kChunkBytes) {
            if (!write(buffer))
                return false;
            buffer.clear();
        }
    }
    return write(buffer);
}

}  // namespace

void WriteTextFile(const std::string& fileName, const RowList& rows, TLineEnd lineEnd)
{
    const std::string_view ending = LineEndBytes(lineEnd);
    WriteFilePieces(fileName, [&rows, ending](const TPieceWriter& write) { return WriteRows(write, rows, ending); });
}

}  // namespace tavi
