// Keyboard handling of the editor core: the navigation key table, word jumps, paging and the editing keys.
#include <algorithm>

#include "editor/core/editor_core.h"
#include "editor/core/word_split.h"

namespace tavi {

bool TEditorCore::KeyDown(TEditKey key, TKeyMods mods, bool autoRepeat)
{
    autoRepeat_ = autoRepeat;
    switch (key) {
        case TEditKey::Delete:
            DeleteKey();
            return true;
        case TEditKey::Backspace:
            BackspaceKey();
            return true;
        case TEditKey::Enter:
            EnterKey();
            return true;
        case TEditKey::Tab:
            return TabKey(mods);
        default:
            return Navigate(key, mods, autoRepeat);
    }
}

bool TEditorCore::Navigate(TEditKey key, TKeyMods mods, bool autoRepeat)
{
    PrepareSelection(mods.Shift);
    view_->HideCaret();
    switch (key) {
        case TEditKey::PageUp:
            ScrollRows(1 - view_->VisibleRows());
            break;
        case TEditKey::PageDown:
            ScrollRows(view_->VisibleRows() - 1);
            break;
        case TEditKey::Home:
            MoveCaretTo(mods.Ctrl ? 0 : caretRow_, 0);
            break;
        case TEditKey::End: {
            const int row = mods.Ctrl ? Rows().Count() : caretRow_;
            SetCaretRow(row);
            SetCaretCol(RowWidth(caretRow_));
            break;
        }
        case TEditKey::Left:
            mods.Ctrl ? WordLeft() : MoveLeft();
            break;
        case TEditKey::Right:
            mods.Ctrl ? WordRight() : MoveRight();
            break;
        case TEditKey::Up:
            MoveUp(mods.Ctrl, autoRepeat);
            break;
        case TEditKey::Down:
            MoveDown(mods.Ctrl, autoRepeat);
            break;
        default:
            break;
    }
    ExtendIfExtending();
    view_->ShowCaret();
    return true;
}

void TEditorCore::ScrollRows(int n)
{
    const int top = view_->TopRow();
    const int count = Rows().Count();
    if (top == 0 && n < 0) {
        SetCaretRow(0);
        return;
    }
    if (n > 0 && (top >= count || Rows().End(top) == reEof))
        return;
    const int newTop = std::clamp(top + n, 0, count);
    view_->SetTopRow(newTop);
    // The caret keeps its place on the screen.
    SetCaretRow(caretRow_ + newTop - top);
}

void TEditorCore::MoveLeft()
{
    if (caretCol_ > 0) {
        SetCaretCol(caretCol_ - 1);
    } else if (caretRow_ > 0 && (options_.CaretNextLine || RowEnd(caretRow_ - 1) == reWrap)) {
        MoveCaretTo(caretRow_ - 1, RowWidth(caretRow_ - 1));
    }
}

void TEditorCore::MoveRight()
{
    const int old = caretCol_;
    SetCaretCol(old + 1);
    // At a row's end (a fixed caret, or the wrap edge) the caret may go on in the next row.
    if (caretCol_ == old && caretRow_ < Rows().Count() && Rows().End(caretRow_) != reEof &&
        (options_.CaretNextLine || Rows().End(caretRow_) == reWrap))
        MoveCaretTo(caretRow_ + 1, 0);
}

void TEditorCore::MoveUp(bool ctrl, bool autoRepeat)
{
    const int top = view_->TopRow();
    const int step = autoRepeat && caretRow_ == top ? 2 : 1;
    if (ctrl) {
        const int newTop = std::max(0, top - step);
        view_->SetTopRow(newTop);
        if (caretRow_ > newTop + view_->VisibleRows() - 1)
            SetCaretRow(caretRow_ - step);
    } else if (caretRow_ > 0) {
        SetCaretRow(caretRow_ - step);
    }
}

void TEditorCore::MoveDown(bool ctrl, bool autoRepeat)
{
    const int top = view_->TopRow();
    const int step = autoRepeat && caretRow_ == top + view_->VisibleRows() - 1 ? 2 : 1;
    if (ctrl) {
        const int newTop = std::min(top + step, Rows().Count());
        view_->SetTopRow(newTop);
        if (caretRow_ < newTop)
            SetCaretRow(caretRow_ + step);
    } else if (caretRow_ < Rows().Count() && Rows().End(caretRow_) != reEof) {
        SetCaretRow(caretRow_ + step);
    }
}

// Word jumps stop at the starts of words that do not begin with a delimiter.
void TEditorCore::WordRight()
{
    int row = caretRow_;
    int col = caretCol_;
    if (col >= RowWidth(row) && row + 1 < Rows().Count()) {
        ++row;
        col = -1;  // before the next row's first column
    }
    const std::string text = DisplayRowText(row);
    const int len = static_cast<int>(text.size());
    int target = -1;
    for (const int start : SplitWords(text, options_.DelimDBCS)) {
        if (start > col && start < len && !IsWordDelimiter(static_cast<unsigned char>(text[start]))) {
            target = start;
            break;
        }
    }
    if (target < 0 && RowEnd(row) == reWrap && row + 1 < Rows().Count()) {
        ++row;
        target = 0;
    } else if (target < 0) {
        target = len;
    }
    if (row != caretRow_ || target != caretCol_)
        MoveCaretTo(row, target);
}

void TEditorCore::WordLeft()
{
    int row = caretRow_;
    int col = caretCol_;
    if (col == 0) {
        if (row == 0)
            return;
        --row;
        col = RowWidth(row);
        if (RowEnd(row) != reWrap) {
            MoveCaretTo(row, col);  // a line break stops the jump
            return;
        }
    }
    const std::string text = DisplayRowText(row);
    const int len = static_cast<int>(text.size());
    int target = -1;
    for (const int start : SplitWords(text, options_.DelimDBCS)) {
        if (start < col && start < len && !IsWordDelimiter(static_cast<unsigned char>(text[start])))
            target = start;
    }
    if (target < 0 && row > 0) {
        --row;
        target = RowWidth(row);
    } else if (target < 0) {
        target = 0;
    }
    if (row != caretRow_ || target != caretCol_)
        MoveCaretTo(row, target);
}

}  // namespace tavi
