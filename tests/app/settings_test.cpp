// Tests of the settings file: where it lives, what start-up reads, what a close writes, and a close that loses nothing.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "app/settings_file.h"
#include "components/text_file_dialogs.h"
#include "editor/editor.h"
#include "platform/private_profile.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A settings place of the test's own: a program folder that can be written, with the file beside it.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        saved = CurrentSettingsPlace();
        SetSettingsPlace({dir.filePath("tavi"), true, dir.filePath("config")});
        file = dir.filePath("tavi.ini");
    }
    void TearDown() override { SetSettingsPlace(saved); }

    // A main window that has started, shown and active.
    std::unique_ptr<TForm1> Start()
    {
        auto form = std::make_unique<TForm1>();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }

    QTemporaryDir dir;
    TSettingsPlace saved;
    QString file;
};

TEST(SettingsPlace, BesideTheProgramWhenItsFolderCanBeWrittenElseTheUsersFolder)
{
    QTemporaryDir dir;
    const TSettingsPlace unpacked{dir.filePath("bin/tavi-css-editor"), true, dir.filePath("config")};
    EXPECT_EQ(SettingsFileToRead(unpacked), dir.filePath("bin/tavi-css-editor.ini"));
    EXPECT_EQ(SettingsFileToWrite(unpacked), dir.filePath("bin/tavi-css-editor.ini"));
    TSettingsPlace installed = unpacked;
    installed.ProgramFolderWritable = false;
    EXPECT_EQ(SettingsFileToWrite(installed), dir.filePath("config/tavi-css-editor.ini"));
    // Until the user has a file of their own, one beside the program is read.
    EXPECT_EQ(SettingsFileToRead(installed), dir.filePath("bin/tavi-css-editor.ini"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("config"));
    WriteFile(dir.filePath("config/tavi-css-editor.ini"), "");
    EXPECT_EQ(SettingsFileToRead(installed), dir.filePath("config/tavi-css-editor.ini"));
}

TEST(SettingsPlace, AnInstalledProgramNeverWritesIntoItsOwnFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("bin"));
    const QString program = dir.filePath("bin/tavi-css-editor");
    EXPECT_TRUE(SettingsPlaceOf(program, dir.filePath("config")).ProgramFolderWritable);
    ASSERT_TRUE(QDir(dir.path()).mkpath("share/applications"));
    WriteFile(dir.filePath("share/applications/tavi-css-editor.desktop"), "[Desktop Entry]\n");
    const TSettingsPlace installed = SettingsPlaceOf(program, dir.filePath("config"));
    EXPECT_FALSE(installed.ProgramFolderWritable);
    EXPECT_EQ(SettingsFileToWrite(installed), dir.filePath("config/tavi-css-editor.ini"));
}

TEST_F(SettingsTest, StoredColoursNumbersAndBooleansAreAppliedAtStartUp)
{
    WriteFile(file,
              "[FormSize]\nLeft=10\nTop=20\nWidth=640\nHeight=480\n"
              "[MainEditor]\nTextColor=$000000FF\nBackgroundColor=clYellow\nReserveColor=255\n"
              "UnderlineColor=CLRED\nUnderline?=yes\nEofMark?=0\nLeftMargin=$10\nLineMargin=0x3\nTextSize=12\n"
              "SyntaxComment=clGray\n");
    auto form = Start();
    TEditor* editor = form->ExtMemo1;
    EXPECT_EQ(editor->FontColor(), tavi::clRed);
    EXPECT_EQ(editor->Color(), tavi::clYellow);
    EXPECT_EQ(editor->ReserveWordFontColor(), tavi::clRed);
    EXPECT_EQ(editor->UnderLineColor(), tavi::clRed);
    EXPECT_TRUE(editor->UnderLine());  // "yes" is no number: the default
    EXPECT_FALSE(editor->EofMark());
    EXPECT_EQ(editor->LeftMargin(), 16);
    EXPECT_EQ(editor->LineMargin(), 3);
    EXPECT_EQ(editor->Font().pixelSize(), 16);  // 12 points
    EXPECT_EQ(form->size(), QSize(640, 480));
    EXPECT_TRUE(editor->SyntaxColoring());  // on unless the file says otherwise
    EXPECT_EQ(editor->SyntaxColor(tavi::TCssClass::Comment), tavi::clGray);
    EXPECT_EQ(editor->SyntaxColor(tavi::TCssClass::String), tavi::DefaultCssColors()[2]);
}

TEST_F(SettingsTest, AColourThatIsNoNumberStopsStartUpThereAndTheWindowOpens)
{
    WriteFile(file, "[MainEditor]\nBackgroundColor=clAqua\nTextColor=red\nUnderline?=0\n");
    SeenMessageBox seen;
    RecordNextMessageBox(seen);
    auto form = Start();
    EXPECT_EQ(seen.caption, "TAVI CSS Editor");
    EXPECT_EQ(seen.text, "'red' は整数ではありません.");
    EXPECT_EQ(form->ExtMemo1->Color(), tavi::clAqua);  // read before the bad key
    EXPECT_TRUE(form->ExtMemo1->UnderLine());          // after it: not read
    EXPECT_TRUE(form->isVisible());
}

TEST_F(SettingsTest, CloseWritesEveryKeyInOrderAndColoursByNameWhenTheyHaveOne)
{
    WriteFile(file, "; my settings\n[MainEditor]\nUnknown=kept\n");
    auto form = Start();
    form->ExtMemo1->SetFontColor(tavi::clRed);
    form->ExtMemo1->SetColor(0x00123456);
    form->move(30, 40);
    form->resize(700, 500);
    form->close();
    const tavi::TPrivateProfile profile(file);
    EXPECT_EQ(profile.ReadString("MainEditor", "TextColor"), "clRed");
    EXPECT_EQ(profile.ReadString("MainEditor", "BackgroundColor"), "$00123456");
    EXPECT_EQ(profile.ReadString("MainEditor", "EofColor"), "clGreen");
    EXPECT_EQ(profile.ReadString("MainEditor", "TextSize"), "9");
    EXPECT_EQ(profile.ReadString("MainEditor", "Unknown"), "kept");
    EXPECT_EQ(profile.ReadString("FormSize", "Width"), "700");
    EXPECT_EQ(profile.ReadString("FormSize", "Left"), QString::number(form->x()).toStdString());
    const QByteArray bytes = ReadFile(file);
    EXPECT_TRUE(bytes.startsWith("; my settings\n[MainEditor]\nUnknown=kept\nTextColor=clRed\nTextSize=9\nTextFont="));
    QStringList keys;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.contains('='))
            keys << QString::fromUtf8(line.left(line.indexOf('=')));
    }
    EXPECT_EQ(keys, QStringList({"Unknown",
                                 "TextColor",
                                 "TextSize",
                                 "TextFont",
                                 "BackgroundColor",
                                 "Underline?",
                                 "UnderlineColor",
                                 "EofMark?",
                                 "EofColor",
                                 "Reserved?",
                                 "ReserveColor",
                                 "ReserveFont",
                                 "ReserveBackgroundColor",
                                 "LeftMargin",
                                 "LineMargin",
                                 "RetMark",
                                 "RetMarkColor",
                                 "AutoIndent",
                                 "SyntaxColoring?",
                                 "SyntaxComment",
                                 "SyntaxString",
                                 "SyntaxSelector",
                                 "SyntaxProperty",
                                 "SyntaxUnknownProperty",
                                 "SyntaxValue",
                                 "SyntaxNumber",
                                 "SyntaxColorValue",
                                 "SyntaxAtRule",
                                 "SyntaxImportant",
                                 "LineNumbers?",
                                 "InsertRuleAtCaret?",
                                 "Zoom",
                                 "WrapToWindow?",
                                 "Left",
                                 "Top",
                                 "Width",
                                 "Height",
                                 "Count",
                                 "Shown?",
                                 "Width",
                                 "Pages"}));
}

TEST_F(SettingsTest, AMaximisedCloseKeepsTheStoredSizeAndTheWrapWidthLastsForTheRunOnly)
{
    WriteFile(file, "[FormSize]\nLeft=1\nTop=2\nWidth=600\nHeight=400\n");
    auto form = Start();
    form->ExtMemo1->SetWrapByte(40);
    form->ExtMemo1->SetUnderLine(false);
    form->showMaximized();
    form->close();
    const tavi::TPrivateProfile profile(file);
    EXPECT_EQ(profile.ReadString("FormSize", "Width"), "600");
    EXPECT_EQ(profile.ReadString("FormSize", "Left"), "1");
    EXPECT_EQ(profile.ReadString("MainEditor", "Underline?"), "0");
    auto next = Start();
    EXPECT_EQ(next->ExtMemo1->WrapByte(), 80);
    EXPECT_TRUE(next->ExtMemo1->WordWrap());
    EXPECT_FALSE(next->ExtMemo1->UnderLine());
}

TEST_F(SettingsTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowStillCloses)
{
    auto form = Start();
    form->ExtMemo1->SetFontColor(tavi::clRed);
    // The temporary file cannot be made where the settings file stands: its folder is gone.
    SetSettingsPlace({dir.filePath("gone/tavi"), true, dir.filePath("config")});
    ASSERT_TRUE(QFile(dir.filePath("gone")).open(QIODevice::WriteOnly));  // a file where the folder should be
    SeenMessageBox seen;
    RecordNextMessageBox(seen);
    form->close();
    EXPECT_EQ(seen.text, dir.filePath("gone/tavi.ini") + " に書き込めません.");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SettingsTest, ClosingAChangedDocumentAsksAndEachAnswerDoesWhatItSays)
{
    auto form = Start();
    form->RunFileDialog = [](TTextOpenDialog&) { return false; };  // the save dialog is cancelled
    form->ExtMemo1->Lines().SetTextStr("p {}");
    form->ExtMemo1->SetModified(true);

    SeenMessageBox seen;
    RecordNextMessageBox(seen, QMessageBox::RejectRole);
    form->close();
    EXPECT_EQ(seen.caption, "確認");
    seen.buttons.sort();
    EXPECT_EQ(seen.buttons, QStringList({"いいえ(&N)", "はい(&Y)", "ｷｬﾝｾﾙ"}));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(QFile::exists(file));  // nothing written for a close that did not happen

    RecordNextMessageBox(seen, QMessageBox::YesRole);
    form->close();  // yes, but the untitled document's save dialog is cancelled: the window stays
    EXPECT_TRUE(form->isVisible());

    const QString sheet = dir.filePath("sheet.css");
    form->RunFileDialog = [&](TTextOpenDialog& dialog) {
        dialog.SetFileName(sheet);
        return true;
    };
    RecordNextMessageBox(seen, QMessageBox::YesRole);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ReadFile(sheet), "p {}\r\n");
    EXPECT_TRUE(QFile::exists(file));

    auto second = Start();
    second->ExtMemo1->Lines().SetTextStr("q {}");
    second->ExtMemo1->SetModified(true);
    RecordNextMessageBox(seen, QMessageBox::NoRole);
    second->close();
    EXPECT_FALSE(second->isVisible());

    auto third = Start();  // unmodified: no question
    third->close();
    EXPECT_FALSE(third->isVisible());
}

}  // namespace

// The zoom, the line numbers and the recent files last from one run to the next.
TEST_F(SettingsTest, TheZoomLineNumbersAndRecentFilesAreKeptForTheNextStart)
{
    WriteFile(dir.filePath("a.css"), "p {}\r\n");
    auto form = Start();
    EXPECT_TRUE(form->ExtMemo1->LineNumbers());  // on unless the file says otherwise
    form->ExtMemo1->SetLineNumbers(false);
    form->ExtMemo1->SetWrapToWindow(true);
    QTest::keyClick(form->ExtMemo1, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(form->ExtMemo1->Zoom(), 110);
    form->OpenStartupFile(dir.filePath("a.css"));
    form->close();
    const tavi::TPrivateProfile profile(file);
    EXPECT_EQ(profile.ReadString("MainEditor", "Zoom"), "110");
    EXPECT_EQ(profile.ReadString("MainEditor", "LineNumbers?"), "0");
    EXPECT_EQ(profile.ReadString("RecentFiles", "File1"), dir.filePath("a.css").toStdString());

    auto again = Start();
    EXPECT_EQ(again->ExtMemo1->Zoom(), 110);
    EXPECT_FALSE(again->ExtMemo1->LineNumbers());
    EXPECT_TRUE(again->ExtMemo1->WrapToWindow());
    EXPECT_EQ(again->RecentFiles().Files, QStringList{dir.filePath("a.css")});
}
