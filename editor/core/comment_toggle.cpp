// Commenting lines out and back in: the text a block of lines becomes, and the edit that makes it.
#include "editor/core/comment_toggle.h"

#include "editor/core/editor_core.h"

namespace tavi {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string ReplacedAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    for (std::size_t start = 0;;) {
        const std::size_t hit = text.find(from, start);
        out += text.substr(start, hit == std::string_view::npos ? hit : hit - start);
        if (hit == std::string_view::npos)
            return out;
        out += to;
        start = hit + from.size();
    }
}

}  // namespace

std::optional<std::string> ToggledComment(std::string_view block)
{
    const std::size_t first = block.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::size_t last = block.find_last_not_of(kBlanks) + 1;
    const std::string_view body = block.substr(first, last - first);
    const std::string_view head = block.substr(0, first);
    const std::string_view tail = block.substr(last);
    // One comment from the first sign to the last: its marks come off.
    if (body.size() >= 4 && body.starts_with("/*") && body.find("*/", 2) == body.size() - 2) {
        std::string_view inner = body.substr(2, body.size() - 4);
        if (inner.starts_with(' '))
            inner.remove_prefix(1);
        if (inner.ends_with(' '))
            inner.remove_suffix(1);
        return std::string(head) + ReplacedAll(inner, "*\\/", "*/") + std::string(tail);
    }
    return std::string(head) + "/* " + ReplacedAll(body, "*/", "*\\/") + " */" + std::string(tail);
}

bool TEditorCore::ToggleComment()
{
    if (options_.ReadOnly)
        return false;
    const RowList& rows = doc_.Rows();
    if (rows.Count() == 0)
        return false;
    // The logical lines of the selection (a selection ending at a row's start leaves that
    // row out), or of the caret.
    int top = std::min(caretRow_, rows.Count() - 1);
    int bottom = top;
    if (selected_ && !sel_.Empty()) {
        top = sel_.StartRow.Value();
        bottom = sel_.EndRow.Value();
        if (bottom > top && sel_.EndByte.Value() == 0)
            --bottom;
        bottom = std::min(bottom, rows.Count() - 1);
    }
    while (top > 0 && rows.End(top - 1) == reWrap)
        --top;
    while (bottom + 1 < rows.Count() && rows.End(bottom) == reWrap)
        ++bottom;
    std::string block;
    for (int r = top; r <= bottom; ++r) {
        block += rows.Text(r);
        if (r < bottom && rows.End(r) == reBreak)
            block += "\r\n";
    }
    const std::optional<std::string> toggled = ToggledComment(block);
    if (!toggled)
        return false;
    const TTextPos from{TRow(top), TByte(0)};
    const long long start = OffsetOf(from);
    if (!EditText(from, TTextPos{TRow(bottom), TByte(static_cast<int>(rows.Text(bottom).size()))}, *toggled, {}))
        return false;
    // The lines stay selected, so that the same key turns them back.
    SetSelStart(start);
    SetSelLength(static_cast<long long>(toggled->size()));
    return true;
}

}  // namespace tavi
