// The editing commands of the editor core: typing, SelText, Delete, Backspace, Enter and Tab, each one edit of the
// document.
#include <algorithm>
#include <cstring>

#include "editor/core/editor_core.h"
#include "text/row_text.h"
#include "text/utf8.h"

namespace tavi {

namespace {

// Byte index of the last character of text (0 for an empty text).
int LastCharStart(std::string_view text, TTextEncoding encoding)
{
    int start = 0;
    for (int i = 0; i < static_cast<int>(text.size());) {
        start = i;
        i += CharAt(text, static_cast<std::size_t>(i), encoding).Bytes;
    }
    return start;
}

// What of `bytes` can be typed: whole characters that show (no control character, no
// half of one).
std::string TypeableChars(std::string_view bytes, TTextEncoding encoding)
{
    std::string typed;
    if (encoding == TTextEncoding::Utf8) {
        for (std::size_t i = 0; i < bytes.size();) {
            const TUtf8Sequence s = Utf8SequenceAt(bytes, i);
            if (s.WellFormed && s.CodePoint >= 0x20 && s.CodePoint != 0x7F &&
                !(s.CodePoint >= 0x80 && s.CodePoint < 0xA0))
                typed.append(bytes.substr(i, static_cast<std::size_t>(s.Length)));
            i += static_cast<std::size_t>(s.Length);
        }
        return typed;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (IsLeadByte(c)) {
            // A lead byte without its trail would swallow the next byte of the row.
            if (i + 1 < bytes.size() && IsTrailByte(static_cast<unsigned char>(bytes[i + 1])))
                typed.append(bytes.substr(i, 2));
            ++i;
        } else if ((c >= 0x20 && c <= 0x7E) || (c >= 0xA1 && c <= 0xDF)) {
            typed += static_cast<char>(c);
        }
    }
    return typed;
}

TTextPos At(int row, int byte)
{
    return {TRow(row), TByte(byte)};
}

}  // namespace

bool TEditorCore::ReplaceText(TTextPos from, TTextPos to, std::string_view s, bool pad, bool strip)
{
    return EditText(from, to, s, {.PadToFrom = pad, .StripBlanks = strip && disposeBlank_});
}

void TEditorCore::InsertTyped(std::string_view s)
{
    if (s.empty())
        return;
    const TTextPos at = CaretPos();
    ReplaceText(at, at, s, true, true);
}

void TEditorCore::TypeChars(std::string_view bytes)
{
    if (options_.ReadOnly)
        return;
    const std::string typed = TypeableChars(bytes, Encoding());
    if (typed.empty())
        return;
    ClearSelection();
    InsertTyped(typed);
}

void TEditorCore::SetSelText(std::string_view s)
{
    if (options_.ReadOnly)
        return;
    ClearSelection();
    if (s.empty())
        return;
    const TTextPos at = CaretPos();
    ReplaceText(at, at, s, true, false);
}

bool TEditorCore::ReplaceRange(long long from, long long to, std::string_view s)
{
    if (options_.ReadOnly)
        return false;
    Deselect();
    from = std::max(0LL, from);
    const TTextPos start = Forward({}, from);
    const TTextPos end = to > from ? Forward({}, to) : start;
    return ReplaceText(start, end, s, false, false);
}

void TEditorCore::ClearSelection()
{
    if (!selected_ && !extending_)
        return;
    const TSelBounds b = sel_;
    const bool wasSelected = selected_;
    Deselect();
    if (!wasSelected || b.Empty())
        return;
    ReplaceText({b.StartRow, b.StartByte}, {b.EndRow, b.EndByte}, {}, false, false);
}

void TEditorCore::DeleteKey()
{
    if (options_.ReadOnly)
        return;
    if (selected_) {
        ClearSelection();
        return;
    }
    const int row = caretRow_;
    if (row >= Rows().Count())
        return;
    const std::string_view text = Rows().Text(row);
    const int len = static_cast<int>(text.size());
    const TTextPos at = CaretPos();
    if (at.Byte.Value() < len) {
        const int size = CharAt(text, static_cast<std::size_t>(at.Byte.Value()), Encoding()).Bytes;
        ReplaceText(at, At(row, std::min(len, at.Byte.Value() + size)), {}, false, false);
    } else if (Rows().End(row) == reBreak) {
        // Joins the next line (or removes the final line break) after filler spaces up to a free caret.
        ReplaceText(at, At(row + 1, 0), {}, true, false);
    } else if (Rows().End(row) == reWrap) {
        const std::string_view next = RowText(row + 1);
        const int size = next.empty() ? 1 : CharAt(next, 0, Encoding()).Bytes;
        ReplaceText(At(row + 1, 0), At(row + 1, std::min<int>(size, next.size())), {}, false, false);
    }
}

void TEditorCore::BackspaceKey()
{
    if (options_.ReadOnly)
        return;
    if (selected_) {
        ClearSelection();
        return;
    }
    if (Rows().Empty())
        return;
    const int row = caretRow_;
    const TTextPos at = CaretPos();
    const std::string_view text = RowText(row);
    if (at.Byte.Value() > static_cast<int>(text.size()) || (at.Byte.Value() == 0 && row == 0)) {
        SetCaretCol(caretCol_ - 1);  // free space: the caret only steps left
    } else if (at.Byte.Value() > 0) {
        const TColumnMap map = ColumnMapOf(row);
        if (CellAt(map, caretCol_) == TCell::TabRest) {
            ReplaceText(at, At(row, at.Byte.Value() + 1), {}, false, false);  // inside a tab: the tab itself
        } else {
            // The character before the caret: where the column before it starts.
            const int col = caretCol_ - (CellAt(map, caretCol_ - 1) == TCell::Trail ? 2 : 1);
            ReplaceText(At(row, ColumnToByte(map, std::max(0, col))), at, {}, false, false);
        }
    } else {
        const std::string_view prev = Rows().Text(row - 1);
        const int prevLen = static_cast<int>(prev.size());
        // At the start of a continuation row the previous row's last character goes;
        // otherwise the line break before the caret row.
        if (Rows().End(row - 1) == reWrap) {
            ReplaceText(At(row - 1, LastCharStart(prev, Encoding())), At(row - 1, prevLen), {}, false, false);
        } else {
            ReplaceText(At(row - 1, prevLen), At(row, 0), {}, false, false);
        }
    }
}

int TEditorCore::IndentWidth(int row) const
{
    const std::string text = DisplayRowText(row);
    if (text.empty())
        return -1;
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') {
            ++width;
        } else if (text.compare(i, 2, "\x81\x40") == 0) {
            width += 2;
            ++i;
        } else {
            break;
        }
    }
    return width;
}

void TEditorCore::EnterKey()
{
    if (options_.ReadOnly)
        return;
    ClearSelection();
    const int row = caretRow_;
    const TTextPos at = CaretPos();
    // A break before a row that continues a row cut short before a double-byte
    // character, or after the last row, adds no indent.
    const bool plain = row >= Rows().Count() ||
                       (caretCol_ == 0 && row > 0 && Rows().End(row - 1) == reWrap && RowWidth(row - 1) < WrapByte());
    int n = 0;
    if (!plain && options_.CaretAutoIndent) {
        const int c = IndentWidth(row);
        if (options_.PrevSpaceIndent && c < 1) {
            int above = row - 1;
            while (above >= 0 && RowText(above).empty())
                --above;
            n = above >= 0 ? std::max(0, IndentWidth(above)) : 0;
        } else if (c >= 0) {
            n = std::min(caretCol_, c);
        }
    }
    std::string s = "\r\n";
    if (options_.TabIndent)
        s.append(n / TabSpaceCount(), '\t').append(n % TabSpaceCount(), ' ');
    else
        s.append(n, ' ');
    // With blanks disposed of an indent alone is not kept, but the caret still stands at it.
    ReplaceText(at, at, s, false, true);
}

bool TEditorCore::TabKey(TKeyMods mods)
{
    if (mods.Shift || mods.Ctrl || !options_.WantTabs)
        return false;
    if (options_.ReadOnly)
        return true;
    const TTextPos at = CaretPos();
    const std::string s =
        options_.SoftTab ? std::string(TabSpaceCount() - at.Byte.Value() % TabSpaceCount(), ' ') : "\t";
    // An active selection is extended to the new caret place, not replaced; its anchor is
    // kept when it lies above the rows the insertion may re-wrap, else the selection ends.
    const bool keep = selected_ && anchor_.Row.Value() < caretRow_ - 1;
    const TTextPos anchor = anchor_;
    Deselect();
    InsertTyped(s);
    if (keep) {
        BeginSelection(anchor);
        ExtendSelection();
    }
    return true;
}

}  // namespace tavi
