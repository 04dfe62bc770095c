// Changes other programs make to the document's file, and the line ends a save keeps.
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <map>

#include "platform/os/safe_save.h"
#include "tests/app/file_commands_fixture.h"

namespace {

class FileOnDiskTest : public FileCommandsTest {
protected:
    // Opens `name` holding `bytes`, as a drop does.
    void OpenFile(const QString& name, const QByteArray& bytes)
    {
        WriteFile(Path(name), bytes);
        form->DropFiles({Path(name)});
    }
    // Another program writes the file (a size of its own, so the change shows at once).
    void ChangeOnDisk(const QString& name, const QByteArray& bytes) { WriteFile(Path(name), bytes); }
};

}  // namespace

TEST_F(FileOnDiskTest, AChangeOnDiskIsOfferedForReloadWhenTheWindowRegainsTheFocus)
{
    OpenFile("a.css", "P { }\r\n");
    ChangeOnDisk("a.css", "P { color : red }\r\n");
    SeenMessageBox asked;
    RecordNextMessageBox(asked, QMessageBox::AcceptRole);
    form->CheckDiskFile();
    EXPECT_EQ(asked.text, "ファイル a.css は他のプログラムで変更されました。\n読み込み直しますか?");
    EXPECT_EQ(asked.buttons, QStringList({"読み込み直す(&R)", "このまま(&K)"}));
    EXPECT_EQ(Text(), "P { color : red }\r\n");
    EXPECT_FALSE(form->ExtMemo1->Modified());

    // Kept: the editor's text stands, and neither the next focus nor the save asks again.
    Type("Q { }");
    ChangeOnDisk("a.css", "theirs\r\n");
    RecordNextMessageBox(asked, QMessageBox::RejectRole);
    form->CheckDiskFile();
    EXPECT_TRUE(asked.text.contains("この画面での変更は失われます")) << asked.text.toStdString();
    EXPECT_EQ(Text(), "P { color : red }\r\nQ { }\r\n");
    NoQuestionWatch watch;
    form->CheckDiskFile();
    form->SpeedButton1->click();
    EXPECT_TRUE(watch.seen.isEmpty());
    EXPECT_EQ(ReadFile(Path("a.css")), "P { color : red }\r\nQ { }\r\n");
}

TEST_F(FileOnDiskTest, SavingOverAFileChangedOnDiskAsksFirst)
{
    OpenFile("a.css", "P { }\r\n");
    Type("mine");
    ChangeOnDisk("a.css", "theirs, longer\r\n");
    SeenMessageBox asked;
    RecordNextMessageBox(asked, QMessageBox::RejectRole);
    form->SpeedButton1->click();
    EXPECT_EQ(asked.text, "ファイル a.css は他のプログラムで変更されています。\n上書きしますか?");
    EXPECT_EQ(asked.buttons, QStringList({"上書き(&O)", "ｷｬﾝｾﾙ"}));
    EXPECT_EQ(ReadFile(Path("a.css")), "theirs, longer\r\n");
    EXPECT_TRUE(form->ExtMemo1->Modified());

    RecordNextMessageBox(asked, QMessageBox::AcceptRole);
    form->SpeedButton1->click();
    EXPECT_EQ(ReadFile(Path("a.css")), "P { }\r\nmine\r\n");
    EXPECT_FALSE(form->ExtMemo1->Modified());

    // What this program wrote itself never asks.
    NoQuestionWatch watch;
    form->CheckDiskFile();
    Type("more");
    form->SpeedButton1->click();
    EXPECT_TRUE(watch.seen.isEmpty());
}

TEST_F(FileOnDiskTest, ADeletedFileIsReportedOnceAndMadeAgainOnlyWhenTheUserAgrees)
{
    OpenFile("a.css", "P { }\r\n");
    ASSERT_TRUE(QFile::remove(Path("a.css")));
    SeenMessageBox told;
    RecordNextMessageBox(told);
    form->CheckDiskFile();
    EXPECT_TRUE(told.text.startsWith("ファイル a.css は削除されたか、名前が変わりました。")) << told.text.toStdString();
    {
        NoQuestionWatch watch;
        form->CheckDiskFile();  // told once
        EXPECT_TRUE(watch.seen.isEmpty());
    }
    SeenMessageBox asked;
    RecordNextMessageBox(asked, QMessageBox::RejectRole);
    form->SpeedButton1->click();
    EXPECT_EQ(asked.text, "ファイル a.css は削除されています。\n保存して作り直しますか?");
    EXPECT_FALSE(QFile::exists(Path("a.css")));
    RecordNextMessageBox(asked, QMessageBox::AcceptRole);
    form->SpeedButton1->click();
    EXPECT_EQ(ReadFile(Path("a.css")), "P { }\r\n");
}

TEST_F(FileOnDiskTest, AFileTouchedWithTheSameBytesAsksNothing)
{
    OpenFile("a.css", "P { }\r\n");
    const utimbuf later{1000000000, 1000000000};
    ASSERT_EQ(::utime(QFile::encodeName(Path("a.css")).constData(), &later), 0);
    NoQuestionWatch watch;
    form->CheckDiskFile();
    Type("Q { }");
    form->SpeedButton1->click();
    EXPECT_TRUE(watch.seen.isEmpty());
    EXPECT_EQ(ReadFile(Path("a.css")), "P { }\r\nQ { }\r\n");
}

// A sheet with LF line ends (as every sheet of a Linux or macOS project) is saved with LF, in
// either encoding, and the file-name box's tip says so.
TEST_F(FileOnDiskTest, ASheetKeepsItsLineEndsWhenSaved)
{
    WriteFile(Path("lf.css"), "P {\n}\n");
    form->DropFiles({Path("lf.css")});
    EXPECT_EQ(form->Edit3->toolTip(), "文字コード: Shift-JIS、改行: LF");
    Type("Q { }");
    form->SpeedButton1->click();
    EXPECT_EQ(ReadFile(Path("lf.css")), "P {\n}\nQ { }\n");

    const QByteArray utf8 = "/* \xE8\xA6\x8B */\rP { }\r";  // 見, CR line ends
    WriteFile(Path("cr.css"), utf8);
    form->DropFiles({Path("cr.css")});
    EXPECT_EQ(form->Edit3->toolTip(), "文字コード: UTF-8、改行: CR");
    Type("Q { }");
    form->SpeedButton1->click();
    EXPECT_EQ(ReadFile(Path("cr.css")), utf8 + "Q { }\r");
}

// A save killed while writing the file in place left the old text in a backup beside it:
// opening the file offers it, and the backup goes only when the user says so.
TEST_F(FileOnDiskTest, ABackupLeftByAnInterruptedSaveIsOfferedWhenTheFileIsOpened)
{
    WriteFile(Path("a.css"), "old text\r\n");
    // A second hard link makes the save write in place, after a backup.
    ASSERT_EQ(::link(QFile::encodeName(Path("a.css")).constData(), QFile::encodeName(Path("b.css")).constData()), 0);
    std::string backup;
    tavi::TemporaryFileCreated = [&backup](const std::string& made) { backup = made; };
    form->DropFiles({Path("a.css")});
    Type("new");
    form->SpeedButton1->click();
    tavi::TemporaryFileCreated = nullptr;
    ASSERT_FALSE(backup.empty());
    const QString leftover = QFile::decodeName(backup.c_str());
    const auto leaveBackup = [&] {
        WriteFile(leftover, "old text\r\n");
        WriteFile(Path("a.css"), "ne");  // cut off
    };

    leaveBackup();
    SeenMessageBox asked;
    RecordNextMessageBox(asked, QMessageBox::RejectRole);  // later
    form->DropFiles({Path("a.css")});
    EXPECT_TRUE(asked.text.startsWith("ファイル a.css の保存が途中で止まったため、保存前の内容が残っています。"))
        << asked.text.toStdString();
    QStringList buttons = asked.buttons;
    buttons.sort();  // laid out by the style, in its own order
    EXPECT_EQ(buttons, QStringList({"後で(&L)", "戻す(&R)", "破棄(&D)"}));
    EXPECT_EQ(Text(), "ne");
    EXPECT_TRUE(QFile::exists(leftover));

    RecordNextMessageBox(asked, QMessageBox::AcceptRole);  // restore
    form->DropFiles({Path("a.css")});
    EXPECT_EQ(Text(), "old text\r\n");
    EXPECT_EQ(ReadFile(Path("a.css")), "old text\r\n");
    EXPECT_FALSE(QFile::exists(leftover));

    leaveBackup();
    RecordNextMessageBox(asked, QMessageBox::DestructiveRole);  // discard
    form->DropFiles({Path("a.css")});
    EXPECT_EQ(Text(), "ne");
    EXPECT_FALSE(QFile::exists(leftover));
}

TEST_F(FileOnDiskTest, ASaveKilledWhileWritingInPlaceIsOfferedAtTheNextStart)
{
    QTemporaryDir stateHome;
    const QByteArray runStateHome = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", stateHome.path().toLocal8Bit());
    const QDir stateFolder(stateHome.path() + "/tavi-css-editor");
    WriteFile(Path("a.css"), "old text\r\n");
    ASSERT_EQ(::link(QFile::encodeName(Path("a.css")).constData(), QFile::encodeName(Path("b.css")).constData()), 0);
    form->DropFiles({Path("a.css")});
    Type("new");
    // Killed just after the backup was made: the state folder and the files as they were then.
    QString backup;
    std::map<QString, QByteArray> notes;
    tavi::TemporaryFileCreated = [&](const std::string& made) {
        if (!made.ends_with(".bak"))
            return;
        backup = QFile::decodeName(made.c_str());
        for (const QString& note : stateFolder.entryList({"*.saving"}, QDir::Files))
            notes[stateFolder.filePath(note)] = ReadFile(stateFolder.filePath(note));
    };
    form->SpeedButton1->click();
    tavi::TemporaryFileCreated = nullptr;
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_TRUE(stateFolder.entryList({"*.saving"}, QDir::Files).isEmpty());  // a save that ended
    for (const auto& [path, bytes] : notes)
        WriteFile(path, bytes);
    WriteFile(backup, "old text\r\n");
    WriteFile(Path("a.css"), "ne");

    NoQuestionWatch watch;
    form->OfferInterruptedSaves();  // the writer still runs: its save is its own
    EXPECT_TRUE(watch.seen.isEmpty());
    form->IsWriterRunning = [](int) { return false; };
    SeenMessageBox asked;
    RecordNextMessageBox(asked, QMessageBox::RejectRole);  // later: offered again next time
    form->OfferInterruptedSaves();
    EXPECT_TRUE(asked.text.startsWith("ファイル a.css の保存が途中で止まったため")) << asked.text.toStdString();
    asked = {};
    RecordNextMessageBox(asked, QMessageBox::AcceptRole);  // restore
    form->OfferInterruptedSaves();
    EXPECT_FALSE(asked.text.isEmpty());
    EXPECT_EQ(ReadFile(Path("a.css")), "old text\r\n");
    EXPECT_FALSE(QFile::exists(backup));
    EXPECT_TRUE(stateFolder.entryList({"*.saving"}, QDir::Files).isEmpty());
    qputenv("XDG_STATE_HOME", runStateHome);
}
