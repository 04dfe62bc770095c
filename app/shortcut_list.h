// The list of every key the main window answers, made from its actions so that it cannot drift from them.
#pragma once

#include <QString>
#include <utility>
#include <vector>

class QWidget;

struct TShortcutEntry {
    QString Key;      // as the platform writes it ("Ctrl+N")
    QString Command;  // the menu path of the action ("ファイル ▸ 新規"), or its name
};

// Every shortcut of every action of `window` and its children (menus, context menu,
// hidden keys), in the order the window made them, then `ownKeys` (keys a control answers without an action).
std::vector<TShortcutEntry> ShortcutsOf(const QWidget& window, const std::vector<std::pair<QString, QString>>& ownKeys);
// Shows the entries in a modal table.
void ShowShortcutList(QWidget* parent, const std::vector<TShortcutEntry>& entries);
