// The selection of the editor core: anchor and bounds, text offsets, selected text, the clipboard and mouse gestures.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "editor/core/editor_core.h"
#include "platform/os/large_pages.h"
#include "text/row_text.h"

namespace tavi {

namespace {

// Bytes that follow a row in text offsets.
int SeparatorBytes(TRowEnd end)
{
    return end == reBreak ? 2 : end == reEof ? 1 : 0;
}

// The first character boundary of `text` at or after byte b.
int BoundaryAtOrAfter(std::string_view text, int b, TTextEncoding encoding)
{
    int i = 0;
    while (i < b && i < static_cast<int>(text.size()))
        i += CharAt(text, static_cast<std::size_t>(i), encoding).Bytes;
    return std::min(i, static_cast<int>(text.size()));
}

}  // namespace

TTextPos TEditorCore::InRow(TTextPos p) const
{
    p.Row = std::clamp(p.Row, TRow(0), TRow(Rows().Count()));
    p.Byte = std::clamp(p.Byte, TByte(0), TByte(static_cast<int>(doc_.RowText(p.Row).size())));
    return p;
}

TTextPos TEditorCore::EndOfText() const
{
    const int count = Rows().Count();
    if (count == 0 || LastCaretRow() == count)
        return {TRow(count), TByte(0)};
    return {TRow(count - 1), TByte(static_cast<int>(Rows().Text(count - 1).size()))};
}

TTextPos TEditorCore::Forward(TTextPos p, long long n) const
{
    p = InRow(p);
    const int count = Rows().Count();
    for (int r = p.Row.Value(), b = p.Byte.Value(); r < count; ++r, b = 0) {
        const std::string_view text = Rows().Text(r);
        const int len = static_cast<int>(text.size());
        if (b + n <= len)
            return {TRow(r), TByte(BoundaryAtOrAfter(text, b + static_cast<int>(n), Encoding()))};
        n -= len - b;
        const int sep = SeparatorBytes(Rows().End(r));
        if (n < sep || Rows().End(r) == reEof)
            return {TRow(r), TByte(len)};  // inside a line break, or the end of the text
        n -= sep;
    }
    return EndOfText();
}

std::vector<TTextPos> TEditorCore::PlacesOf(const std::vector<long long>& ascendingOffsets) const
{
    std::vector<TTextPos> places;
    places.reserve(ascendingOffsets.size());
    TTextPos at{TRow(0), TByte(0)};
    long long offset = 0;
    for (const long long wanted : ascendingOffsets) {
        at = Forward(at, std::max(0LL, wanted - offset));
        offset = std::max(offset, wanted);
        places.push_back(at);
    }
    return places;
}

long long TEditorCore::OffsetOf(TTextPos p) const
{
    p = InRow(p);
    long long offset = p.Byte.Value();
    for (int r = 0; r < p.Row.Value(); ++r)
        offset += static_cast<long long>(Rows().Text(r).size()) + SeparatorBytes(Rows().End(r));
    return offset;
}

long long TEditorCore::GetTextLen() const
{
    const int count = Rows().Count();
    if (count == 0)
        return 0;
    const TRowEnd last = Rows().End(count - 1);
    const long long breaks = Rows().LineCount() - (last == reWrap || last == reEof ? 1 : 0);
    return static_cast<long long>(Rows().TextBytes()) + 2 * breaks;
}

void TEditorCore::BeginSelection(TTextPos anchor)
{
    Deselect();
    if (Rows().Empty())
        return;
    anchor_ = InRow(anchor);
    const TColumn col(ColOf(anchor_));
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
    const TTextPos first = std::min(caret, anchor_);
    const TTextPos last = std::max(caret, anchor_);
    const TSelBounds bounds{first.Row, first.Byte, TColumn(ColOf(first)), last.Row, last.Byte, TColumn(ColOf(last))};
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
    if (selected_ && !sel_.Empty())
        view_->InvalidateRows(std::max(TRow(0), sel_.StartRow - 1), sel_.EndRow);
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

void TEditorCore::SelectLines(int from, int to)
{
    const auto lineStart = [this](int line) {
        const int row = LineToRow(line);
        return row < Rows().Count() ? TTextPos{TRow(row), TByte(0)} : EndOfText();
    };
    const bool down = from <= to;
    const TTextPos anchor = lineStart(down ? from : from + 1);
    const TTextPos caret = lineStart(down ? to + 1 : to);
    BeginSelection(anchor);
    view_->HideCaret();
    MoveCaretToPos(caret);
    ExtendSelectionTo(caret);
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
    const int first = start.Row.Value();
    const int last = end.Row.Value();
    const auto piece = [&](int r) {
        const std::string_view row = RowText(r);
        const int from = r == first ? std::min<int>(start.Byte.Value(), row.size()) : 0;
        const int to = r == last ? std::min<int>(end.Byte.Value(), row.size()) : static_cast<int>(row.size());
        return row.substr(from, std::max(0, to - from));
    };
    const auto breakAfter = [&](int r) { return r < last && RowEnd(r) == reBreak; };
    std::size_t size = 0;
    for (int r = first; r <= last; ++r)
        size += piece(r).size() + (breakAfter(r) ? 2 : 0);
    text.reserve(size);
    PreferLargePages(text.data(), size);
    for (int r = first; r <= last; ++r) {
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
    if (CellAt(ColumnMapOf(row), col) == TCell::Trail)
        --col;
    MoveCaretTo(row, col);
    mouse_ = {true, caretRow_, caretCol_, InRow(CaretPos()).Byte.Value(), x, y};
}

void TEditorCore::MouseMove(int row, int col, int x, int y, int startDistance)
{
    if (!mouse_.Down)
        return;
    row = std::clamp(row, 0, LastCaretRow());
    if (CellAt(ColumnMapOf(row), col) == TCell::Trail)
        --col;
    MoveCaretTo(row, col);
    if (!selected_ && (std::abs(x - mouse_.X) >= startDistance || std::abs(y - mouse_.Y) >= startDistance))
        BeginSelection({TRow(mouse_.Row), TByte(mouse_.Byte)});
    ExtendIfExtending();
}

void TEditorCore::MouseUp()
{
    mouse_.Down = false;
    extending_ = false;
}

}  // namespace tavi
