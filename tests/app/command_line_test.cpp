// Tests of the command line (a file to open, help, version) and of the keys desktop users bring.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/command_line.h"
#include "app/main_window.h"
#include "editor/editor.h"
#include "tests/support/active_main_window.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"

namespace {

TEST(CommandLine, AFileHelpAndVersion)
{
    const struct {
        QStringList arguments;
        bool help, version;
        QString file;
    } cases[] = {
        {{}, false, false, ""},
        {{"style.css"}, false, false, "style.css"},
        {{"a.css", "b.css"}, false, false, "a.css"},  // a second file is ignored
        {{"--help"}, true, false, ""},
        {{"a.css", "-h"}, true, false, "a.css"},
        {{"--version"}, false, true, ""},
        {{"--", "--help"}, false, false, "--help"},  // after "--" a name is a name
    };
    for (const auto& c : cases) {
        const TCommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.Help, c.help) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.Version, c.version);
        EXPECT_EQ(line.File, c.file);
    }
}

TEST(CommandLine, TheProgramPrintsItsHelpAndVersionAndExitsEvenWithoutADisplay)
{
    QProcessEnvironment terminal = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        terminal.remove(QString::fromLatin1(name));
    for (const auto& [option, start] :
         {std::pair{"--help", "使い方: tavi-css-editor [ファイル]"}, std::pair{"--version", "TAVI CSS Editor 1.0"}}) {
        QProcess program;
        program.setProcessEnvironment(terminal);
        program.start(QStringLiteral(TAVI_PROGRAM), {QString::fromLatin1(option)});
        ASSERT_TRUE(program.waitForFinished(30000)) << option;
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_TRUE(QString::fromUtf8(program.readAllStandardOutput()).startsWith(QString::fromUtf8(start))) << option;
    }
}

class StartupFileTest : public ActiveMainWindowTest {};

TEST_F(StartupFileTest, TheNamedFileIsOpenAndAnUnreadableOneLeavesTheDocumentEmpty)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("style.css");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("P { }\r\n");
    file.close();
    form->OpenStartupFile(path);
    EXPECT_EQ(form->ExtMemo1->Lines().GetTextStr(), "P { }\r\n");
    EXPECT_EQ(form->Edit3->text(), "style.css");
    EXPECT_EQ(form->Edit4->text(), path);

    auto other = std::make_unique<TForm1>();
    SeenMessageBox seen;
    RecordNextMessageBox(seen);
    other->OpenStartupFile(dir.filePath("missing.css"));
    EXPECT_EQ(seen.text, "ﾌｧｲﾙ " + dir.filePath("missing.css") + " は開けません.");
    EXPECT_EQ(other->ExtMemo1->Lines().GetTextStr(), "");
    EXPECT_EQ(other->Edit3->text(), "無題");
}

class KeyboardHabitsTest : public ActiveMainWindowTest {};

TEST_F(KeyboardHabitsTest, EachKeyRunsItsCommandAndNoneTakesAKeyInUse)
{
    const struct {
        QAction* action;
        QKeySequence key;
    } habits[] = {{form->SaveKey, Qt::CTRL | Qt::Key_S},      {form->SaveAsKey, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
                  {form->OpenKey, Qt::CTRL | Qt::Key_O},      {form->UndoKey, Qt::CTRL | Qt::Key_Z},
                  {form->RedoKey, Qt::CTRL | Qt::Key_Y},      {form->RedoKey, Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
                  {form->SelectAllKey, Qt::CTRL | Qt::Key_A}, {form->GoToLineKey, Qt::CTRL | Qt::Key_G},
                  {form->FindKey, Qt::CTRL | Qt::Key_F},      {form->ReplaceKey, Qt::CTRL | Qt::Key_H}};
    form->RunFileDialog = [](TTextOpenDialog&) { return false; };  // save and open dialogs are cancelled
    for (const auto& h : habits) {
        if (h.action == form->GoToLineKey)
            AnswerNextModal([](QWidget* modal) { modal->close(); });
        SCOPED_TRACE(h.key.toString().toStdString());
        // No other action of the window answers the same key.
        for (const QAction* other : form->findChildren<QAction*>()) {
            if (other != h.action) {
                EXPECT_FALSE(other->shortcuts().contains(h.key)) << other->objectName().toStdString();
            }
        }
        QSignalSpy spy(h.action, &QAction::triggered);
        const QKeyCombination combination = h.key[0];
        QTest::keyClick(form->ExtMemo1, combination.key(), combination.keyboardModifiers());
        EXPECT_EQ(spy.count(), 1);
        // The window is active again once a dialog the key opened has closed.
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // They do what they say: type, undo with Ctrl+Z, redo with Ctrl+Y, select all with Ctrl+A.
    QTest::keyClicks(form->ExtMemo1, "p");
    QTest::keyClick(form->ExtMemo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->ExtMemo1->Lines().GetTextStr(), "");
    QTest::keyClick(form->ExtMemo1, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form->ExtMemo1->Lines().GetTextStr(), "p");
    QTest::keyClick(form->ExtMemo1, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(form->ExtMemo1->SelText(), "p");
}

// Go to line: wrapped rows count as one line; a number past the end goes to the last line;
// Ctrl+G asks, starting from the caret's line.
TEST_F(KeyboardHabitsTest, GoToLinePutsTheCaretAtTheStartOfALogicalLine)
{
    form->ExtMemo1->Lines().SetTextStr("P {\r\n" + std::string(200, 'w') + "\r\n}\r\nH1 { }\r\n");
    form->GoToLine(3);
    EXPECT_EQ(form->ExtMemo1->Core().CaretRow(), form->ExtMemo1->Core().LineToRow(2));
    EXPECT_EQ(form->ExtMemo1->Core().CaretCol(), 0);
    EXPECT_EQ(form->CaretLine(), 3);
    form->GoToLine(1000);
    EXPECT_EQ(form->CaretLine(), 4);
    form->GoToLine(-5);
    EXPECT_EQ(form->CaretLine(), 1);

    form->GoToLine(4);
    int offered = 0;
    AnswerNextModal([&offered](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        offered = dialog->intValue();
        dialog->setIntValue(2);
        dialog->accept();
    });
    QTest::keyClick(form->ExtMemo1, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(offered, 4);
    EXPECT_EQ(form->CaretLine(), 2);
    EXPECT_EQ(form->ExtMemo1->Core().CaretCol(), 0);
}

}  // namespace
