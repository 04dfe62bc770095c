// The main window's menu bar and the editor's context menu with their shortcuts.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "app/main_window.h"
#include "editor/editor.h"

namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

QAction* Separator(QMenu* menu, const char* name)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}

// Every item of a menu bar, submenus included.
QList<QAction*> AllItems(const QList<QAction*>& items)
{
    QList<QAction*> all;
    for (QAction* item : items) {
        all.append(item);
        if (auto* submenu = item->menu<QMenu*>())
            all.append(AllItems(submenu->actions()));
    }
    return all;
}

QMenu* Submenu(QWidget* parent, const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

}  // namespace

void TForm1::CreateMainMenu()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    hu1 = Submenu(this, "hu1", QStringLiteral("ファイル(&F)"));
    MainMenu1->addMenu(hu1);
    Open1 = Item(hu1, "Open1", QStringLiteral("保存(&S)"));
    SaveAs1 = Item(hu1, "SaveAs1", QStringLiteral("名前を付けて保存(&A)..."));
    N14 = Separator(hu1, "N14");
    Open2 = Item(hu1, "Open2", QStringLiteral("開く(&O)..."));
    ReopenAs1 = Submenu(hu1, "ReopenAs1", QStringLiteral("文字コードを指定して開き直す(&R)"));
    hu1->addMenu(ReopenAs1);
    ReopenShiftJis1 = Item(ReopenAs1, "ReopenShiftJis1", QStringLiteral("Shift-JIS(&S)"));
    ReopenUtf81 = Item(ReopenAs1, "ReopenUtf81", QStringLiteral("UTF-8(&U)"));
    // Only a document with a file can be read again.
    connect(hu1, &QMenu::aboutToShow, this, [this] { ReopenAs1->setEnabled(!IsUntitled()); });

    Edit1 = Submenu(this, "Edit1", QStringLiteral("編集(&E)"));
    MainMenu1->addMenu(Edit1);
    N1 = Submenu(Edit1, "N1", QStringLiteral("スタイル指定(&S)..."));
    Edit1->addMenu(N1);
    N3 = Item(N1, "N3", QStringLiteral("フォント・テキストの修飾に関する指定"), Qt::Key_F1);
    N4 = Item(N1, "N4", QStringLiteral("マージン（周囲の余白）の指定"), Qt::Key_F2);
    N5 = Item(N1, "N5", QStringLiteral("ボーダーラインに関する指定"), Qt::Key_F3);
    N6 = Item(N1, "N6", QStringLiteral("リストに関する指定"), Qt::Key_F4);
    N18 = Item(N1, "N18", QStringLiteral("色と背景に関する指定"), Qt::Key_F5);
    N19 = Item(N1, "N19", QStringLiteral("テキストのレイアウトに関する指定"), Qt::Key_F6);
    N20 = Item(N1, "N20", QStringLiteral("各要素の基本的なスタイル指定"), Qt::Key_F7);
    N21 = Item(N1, "N21", QStringLiteral("音声読み上げに関する指定"), Qt::Key_F8);
    N22 = Item(N1, "N22", QStringLiteral("色のダイアログ（１６進数生成）"), Qt::Key_F9);
    N15 = Separator(Edit1, "N15");
    N7 = Item(Edit1, "N7", QStringLiteral("全て選択"), Qt::CTRL | Qt::Key_F1);
    N8 = Item(Edit1, "N8", QStringLiteral("全て削除"), Qt::CTRL | Qt::Key_F2);
    N9 = Item(Edit1, "N9", QStringLiteral("全てコピー"), Qt::CTRL | Qt::Key_F3);
    N10 = Item(Edit1, "N10", QStringLiteral("全て切り取り"), Qt::CTRL | Qt::Key_F4);
    N16 = Separator(Edit1, "N16");
    Paste2 = Item(Edit1, "Paste2", QStringLiteral("貼り付け"), Qt::CTRL | Qt::Key_V);
    Delete1 = Item(Edit1, "Delete1", QStringLiteral("削除"), Qt::CTRL | Qt::Key_D);
    Cut2 = Item(Edit1, "Cut2", QStringLiteral("切り取り"), Qt::CTRL | Qt::Key_X);
    N17 = Item(Edit1, "N17", QStringLiteral("複写"), Qt::CTRL | Qt::Key_C);

    N25 = Submenu(this, "N25", QStringLiteral("オプション(&O)"));
    MainMenu1->addMenu(N25);
    N26 = Item(N25, "N26", QStringLiteral("エディタのカスタマイズ(&C)"));
    Preview1 = Item(N25, "Preview1", QStringLiteral("プレビュー(&P)"), Qt::Key_F10);
    Preview1->setCheckable(true);

    Help1 = Submenu(this, "Help1", QStringLiteral("ヘルプ(&H)"));
    MainMenu1->addMenu(Help1);
    About1 = Item(Help1, "About1", QStringLiteral("バージョン情報(&A)"));
}

void TForm1::CreatePopupMenu()
{
    PopupMenu1 = Submenu(ExtMemo1, "PopupMenu1", QString());
    N2 = Item(PopupMenu1, "N2", QStringLiteral("削除"), Qt::CTRL | Qt::Key_D);
    N11 = Item(PopupMenu1, "N11", QStringLiteral("複写"), Qt::CTRL | Qt::Key_C);
    Paste1 = Item(PopupMenu1, "Paste1", QStringLiteral("貼り付け"), Qt::CTRL | Qt::Key_V);
    Cut1 = Item(PopupMenu1, "Cut1", QStringLiteral("切り取り"), Qt::CTRL | Qt::Key_X);
    N12 = Separator(PopupMenu1, "N12");
    N13 = Item(PopupMenu1, "N13", QStringLiteral("コメント化"));
    STYLE1 = Item(PopupMenu1, "STYLE1", QStringLiteral("<STYLE>タグ"));
    N23 = Separator(PopupMenu1, "N23");
    N24 = Item(PopupMenu1, "N24", QStringLiteral("色のダイアログ"), Qt::Key_F9);
    N27 = Separator(PopupMenu1, "N27");
    N28 = Item(PopupMenu1, "N28", QStringLiteral("アンドゥ"), Qt::Key_F11);
    N29 = Item(PopupMenu1, "N29", QStringLiteral("リドゥ"), Qt::Key_F12);

    // A key that the main menu also carries is answered by the main menu's item (both lead
    // to the same operation); the context menu only shows it. Its other keys work wherever
    // the window has the focus, so those items are also the window's own actions.
    const QList<QAction*> mainItems = AllItems(MainMenu1->actions());
    for (QAction* item : PopupMenu1->actions()) {
        if (item->shortcut().isEmpty())
            continue;
        const bool inMainMenu = std::any_of(mainItems.begin(), mainItems.end(), [item](const QAction* other) {
            return other->shortcut() == item->shortcut();
        });
        if (inMainMenu)
            item->setShortcutContext(Qt::WidgetShortcut);
        else
            addAction(item);
    }

    ExtMemo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ExtMemo1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(ExtMemo1->mapToGlobal(pos)); });
}

void TForm1::CreateKeyboardHabits()
{
    // Keys desktop users bring from other editors. No menu shows them; the editor gives
    // none of them a meaning of its own, and no other shortcut of the window uses them.
    const auto habit = [this](const char* name, std::initializer_list<QKeySequence> keys) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(QList<QKeySequence>(keys));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        return action;
    };
    SaveKey = habit("SaveKey", {Qt::CTRL | Qt::Key_S});
    SaveAsKey = habit("SaveAsKey", {Qt::CTRL | Qt::SHIFT | Qt::Key_S});
    OpenKey = habit("OpenKey", {Qt::CTRL | Qt::Key_O});
    UndoKey = habit("UndoKey", {Qt::CTRL | Qt::Key_Z});
    RedoKey = habit("RedoKey", {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
    SelectAllKey = habit("SelectAllKey", {Qt::CTRL | Qt::Key_A});
    GoToLineKey = habit("GoToLineKey", {Qt::CTRL | Qt::Key_G});
    FindKey = habit("FindKey", {Qt::CTRL | Qt::Key_F});
    ReplaceKey = habit("ReplaceKey", {Qt::CTRL | Qt::Key_H});
}
