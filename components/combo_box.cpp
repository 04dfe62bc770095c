// An editable drop-down list whose ItemIndex is -1 unless the user picked an item.
#include "components/combo_box.h"

#include <QLineEdit>

TComboBox::TComboBox(const QStringList& items, const QString& text, QWidget* parent) : QComboBox(parent)
{
    InstallAccessibility();
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);  // Enter must not add the typed text to the items
    setCompleter(nullptr);
    setMaxVisibleItems(std::max(8, static_cast<int>(items.size())));
    addItems(items);
    SetText(text);
    connect(this, &QComboBox::activated, this, [this](int index) { itemIndex_ = index; });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { itemIndex_ = -1; });
}

void TComboBox::SetText(const QString& text)
{
    setCurrentIndex(-1);
    setEditText(text);
    itemIndex_ = -1;
}

void TComboBox::SetPrompt(const QString& prompt)
{
    prompt_ = prompt;
    SetText(prompt);
}

void TComboBox::SetItemIndex(int index)
{
    if (index < 0 || index >= count()) {
        SetText(QString());
        return;
    }
    setCurrentIndex(index);
    itemIndex_ = index;
}
