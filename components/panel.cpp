// A raised panel that holds controls at fixed positions and can keep one control against its right edge.
#include "components/panel.h"

TPanel::TPanel(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
}

void TPanel::SetRightAligned(QWidget* control)
{
    rightAligned_ = control;
    PlaceRightAligned();
}

void TPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    PlaceRightAligned();
}

void TPanel::PlaceRightAligned()
{
    if (!rightAligned_)
        return;
    const QRect inner = contentsRect();
    rightAligned_->move(inner.right() + 1 - rightAligned_->width(), inner.top());
}
