// A captioned group of radio buttons laid out in columns, with no button chosen until one is picked.
#include "components/radio_group.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QRadioButton>
#include <algorithm>

TRadioGroup::TRadioGroup(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this))
{
    // As a form's click event: whenever an item becomes chosen, by any means.
    connect(group_, &QButtonGroup::idToggled, this, [this](int, bool chosen) {
        if (chosen && OnClick)
            OnClick();
    });
}

void TRadioGroup::SetItems(const QStringList& items)
{
    for (QRadioButton* button : buttons_)
        delete button;
    buttons_.clear();
    items_ = items;
    for (int i = 0; i < items_.size(); ++i) {
        auto* button = new QRadioButton(items_[i], this);
        group_->addButton(button, i);
        buttons_.push_back(button);
        button->show();
    }
    ArrangeButtons();
}

void TRadioGroup::SetColumns(int columns)
{
    columns_ = std::max(1, columns);
    ArrangeButtons();
}

int TRadioGroup::ItemIndex() const
{
    return group_->checkedId();
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index >= 0 && index < static_cast<int>(buttons_.size())) {
        buttons_[index]->setChecked(true);
        return;
    }
    // An exclusive group will not uncheck its last button; lift that for the moment.
    group_->setExclusive(false);
    for (QRadioButton* button : buttons_)
        button->setChecked(false);
    group_->setExclusive(true);
}

QRadioButton* TRadioGroup::Button(int index) const
{
    return index >= 0 && index < static_cast<int>(buttons_.size()) ? buttons_[index] : nullptr;
}

void TRadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons()
{
    if (buttons_.empty())
        return;
    const int count = static_cast<int>(buttons_.size());
    const int perColumn = (count + columns_ - 1) / columns_;
    const int captionHeight = fontMetrics().height();
    const int buttonWidth = std::max(1, (width() - 10) / columns_);
    const int area = std::max(perColumn, height() - captionHeight - 5);
    const int buttonHeight = area / perColumn;
    const int top = captionHeight + 1 + (area % perColumn) / 2;
    for (int i = 0; i < count; ++i)
        buttons_[i]->setGeometry(8 + (i / perColumn) * buttonWidth, top + (i % perColumn) * buttonHeight, buttonWidth,
                                 buttonHeight);
}
