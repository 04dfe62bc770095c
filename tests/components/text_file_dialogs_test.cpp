// Tests of the text file dialogs: the preview of the selected file, the file type's extension, and running them.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <memory>
#include <vector>

#include "components/image.h"
#include "components/name_only_icon_provider.h"
#include "components/open_picture_dialog.h"
#include "components/text_file_dialogs.h"
#include "platform/font_names.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"

namespace {

const QString kFilter =
    QStringLiteral("Cascading Style Sheet ファイル|*.css|テキストファイル|*.txt|その他のファイル|*.*");

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Restores the process's current folder, which running a dialog moves.
class CurrentFolderGuard {
public:
    CurrentFolderGuard() : saved_(QDir::currentPath()) {}
    ~CurrentFolderGuard() { QDir::setCurrent(saved_); }

private:
    QString saved_;
};

class TextFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString Path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    CurrentFolderGuard folderGuard;
};

}  // namespace

TEST(NameForFileType, FollowsTheFirstPatternOfTheChosenType)
{
    const auto name = &TEnhOpenDialog::NameForFileType;
    EXPECT_EQ(name(kFilter, 2, "a.css"), "a.txt");
    EXPECT_EQ(name(kFilter, 3, "a.txt"), "a.*");
    EXPECT_EQ(name(kFilter, 1, "a.*"), "a.css");
    EXPECT_EQ(name(kFilter, 2, ""), "*.txt");
    EXPECT_EQ(name(kFilter, 2, "noext"), "noext.txt");
    EXPECT_EQ(name(kFilter, 2, "my.style.css"), "my.style.txt");
    // A "." in a folder name is not an extension.
    EXPECT_EQ(name(kFilter, 2, "/tmp/x.d/sheet"), "/tmp/x.d/sheet.txt");
    // Several masks: the first counts; a mask without "." removes the extension.
    EXPECT_EQ(name("Web|*.htm;*.html|Any|*", 1, "a.css"), "a.htm");
    EXPECT_EQ(name("Web|*.htm;*.html|Any|*", 2, "a.css"), "a");
    EXPECT_EQ(name("Web|*.htm;*.html|Any|*", 2, ""), "*");
    // No such type: nothing changes.
    EXPECT_TRUE(name(kFilter, 4, "a.css").isNull());
    EXPECT_TRUE(name(kFilter, 0, "a.css").isNull());
    EXPECT_TRUE(name("", 1, "a.css").isNull());
}

TEST_F(TextFileDialogTest, PreviewShowsTheFirst1024BytesDecodedAsOpenReadsThem)
{
    QByteArray sheet = "P { color : red }\r\n/* \x93\xfa\x96\x7b\x8c\xea */\r\nH1 {\rmargin : 0 }\n";
    WriteFile(Path("small.css"), sheet);
    EXPECT_EQ(TTextOpenDialog::PreviewText(Path("small.css")), "P { color : red }\n/* 日本語 */\nH1 {\nmargin : 0 }\n");

    // A long file shows only its first 1024 bytes; a double-byte character cut there shows broken.
    QByteArray big(1023, 'x');
    big += "\x82\xa0";  // あ, cut after its lead byte
    big += QByteArray(5000 - big.size(), 'y');
    WriteFile(Path("big.txt"), big);
    const QString preview = TTextOpenDialog::PreviewText(Path("big.txt"));
    EXPECT_EQ(preview.left(1023), QString(1023, QLatin1Char('x')));
    EXPECT_EQ(preview.size(), 1024);
    EXPECT_EQ(preview.back(), QChar(0xFFFD));

    // A UTF-8 sheet previews as Open reads it, even with a character cut at the 1024th byte.
    QByteArray utf8 = "\xEF\xBB\xBF/* \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E */\r\n";  // 日本語
    WriteFile(Path("u.css"), utf8);
    EXPECT_EQ(TTextOpenDialog::PreviewText(Path("u.css")), "/* 日本語 */\n");
    utf8 = QByteArray(1022, 'x') + "\xE6\x97\xA5" + QByteArray(100, 'y');
    WriteFile(Path("cut.css"), utf8);
    EXPECT_EQ(TTextOpenDialog::PreviewText(Path("cut.css")).left(1022), QString(1022, QLatin1Char('x')));
    EXPECT_FALSE(TTextOpenDialog::PreviewText(Path("cut.css")).contains(QChar(0x97)));

    // Text ends at a NUL byte, as in a text control.
    WriteFile(Path("nul.bin"), QByteArray("ab\0cd", 5));
    EXPECT_EQ(TTextOpenDialog::PreviewText(Path("nul.bin")), "ab");
}

TEST_F(TextFileDialogTest, PreviewIsEmptyForFoldersWildcardsMissingAndSpecialFiles)
{
    WriteFile(Path("a.css"), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub.css"));
    EXPECT_EQ(TTextOpenDialog::PreviewText(Path("sub.css")), "");
    EXPECT_EQ(TTextOpenDialog::PreviewText(Path("*.css")), "");
    EXPECT_EQ(TTextOpenDialog::PreviewText(Path("a.cs?")), "");
    EXPECT_EQ(TTextOpenDialog::PreviewText(Path("missing.css")), "");
    EXPECT_EQ(TTextOpenDialog::PreviewText(""), "");
    // A pipe would block the dialog if it were read.
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.css")).constData(), 0600), 0);
    EXPECT_EQ(TTextOpenDialog::PreviewText(Path("pipe.css")), "");
}

TEST_F(TextFileDialogTest, CompiledFormsPreviewAsTextCutTo1024Bytes)
{
    // "object Form1: TForm1", then 200 list entries 'line', then the ends.
    QByteArray form = "TPF0";
    form += '\x06';
    form += "TForm1";
    form += '\x05';
    form += "Form1";
    form += '\x05';
    form += "Lines";
    form += '\x01';
    for (int i = 0; i < 200; ++i) {
        form += '\x06';
        form += '\x04';
        form += "line";
    }
    form += QByteArray(3, '\0');
    WriteFile(Path("Unit1.DFM"), form);
    WriteFile(Path("Unit1.~df"), form.left(40) + QByteArray(3, '\0'));

    const QString text = TTextOpenDialog::PreviewText(Path("Unit1.DFM"));
    EXPECT_TRUE(text.startsWith("object Form1: TForm1\n  Lines = (\n    'line'\n    'line'\n"))
        << text.left(80).toStdString();
    EXPECT_EQ(text.size(), 1024 - text.count(QLatin1Char('\n')));  // CR LF became LF
    // Damaged forms and forms in text form show their raw beginning.
    EXPECT_TRUE(TTextOpenDialog::PreviewText(Path("Unit1.~df")).startsWith("TPF0"));
    WriteFile(Path("Unit2.dfm"), "object Form2: TForm2\r\nend\r\n");
    EXPECT_EQ(TTextOpenDialog::PreviewText(Path("Unit2.dfm")), "object Form2: TForm2\nend\n");
    // Other extensions are never converted.
    WriteFile(Path("form.bin"), form);
    EXPECT_TRUE(TTextOpenDialog::PreviewText(Path("form.bin")).startsWith("TPF0\x06TForm1"));
}

TEST_F(TextFileDialogTest, ExtensionAreaHoldsTheBoxAndTheMemoUnderTheStandardControls)
{
    TTextOpenDialog dialog;
    QCheckBox* box = dialog.PreviewCheckBox();
    QPlainTextEdit* memo = dialog.PreviewMemo();
    EXPECT_EQ(box->text(), "内容をプレビューする(&P)");
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->font().family(), tavi::kFixedGothicFontName);
    EXPECT_FALSE(dialog.Preview());
    EXPECT_FALSE(box->isChecked());

    dialog.resize(600, 480);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* typeCombo = dialog.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(typeCombo, nullptr);
    const int standardBottom = typeCombo->mapTo(&dialog, QPoint(0, typeCombo->height())).y();
    EXPECT_GE(box->mapTo(&dialog, QPoint(0, 0)).y(), standardBottom);
    EXPECT_GT(memo->height(), 60);
    EXPECT_LE(memo->mapTo(&dialog, QPoint(0, memo->height())).y(), dialog.height());
}

// Clicks the preview box on its caption.
void ClickBox(TTextOpenDialog& dialog)
{
    QCheckBox* box = dialog.PreviewCheckBox();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(20, box->height() / 2));
}

TEST_F(TextFileDialogTest, PreviewFollowsTheSelectionAndTheBox)
{
    WriteFile(Path("a.css"), "A { }");
    WriteFile(Path("b.css"), "B { }");
    TTextOpenDialog dialog;
    dialog.SetFilter(kFilter);
    dialog.setDirectory(dir.path());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* list = dialog.findChild<QListView*>("listView");
    ASSERT_NE(list, nullptr);
    // The folder is read in the background.
    QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 2);
    auto indexOf = [&](const QString& name) {
        return list->model()->match(list->model()->index(0, 0, list->rootIndex()), Qt::DisplayRole, name).value(0);
    };

    list->setCurrentIndex(indexOf("a.css"));
    EXPECT_EQ(dialog.PreviewMemo()->toPlainText(), "");  // the box is not ticked

    ClickBox(dialog);
    EXPECT_TRUE(dialog.Preview());
    EXPECT_EQ(dialog.PreviewMemo()->toPlainText(), "A { }");

    list->setCurrentIndex(indexOf("b.css"));
    EXPECT_EQ(dialog.PreviewMemo()->toPlainText(), "B { }");

    ClickBox(dialog);
    EXPECT_FALSE(dialog.Preview());
    EXPECT_EQ(dialog.PreviewMemo()->toPlainText(), "");

    dialog.SetPreview(true);
    EXPECT_TRUE(dialog.PreviewCheckBox()->isChecked());
    EXPECT_EQ(dialog.PreviewMemo()->toPlainText(), "B { }");
    // However the box changes (a program, the keyboard, an assistive technology).
    dialog.PreviewCheckBox()->setChecked(false);
    EXPECT_FALSE(dialog.Preview());
    EXPECT_EQ(dialog.PreviewMemo()->toPlainText(), "");
}

// The encoding and line end to write are picked from the keyboard, by their labels' keys.
TEST_F(TextFileDialogTest, TheSaveDialogOffersTheEncodingAndLineEndToWrite)
{
    TTextSaveDialog dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy() == dialog.EncodingBox() || label->buddy() == dialog.LineEndBox())
            labels << label->text();
    }
    labels.sort();
    EXPECT_EQ(labels, QStringList({"改行(&L):", "文字コード(&E):"}));
    const auto items = [](QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    };
    EXPECT_EQ(items(dialog.EncodingBox()), QStringList({"Shift-JIS", "UTF-8", "UTF-8 (BOM 付き)"}));
    EXPECT_EQ(items(dialog.LineEndBox()), QStringList({"CR LF", "LF", "CR"}));

    dialog.SetSaveEncoding(tavi::TSheetEncoding::Utf8WithBom);
    dialog.SetSaveLineEnd(tavi::TLineEnd::Cr);
    EXPECT_EQ(dialog.EncodingBox()->currentText(), "UTF-8 (BOM 付き)");
    dialog.EncodingBox()->setFocus();
    QTest::keyClick(dialog.EncodingBox(), Qt::Key_Up);
    QTest::keyClick(dialog.LineEndBox(), Qt::Key_Up);
    EXPECT_EQ(dialog.SaveEncoding(), tavi::TSheetEncoding::Utf8);
    EXPECT_EQ(dialog.SaveLineEnd(), tavi::TLineEnd::Lf);
}

TEST_F(TextFileDialogTest, ChoosingAFileTypeChangesTheTypedExtension)
{
    TTextSaveDialog dialog;
    dialog.SetFilter(kFilter);
    dialog.SetFilterIndex(1);
    dialog.SetAutoExtChange(true);
    dialog.setDirectory(dir.path());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* nameEdit = dialog.findChild<QLineEdit*>("fileNameEdit");
    auto* typeCombo = dialog.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(nameEdit, nullptr);
    ASSERT_NE(typeCombo, nullptr);
    EXPECT_EQ(typeCombo->currentText(), "Cascading Style Sheet ファイル");
    EXPECT_EQ(typeCombo->count(), 3);
    // Picks a type from the keyboard, as a user may.
    auto choose = [&](int index) {
        while (typeCombo->currentIndex() < index)
            QTest::keyClick(typeCombo, Qt::Key_Down);
        while (typeCombo->currentIndex() > index)
            QTest::keyClick(typeCombo, Qt::Key_Up);
    };

    nameEdit->setText("a.css");
    choose(1);
    EXPECT_EQ(nameEdit->text(), "a.txt");
    EXPECT_EQ(dialog.FilterIndex(), 2);
    choose(2);
    EXPECT_EQ(nameEdit->text(), "a.*");
    choose(0);
    EXPECT_EQ(nameEdit->text(), "a.css");

    nameEdit->clear();
    choose(1);
    EXPECT_EQ(nameEdit->text(), "*.txt");

    // Types set by code, and any change with the flag off, leave the name alone.
    nameEdit->setText("b.css");
    dialog.SetFilterIndex(2);
    EXPECT_EQ(nameEdit->text(), "b.css");
    EXPECT_EQ(dialog.FilterIndex(), 2);
    dialog.SetAutoExtChange(false);
    choose(2);
    EXPECT_EQ(nameEdit->text(), "b.css");
}

TEST_F(TextFileDialogTest, ExecuteReturnsTheChosenPathAndMovesTheCurrentFolder)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("sheets"));
    const QString existing = Path("sheets/old.css");
    WriteFile(existing, "old");
    TTextSaveDialog dialog;
    dialog.SetFilter(kFilter);
    dialog.SetDefaultExt("css");
    EXPECT_EQ(dialog.windowTitle(), "名前を付けて保存");
    EXPECT_EQ(dialog.labelText(QFileDialog::Accept), "保存(&S)");
    EXPECT_EQ(dialog.labelText(QFileDialog::Reject), "キャンセル");

    // An existing file is replaced only after the question: "いいえ" keeps the dialog open,
    // "はい" chooses the file.
    SeenMessageBox refused, agreed;
    bool stillOpen = false;
    AnswerNextModal([&](QWidget* modal) {
        auto* fileDialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(fileDialog, nullptr);
        fileDialog->selectFile(existing);
        RecordNextMessageBox(refused, QMessageBox::NoRole);
        static_cast<QDialog*>(fileDialog)->accept();
        stillOpen = fileDialog->isVisible();
        RecordNextMessageBox(agreed, QMessageBox::YesRole);
        static_cast<QDialog*>(fileDialog)->accept();
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(refused.caption, "名前を付けて保存");
    EXPECT_EQ(refused.text, "old.css は既に存在します。\n置き換えますか?");
    EXPECT_EQ(refused.buttons, QStringList({"はい(&Y)", "いいえ(&N)"}));
    EXPECT_EQ(agreed.text, refused.text);
    EXPECT_EQ(dialog.FileName(), existing);
    EXPECT_EQ(QDir::currentPath(), Path("sheets"));

    // A name that does not exist yet is fine too, and the default extension is added.
    QDir::setCurrent(dir.path());
    AnswerNextModal([&](QWidget* modal) {
        auto* nameEdit = modal->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nameEdit, nullptr);
        EXPECT_EQ(static_cast<QFileDialog*>(modal)->directory().absolutePath(), Path("sheets"));
        nameEdit->setText("new");
        static_cast<QDialog*>(modal)->accept();
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), Path("sheets/new.css"));

    AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), Path("sheets/new.css"));
}

TEST_F(TextFileDialogTest, OpenDialogAcceptsANameThatDoesNotExist)
{
    TTextOpenDialog dialog;
    dialog.SetFilter(kFilter);
    EXPECT_EQ(dialog.windowTitle(), "ファイルを開く");
    QDir::setCurrent(dir.path());
    AnswerNextModal([](QWidget* modal) {
        modal->findChild<QLineEdit*>("fileNameEdit")->setText("nothing.css");
        static_cast<QDialog*>(modal)->accept();
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), Path("nothing.css"));
}

TEST_F(TextFileDialogTest, ADialogThatWouldStartInAPseudoFileSystemStartsInTheHomeFolder)
{
    TTextSaveDialog dialog;
    dialog.SetFilter(kFilter);
    for (const QString& fileName : {QString(), QStringLiteral("/proc/sheet.css")}) {
        SCOPED_TRACE(fileName.toStdString());
        ASSERT_TRUE(QDir::setCurrent("/proc"));
        dialog.SetFileName(fileName);
        QString shown, typed;
        AnswerNextModal([&](QWidget* modal) {
            shown = static_cast<QFileDialog*>(modal)->directory().absolutePath();
            typed = modal->findChild<QLineEdit*>("fileNameEdit")->text();
            static_cast<QDialog*>(modal)->reject();
        });
        EXPECT_FALSE(dialog.Execute());
        EXPECT_EQ(shown, QDir::homePath());
        EXPECT_EQ(typed, fileName.isEmpty() ? "" : "sheet.css");
    }
}

TEST_F(TextFileDialogTest, FileTypesAndIconsComeFromNamesNeverFromContents)
{
    // Bytes that name a type by themselves, under a name that names none.
    WriteFile(Path("looks_like_pdf"), "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    WriteFile(Path("empty"), "");
    TTextOpenDialog dialog;
    const QAbstractFileIconProvider* provider = dialog.iconProvider();
    ASSERT_NE(dynamic_cast<const TNameOnlyIconProvider*>(provider), nullptr);
    EXPECT_EQ(provider->type(QFileInfo(Path("looks_like_pdf"))), provider->type(QFileInfo(Path("empty"))));
    EXPECT_NE(provider->type(QFileInfo(Path("looks_like_pdf"))), provider->type(QFileInfo(Path("a.css"))));
    // Special files are never read for a preview.
    EXPECT_EQ(TTextOpenDialog::PreviewText("/proc/self/status"), "");
}

TEST_F(TextFileDialogTest, PreviewShowsTheFileWhoseNameIsTyped)
{
    WriteFile(Path("typed.css"), "T { }");
    TTextOpenDialog dialog;
    dialog.SetFilter(kFilter);
    dialog.setDirectory(dir.path());
    dialog.SetPreview(true);
    auto* nameEdit = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(nameEdit, nullptr);
    QTest::keyClicks(nameEdit, "typed.cs");
    EXPECT_EQ(dialog.PreviewMemo()->toPlainText(), "");
    QTest::keyClicks(nameEdit, "s");
    EXPECT_EQ(dialog.PreviewMemo()->toPlainText(), "T { }");
    nameEdit->setText(Path("typed.css"));  // a full path too
    EXPECT_EQ(dialog.PreviewMemo()->toPlainText(), "T { }");
    nameEdit->setText("*.css");
    EXPECT_EQ(dialog.PreviewMemo()->toPlainText(), "");
}

TEST_F(TextFileDialogTest, ThePictureDialogPreviewsTheSelectedPicture)
{
    QImage red(8, 6, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(Path("red.bmp")));
    WriteFile(Path("not_a_picture.jpg"), "text");
    TOpenPictureDialog dialog;
    EXPECT_EQ(dialog.Filter(), kPictureFilter);
    EXPECT_EQ(dialog.FilterIndex(), 1);
    emit dialog.currentChanged(Path("red.bmp"));
    EXPECT_EQ(dialog.PreviewImage()->Picture().size(), QSize(8, 6));
    emit dialog.currentChanged(Path("not_a_picture.jpg"));
    EXPECT_TRUE(dialog.PreviewImage()->Picture().isNull());
    emit dialog.currentChanged(dir.path());
    EXPECT_TRUE(dialog.PreviewImage()->Picture().isNull());
}

TEST_F(TextFileDialogTest, WhatAScreenReaderWasGivenForTheFolderListsGoesWithTheDialog)
{
    for (const char* name : {"a.css", "b.css", "c.css"})
        WriteFile(Path(name), "A { }");
    auto dialog = std::make_unique<TTextSaveDialog>();
    dialog->setDirectory(dir.path());
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    auto* list = dialog->findChild<QListView*>("listView");
    auto* details = dialog->findChild<QTreeView*>("treeView");
    ASSERT_NE(list, nullptr);
    ASSERT_NE(details, nullptr);
    QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 3);

    // A screen reader walks both lists twice (the hidden detail list makes new entries each
    // time), then the folder changes, as a save into it does.
    std::vector<QAccessible::Id> entries;
    for (int walk = 0; walk < 2; ++walk) {
        for (QAbstractItemView* view :
             {static_cast<QAbstractItemView*>(list), static_cast<QAbstractItemView*>(details)}) {
            QAccessibleInterface* own = QAccessible::queryAccessibleInterface(view);
            ASSERT_NE(own, nullptr);
            for (int i = 0; i < own->childCount(); ++i) {
                if (QAccessibleInterface* entry = own->child(i))
                    entries.push_back(QAccessible::uniqueId(entry));
            }
        }
    }
    ASSERT_GT(entries.size(), 6u);
    WriteFile(Path("new.css"), "N { }");
    QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 4);

    // Gone with the dialog, while its folder model still existed; none is left for the
    // end of the program to free after the model.
    dialog.reset();
    for (const QAccessible::Id id : entries)
        EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr) << id;
}
