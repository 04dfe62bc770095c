// The main window's document file commands: Save, Save As, Open and opening files dropped on the window.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <new>
#include <stdexcept>

#include "app/application.h"
#include "app/main_window.h"
#include "app/save_notes.h"
#include "components/text_file_dialogs.h"
#include "editor/core/editor_error.h"
#include "editor/core/text_file.h"
#include "editor/editor.h"
#include "platform/os/file_bytes.h"
#include "platform/sheet_encoding.h"

namespace {

// The file-name box reads this while the document has never been saved or loaded.
const QString kUntitled = QStringLiteral("無題");

// The HTML that references a style sheet in the page's own folder; the name goes in as it stands.
QString LinkTag(const QString& fileName)
{
    return QStringLiteral("<LINK HREF=\"") + fileName + QStringLiteral("\" REL=stylesheet TYPE=\"text/css\">");
}

void SetUpFileDialog(TTextOpenDialog* dialog, const QString& filter)
{
    dialog->SetFilter(filter);
    dialog->SetFilterIndex(1);
    dialog->SetDefaultExt(QStringLiteral("css"));
    dialog->SetAutoExtChange(true);
    dialog->SetPreview(true);
}

// Local files among dropped items, in their order.
QStringList DroppedFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

// How a line end is named in the file-name box's tip.
QString LineEndName(tavi::TLineEnd lineEnd)
{
    switch (lineEnd) {
        case tavi::TLineEnd::Lf:
            return QStringLiteral("LF");
        case tavi::TLineEnd::Cr:
            return QStringLiteral("CR");
        case tavi::TLineEnd::CrLf:
            break;
    }
    return QStringLiteral("CR LF");
}

}  // namespace

std::string FileSystemName(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

void TForm1::CreateFileDialogs()
{
    SaveDialog1 = new TTextSaveDialog(this);
    SetUpFileDialog(SaveDialog1,
                    QStringLiteral("Cscading Style Sheet ファイル|*.css|テキストファイル|*.txt|その他のファイル|*.*"));
    OpenDialog1 = new TTextOpenDialog(this);
    SetUpFileDialog(OpenDialog1,
                    QStringLiteral("Cascading Style Sheet ファイル|*.css|テキストファイル|*.txt|その他のファイル|*.*"));
    RunFileDialog = [](TTextOpenDialog& dialog) { return dialog.Execute(); };
}

bool TForm1::IsUntitled() const
{
    return Edit3->text() == kUntitled;
}

QString TForm1::DocumentPath() const
{
    // The location box, not the bare name in the file-name box: the current folder may
    // have moved since (a drop, another dialog), and a save must land on the file that
    // was opened or saved.
    return QDir::fromNativeSeparators(Edit4->text());
}

void TForm1::UpdateFileBoxes(const QString& path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    Edit3->setText(name);
    Edit4->setText(QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath())));
    Edit2->setText(LinkTag(name));
    // Long texts show from their beginning, where a reader looks first.
    for (QLineEdit* box : {Edit3, Edit4, Edit2})
        box->setCursorPosition(0);
}

bool TForm1::SaveDocument(const QString& path)
{
    if (!ConfirmSaveOverDisk(path))
        return false;
    const std::string name = FileSystemName(path);
    std::optional<std::uint64_t> digest;
    const tavi::TSaveNote note(name);  // found at the next start if the save never ends
    if (encoding_ == tavi::TSheetEncoding::Cp932) {
        ExtMemo1->Lines().SaveToFile(name);
    } else {
        const std::string bytes = tavi::EncodeSheet(ExtMemo1->Lines().FileText(), encoding_);
        tavi::WriteFileBytes(name, bytes);
        digest = tavi::ContentDigest(bytes);
    }
    // Written: the text is the file's now (a failed write threw and left it modified), and
    // what is on disk is this program's own.
    ExtMemo1->SetModified(false);
    RememberDiskFile(path, digest);
    Journal1->Discard();  // saved: nothing left to recover
    return true;
}

void TForm1::LoadDocument(const QString& path, std::optional<tavi::TTextEncoding> encoding)
{
    const std::string name = FileSystemName(path);
    // Only regular files: reading a device or a pipe could block the window for good.
    // Whatever fails, the document, its undo history and the boxes stay as they were.
    if (!QFileInfo(path).isFile())
        throw tavi::TEditorError(tavi::FormatMessage(tavi::kCannotOpenFile, name));
    std::string bytes = tavi::ReadFileBytes(name, tavi::TSpareRoom::ForEdits);
    const std::uint64_t digest = tavi::ContentDigest(bytes);
    tavi::TSheetText sheet =
        encoding ? tavi::DecodeSheetAs(std::move(bytes), *encoding) : tavi::DecodeSheet(std::move(bytes), name);
    try {
        ExtMemo1->Lines().LoadFromBytes(std::move(sheet.Bytes), tavi::DocumentEncodingOf(sheet.Encoding));
    } catch (const std::length_error&) {
        throw tavi::TEditorError(tavi::FormatMessage(tavi::kCannotOpenFile, name));  // more than rows can hold
    } catch (const std::bad_alloc&) {
        throw tavi::TEditorError(tavi::FormatMessage(tavi::kCannotOpenFile, name));
    }
    encoding_ = sheet.Encoding;
    ShowEncoding();
    RememberDiskFile(path, digest);
}

void TForm1::OpenDocument(const QString& path)
{
    OfferLeftoverBackup(path);
    LoadDocument(path);
    UpdateFileBoxes(path);
}

void TForm1::ShowEncoding()
{
    QString tip = QStringLiteral("文字コード: ") + tavi::SheetEncodingName(encoding_) + QStringLiteral("、改行: ") +
                  LineEndName(ExtMemo1->Lines().LineEnd());
    Edit3->setToolTip(tip);
    Edit3->setAccessibleDescription(tip);
}

TForm1::TSaveAnswer TForm1::AskToSave()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), QStringLiteral("作業中のファイルを保存しますか?"),
                    QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("ｷｬﾝｾﾙ"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    // Closing the box by its frame or Esc presses this one.
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return TSaveAnswer::Yes;
    if (box.clickedButton() == no)
        return TSaveAnswer::No;
    return TSaveAnswer::Cancel;
}

void TForm1::Open1Click()
{
    if (!IsUntitled()) {
        SaveDocument(DocumentPath());
        return;
    }
    if (!RunFileDialog(*SaveDialog1))
        return;
    const QString path = SaveDialog1->FileName();
    if (SaveDocument(path))
        UpdateFileBoxes(path);
}

void TForm1::SaveAs1Click()
{
    if (!RunFileDialog(*SaveDialog1))
        return;
    const QString path = SaveDialog1->FileName();
    if (SaveDocument(path))
        UpdateFileBoxes(path);
}

void TForm1::Open2Click()
{
    if (!SaveChangesFirst())
        return;
    if (!RunFileDialog(*OpenDialog1))
        return;
    OpenDocument(OpenDialog1->FileName());
}

void TForm1::ReopenAs(tavi::TTextEncoding encoding)
{
    if (IsUntitled() || !SaveChangesFirst())
        return;
    const QString path = DocumentPath();
    LoadDocument(path, encoding);
    UpdateFileBoxes(path);
}

void TForm1::OpenStartupFile(const QString& path)
{
    Guarded([this, &path] { OpenDocument(path); });
}

void TForm1::DropFiles(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    // A drop must not lose a changed document any more than Open does.
    if (!SaveChangesFirst())
        return;
    // The whole path, however long: a cut one would name another file.
    OpenDocument(paths.first());
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QStringList paths = DroppedFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    Guarded([this, &paths] { DropFiles(paths); });
}
