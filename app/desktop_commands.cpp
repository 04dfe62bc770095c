// Commands every desktop editor has, around the menus' own items: New, recent files, Quit, the editor's sheet
// commands and rule editing in the 編集 menu, zoom, and the list of keys.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "app/command.h"
#include "app/main_window.h"
#include "app/shortcut_list.h"
#include "editor/editor.h"

namespace {

QAction* Command(QWidget* owner, const char* name, const QString& caption, const QList<QKeySequence>& keys = {})
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    return action;
}

// A command of the editor itself: its key works while the editor has the focus, as it always did.
QAction* EditorCommand(TEditor* editor, const char* name, const QString& caption, const QKeySequence& key)
{
    QAction* action = Command(editor, name, caption, {key});
    action->setShortcutContext(Qt::WidgetShortcut);
    editor->addAction(action);
    return action;
}

void Separator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

}  // namespace

void TForm1::CreateDesktopCommands()
{
    // ファイル: 新規 first, the recent files and 終了 after the menu's own items.
    New1 = Command(this, "New1", QStringLiteral("新規(&N)"), {Qt::CTRL | Qt::Key_N});
    hu1->insertAction(hu1->actions().constFirst(), New1);
    Separator(hu1, "RecentSep1");
    RecentFiles1 = hu1->addMenu(QStringLiteral("最近使ったファイル(&R)"));
    RecentFiles1->setObjectName(QStringLiteral("RecentFiles1"));
    RecentFiles1->menuAction()->setObjectName(QStringLiteral("RecentFiles1"));
    connect(RecentFiles1, &QMenu::aboutToShow, this, &TForm1::FillRecentFilesMenu);
    Separator(hu1, "QuitSep1");
    Quit1 = Command(this, "Quit1", QStringLiteral("終了(&X)"), {Qt::CTRL | Qt::Key_Q});
    hu1->addAction(Quit1);
    ConnectCommand(New1, &QAction::triggered, this, &TForm1::New1Click);
    connect(Quit1, &QAction::triggered, this, &QWidget::close);

    // 編集: the habits' undo, redo, find, replace and go to line, the editor's sheet
    // commands, and the rule editing keys.
    Separator(Edit1, "UndoSep1");
    const std::pair<QAction*, QString> shown[] = {{UndoKey, QStringLiteral("元に戻す(&U)")},
                                                  {RedoKey, QStringLiteral("やり直し(&R)")},
                                                  {FindKey, QStringLiteral("検索(&F)...")},
                                                  {ReplaceKey, QStringLiteral("置換(&H)...")},
                                                  {GoToLineKey, QStringLiteral("指定行へ移動(&G)...")}};
    for (const auto& [action, caption] : shown) {
        action->setText(caption);
        Edit1->addAction(action);
        if (action == RedoKey)
            Separator(Edit1, "FindSep1");
    }
    Separator(Edit1, "SheetSep1");
    ToggleComment1 =
        EditorCommand(ExtMemo1, "ToggleComment1", QStringLiteral("コメントの切り替え(&M)"), Qt::CTRL | Qt::Key_Slash);
    PartnerBracket1 = EditorCommand(ExtMemo1, "PartnerBracket1", QStringLiteral("対応する括弧へ移動(&B)"),
                                    Qt::CTRL | Qt::Key_BracketRight);
    Complete1 = EditorCommand(ExtMemo1, "Complete1", QStringLiteral("入力候補(&P)"), Qt::CTRL | Qt::Key_Space);
    Edit1->addActions({ToggleComment1, PartnerBracket1, Complete1});
    connect(ToggleComment1, &QAction::triggered, this, [this] { ExtMemo1->Core().ToggleComment(); });
    connect(PartnerBracket1, &QAction::triggered, this, [this] { ExtMemo1->JumpToPartnerBracket(); });
    connect(Complete1, &QAction::triggered, this, [this] { ExtMemo1->Completion().Update(true); });
    EditRuleMenu1 = Edit1->addMenu(QStringLiteral("ルールをダイアログで編集(&D)"));
    EditRuleMenu1->setObjectName(QStringLiteral("EditRuleMenu1"));
    EditRuleMenu1->menuAction()->setObjectName(QStringLiteral("EditRuleMenu1"));
    const QAction* dialogItems[] = {N3, N4, N5, N6, N18, N19, N20, N21};
    for (std::size_t d = 0; d < EditRuleKeys.size(); ++d) {
        EditRuleKeys[d]->setText(dialogItems[d]->text());
        EditRuleMenu1->addAction(EditRuleKeys[d]);
    }

    // オプション: zoom. Ctrl++ is Ctrl+Shift+= on most keyboards; Ctrl+= works without Shift.
    Separator(N25, "ZoomSep1");
    ZoomIn1 = Command(this, "ZoomIn1", QStringLiteral("拡大(&I)"), {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal});
    ZoomOut1 = Command(this, "ZoomOut1", QStringLiteral("縮小(&O)"), {Qt::CTRL | Qt::Key_Minus});
    ZoomReset1 = Command(this, "ZoomReset1", QStringLiteral("元の大きさ(&Z)"), {Qt::CTRL | Qt::Key_0});
    N25->addActions({ZoomIn1, ZoomOut1, ZoomReset1});
    connect(ZoomIn1, &QAction::triggered, this, [this] { ExtMemo1->StepZoom(1); });
    connect(ZoomOut1, &QAction::triggered, this, [this] { ExtMemo1->StepZoom(-1); });
    connect(ZoomReset1, &QAction::triggered, this, [this] { ExtMemo1->SetZoom(100); });

    Shortcuts1 = Command(this, "Shortcuts1", QStringLiteral("キーボードショートカット(&K)"));
    Help1->insertAction(About1, Shortcuts1);
    ConnectCommand(Shortcuts1, &QAction::triggered, this, &TForm1::Shortcuts1Click);

    // The hidden keys keep a name for the list of keys.
    const std::pair<QAction*, QString> named[] = {{SaveKey, QStringLiteral("保存")},
                                                  {SaveAsKey, QStringLiteral("名前を付けて保存")},
                                                  {OpenKey, QStringLiteral("開く")},
                                                  {SelectAllKey, QStringLiteral("全て選択")}};
    for (const auto& [action, caption] : named)
        action->setText(caption);

    ExtMemo1->OnCaretMoved = [this](TEditor*) { ShowCaretPlace(); };
}

void TForm1::FillRecentFilesMenu()
{
    RecentFiles1->clear();
    if (recentFiles_.Files.isEmpty()) {
        RecentFiles1->addAction(QStringLiteral("（なし）"))->setEnabled(false);
        return;
    }
    int n = 0;
    for (const QString& path : recentFiles_.Files) {
        ++n;
        QString caption = QStringLiteral("&%1 %2").arg(n % 10).arg(QString(path).replace(QLatin1Char('&'), "&&"));
        if (!QFileInfo(path).isFile())
            caption += QStringLiteral("（見つかりません）");
        QAction* item = RecentFiles1->addAction(caption);
        item->setData(path);
        connect(item, &QAction::triggered, this, [this, path] { Guarded([this, &path] { OpenRecentFile(path); }); });
    }
    RecentFiles1->addSeparator();
    connect(RecentFiles1->addAction(QStringLiteral("一覧を消去(&C)")), &QAction::triggered, this,
            [this] { recentFiles_.Files.clear(); });
}

void TForm1::OpenRecentFile(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        recentFiles_.Remove(path);
        QMessageBox::information(
            this, QStringLiteral("最近使ったファイル"),
            QStringLiteral("ファイル %1 は見つかりません。一覧から外しました。").arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!SaveChangesFirst())
        return;
    OpenDocument(path);
}

void TForm1::Shortcuts1Click()
{
    ShowShortcutList(this, ShortcutsOf(*this, ExtMemo1->OwnKeyNames()));
}
