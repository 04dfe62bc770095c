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
#include <algorithm>
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
    recentFiles_.Add(path);
    ShowCaretPlace();  // the document is its file's now
    const QString name = info.fileName();
    Edit3->setText(name);
    Edit4->setText(QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath())));
    Edit2->setText(LinkTag(name));
    // Long texts show from their beginning, where a reader looks first.
    for (QLineEdit* box : {Edit3, Edit4, Edit2})
        box->setCursorPosition(0);
}

std::optional<TForm1::TSaveFormat> TForm1::RunSaveDialog()
{
    SaveDialog1->SetSaveEncoding(encoding_);
    SaveDialog1->SetSaveLineEnd(ExtMemo1->Lines().LineEnd());
    if (!RunFileDialog(*SaveDialog1))
        return std::nullopt;
    return TSaveFormat{SaveDialog1->SaveEncoding(), SaveDialog1->SaveLineEnd()};
}

bool TForm1::SaveDocument(const QString& path, std::optional<TSaveFormat> format)
{
    if (!ConfirmSaveOverDisk(path))
        return false;
    tavi::TEditorStrings& lines = ExtMemo1->Lines();
    const TSaveFormat target = format.value_or(TSaveFormat{encoding_, lines.LineEnd()});
    const tavi::TTextEncoding held = ExtMemo1->Core().Encoding();
    const tavi::TTextEncoding wanted = tavi::DocumentEncodingOf(target.Encoding);
    const tavi::TLineEnd oldLineEnd = lines.LineEnd();
    lines.SetLineEnd(target.LineEnd);
    std::optional<tavi::TSheetConversion> conversion;
    const std::string name = FileSystemName(path);
    std::optional<std::uint64_t> digest;
    try {
        if (wanted != held) {
            const std::string oldText = lines.FileText();
            conversion = tavi::ConvertSheetBytes(oldText, held, wanted);
            if (conversion->Escaped > 0 && !ConfirmEscapes(*conversion, oldText, target.Encoding)) {
                lines.SetLineEnd(oldLineEnd);
                return false;
            }
        }
        const tavi::TSaveNote note(name);  // found at the next start if the save never ends
        if (target.Encoding == tavi::TSheetEncoding::Cp932 && !conversion) {
            lines.SaveToFile(name);
        } else {
            const std::string bytes =
                tavi::EncodeSheet(conversion ? conversion->Bytes : lines.FileText(), target.Encoding);
            tavi::WriteFileBytes(name, bytes);
            digest = tavi::ContentDigest(bytes);
        }
    } catch (...) {
        lines.SetLineEnd(oldLineEnd);  // nothing was written
        throw;
    }
    if (conversion) {
        // The document holds the file's text in the file's encoding from now on.
        const int caretRow = ExtMemo1->Core().CaretRow();
        const int topRow = ExtMemo1->TopRow();
        lines.LoadFromBytes(std::move(conversion->Bytes), wanted);
        lines.SetLineEnd(target.LineEnd);
        ExtMemo1->SetTopRow(topRow);
        ExtMemo1->Core().PlaceCaretAt(caretRow, 0);
    }
    encoding_ = target.Encoding;
    ShowEncoding();
    // Written: the text is the file's now (a failed write threw and left it modified), and
    // what is on disk is this program's own.
    ExtMemo1->SetModified(false);
    RememberDiskFile(path, digest);
    Journal1->Discard();  // saved: nothing left to recover
    recentFiles_.Add(path);
    ShowCaretPlace();
    return true;
}

bool TForm1::ConfirmEscapes(const tavi::TSheetConversion& conversion, const std::string& oldText,
                            tavi::TSheetEncoding encoding)
{
    const std::string_view before = std::string_view(oldText).substr(0, conversion.FirstEscapedAt);
    const char lineEnd = ExtMemo1->Lines().LineEnd() == tavi::TLineEnd::Cr ? '\r' : '\n';
    const auto line = std::count(before.begin(), before.end(), lineEnd) + 1;
    const QString code = QString::number(static_cast<uint>(conversion.FirstEscaped), 16).toUpper();
    const QString text =
        tavi::SheetEncodingName(encoding) + QStringLiteral(
                                                " で表せない文字が %1 個あります (最初は %2 行目の U+%3)。\n"
                                                "それらを CSS のエスケープ (\\%3 など) に置き換えて保存しますか?")
                                                .arg(conversion.Escaped)
                                                .arg(line)
                                                .arg(code.rightJustified(4, QLatin1Char('0')));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("確認"), text, QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
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
    const std::optional<TSaveFormat> format = RunSaveDialog();
    if (!format)
        return;
    const QString path = SaveDialog1->FileName();
    if (SaveDocument(path, format))
        UpdateFileBoxes(path);
}

void TForm1::SaveAs1Click()
{
    const std::optional<TSaveFormat> format = RunSaveDialog();
    if (!format)
        return;
    const QString path = SaveDialog1->FileName();
    if (SaveDocument(path, format))
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

void TForm1::New1Click()
{
    if (!SaveChangesFirst())
        return;
    // As at start-up: an empty Shift-JIS text with CR LF line ends, no file, no history.
    // Loading it ends the journal of the text before.
    ExtMemo1->Lines().LoadFromBytes({}, tavi::DocumentEncodingOf(tavi::TSheetEncoding::Cp932));
    ExtMemo1->Lines().SetLineEnd(tavi::TLineEnd::CrLf);
    ExtMemo1->SetModified(false);
    encoding_ = tavi::TSheetEncoding::Cp932;
    disk_ = {};
    deletionReported_ = false;
    Edit3->setText(kUntitled);
    Edit4->clear();
    Edit2->clear();
    ShowEncoding();
    ShowCaretPlace();
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
