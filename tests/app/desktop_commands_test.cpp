// Tests of the commands every desktop editor has: New, recent files, Quit, the caret panel, zoom keys and the key list.
#include <QMenu>
#include <QTableWidget>

#include "app/recent_files.h"
#include "app/shortcut_list.h"
#include "components/status_bar.h"
#include "platform/private_profile.h"
#include "tests/app/file_commands_fixture.h"

namespace {

class DesktopCommandsTest : public FileCommandsTest {
protected:
    // Keys reach the window's actions while it is active.
    void SetUp() override
    {
        FileCommandsTest::SetUp();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->ExtMemo1->setFocus();
    }

    QString CaretPanel() const { return form->StatusBar1->Panels()[TForm1::kCaretPanel].Text; }

    // The recent-files submenu as the user sees it when it opens.
    QList<QAction*> RecentItems()
    {
        emit form->RecentFiles1->aboutToShow();
        return form->RecentFiles1->actions();
    }
};

}  // namespace

TEST(RecentFilesList, KeepsTheLastTenMostRecentFirstEachOnceAndReadsBackAsWritten)
{
    QTemporaryDir dir;
    TRecentFiles recent;
    for (int i = 1; i <= 12; ++i)
        recent.Add(dir.filePath(QStringLiteral("f%1.css").arg(i)));
    recent.Add(dir.filePath("f5.css"));  // listed already: moves up
    ASSERT_EQ(recent.Files.size(), TRecentFiles::kKept);
    EXPECT_EQ(recent.Files.first(), dir.filePath("f5.css"));
    EXPECT_EQ(recent.Files[1], dir.filePath("f12.css"));
    EXPECT_EQ(recent.Files.last(), dir.filePath("f3.css"));
    EXPECT_EQ(recent.Files.count(dir.filePath("f5.css")), 1);

    tavi::TPrivateProfile profile(dir.filePath("s.ini"));
    WriteRecentFiles(profile, recent);
    EXPECT_EQ(ReadRecentFiles(profile).Files, recent.Files);
    profile.WriteString("RecentFiles", "Count", "99");  // a hand-edited count reads no more than the limit
    EXPECT_EQ(ReadRecentFiles(profile).Files.size(), TRecentFiles::kKept);
}

TEST_F(DesktopCommandsTest, RecentFilesOpenAndOneThatWentIsMarkedThenDropped)
{
    const QString a = dir.filePath("a.css"), b = dir.filePath("b.css");
    WriteFile(a, "a {}\r\n");
    WriteFile(b, "b {}\r\n");
    form->OpenStartupFile(a);
    form->OpenStartupFile(b);
    EXPECT_EQ(form->RecentFiles().Files, (QStringList{b, a}));
    ASSERT_TRUE(QFile::remove(a));

    QList<QAction*> items = RecentItems();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items[0]->text(), "&1 " + b);
    EXPECT_EQ(items[1]->text(), "&2 " + a + "（見つかりません）");
    SeenMessageBox seen;
    RecordNextMessageBox(seen);
    items[1]->trigger();
    EXPECT_EQ(seen.text, "ファイル " + a + " は見つかりません。一覧から外しました。");
    EXPECT_EQ(form->RecentFiles().Files, QStringList{b});

    // Choosing a file asks about unsaved changes first, as Open does.
    form->OpenStartupFile(b);
    QTest::keyClicks(form->ExtMemo1, "x");
    items = RecentItems();
    RecordNextMessageBox(seen, QMessageBox::RejectRole);
    items[0]->trigger();
    EXPECT_EQ(seen.text, "作業中のファイルを保存しますか?");
    EXPECT_EQ(form->ExtMemo1->Lines().GetTextStr(), "xb {}\r\n");
}

TEST_F(DesktopCommandsTest, NewAsksAboutChangesAndStartsAnUntitledShiftJisDocument)
{
    const QString a = dir.filePath("a.css");
    WriteFile(a, "@charset \"UTF-8\";\r\np { content: \"表\"; }\r\n");
    form->OpenStartupFile(a);
    QTest::keyClicks(form->ExtMemo1, "x");
    SeenMessageBox seen;
    RecordNextMessageBox(seen, QMessageBox::RejectRole);  // Cancel
    QTest::keyClick(form->ExtMemo1, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(seen.text, "作業中のファイルを保存しますか?");
    EXPECT_EQ(form->Edit3->text(), "a.css");

    form->activateWindow();  // back from the question
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    RecordNextMessageBox(seen, QMessageBox::NoRole);
    QTest::keyClick(form->ExtMemo1, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(form->ExtMemo1->Lines().GetTextStr(), "");
    EXPECT_EQ(form->Edit3->text(), "無題");
    EXPECT_EQ(form->Edit4->text(), "");
    EXPECT_FALSE(form->ExtMemo1->Modified());
    EXPECT_FALSE(form->ExtMemo1->Core().CanUndo());
    EXPECT_EQ(form->ExtMemo1->Core().Encoding(), tavi::TTextEncoding::Cp932);
    EXPECT_TRUE(form->Edit3->toolTip().contains("Shift-JIS"));

    // Unchanged, nothing is asked.
    NoQuestionWatch watch;
    form->New1->trigger();
    EXPECT_TRUE(watch.seen.isEmpty());
}

TEST_F(DesktopCommandsTest, QuitTakesTheClosePathWithItsQuestion)
{
    QTest::keyClicks(form->ExtMemo1, "x");
    SeenMessageBox seen;
    RecordNextMessageBox(seen, QMessageBox::RejectRole);
    QTest::keyClick(form->ExtMemo1, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(seen.text, "作業中のファイルを保存しますか?");
    EXPECT_TRUE(form->isVisible());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    RecordNextMessageBox(seen, QMessageBox::NoRole);
    form->Quit1->trigger();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(DesktopCommandsTest, TheCaretPanelFollowsTypingMovesUndoAndWrappedLines)
{
    EXPECT_EQ(CaretPanel(), "行 1, 列 1");
    QTest::keyClicks(form->ExtMemo1, "p {");
    QTest::keyClick(form->ExtMemo1, Qt::Key_Return);
    QTest::keyClicks(form->ExtMemo1, "color: red;");
    EXPECT_EQ(CaretPanel(), "行 2, 列 12  変更あり");
    QTest::keyClick(form->ExtMemo1, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(CaretPanel(), "行 1, 列 1  変更あり");
    while (form->ExtMemo1->Core().CanUndo())
        form->ExtMemo1->Core().Undo();
    EXPECT_EQ(CaretPanel(), "行 1, 列 1");

    // The column counts from the start of the logical line over the rows it wraps onto.
    form->ExtMemo1->SetWrapByte(20);
    form->ExtMemo1->Lines().SetTextStr(std::string(30, 'a'));
    form->ExtMemo1->Core().PlaceCaretAt(1, 5);
    form->ExtMemo1->ScrollToCaret();
    EXPECT_EQ(CaretPanel(), "行 1, 列 26  変更あり");

    // Saving the document's own file clears the mark at once.
    const QString a = dir.filePath("a.css");
    WriteFile(a, "p {}\r\n");
    form->OpenStartupFile(a);
    QTest::keyClicks(form->ExtMemo1, "x");
    EXPECT_EQ(CaretPanel(), "行 1, 列 2  変更あり");
    form->SaveKey->trigger();
    EXPECT_EQ(CaretPanel(), "行 1, 列 2");
}

TEST_F(DesktopCommandsTest, ZoomKeysScaleTheEditorWithoutTypingAndCheckNoOtherKey)
{
    const std::pair<QKeyCombination, int> steps[] = {{Qt::CTRL | Qt::Key_Equal, 110},
                                                     {Qt::CTRL | Qt::Key_Plus, 125},
                                                     {Qt::CTRL | Qt::Key_Minus, 110},
                                                     {Qt::CTRL | Qt::Key_0, 100}};
    for (const auto& [key, zoom] : steps) {
        QTest::keyClick(form->ExtMemo1, key.key(), key.keyboardModifiers());
        EXPECT_EQ(form->ExtMemo1->Zoom(), zoom);
    }
    EXPECT_EQ(form->ExtMemo1->Lines().GetTextStr(), "");
    // Each key added here belongs to one action of the window alone.
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_Plus),
          QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Minus),
          QKeySequence(Qt::CTRL | Qt::Key_0), QKeySequence(Qt::CTRL | Qt::Key_Slash),
          QKeySequence(Qt::CTRL | Qt::Key_BracketRight), QKeySequence(Qt::CTRL | Qt::Key_Space)}) {
        QStringList owners;
        for (const QAction* action : form->findChildren<QAction*>())
            if (action->shortcuts().contains(key))
                owners << action->objectName();
        EXPECT_EQ(owners.size(), 1) << key.toString().toStdString() << ": " << owners.join(' ').toStdString();
    }
}

TEST_F(DesktopCommandsTest, TheKeyListHoldsEveryActionsKeyWithItsMenuPath)
{
    const std::vector<TShortcutEntry> entries = ShortcutsOf(*form, TEditor::OwnKeyNames());
    const auto listed = [&](const QString& key, const QString& command) {
        return std::any_of(entries.begin(), entries.end(),
                           [&](const TShortcutEntry& e) { return e.Key == key && e.Command == command; });
    };
    for (const QAction* action : form->findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            const QString text = key.toString(QKeySequence::NativeText);
            EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return e.Key == text; }))
                << text.toStdString();
        }
    }
    EXPECT_TRUE(listed("F1", "編集 ▸ スタイル指定 ▸ フォント・テキストの修飾に関する指定"));
    EXPECT_TRUE(listed("Shift+F3", "編集 ▸ ルールをダイアログで編集 ▸ ボーダーラインに関する指定"));
    EXPECT_TRUE(listed("F11", "右クリックメニュー ▸ アンドゥ"));
    EXPECT_TRUE(listed("Ctrl+S", "保存"));
    EXPECT_TRUE(listed("Ctrl+N", "ファイル ▸ 新規"));
    EXPECT_TRUE(listed("Home / End", "行頭 / 行末へ"));

    int rows = 0;
    AnswerNextModal([&rows](QWidget* modal) {
        rows = modal->findChild<QTableWidget*>("ShortcutTable")->rowCount();
        modal->close();
    });
    form->Shortcuts1->trigger();
    EXPECT_EQ(rows, static_cast<int>(entries.size()));
}
