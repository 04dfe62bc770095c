// What assistive technologies see of a TComboBox: its own name, its text as the value, and a list to open.
// The toolkit's combo box interface names a box by its value on this platform, which would make
// a unit box speak "px" with no word of what it measures.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

#include "components/combo_box.h"

namespace {

class TComboBoxAccessible : public QAccessibleWidget {
public:
    explicit TComboBoxAccessible(TComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    TComboBox* Box() const { return static_cast<TComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Box()->Text();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Box()->Text();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value && Box()->isEnabled())
            Box()->SetText(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    // Its children as the toolkit's own combo box has them: the drop-down list, whose
    // interface (the toolkit's, through the list's view) has the items as children, and the
    // text field.
    int childCount() const override { return Box()->lineEdit() != nullptr ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(Box()->view());
        if (index == 1)
            return QAccessible::queryAccessibleInterface(Box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child == nullptr)
            return -1;
        if (child->object() == Box()->view())
            return 0;
        if (child->object() == Box()->lineEdit())
            return 1;
        return -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.expandable = true;
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            Box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* ComboBoxAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("TComboBox"))
        if (auto* box = qobject_cast<TComboBox*>(object))
            return new TComboBoxAccessible(box);
    return nullptr;
}

}  // namespace

void TComboBox::InstallAccessibility()
{
    static const bool installed = (QAccessible::installFactory(ComboBoxAccessible), true);
    (void)installed;
}
