// A thin bar between two aligned controls that resizes the control on one side of it when dragged.
#include "components/splitter.h"

#include <QMouseEvent>
#include <algorithm>
#include <climits>

TSplitter::TSplitter(Qt::Orientation orientation, int thickness, QWidget* parent)
    : QWidget(parent), orientation_(orientation)
{
    if (orientation_ == Qt::Horizontal)
        setFixedHeight(thickness);
    else
        setFixedWidth(thickness);
}

void TSplitter::SetControl(QWidget* control)
{
    control_ = control;
    if (control_)
        setCursor(orientation_ == Qt::Horizontal ? Qt::SizeVerCursor : Qt::SizeHorCursor);
    else
        unsetCursor();
}

int TSplitter::Along(const QPointF& globalPos) const
{
    return qRound(orientation_ == Qt::Horizontal ? globalPos.y() : globalPos.x());
}

void TSplitter::mousePressEvent(QMouseEvent* event)
{
    if (!control_ || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    dragging_ = true;
    dragStart_ = Along(event->globalPosition());
    sizeAtStart_ = orientation_ == Qt::Horizontal ? control_->height() : control_->width();
}

void TSplitter::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_ || !control_)
        return QWidget::mouseMoveEvent(event);
    // The control may not shrink below MinSize, nor grow so far that the window
    // has no room left for what lies beyond the bar.
    const QWidget* area = parentWidget();
    const int room = area ? (orientation_ == Qt::Horizontal ? area->height() : area->width()) : INT_MAX;
    const int moved = Along(event->globalPosition()) - dragStart_;
    const int wanted = sizeAtStart_ + (controlAfter_ ? -moved : moved);
    const int size = std::max(minSize_, std::min(wanted, std::max(minSize_, room - minSize_)));
    if (orientation_ == Qt::Horizontal)
        control_->setFixedHeight(size);
    else
        control_->setFixedWidth(size);
}

void TSplitter::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_)
        return QWidget::mouseReleaseEvent(event);
    dragging_ = false;
}
