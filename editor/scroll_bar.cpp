// Scroll bars that skip repaints which would draw the same pixels.
#include "editor/scroll_bar.h"

#include <QStyle>
#include <QStyleOptionSlider>

namespace tavi {

TQuietScrollBar::TQuietScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}

TQuietScrollBar::TLook TQuietScrollBar::CurrentLook() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    TLook look;
    look.Thumb = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    look.AtMinimum = value() == minimum();
    look.AtMaximum = value() == maximum();
    look.Empty = minimum() == maximum();
    look.Down = isSliderDown();
    return look;
}

void TQuietScrollBar::sliderChange(SliderChange change)
{
    // The repaint already queued or the last one shows the bar as it is now.
    if (change != SliderOrientationChange && paintedOnce_ && CurrentLook() == painted_)
        return;
    QScrollBar::sliderChange(change);
}

void TQuietScrollBar::paintEvent(QPaintEvent* event)
{
    painted_ = CurrentLook();
    paintedOnce_ = true;
    QScrollBar::paintEvent(event);
}

}  // namespace tavi
