// Tests of the document file commands: Save, Save As, Open with its question, dropped files, and their failures.
#include <QMenu>

#include "tests/app/file_commands_fixture.h"

TEST_F(FileCommandsTest, FirstSaveAsksForANameTheSecondWritesWithoutAsking)
{
    Type("P { color : red }");
    answers << Path("a.css");
    form->Open1->trigger();
    EXPECT_EQ(dialogsRun, QStringList{"save"});
    EXPECT_EQ(ReadFile(Path("a.css")), "P { color : red }\r\n");
    EXPECT_EQ(Boxes(), BoxesFor(Path("a.css")));
    EXPECT_EQ(boxChanges, (QStringList{"name", "location", "link"}));
    EXPECT_FALSE(form->ExtMemo1->Modified());  // the saved text is the save point

    Type("H1 { }");
    boxChanges.clear();
    form->SpeedButton1->click();
    EXPECT_EQ(dialogsRun, QStringList{"save"});
    EXPECT_EQ(ReadFile(Path("a.css")), "P { color : red }\r\nH1 { }\r\n");
    EXPECT_TRUE(boxChanges.isEmpty());
    EXPECT_EQ(form->windowTitle(), "TAVI CSS Editor");
}

TEST_F(FileCommandsTest, CancellingTheSaveDialogChangesNothing)
{
    Type("x");
    answers << QString() << QString();
    form->SpeedButton1->click();
    form->SaveAs1->trigger();
    EXPECT_EQ(dialogsRun, (QStringList{"save", "save"}));
    EXPECT_EQ(Boxes(), untitled);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(FileCommandsTest, SaveWritesToTheDocumentsFileWhereverTheCurrentFolderIs)
{
    const QString saved = QDir::currentPath();
    WriteFile(Path("drop.css"), "A { }\r\n");
    form->DropFiles({Path("drop.css")});
    // The current folder stayed elsewhere; a save must still reach the dropped file.
    QDir::setCurrent(otherDir.path());
    Type("B { }");
    form->Open1->trigger();
    QDir::setCurrent(saved);
    EXPECT_TRUE(dialogsRun.isEmpty());
    EXPECT_EQ(ReadFile(Path("drop.css")), "A { }\r\nB { }\r\n");
    EXPECT_FALSE(QFile::exists(otherDir.filePath("drop.css")));
}

// The save dialog asks before a file is replaced (see the dialog's tests); the window asks
// nothing more of a name the dialog confirmed.
TEST_F(FileCommandsTest, SaveAsWritesOverTheFileTheDialogConfirmed)
{
    WriteFile(Path("old.css"), "old text that is longer than the new one\r\n");
    form->ExtMemo1->Lines().SetTextStr("new\r\n");
    answers << Path("old.css");
    NoQuestionWatch watch;
    form->SaveAs1->trigger();
    EXPECT_TRUE(watch.seen.isEmpty());
    EXPECT_EQ(ReadFile(Path("old.css")), "new\r\n");
    EXPECT_EQ(Boxes(), BoxesFor(Path("old.css")));

    // Save As on a titled document names it after the new file.
    answers << Path("copy.css");
    form->SaveAs1->trigger();
    EXPECT_EQ(ReadFile(Path("copy.css")), "new\r\n");
    EXPECT_EQ(Boxes(), BoxesFor(Path("copy.css")));
}

TEST_F(FileCommandsTest, OpenAsksExactlyWhenTheDocumentHasChanges)
{
    WriteFile(Path("a.css"), "A { }\r\n");
    WriteFile(Path("b.css"), "B { }\r\n");
    const auto openWithoutQuestion = [&](const QString& path) {
        answers << path;
        NoQuestionWatch watch;
        form->SpeedButton2->click();
        EXPECT_TRUE(watch.seen.isEmpty());
    };
    openWithoutQuestion(Path("a.css"));
    EXPECT_EQ(Text(), "A { }\r\n");
    EXPECT_EQ(Boxes(), BoxesFor(Path("a.css")));
    EXPECT_EQ(boxChanges, (QStringList{"name", "location", "link"}));

    // A loaded text is the save point: the next Open asks nothing.
    openWithoutQuestion(Path("b.css"));
    EXPECT_EQ(Text(), "B { }\r\n");

    // Changed: Open asks.
    Type("typed");
    SeenMessageBox seen;
    RecordNextMessageBox(seen, QMessageBox::RejectRole);
    form->Open2->trigger();
    EXPECT_EQ(seen.caption, "確認");
    EXPECT_EQ(seen.text, "作業中のファイルを保存しますか?");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    // The platform decides the order in which the buttons stand.
    QStringList buttons = seen.buttons;
    buttons.sort();
    QStringList expectedButtons{"はい(&Y)", "いいえ(&N)", "ｷｬﾝｾﾙ"};
    expectedButtons.sort();
    EXPECT_EQ(buttons, expectedButtons);
    EXPECT_EQ(dialogsRun, (QStringList{"open", "open"}));  // Cancel: nothing saved, nothing opened

    // Typed and undone, or saved: no changes, no question.
    form->ExtMemo1->Undo();
    openWithoutQuestion(Path("a.css"));
    Type("typed");
    form->Open1->trigger();  // saved
    openWithoutQuestion(Path("b.css"));

    // No opens without saving.
    Type("not saved");
    SeenMessageBox again;
    RecordNextMessageBox(again, QMessageBox::NoRole);
    answers << Path("a.css");
    form->Open2->trigger();
    EXPECT_EQ(again.text, "作業中のファイルを保存しますか?");
    EXPECT_EQ(ReadFile(Path("b.css")), "B { }\r\n");
    EXPECT_EQ(Text(), "A { }\r\ntyped\r\n");
    EXPECT_EQ(Boxes(), BoxesFor(Path("a.css")));
}

TEST_F(FileCommandsTest, ClosingTheQuestionCountsAsCancel)
{
    Type("x");
    AnswerNextModal([](QWidget* modal) { modal->close(); });
    form->Open2->trigger();
    EXPECT_TRUE(dialogsRun.isEmpty());
    EXPECT_EQ(Text(), "x\r\n");
}

TEST_F(FileCommandsTest, YesSavesATitledDocumentBeforeOpening)
{
    WriteFile(Path("a.css"), "A\r\n");
    WriteFile(Path("b.css"), "B\r\n");
    form->DropFiles({Path("a.css")});
    Type("more");
    SeenMessageBox seen;
    RecordNextMessageBox(seen, QMessageBox::YesRole);
    answers << Path("b.css");
    form->Open2->trigger();
    EXPECT_EQ(dialogsRun, QStringList{"open"});
    EXPECT_EQ(ReadFile(Path("a.css")), "A\r\nmore\r\n");
    EXPECT_EQ(Text(), "B\r\n");
    EXPECT_EQ(Boxes(), BoxesFor(Path("b.css")));
}

TEST_F(FileCommandsTest, YesOnAnUntitledDocumentThenCancelCancelsTheWholeOpen)
{
    Type("draft");
    SeenMessageBox seen;
    RecordNextMessageBox(seen, QMessageBox::YesRole);
    answers << QString();
    form->Open2->trigger();
    EXPECT_EQ(dialogsRun, QStringList{"save"});
    EXPECT_EQ(Boxes(), untitled);
    EXPECT_TRUE(boxChanges.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_EQ(Text(), "draft\r\n");
}

TEST_F(FileCommandsTest, YesOnAnUntitledDocumentNamesAndSavesItEvenWhenTheOpenIsCancelled)
{
    Type("draft");
    SeenMessageBox seen;
    RecordNextMessageBox(seen, QMessageBox::YesRole);
    answers << Path("draft.css") << QString();
    form->Open2->trigger();
    EXPECT_EQ(dialogsRun, (QStringList{"save", "open"}));
    EXPECT_EQ(ReadFile(Path("draft.css")), "draft\r\n");
    EXPECT_EQ(Boxes(), BoxesFor(Path("draft.css")));
    EXPECT_EQ(Text(), "draft\r\n");
}

TEST_F(FileCommandsTest, DroppingOnAChangedDocumentAsksFirstThenLoadsTheFirstFile)
{
    WriteFile(Path("my sheet.css"), "first\r\n");
    WriteFile(Path("second.css"), "second\r\n");
    Type("changed");
    SeenMessageBox seen;
    RecordNextMessageBox(seen, QMessageBox::RejectRole);
    Drop({Path("my sheet.css"), Path("second.css")});
    EXPECT_EQ(seen.caption, "確認");
    EXPECT_EQ(Text(), "changed\r\n");  // cancelled: the document stays

    RecordNextMessageBox(seen, QMessageBox::NoRole);
    Drop({Path("my sheet.css"), Path("second.css")});
    EXPECT_EQ(Text(), "first\r\n");
    // The name stands in the link tag as it is, spaces and all.
    EXPECT_EQ(form->Edit2->text(), "<LINK HREF=\"my sheet.css\" REL=stylesheet TYPE=\"text/css\">");
    EXPECT_EQ(Boxes(), BoxesFor(Path("my sheet.css")));
    EXPECT_EQ(form->windowTitle(), "TAVI CSS Editor");
}

TEST_F(FileCommandsTest, DropsWithoutLocalFilesAreRefused)
{
    QMimeData data;
    data.setUrls({QUrl("https://example.org/a.css")});
    data.setText("a.css");
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(form.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(FileCommandsTest, ADroppedPathIsUsedWhole)
{
    // Deep enough for a path well over 255 characters.
    QString folder = dir.path();
    for (int i = 0; i < 10; ++i)
        folder += "/folder_with_a_rather_long_name_" + QString::number(i);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/sheet.css";
    ASSERT_GT(path.size(), 300);
    WriteFile(path, "deep\r\n");
    form->DropFiles({path});
    EXPECT_EQ(Text(), "deep\r\n");
    EXPECT_EQ(form->Edit4->text(), QDir::toNativeSeparators(path));
    Type("x");
    form->Open1->trigger();
    EXPECT_EQ(ReadFile(path), "deep\r\nx\r\n");
}

TEST_F(FileCommandsTest, AFileThatCannotBeReadLeavesTheDocumentAsItWas)
{
    WriteFile(Path("a.css"), "A\r\n");
    form->DropFiles({Path("a.css")});
    Type("edit");
    const QStringList boxes = Boxes();

    WriteFile(Path("secret.css"), "S\r\n");
    ASSERT_TRUE(QFile::setPermissions(Path("secret.css"), {}));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.css"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.css")).constData(), 0600), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);

    for (const QString name : {"missing.css", "folder.css", "pipe.css", "secret.css"}) {
        SCOPED_TRACE(name.toStdString());
        const QString expected = "ﾌｧｲﾙ " + Path(name) + " は開けません.";
        SeenMessageBox openError;
        AnswerThenRecord(QMessageBox::NoRole, openError);
        answers << Path(name);
        {
            UnprivilegedFileAccess user;
            form->Open2->trigger();
        }
        EXPECT_EQ(openError.text, expected);
        EXPECT_EQ(openError.caption, "TAVI CSS Editor");

        SeenMessageBox dropError;
        AnswerThenRecord(QMessageBox::NoRole, dropError);
        {
            UnprivilegedFileAccess user;
            Drop({Path(name)});
        }
        EXPECT_EQ(dropError.text, expected);

        EXPECT_EQ(Text(), "A\r\nedit\r\n");
        EXPECT_EQ(Boxes(), boxes);
        form->ExtMemo1->Core().Undo();  // the history survived
        EXPECT_EQ(Text(), "A\r\n");
        form->ExtMemo1->Core().Redo();
    }
}

TEST_F(FileCommandsTest, SavingIntoAReadOnlyFolderKeepsTheOldFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    const QString path = Path("locked/a.css");
    WriteFile(path, "original\r\n");
    form->DropFiles({path});
    Type("more");
    const QStringList boxes = Boxes();
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(Path("locked")).constData(), 0555), 0);

    SeenMessageBox error;
    RecordNextMessageBox(error);
    {
        UnprivilegedFileAccess user;
        form->SpeedButton1->click();
    }
    ::chmod(QFile::encodeName(Path("locked")).constData(), 0755);
    EXPECT_EQ(error.text, "ﾌｧｲﾙ " + path + " を作成できません.");
    EXPECT_EQ(ReadFile(path), "original\r\n");
    EXPECT_EQ(QDir(Path("locked")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"a.css"});
    EXPECT_EQ(Boxes(), boxes);
}

TEST_F(FileCommandsTest, SavingOntoAFullDiskKeepsTheOldFile)
{
    const QString path = Path("a.css");
    WriteFile(path, "original\r\n");
    form->DropFiles({path});
    const std::string line(200, 'x');
    for (int i = 0; i < 100; ++i)
        form->ExtMemo1->Lines().Add(line);

    SeenMessageBox error;
    RecordNextMessageBox(error);
    {
        FileSizeLimit disk(4096);
        form->Open1->trigger();
    }
    EXPECT_EQ(error.text, "ﾌｧｲﾙ " + path + " を作成できません.");
    EXPECT_EQ(ReadFile(path), "original\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"a.css"});
    EXPECT_TRUE(form->ExtMemo1->Modified());  // nothing was saved
}

TEST_F(FileCommandsTest, DropAndCloseAskExactlyWhenThereAreChanges)
{
    WriteFile(Path("a.css"), "A\r\n");
    form->DropFiles({Path("a.css")});
    Type("typed");
    form->ExtMemo1->Undo();  // back to the loaded text
    {
        NoQuestionWatch watch;
        Drop({Path("a.css")});
        EXPECT_TRUE(watch.seen.isEmpty());
    }
    Type("typed");
    SeenMessageBox seen;
    RecordNextMessageBox(seen, QMessageBox::RejectRole);
    form->close();
    EXPECT_EQ(seen.text, "作業中のファイルを保存しますか?");
    form->Open1->trigger();  // saved
    NoQuestionWatch watch;
    form->close();
    EXPECT_TRUE(watch.seen.isEmpty());
}

TEST_F(FileCommandsTest, AFailedSaveForYesStopsTheOpen)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(Path("locked")).constData(), 0555), 0);
    Type("draft");
    SeenMessageBox error;
    AnswerThenRecord(QMessageBox::YesRole, error);
    answers << Path("locked/draft.css");
    {
        UnprivilegedFileAccess user;
        form->Open2->trigger();
    }
    ::chmod(QFile::encodeName(Path("locked")).constData(), 0755);
    EXPECT_EQ(error.text, "ﾌｧｲﾙ " + Path("locked/draft.css") + " を作成できません.");
    EXPECT_EQ(dialogsRun, QStringList{"save"});  // no open
    // The boxes were named from the chosen file before the write.
    EXPECT_EQ(Boxes(), BoxesFor(Path("locked/draft.css")));
    EXPECT_EQ(Text(), "draft\r\n");
}

// A UTF-8 sheet is saved back in UTF-8, with its byte-order mark; Save As keeps the encoding.
TEST_F(FileCommandsTest, AUtf8SheetIsSavedBackInUtf8)
{
    const QByteArray bom = "\xEF\xBB\xBF";
    const QByteArray sheet = "/* \xE8\xA6\x8B\xE5\x87\xBA\xE3\x81\x97 */\r\nP { }\r\n";  // 見出し
    WriteFile(Path("u.css"), bom + sheet);
    form->DropFiles({Path("u.css")});
    EXPECT_EQ(Text(), sheet.toStdString());
    EXPECT_EQ(form->Edit3->toolTip(), "文字コード: UTF-8 (BOM 付き)、改行: CR LF");
    form->SpeedButton1->click();
    EXPECT_EQ(ReadFile(Path("u.css")), bom + sheet);  // unchanged without an edit

    Type("Q { }");
    answers << Path("copy.css");
    form->SaveAs1->trigger();
    EXPECT_EQ(ReadFile(Path("copy.css")), bom + sheet + "Q { }\r\n");
    EXPECT_FALSE(form->ExtMemo1->ReadOnly());
}

// Characters code page 932 lacks (emoji, a flag, typographic signs) are a UTF-8 sheet's own:
// it opens editable without a word, takes more of them, and keeps them all.
TEST_F(FileCommandsTest, AUtf8SheetWithCharactersTheCodePageLacksIsEditedAndSavedWhole)
{
    const QByteArray sheet =
        "a\xF0\x9F\x98\x80"
        "b\r\n\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5 \xE2\x80\x94\xC2\xA0\xE2\x80\x99\r\n";
    WriteFile(Path("e.css"), sheet);
    NoQuestionWatch watch;
    form->DropFiles({Path("e.css")});
    EXPECT_TRUE(watch.seen.isEmpty());
    EXPECT_FALSE(form->ExtMemo1->ReadOnly());
    EXPECT_EQ(Text(), sheet.toStdString());
    EXPECT_EQ(form->Edit3->toolTip(), "文字コード: UTF-8、改行: CR LF");
    form->ExtMemo1->SetSelText(QStringLiteral("👍あ"));
    form->SpeedButton1->click();
    EXPECT_EQ(ReadFile(Path("e.css")), "\xF0\x9F\x91\x8D\xE3\x81\x82" + sheet);
}

// The user overrules what the file seemed to be: the same bytes read again in the encoding
// chosen, after the usual question for a changed document.
TEST_F(FileCommandsTest, ReopeningInAnEncodingReadsTheSameBytesAgainAsTheUserSays)
{
    emit form->hu1->aboutToShow();  // an untitled document has no file to read again
    EXPECT_FALSE(form->ReopenAs1->isEnabled());
    const QByteArray bytes = "/* \xEF\xBE\x90\xEF\xBD\xB1 */\r\n";  // ﾐｱ in UTF-8, other characters in Shift-JIS
    WriteFile(Path("k.css"), bytes);
    form->DropFiles({Path("k.css")});
    EXPECT_EQ(form->Edit3->toolTip(), "文字コード: UTF-8、改行: CR LF");
    emit form->hu1->aboutToShow();
    EXPECT_TRUE(form->ReopenAs1->isEnabled());
    form->ReopenShiftJis1->trigger();
    EXPECT_EQ(form->Edit3->toolTip(), "文字コード: Shift-JIS、改行: CR LF");
    EXPECT_EQ(Text(), bytes.toStdString());
    EXPECT_EQ(form->ExtMemo1->Core().Encoding(), tavi::TTextEncoding::Cp932);

    Type("x");
    SeenMessageBox asked;
    RecordNextMessageBox(asked, QMessageBox::RejectRole);  // cancel: nothing is read again
    form->ReopenUtf81->trigger();
    EXPECT_EQ(asked.text, "作業中のファイルを保存しますか?");
    EXPECT_EQ(form->ExtMemo1->Core().Encoding(), tavi::TTextEncoding::Cp932);
    RecordNextMessageBox(asked, QMessageBox::NoRole);  // the change goes
    form->ReopenUtf81->trigger();
    EXPECT_EQ(form->ExtMemo1->Core().Encoding(), tavi::TTextEncoding::Utf8);
    EXPECT_EQ(Text(), bytes.toStdString());
    EXPECT_FALSE(form->ExtMemo1->Modified());
}

// Save As writes the encoding and line end the user picks, and the document holds that text
// from then on; characters Shift-JIS lacks become CSS escapes only once the user agrees.
TEST_F(FileCommandsTest, SaveAsConvertsToTheEncodingAndLineEndChosen)
{
    using tavi::TLineEnd;
    using tavi::TSheetEncoding;
    WriteFile(Path("s.css"), "@charset \"Shift_JIS\";\r\n/* \x8C\xA9\x8F\x6F\x82\xB5 */\r\n");  // 見出し
    form->DropFiles({Path("s.css")});
    const auto choose = [this](TSheetEncoding encoding, TLineEnd lineEnd) {
        chooseInSaveDialog = [encoding, lineEnd](TTextSaveDialog& dialog) {
            dialog.SetSaveEncoding(encoding);
            dialog.SetSaveLineEnd(lineEnd);
        };
    };
    chooseInSaveDialog = [](TTextSaveDialog& dialog) {  // offered as the document is
        EXPECT_EQ(dialog.SaveEncoding(), TSheetEncoding::Cp932);
        EXPECT_EQ(dialog.SaveLineEnd(), TLineEnd::CrLf);
        dialog.SetSaveEncoding(TSheetEncoding::Utf8);
        dialog.SetSaveLineEnd(TLineEnd::Lf);
    };
    answers << Path("u.css");
    {
        NoQuestionWatch watch;
        form->SaveAs1->trigger();
        EXPECT_TRUE(watch.seen.isEmpty());
    }
    EXPECT_EQ(ReadFile(Path("u.css")), "@charset \"UTF-8\";\n/* \xE8\xA6\x8B\xE5\x87\xBA\xE3\x81\x97 */\n");
    EXPECT_EQ(form->ExtMemo1->Core().Encoding(), tavi::TTextEncoding::Utf8);
    EXPECT_EQ(form->Edit3->toolTip(), "文字コード: UTF-8、改行: LF");
    EXPECT_FALSE(form->ExtMemo1->Modified());

    Type("a { content: \"\xE2\x80\x94\" }");  // an em dash
    const QStringList boxes = Boxes();
    choose(TSheetEncoding::Cp932, TLineEnd::CrLf);
    answers << Path("j.css");
    SeenMessageBox asked;
    RecordNextMessageBox(asked, QMessageBox::NoRole);
    form->SaveAs1->trigger();
    EXPECT_EQ(asked.text,
              "Shift-JIS で表せない文字が 1 個あります (最初は 3 行目の U+2014)。\n"
              "それらを CSS のエスケープ (\\2014 など) に置き換えて保存しますか?");
    EXPECT_FALSE(QFile::exists(Path("j.css")));
    EXPECT_EQ(Boxes(), boxes);
    EXPECT_EQ(form->ExtMemo1->Core().Encoding(), tavi::TTextEncoding::Utf8);
    EXPECT_EQ(form->Edit3->toolTip(), "文字コード: UTF-8、改行: LF");
    EXPECT_TRUE(form->ExtMemo1->Modified());

    answers << Path("j.css");
    RecordNextMessageBox(asked, QMessageBox::YesRole);
    form->SaveAs1->trigger();
    const QByteArray converted =
        "@charset \"Shift_JIS\";\r\n/* \x8C\xA9\x8F\x6F\x82\xB5 */\r\na { content: \"\\2014 \" }\r\n";
    EXPECT_EQ(ReadFile(Path("j.css")), converted);
    EXPECT_EQ(Text(), converted.toStdString());
    EXPECT_EQ(form->Edit3->toolTip(), "文字コード: Shift-JIS、改行: CR LF");
    EXPECT_FALSE(form->ExtMemo1->Modified());
}

// A converting Save As that cannot write leaves the document in its own encoding, line end
// and history, still changed.
TEST_F(FileCommandsTest, AFailedConvertingSaveAsLeavesTheDocumentAsItWas)
{
    WriteFile(Path("s.css"), "/* \x8C\xA9\x8F\x6F\x82\xB5 */\r\n" + QByteArray(8000, 'a') + "\r\n");
    form->DropFiles({Path("s.css")});
    Type("b { }");
    chooseInSaveDialog = [](TTextSaveDialog& dialog) {
        dialog.SetSaveEncoding(tavi::TSheetEncoding::Utf8);
        dialog.SetSaveLineEnd(tavi::TLineEnd::Lf);
    };
    answers << Path("u.css");
    SeenMessageBox error;
    RecordNextMessageBox(error);
    {
        FileSizeLimit disk(4096);
        form->SaveAs1->trigger();
    }
    EXPECT_EQ(error.text, "ﾌｧｲﾙ " + Path("u.css") + " を作成できません.");
    EXPECT_EQ(form->ExtMemo1->Core().Encoding(), tavi::TTextEncoding::Cp932);
    EXPECT_EQ(form->Edit3->toolTip(), "文字コード: Shift-JIS、改行: CR LF");
    EXPECT_TRUE(form->ExtMemo1->Modified());
    EXPECT_TRUE(form->ExtMemo1->Core().CanUndo());
}

TEST_F(FileCommandsTest, AUtf16SheetIsRefusedAndTheDocumentStaysAsItWas)
{
    WriteFile(Path("a.css"), "A\r\n");
    form->DropFiles({Path("a.css")});
    Type("edit");
    const QStringList boxes = Boxes();
    WriteFile(Path("w.css"), QByteArray("\xFF\xFEP\0", 4));
    SeenMessageBox refused;
    AnswerThenRecord(QMessageBox::NoRole, refused);
    Drop({Path("w.css")});
    EXPECT_EQ(refused.text, "ﾌｧｲﾙ " + QFile::encodeName(Path("w.css")) + " は UTF-16 で書かれているため開けません.");
    EXPECT_EQ(Text(), "A\r\nedit\r\n");
    EXPECT_EQ(Boxes(), boxes);
    form->ExtMemo1->Core().Undo();  // the history survived
    EXPECT_EQ(Text(), "A\r\n");
}
