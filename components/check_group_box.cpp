// A group frame whose title is a check box.
#include "components/check_group_box.h"

#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>

void StandOnFrame(QCheckBox* box, QGroupBox* frame)
{
    box->adjustSize();
    // A title of blanks as wide as the box keeps the frame's gap; the box stands in it.
    const int blank = std::max(1, box->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    frame->setTitle(QString((box->width() + blank - 1) / blank, QLatin1Char(' ')));
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    QPoint onEdge(label.left(), std::max(0, label.center().y() - box->height() / 2));
    box->setAutoFillBackground(true);
    if (box->parentWidget() == frame) {
        box->move(onEdge);
    } else {
        box->move(frame->pos() + onEdge);
        box->raise();
    }
}

TCheckGroupBox::TCheckGroupBox(const QString& caption, QWidget* parent)
    : QGroupBox(parent), checkBox_(new QCheckBox(caption, this))
{
    StandOnFrame(checkBox_, this);
}

void TCheckGroupBox::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    checkBox_->resize(std::min(checkBox_->sizeHint().width(), width() - 12), checkBox_->sizeHint().height());
}
