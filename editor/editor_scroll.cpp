// The editor control's scrolling: scroll bars, top row and left column, wheel, and moving bands of rows after edits.
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "editor/editor.h"

void TEditor::UpdateScrollBars()
{
    const int maxTop = MaxTopRow();
    topRow_ = std::min(topRow_, maxTop);
    leftCol_ = std::min(leftCol_, MaxLeftCol());
    // The platform's bars take a range and a page; a Qt bar's maximum is the last thumb
    // position, Max - Page + 1.
    vertInfo_ = {0, std::max(visibleRows_, maxTop), visibleRows_, 0};
    horzInfo_ = {0, MaxLeftCol(), visibleCols_, 0};
    const auto apply = [](QScrollBar* bar, tavi::TScrollInfo& info, int pos) {
        const int last = std::max(0, info.Max - std::max(0, info.Page - 1));
        const QSignalBlocker block(bar);
        bar->setRange(info.Min, last);
        bar->setPageStep(std::max(1, info.Page));
        bar->setSingleStep(1);
        bar->setValue(std::min(pos, last));
        info.Pos = bar->value();
    };
    apply(verticalScrollBar(), vertInfo_, topRow_);
    apply(horizontalScrollBar(), horzInfo_, leftCol_);
}

void TEditor::ScrollTextArea(int dx, int dy, const QRect& area)
{
    HideUnderline();
    viewport()->update(caretRect_);
    // Qt moves the pixels and marks only the uncovered strip for repainting; pending
    // updates inside the area move along.
    viewport()->scroll(dx, dy, area);
    ShowUnderline();
}

// The right edge of what rows draw. Past it the view shows only the background (and the
// caret row's underline, which is repainted apart), so a vertical move of the rows need
// not move those pixels: on a wide window with wrapped rows that spares most of the view.
// The whole width when unwrapped rows may be long, a selection may reach the edge, the
// input method composes, or OnDrawLine draws where it likes.
int TEditor::RowInkRight() const
{
    const int width = viewport()->width();
    if (!core_.WordWrap() || core_.Selected() || !preedit_.empty() || OnDrawLine)
        return width;
    // A wrapped row holds at most WrapByte columns, a tab may reach a little past them; the
    // return mark takes a cell after the text and "[EOF]" six; glyphs may overhang a cell.
    const int cols = core_.WrapByte() + core_.TabSpaceCount() + 8;
    return std::clamp(XOrigin() + cols * charWidth_, leftMargin_, width);
}

// The text area from pixel row `top` down, as far right as rows draw.
QRect TEditor::RowsFrom(int top) const
{
    return QRect(RowsLeft(), top, RowInkRight() - RowsLeft(), viewport()->height() - top);
}

void TEditor::SetTopRow(int row)
{
    HideUnderline();
    HideCaret();
    const int old = topRow_;
    topRow_ = std::clamp(row, 0, core_.Rows().Count());
    // A jump of more than a screen repaints everything once instead of scrolling.
    const int d = std::clamp(old - topRow_, -(visibleRows_ + 1), visibleRows_ + 1);
    if (d * RowPitch() != 0) {
        if (!typing_)
            completion_->Close();  // the list stays by its word, which moves away
        ScrollTextArea(0, d * RowPitch(), RowsFrom(topMargin_));
        const QSignalBlocker block(verticalScrollBar());
        verticalScrollBar()->setValue(topRow_);
        vertInfo_.Pos = verticalScrollBar()->value();
        updateMicroFocus();
        UpdateCaretPos();
        RepaintGutterFrom(0);
        if (OnTopRowChange)
            OnTopRowChange(this);
    }
    ShowCaret();
    ShowUnderline();
}

void TEditor::SetLeftCol(int col)
{
    const int old = leftCol_;
    leftCol_ = std::clamp(col, 0, MaxLeftCol());
    const int dx = (old - leftCol_) * charWidth_;
    if (dx == 0)
        return;
    if (!typing_)
        completion_->Close();
    const QRect area(leftMargin_, topMargin_, viewport()->width() - leftMargin_, viewport()->height() - topMargin_);
    ScrollTextArea(dx, 0, area);
    const QSignalBlocker block(horizontalScrollBar());
    horizontalScrollBar()->setValue(leftCol_);
    horzInfo_.Pos = horizontalScrollBar()->value();
    updateMicroFocus();
    UpdateCaretPos();
    if (OnTopColChange)
        OnTopColChange(this);
}

void TEditor::VScrollTo(int target)
{
    target = std::clamp(target, 0, MaxTopRow());
    if (target != topRow_)
        SetTopRow(target);
}

// Line, page, top, bottom and thumb requests of the vertical bar, limited to 0..MaxTopRow.
void TEditor::VertAction(int action)
{
    QScrollBar* bar = verticalScrollBar();
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            VScrollTo(topRow_ + 1);
            break;
        case QAbstractSlider::SliderSingleStepSub:
            VScrollTo(topRow_ - 1);
            break;
        case QAbstractSlider::SliderPageStepAdd:
            VScrollTo(topRow_ + std::max(1, visibleRows_));
            break;
        case QAbstractSlider::SliderPageStepSub:
            VScrollTo(topRow_ + std::min(-1, -visibleRows_));
            break;
        case QAbstractSlider::SliderToMinimum:
            VScrollTo(0);
            break;
        case QAbstractSlider::SliderToMaximum:
            VScrollTo(MaxTopRow());
            break;
        case QAbstractSlider::SliderMove:
            VScrollTo(bar->sliderPosition());
            break;
        default:
            return;
    }
    // The bar applies its slider position after this signal; make it ours.
    bar->setSliderPosition(std::min(topRow_, bar->maximum()));
}

void TEditor::HorzAction(int action)
{
    QScrollBar* bar = horizontalScrollBar();
    int target = leftCol_;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            target = leftCol_ + 1;
            break;
        case QAbstractSlider::SliderSingleStepSub:
            target = leftCol_ - 1;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            target = leftCol_ + std::max(1, visibleCols_);
            break;
        case QAbstractSlider::SliderPageStepSub:
            target = leftCol_ + std::min(-1, -visibleCols_);
            break;
        case QAbstractSlider::SliderToMinimum:
            target = 0;
            break;
        case QAbstractSlider::SliderToMaximum:
            target = MaxLeftCol();
            break;
        case QAbstractSlider::SliderMove:
            target = bar->sliderPosition();
            break;
        default:
            return;
    }
    SetLeftCol(std::clamp(target, 0, MaxLeftCol()));
    bar->setSliderPosition(std::min(leftCol_, bar->maximum()));
}

void TEditor::wheelEvent(QWheelEvent* event)
{
    // With Ctrl a notch is a step of the zoom.
    if (event->modifiers() & Qt::ControlModifier) {
        zoomWheel_ += event->angleDelta().y();
        const int steps = zoomWheel_ / 120;
        zoomWheel_ -= steps * 120;
        StepZoom(steps);
        event->accept();
        return;
    }
    // Three rows a notch; high-resolution wheels add up to whole notches.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    if (notches != 0)
        VScrollTo(topRow_ - 3 * notches);
    event->accept();
}

void TEditor::InvalidateRows(int a, int b)
{
    const int first = std::max(std::min(a, b), topRow_);
    const int last = std::min(std::max(a, b), topRow_ + visibleRows_);
    if (first > last)
        return;
    const int top = CellPos(first, 0).y();
    const int bottom = CellPos(last, 0).y() + RowPitch();
    viewport()->update(QRect(RowsLeft(), top, viewport()->width() - RowsLeft(), bottom - top));
}

void TEditor::DocumentChanged(const tavi::TChange& change)
{
    tavi::RepaintChange(change, core_.EofMark(), *this);
    if (!change.Typed) {
        PlaceGutter();  // the line count may need another digit
        RepaintGutterFrom(change.First.Value());
    }
    ForgetBracketMarks(change);
    FollowTextMarks(change);
    for (const auto& [first, end] : cssColouring_.Follow(change))
        InvalidateRows(first, end - 1);
    accessibleText_.DocumentChanged(change);
}

void TEditor::DocumentChangedInUpdate(const tavi::TChange& change)
{
    ForgetBracketMarks(change);
    FollowTextMarks(change);
    cssColouring_.Follow(change);  // the update's end repaints every row
    accessibleText_.DocumentChanged(change);
}

void TEditor::InvalidateAll()
{
    PlaceGutter();
    RepaintGutterFrom(0);
    viewport()->update();
}

void TEditor::ShiftRowsBelow(int row, int n)
{
    const int r = std::max(row, topRow_);
    if (r - topRow_ > visibleRows_ + 1)
        return;
    const int d = std::clamp(n, -(visibleRows_ + 1), visibleRows_ + 1);
    if (d == 0)
        return;
    HideCaret();
    ScrollTextArea(0, d * RowPitch(), RowsFrom(CellPos(r, 0).y()));
    RepaintGutterFrom(r);
    ShowCaret();
}

void TEditor::HideUnderline()
{
    if (underlineHide_++ == 0 && underLine_)
        viewport()->update(UnderlineRect());
}

void TEditor::ShowUnderline()
{
    if (--underlineHide_ == 0 && underLine_)
        viewport()->update(UnderlineRect());
}

void TEditor::ScrollToCaret()
{
    const int row = core_.CaretRow();
    const int col = core_.CaretCol();
    // A window too small for one whole row still keeps the caret row at the top.
    const int rows = std::max(1, visibleRows_);
    if (row < topRow_)
        SetTopRow(row);
    else if (row > topRow_ + rows - 1)
        SetTopRow(row - rows + 1);
    const int quarter = visibleCols_ / 4;
    if (col < leftCol_)
        SetLeftCol(std::max(0, std::min(col, leftCol_ - quarter)));
    else if (col > leftCol_ + visibleCols_ - 1)
        SetLeftCol(std::min(std::max(col - visibleCols_ + 1, leftCol_ + quarter), MaxLeftCol() + visibleCols_));
    UpdateCaretPos();
    UpdateBracketMarks();
    if (!typing_)
        completion_->Close();  // the caret went elsewhere
    updateMicroFocus();
    accessibleText_.CaretMoved();
    if (OnCaretMoved)
        OnCaretMoved(this);
}
