// Tests of crash recovery: the journal of unsaved edits, and its offer at the next start.
#include <sys/stat.h>

#include <QFileInfo>
#include <QProcess>
#include <csignal>

#include "app/journal_keeper.h"
#include "components/status_bar.h"
#include "editor/core/journal.h"
#include "platform/os/file_bytes.h"
#include "tests/app/file_commands_fixture.h"

namespace {

class RecoveryTest : public FileCommandsTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(stateHome.isValid());
        runStateHome = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", stateHome.path().toLocal8Bit());
        FileCommandsTest::SetUp();
    }
    void TearDown() override { qputenv("XDG_STATE_HOME", runStateHome); }

    QStringList Journals() const
    {
        return QDir(stateHome.filePath("tavi-css-editor")).entryList({"*.journal"}, QDir::Files);
    }
    // Edits the file `a.css` in the window, its records written out as after two seconds.
    void EditAndKeepJournal()
    {
        WriteFile(Path("a.css"), "P { }\r\n");
        form->DropFiles({Path("a.css")});
        EXPECT_TRUE(Journals().isEmpty());  // nothing to keep yet
        Type("Q { }");
        Type("R { }");
        form->Journal1->Flush();
    }
    // A window started after the first one died: its journal's writer runs no more.
    std::unique_ptr<TForm1> NextStart()
    {
        auto next = std::make_unique<TForm1>();
        next->IsWriterRunning = [](int) { return false; };
        return next;
    }

    QTemporaryDir stateHome;
    QByteArray runStateHome;
};

}  // namespace

TEST_F(RecoveryTest, UnsavedEditsAreKeptInAPrivateJournalThatASaveRemoves)
{
    EditAndKeepJournal();
    ASSERT_EQ(Journals().size(), 1);
    const QString journal = stateHome.filePath("tavi-css-editor/" + Journals().first());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(journal).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const std::string bytes = tavi::ReadFileBytes(QFile::encodeName(journal).toStdString());
    const tavi::TJournalFile parsed = tavi::ParseJournal(bytes);
    ASSERT_TRUE(parsed.Valid);
    EXPECT_EQ(parsed.Field("path"), QFile::encodeName(Path("a.css")).toStdString());
    EXPECT_EQ(tavi::ReplayJournal(parsed.Base, parsed.Records).Text, Text());

    form->SpeedButton1->click();
    EXPECT_TRUE(Journals().isEmpty());

    // Changes let go at the close question take their journal with them.
    Type("S { }");
    ASSERT_EQ(Journals().size(), 1);
    SeenMessageBox asked;
    RecordNextMessageBox(asked, QMessageBox::NoRole);
    form->close();
    EXPECT_EQ(asked.text, "作業中のファイルを保存しますか?");
    EXPECT_TRUE(Journals().isEmpty());
}

TEST_F(RecoveryTest, AJournalLeftByAnEditorThatDiedIsOfferedAndRestoredUnsaved)
{
    EditAndKeepJournal();
    const std::string edited = Text();
    auto next = NextStart();

    SeenMessageBox asked;
    RecordNextMessageBox(asked, QMessageBox::RejectRole);  // later: kept for the next start
    EXPECT_FALSE(next->OfferRecoveries());
    EXPECT_TRUE(asked.text.startsWith("保存されないまま終わった編集が残っています。\nファイル: " +
                                      QDir::toNativeSeparators(Path("a.css"))))
        << asked.text.toStdString();
    EXPECT_EQ(Journals().size(), 1);

    RecordNextMessageBox(asked, QMessageBox::AcceptRole);
    ASSERT_TRUE(next->OfferRecoveries());
    EXPECT_EQ(next->ExtMemo1->Lines().GetTextStr(), edited);
    EXPECT_TRUE(next->ExtMemo1->Modified());
    EXPECT_EQ(next->Edit3->text(), "a.css");
    EXPECT_EQ(ReadFile(Path("a.css")), "P { }\r\n");  // nothing saved by the restore
    // The text is kept by the new window's journal, and by nothing else.
    ASSERT_EQ(Journals().size(), 1);
    const std::string kept = tavi::ReadFileBytes(next->Journal1->Path());
    const tavi::TJournalFile parsed = tavi::ParseJournal(kept);
    EXPECT_EQ(tavi::ReplayJournal(parsed.Base, parsed.Records).Text, edited);
}

TEST_F(RecoveryTest, AFileChangedSinceTheJournalBeganIsLeftAloneAndTheTextOpensUntitled)
{
    EditAndKeepJournal();
    const std::string edited = Text();
    WriteFile(Path("a.css"), "changed by someone else\r\n");
    auto next = NextStart();
    SeenMessageBox asked;
    RecordNextMessageBox(asked, QMessageBox::AcceptRole);
    ASSERT_TRUE(next->OfferRecoveries());
    EXPECT_TRUE(asked.text.contains("このファイルはその後変更されたため")) << asked.text.toStdString();
    EXPECT_EQ(next->ExtMemo1->Lines().GetTextStr(), edited);
    EXPECT_EQ(next->Edit3->text(), "無題");
    EXPECT_EQ(ReadFile(Path("a.css")), "changed by someone else\r\n");
}

TEST_F(RecoveryTest, AJournalCutOffByAKillReplaysItsWholeRecordsAndDiscardRemovesIt)
{
    EditAndKeepJournal();
    const std::string twoLines = Text();
    Type("S { }");
    form->Journal1->Flush();
    const QString journal = stateHome.filePath("tavi-css-editor/" + Journals().first());
    QFile file(journal);
    ASSERT_TRUE(file.resize(file.size() - 3));  // the last record cut off
    auto next = NextStart();
    SeenMessageBox asked;
    RecordNextMessageBox(asked, QMessageBox::AcceptRole);
    ASSERT_TRUE(next->OfferRecoveries());
    EXPECT_EQ(next->ExtMemo1->Lines().GetTextStr(), twoLines);

    // Discarded at the next start: the journal goes, the document stays as it was.
    next->Journal1->Flush();
    auto third = NextStart();
    RecordNextMessageBox(asked, QMessageBox::DestructiveRole);
    EXPECT_FALSE(third->OfferRecoveries());
    EXPECT_EQ(third->ExtMemo1->Lines().GetTextStr(), "");
}

TEST_F(RecoveryTest, AJournalThatCannotBeWrittenIsToldInTheStatusLine)
{
    const QString notAFolder = stateHome.filePath("file");
    WriteFile(notAFolder, "x");
    qputenv("XDG_STATE_HOME", notAFolder.toLocal8Bit());
    Type("Q { }");
    EXPECT_EQ(form->StatusBar1->Panels()[0].Text, "復元記録を書けません");
    // The changes are not given up silently: closing still asks.
    EXPECT_TRUE(form->ExtMemo1->Modified());
}

// An editor killed with SIGKILL after typing: the next start restores the text as of the
// journal's last written record.
TEST_F(RecoveryTest, AnEditorKilledAfterTypingIsRestoredAtTheNextStart)
{
    WriteFile(Path("k.css"), "P { }\r\n");
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_STATE_HOME", stateHome.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(TAVI_JOURNAL_WRITER, {Path("k.css")});
    ASSERT_TRUE(child.waitForStarted(10000));
    while (!child.canReadLine() && child.waitForReadyRead(20000)) {
    }
    ASSERT_EQ(child.readLine().trimmed(), "ready");
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));

    auto next = std::make_unique<TForm1>();  // the writer's process is gone: its journal is offered
    SeenMessageBox asked;
    RecordNextMessageBox(asked, QMessageBox::AcceptRole);
    ASSERT_TRUE(next->OfferRecoveries());
    EXPECT_EQ(next->ExtMemo1->Lines().GetTextStr(), "P { }\r\nQ { color : red }\r\n");
    EXPECT_EQ(next->Edit3->text(), "k.css");
    EXPECT_EQ(ReadFile(Path("k.css")), "P { }\r\n");
}
