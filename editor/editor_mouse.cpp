// The editor control's mouse: placing the caret, selecting by dragging, and scrolling while dragging outside the text.
#include <QGuiApplication>
#include <QInputMethod>
#include <QMouseEvent>

#include "editor/editor.h"

namespace {

// Floor division, for points above or left of the text area.
int FloorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

constexpr int kDragScrollInterval = 50;  // ms between scroll steps while dragging outside

}  // namespace

// The cell under a viewport point. A press counts a point in the margins as the nearest
// row and column; a drag counts it as the row or column beyond, so that dragging past an
// edge scrolls.
QPoint TEditor::CellAt(QPoint pixel, bool dragging) const
{
    const int dy = pixel.y() - topMargin_;
    const int dx = pixel.x() - leftMargin_;
    const int row = (dragging ? FloorDiv(dy, RowPitch()) : dy / RowPitch()) + topRow_;
    const int col = (dragging ? FloorDiv(dx, charWidth_) : dx / charWidth_) + leftCol_;
    return {col, row};
}

void TEditor::DragTo(QPoint pixel)
{
    const QPoint cell = CellAt(pixel, true);
    core_.MouseMove(cell.y(), std::max(0, cell.x()), pixel.x(), pixel.y(), charWidth_ / 2);
}

void TEditor::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    if (OnColorSwatchClick) {
        if (const std::optional<tavi::TColourValue> swatch = SwatchAt(event->position().toPoint())) {
            OnColorSwatchClick(this, *swatch);
            event->accept();
            return;
        }
    }
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    // A composition in progress is finished where it stands before the caret moves.
    if (!preedit_.empty())
        QGuiApplication::inputMethod()->commit();
    const QPoint p = event->position().toPoint();
    const QPoint cell = CellAt(p, false);
    core_.MouseDown(cell.y(), std::max(0, cell.x()), p.x(), p.y());
    dragging_ = true;
    dragPoint_ = p;
    event->accept();
}

void TEditor::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    dragPoint_ = event->position().toPoint();
    DragTo(dragPoint_);
    // Outside the text area the drag repeats by itself, scrolling on while the pointer rests.
    if (!TextArea().contains(dragPoint_)) {
        if (!dragScroll_.isActive())
            dragScroll_.start(kDragScrollInterval, this);
    } else {
        dragScroll_.stop();
    }
    event->accept();
}

void TEditor::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    dragScroll_.stop();
    if (dragging_) {
        dragging_ = false;
        core_.MouseUp();
    }
    event->accept();
}
