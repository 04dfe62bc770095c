// A group frame whose title is a check box.
#include "components/check_group_box.h"

#include <QCheckBox>

TCheckGroupBox::TCheckGroupBox(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), checkBox_(new QCheckBox(caption, this))
{
    // The frame keeps a gap for its title; the box covers that title with its own
    // background, so the caption shows once, beside the box's indicator.
    checkBox_->setAutoFillBackground(true);
    checkBox_->adjustSize();
    checkBox_->move(6, 0);
}

void TCheckGroupBox::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    checkBox_->resize(std::min(checkBox_->sizeHint().width(), width() - 12), checkBox_->sizeHint().height());
}
