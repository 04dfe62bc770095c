// Frees the accessibility interfaces a screen reader was given for the entries of item views.
#include "components/entry_interfaces.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <climits>

namespace tavi {

namespace {

// An interface standing for nothing: registering it tells the next free id, which lies
// above every id handed out so far.
class TIdProbe : public QAccessibleInterface {
public:
    bool isValid() const override { return false; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::NoRole; }
    QAccessible::State state() const override { return {}; }
};

}  // namespace

void ReleaseEntryInterfaces(const QList<QAbstractItemView*>& views)
{
    // A view's own interface frees the entries it keeps.
    for (QAbstractItemView* view : views) {
        if (QAccessibleInterface* own = QAccessible::queryAccessibleInterface(view))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(own));
    }
    // The toolkit hands out ids upwards from just above INT_MAX; an entry interface has no
    // object of its own and names its view as its parent.
    const QAccessible::Id end = QAccessible::registerAccessibleInterface(new TIdProbe);
    QAccessible::deleteAccessibleInterface(end);
    for (QAccessible::Id id = QAccessible::Id(INT_MAX) + 1; id < end; ++id) {
        QAccessibleInterface* entry = QAccessible::accessibleInterface(id);
        if (entry == nullptr || entry->object() != nullptr)
            continue;
        QAccessibleInterface* parent = entry->parent();
        auto* view = parent != nullptr ? qobject_cast<QAbstractItemView*>(parent->object()) : nullptr;
        if (view != nullptr && views.contains(view))
            QAccessible::deleteAccessibleInterface(id);
    }
}

}  // namespace tavi
