// The key list: collected from the window's actions with their menu paths, shown in a two-column table.
#include "app/shortcut_list.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString Plain(QString caption)
{
    // "保存(&S)" and "開く(&O)..." read as 保存 and 開く in a list.
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)|\\.\\.\\.$"));
    caption.remove(mnemonic);
    return caption.remove(QLatin1Char('&'));
}

// The menu that shows `action`; none for a menu of the menu bar (whose overflow menu
// shows it too) or a hidden key.
const QMenu* MenuOf(const QAction& action)
{
    const QList<QObject*> owners = action.associatedObjects();
    if (std::any_of(owners.begin(), owners.end(), [](QObject* o) { return qobject_cast<QMenuBar*>(o); }))
        return nullptr;
    for (QObject* owner : owners)
        if (const auto* menu = qobject_cast<QMenu*>(owner))
            return menu;
    return nullptr;
}

// The titles of the menus above `action`, outermost first.
QString MenuPath(const QAction& action)
{
    QStringList path{Plain(action.text())};
    for (const QMenu* menu = MenuOf(action); menu; menu = MenuOf(*menu->menuAction()))
        path.prepend(menu->title().isEmpty() ? QStringLiteral("右クリックメニュー") : Plain(menu->title()));
    return path.join(QStringLiteral(" ▸ "));
}

}  // namespace

std::vector<TShortcutEntry> ShortcutsOf(const QWidget& window, const std::vector<std::pair<QString, QString>>& ownKeys)
{
    std::vector<TShortcutEntry> entries;
    for (const QAction* action : window.findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            const TShortcutEntry entry{key.toString(QKeySequence::NativeText), MenuPath(*action)};
            const bool listed = std::any_of(entries.begin(), entries.end(), [&](const TShortcutEntry& e) {
                return e.Key == entry.Key && e.Command == entry.Command;
            });
            if (!listed)
                entries.push_back(entry);
        }
    }
    for (const auto& [key, command] : ownKeys)
        entries.push_back({key, command});
    return entries;
}

void ShowShortcutList(QWidget* parent, const std::vector<TShortcutEntry>& entries)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("キーボードショートカット"));
    auto* table = new QTableWidget(static_cast<int>(entries.size()), 2, &dialog);
    table->setObjectName(QStringLiteral("ShortcutTable"));
    table->setHorizontalHeaderLabels({QStringLiteral("キー"), QStringLiteral("コマンド")});
    table->setAccessibleName(QStringLiteral("キーボードショートカットの一覧"));
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < table->rowCount(); ++row) {
        const TShortcutEntry& entry = entries[static_cast<std::size_t>(row)];
        table->setItem(row, 0, new QTableWidgetItem(entry.Key));
        table->setItem(row, 1, new QTableWidgetItem(entry.Command));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(table);
    layout->addWidget(buttons);
    dialog.resize(560, 520);
    dialog.exec();
}
