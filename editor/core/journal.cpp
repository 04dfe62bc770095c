// The records of a crash-recovery journal: each change of a document as a splice of its whole text, and their replay.
#include "editor/core/journal.h"

#include <algorithm>
#include <charconv>

namespace tavi {

namespace {

long long RowBytes(const RowList& rows, int r)
{
    return static_cast<long long>(rows.Text(r).size()) + (rows.End(r) == reBreak ? 2 : 0);
}

// Reads "<number><separator>" at `at`; false when the text ends first or holds no number.
bool ReadNumber(std::string_view text, std::size_t& at, char separator, long long& value)
{
    const char* begin = text.data() + at;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || next == end || *next != separator || value < 0)
        return false;
    at = static_cast<std::size_t>(next - text.data()) + 1;
    return true;
}

}  // namespace

TDocOffset TOffsetAnchor::OffsetAfter(const RowList& rows, const TChange& change)
{
    const TRow first = change.First;
    if (change.Whole || (row_ > first && row_ < first + change.OldRows)) {
        row_ = TRow(0);  // inside the band, or a new text: start over
        offset_ = TDocOffset(0);
    } else if (row_ >= first + change.OldRows && row_ > first) {
        row_ += change.Delta();  // below the band: moved with it
        offset_ += change.NewBytes - change.OldBytes;
    }
    while (row_ < first) {
        offset_ += RowBytes(rows, row_.Value());
        ++row_;
    }
    while (row_ > first) {
        --row_;
        offset_ -= RowBytes(rows, row_.Value());
    }
    return offset_;
}

TJournalEdit JournalEditOf(const RowList& rows, const TChange& change, TOffsetAnchor& anchor)
{
    TJournalEdit edit;
    edit.At = anchor.OffsetAfter(rows, change) + change.ByteFrom;
    edit.OldLength = change.OldBytes;
    // The inserted bytes, gathered from the band's new rows.
    long long skip = change.ByteFrom;
    long long left = change.NewBytes;
    edit.Inserted.reserve(static_cast<std::size_t>(left));
    for (int r = change.First.Value(); left > 0 && r < rows.Count(); ++r) {
        const long long size = RowBytes(rows, r);
        if (skip >= size) {
            skip -= size;
            continue;
        }
        const std::string_view text = rows.Text(r);
        const std::string_view ending = rows.End(r) == reBreak ? "\r\n" : "";
        for (const std::string_view piece : {text, ending}) {
            const auto length = static_cast<long long>(piece.size());
            if (skip >= length) {
                skip -= length;
                continue;
            }
            const long long take = std::min(length - skip, left);
            edit.Inserted.append(piece.substr(static_cast<std::size_t>(skip), static_cast<std::size_t>(take)));
            left -= take;
            skip = 0;
        }
    }
    return edit;
}

void AppendJournalEdit(std::string& out, const TJournalEdit& edit)
{
    out += 'E';
    out += std::to_string(edit.At.Value());
    out += ' ';
    out += std::to_string(edit.OldLength);
    out += ' ';
    out += std::to_string(edit.Inserted.size());
    out += '\n';
    out += edit.Inserted;
    out += '\n';
}

namespace {

constexpr std::string_view kJournalMagic = "TAVI-JOURNAL 1\n";

void AppendField(std::string& out, std::string_view name, std::string_view value)
{
    out.append(name).append(" ").append(std::to_string(value.size())).append("\n").append(value).append("\n");
}

}  // namespace

std::string JournalHead(const TJournalFields& fields, std::string_view base)
{
    std::string head(kJournalMagic);
    for (const auto& [name, value] : fields)
        AppendField(head, name, value);
    AppendField(head, "base", base);
    return head;
}

std::string TJournalFile::Field(std::string_view name) const
{
    for (const auto& [key, value] : Fields) {
        if (key == name)
            return value;
    }
    return {};
}

TJournalFile ParseJournal(std::string_view bytes)
{
    TJournalFile file;
    if (bytes.substr(0, kJournalMagic.size()) != kJournalMagic)
        return file;
    std::size_t at = kJournalMagic.size();
    while (at < bytes.size()) {
        const std::size_t space = bytes.find(' ', at);
        if (space == std::string_view::npos)
            return file;
        std::string name(bytes.substr(at, space - at));
        std::size_t next = space + 1;
        long long length = 0;
        if (!ReadNumber(bytes, next, '\n', length) || next + static_cast<std::size_t>(length) >= bytes.size() ||
            bytes[next + static_cast<std::size_t>(length)] != '\n')
            return file;
        std::string value(bytes.substr(next, static_cast<std::size_t>(length)));
        at = next + static_cast<std::size_t>(length) + 1;
        if (name == "base") {
            file.Base = std::move(value);
            file.Records = bytes.substr(at);
            file.Valid = true;
            return file;
        }
        file.Fields.emplace_back(std::move(name), std::move(value));
    }
    return file;
}

TReplayed ReplayJournal(std::string text, std::string_view records)
{
    TReplayed replayed;
    std::size_t at = 0;
    while (at < records.size()) {
        long long where = 0, oldLength = 0, length = 0;
        std::size_t next = at + 1;
        const bool whole = records[at] == 'E' && ReadNumber(records, next, ' ', where) &&
                           ReadNumber(records, next, ' ', oldLength) && ReadNumber(records, next, '\n', length) &&
                           next + static_cast<std::size_t>(length) < records.size() &&
                           records[next + static_cast<std::size_t>(length)] == '\n';
        if (!whole || static_cast<std::size_t>(where + oldLength) > text.size()) {
            replayed.Damaged = true;
            break;
        }
        text.replace(static_cast<std::size_t>(where), static_cast<std::size_t>(oldLength),
                     records.substr(next, length));
        at = next + static_cast<std::size_t>(length) + 1;
        ++replayed.Records;
    }
    replayed.Text = std::move(text);
    return replayed;
}

}  // namespace tavi
