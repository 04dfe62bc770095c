// The selection of the editor core: anchor and bounds, text offsets, selected text, the clipboard and mouse gestures.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "editor/core/editor_core.h"
#include "platform/os/large_pages.h"
#include "text/shift_jis.h"

namespace tavi {

namespace {

// Bytes that follow a row in text offsets.
int SeparatorBytes(TRowEnd end)
{
    return end == reBreak ? 2 : end == reEof ? 1 : 0;
}

// The first character boundary of `text` at or after byte b.
int BoundaryAtOrAfter(std::string_view text, int b)
{
    int i = 0;
    while (i < b && i < static_cast<int>(text.size()))
        i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    return std::min(i, static_cast<int>(text.size()));
}

bool Before(TTextPos a, TTextPos b)
{
    return a.Row < b.Row || (a.Row == b.Row && a.Byte < b.Byte);
}

}  // namespace

TTextPos TEditorCore::InRow(TTextPos p) const
{
    p.Row = std::clamp(p.Row, 0, rows_.Count());
    p.Byte = std::clamp(p.Byte, 0, static_cast<int>(RowText(p.Row).size()));
    return p;
}

TTextPos TEditorCore::EndOfText() const
{
    const int count = rows_.Count();
    if (count == 0 || LastCaretRow() == count)
        return {count, 0};
    return {count - 1, static_cast<int>(rows_.Text(count - 1).size())};
}

TTextPos TEditorCore::Forward(TTextPos p, long long n) const
{
    p = InRow(p);
    const int count = rows_.Count();
    for (int r = p.Row, b = p.Byte; r < count; ++r, b = 0) {
        const std::string_view text = rows_.Text(r);
        const int len = static_cast<int>(text.size());
        if (b + n <= len)
            return {r, BoundaryAtOrAfter(text, b + static_cast<int>(n))};
        n -= len - b;
        const int sep = SeparatorBytes(rows_.End(r));
        if (n < sep || rows_.End(r) == reEof)
            return {r, len};  // inside a line break, or the end of the text
        n -= sep;
    }
    return EndOfText();
}

long long TEditorCore::OffsetOf(TTextPos p) const
{
    p = InRow(p);
    long long offset = p.Byte;
    for (int r = 0; r < p.Row; ++r)
        offset += static_cast<long long>(rows_.Text(r).size()) + SeparatorBytes(rows_.End(r));
    return offset;
}

long long TEditorCore::GetTextLen() const
{
    const int count = rows_.Count();
    if (count == 0)
        return 0;
    const TRowEnd last = rows_.End(count - 1);
    const long long breaks = rows_.LineCount() - (last == reWrap || last == reEof ? 1 : 0);
    return static_cast<long long>(rows_.TextBytes()) + 2 * breaks;
}

void TEditorCore::BeginSelection(TTextPos anchor)
{
    Deselect();
    if (rows_.Empty())
        return;
    anchor_ = InRow(anchor);
    const int col = ColOf(anchor_);
    sel_ = {anchor_.Row, anchor_.Byte, col, anchor_.Row, anchor_.Byte, col};
    prevSel_ = sel_;
    extending_ = true;
    if (!selUnderlineHidden_) {
        selUnderlineHidden_ = true;
        view_->HideUnderline();
    }
}

void TEditorCore::ExtendSelectionTo(TTextPos caret)
{
    if (!extending_)
        return;
    caret = InRow(caret);
    const TTextPos first = Before(caret, anchor_) ? caret : anchor_;
    const TTextPos last = Before(caret, anchor_) ? anchor_ : caret;
    const TSelBounds bounds{first.Row, first.Byte, ColOf(first), last.Row, last.Byte, ColOf(last)};
    prevSel_ = sel_;
    sel_ = bounds;
    if (prevSel_ != sel_)
        view_->SelectionChanged(prevSel_, sel_);
    selected_ = true;
}

void TEditorCore::ExtendSelection()
{
    ExtendSelectionTo(CaretPos());
}

void TEditorCore::Deselect()
{
    const bool empty = sel_.StartRow == sel_.EndRow && sel_.StartByte == sel_.EndByte;
    if (selected_ && !empty)
        view_->InvalidateRows(std::max(0, sel_.StartRow - 1), sel_.EndRow);
    selected_ = false;
    extending_ = false;
    if (selUnderlineHidden_) {
        selUnderlineHidden_ = false;
        view_->ShowUnderline();
    }
}

void TEditorCore::PrepareSelection(bool shift)
{
    if (!shift) {
        if (selected_ || extending_)
            Deselect();
    } else if (selected_) {
        extending_ = true;  // resume extending from the kept anchor
    } else {
        BeginSelection(CaretPos());
    }
}

void TEditorCore::ExtendIfExtending()
{
    if (extending_)
        ExtendSelection();
}

long long TEditorCore::SelStart() const
{
    const TTextPos start = selected_ ? TTextPos{sel_.StartRow, sel_.StartByte} : CaretPos();
    return OffsetOf(start);
}

void TEditorCore::SetSelStart(long long n)
{
    Deselect();
    MoveCaretToPos(n <= 0 ? TTextPos{} : Forward({}, n));
}

long long TEditorCore::SelLength() const
{
    if (!selected_)
        return 0;
    return OffsetOf({sel_.EndRow, sel_.EndByte}) - OffsetOf({sel_.StartRow, sel_.StartByte});
}

void TEditorCore::SetSelLength(long long n)
{
    if (n <= 0) {
        Deselect();
        return;
    }
    const TTextPos start = selected_ ? TTextPos{sel_.StartRow, sel_.StartByte} : CaretPos();
    const TTextPos target = Forward(start, n);
    BeginSelection(start);
    view_->HideCaret();
    MoveCaretToPos(target);
    ExtendSelectionTo(target);
    view_->ShowCaret();
}

void TEditorCore::SelectAll()
{
    view_->HideCaret();
    SetSelStart(0);
    SetSelLength(GetTextLen());
    view_->ShowCaret();
}

std::string TEditorCore::SelText() const
{
    if (!selected_)
        return {};
    return TextBetween({sel_.StartRow, sel_.StartByte}, {sel_.EndRow, sel_.EndByte});
}

std::string TEditorCore::TextRange(long long from, long long to) const
{
    from = std::max(0LL, from);
    if (to <= from)
        return {};
    return TextBetween(Forward({}, from), Forward({}, to));
}

std::string TEditorCore::TextBetween(TTextPos start, TTextPos end) const
{
    std::string text;
    // The pieces are measured first so that a large text is copied once, into place.
    const auto piece = [&](int r) {
        const std::string_view row = RowText(r);
        const int from = r == start.Row ? std::min<int>(start.Byte, row.size()) : 0;
        const int to = r == end.Row ? std::min<int>(end.Byte, row.size()) : static_cast<int>(row.size());
        return row.substr(from, std::max(0, to - from));
    };
    const auto breakAfter = [&](int r) { return r < end.Row && RowEnd(r) == reBreak; };
    std::size_t size = 0;
    for (int r = start.Row; r <= end.Row; ++r)
        size += piece(r).size() + (breakAfter(r) ? 2 : 0);
    text.reserve(size);
    PreferLargePages(text.data(), size);
    for (int r = start.Row; r <= end.Row; ++r) {
        text += piece(r);
        if (breakAfter(r))
            text += "\r\n";
    }
    return text;
}

void TEditorCore::CopyToClipboard()
{
    view_->SetClipboardText(SelText());
}

void TEditorCore::PasteFromClipboard()
{
    const std::string text = view_->ClipboardText();
    if (!text.empty())
        SetSelText(text);
}

void TEditorCore::MouseDown(int row, int col, int x, int y)
{
    Deselect();
    row = std::clamp(row, 0, LastCaretRow());
    // A click on the second half of a double-byte character means the character.
    if (CellAt(BuildColumnMap(RowText(row), tabSpaceCount_), col) == TCell::Trail)
        --col;
    MoveCaretTo(row, col);
    mouse_ = {true, caretRow_, caretCol_, InRow(CaretPos()).Byte, x, y};
}

void TEditorCore::MouseMove(int row, int col, int x, int y, int startDistance)
{
    if (!mouse_.Down)
        return;
    row = std::clamp(row, 0, LastCaretRow());
    if (CellAt(BuildColumnMap(RowText(row), tabSpaceCount_), col) == TCell::Trail)
        --col;
    MoveCaretTo(row, col);
    if (!selected_ && (std::abs(x - mouse_.X) >= startDistance || std::abs(y - mouse_.Y) >= startDistance))
        BeginSelection({mouse_.Row, mouse_.Byte});
    ExtendIfExtending();
}

void TEditorCore::MouseUp()
{
    mouse_.Down = false;
    extending_ = false;
}

}  // namespace tavi
