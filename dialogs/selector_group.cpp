// The selector group of a style rule dialog: element and class check boxes with their edits.
#include "dialogs/selector_group.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "components/spoken_names.h"
#include "dialogs/rule_lines.h"

TSelectorGroup::TSelectorGroup(const QString& appliesText, TSelectorEditBehaviour behaviour, QWidget* parent)
    : QGroupBox(QStringLiteral("セレクター（選択部）"), parent), behaviour_(behaviour)
{
    resize(300, 80);
    ElementBox = new QCheckBox(QStringLiteral("要素"), this);
    ElementBox->setGeometry(12, 22, 56, 20);
    ElementEdit = new QLineEdit(this);
    ElementEdit->setGeometry(72, 21, 120, 21);
    ClassBox = new QCheckBox(QStringLiteral("クラス"), this);
    ClassBox->setGeometry(12, 50, 56, 20);
    ClassEdit = new QLineEdit(this);
    ClassEdit->setGeometry(72, 49, 120, 21);
    AppliesLabel = new QLabel(appliesText, this);
    AppliesLabel->move(204, 52);
    AppliesLabel->adjustSize();
    tavi::NameAfter(ElementEdit, ElementBox, QStringLiteral("セレクター"));
    tavi::NameAfter(ClassEdit, ClassBox, QStringLiteral("セレクター"));

    const bool editsStartEnabled = behaviour_ == sbClear || behaviour_ == sbNone;
    ElementEdit->setEnabled(editsStartEnabled);
    ClassEdit->setEnabled(editsStartEnabled);
    if (behaviour_ != sbNone) {
        connect(ElementBox, &QCheckBox::toggled, this, [this](bool on) { FollowBox(ElementEdit, on); });
        connect(ClassBox, &QCheckBox::toggled, this, [this](bool on) { FollowBox(ClassEdit, on); });
    }
}

void TSelectorGroup::FollowBox(QLineEdit* edit, bool ticked)
{
    if (behaviour_ != sbClear)
        edit->setEnabled(ticked);
    if (!ticked && (behaviour_ == sbClear || behaviour_ == sbDisableAndClear))
        edit->clear();
}

std::optional<QString> TSelectorGroup::SelectorLine() const
{
    const bool element = ElementBox->isChecked();
    const bool cls = ClassBox->isChecked();
    return tavi::SelectorLine(element, element ? ElementEdit->text() : QString(), cls,
                              cls ? ClassEdit->text() : QString());
}
