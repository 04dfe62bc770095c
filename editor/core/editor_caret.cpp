// The caret of the editor document: placing it on the row grid around double-byte characters, tabs and wrapped rows.
#include <algorithm>

#include "editor/core/editor_core.h"
#include "text/row_text.h"

namespace tavi {

int TEditorCore::LastCaretRow() const
{
    return doc_.EndRow().Value();
}

void TEditorCore::SetCaretRow(int r)
{
    // The rows may have changed under an unmoved caret; it is fitted again only if its
    // row is no longer a legal one.
    if (r == caretRow_ && caretRow_ <= LastCaretRow())
        return;
    view_->HideUnderline();
    const int count = Rows().Count();
    caretRow_ = std::clamp(r, 0, count);
    // There is no position after a text that ends without a line break.
    if (caretRow_ == count && count > 0 && Rows().End(count - 1) == reEof)
        --caretRow_;
    FitCaretCol(true, -1);
    view_->ShowUnderline();
}

void TEditorCore::SetCaretCol(int c)
{
    const int old = caretCol_;
    caretCol_ = std::clamp(c, 0, std::max(0, view_->MaxLeftCol() + view_->VisibleCols()));
    FitCaretCol(false, caretCol_ > old ? 1 : -1);
}

void TEditorCore::KeepCaretInRows()
{
    if (caretRow_ > LastCaretRow())
        SetCaretRow(LastCaretRow());
}

void TEditorCore::PlaceCaretAt(int row, int col)
{
    view_->HideCaret();
    SetCaretRow(row);
    SetCaretCol(col);
    view_->ShowCaret();
}

// Keeps the caret off the second half of a double-byte character, out of tabs (unless
// CaretInTab) and, with WordWrap on, inside the wrap width.
void TEditorCore::FitCaretCol(bool vertical, int dir)
{
    const TColumnMap map = ColumnMapOf(caretRow_);
    const int width = static_cast<int>(map.size());
    const auto at = [&](int col) { return CellAt(map, col); };
    if (!vertical)
        halfStep_ = false;
    if (!caretFree_ && caretCol_ > width)
        caretCol_ = width;
    if (at(caretCol_) == TCell::Trail) {
        if (halfStep_) {
            ++caretCol_;
            halfStep_ = false;
        } else {
            caretCol_ += dir;
            if (vertical)
                halfStep_ = true;
        }
    } else if (halfStep_ && (caretCol_ >= width || at(caretCol_) == TCell::Single)) {
        // A caret that went up or down through a double-byte character returns to its column.
        ++caretCol_;
        halfStep_ = false;
    }
    if (!vertical && !options_.CaretInTab) {
        while (at(caretCol_) == TCell::TabRest)
            caretCol_ += dir;
    }
    if (WordWrap()) {
        caretCol_ = std::min(caretCol_, WrapByte() - 1);
        if (RowEnd(caretRow_) == reWrap && caretCol_ == width)
            --caretCol_;
        if (at(caretCol_) == TCell::Trail)
            --caretCol_;
        if (!vertical && !options_.CaretInTab) {
            while (at(caretCol_) == TCell::TabRest)
                --caretCol_;
        }
    }
    caretCol_ = std::max(caretCol_, 0);
    if (!fitting_)
        view_->PlaceCaret();
}

void TEditorCore::MoveCaretTo(int row, int col)
{
    const bool nested = fitting_;
    fitting_ = true;
    SetCaretRow(row);
    SetCaretCol(col);
    fitting_ = nested;
    if (!nested)
        view_->PlaceCaret();
}

TTextPos TEditorCore::CaretPos() const
{
    return {TRow(caretRow_), TByte(ColumnToByte(ColumnMapOf(caretRow_), caretCol_))};
}

int TEditorCore::ColOf(TTextPos p) const
{
    return doc_.ColumnOf(p).Value();
}

void TEditorCore::MoveCaretToPos(TTextPos p)
{
    const TCaretPlace place = doc_.CaretPlaceOf(p);
    MoveCaretTo(place.Row.Value(), place.Col.Value());
}

bool TEditorCore::CaretOnDoubleByte() const
{
    return CellAt(ColumnMapOf(caretRow_), caretCol_) == TCell::Lead;
}

TCaretShape CaretShapeIn(TCaretStyle style, bool onDoubleByte, int charWidth, int characterMargin, int rowHeight)
{
    if (style == csDefault)
        return {0, 0, 2, rowHeight};
    const int cell = std::max(1, charWidth - characterMargin);
    return {0, rowHeight - 2, onDoubleByte ? 2 * cell : cell, 2};
}

}  // namespace tavi
