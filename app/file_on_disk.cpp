// Changes other programs make to the document's file: noticed when the window regains the focus and before a save.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/application.h"
#include "app/main_window.h"
#include "app/save_notes.h"
#include "editor/editor.h"
#include "platform/os/file_bytes.h"
#include "platform/os/safe_save.h"

namespace {

// Asks `text` with the buttons `go` (the default) and `stay`; true when `go` was pressed.
bool AskTwoWays(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& go, const QString& stay)
{
    QMessageBox box(icon, Application() ? Application()->Title() : QString(), text, QMessageBox::NoButton, parent);
    QPushButton* goButton = box.addButton(go, QMessageBox::AcceptRole);
    QPushButton* stayButton = box.addButton(stay, QMessageBox::RejectRole);
    box.setDefaultButton(goButton);
    box.setEscapeButton(stayButton);
    box.exec();
    return box.clickedButton() == goButton;
}

}  // namespace

TKeptCopyAnswer AskAboutKeptCopy(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& keep)
{
    QMessageBox box(icon, Application() ? Application()->Title() : QString(), text, QMessageBox::NoButton, parent);
    QPushButton* restore = box.addButton(keep, QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("破棄(&D)"), QMessageBox::DestructiveRole);
    QPushButton* later = box.addButton(QStringLiteral("後で(&L)"), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore)
        return TKeptCopyAnswer::Restore;
    return box.clickedButton() == discard ? TKeptCopyAnswer::Discard : TKeptCopyAnswer::Later;
}

void TForm1::RememberDiskFile(const QString& path, std::optional<std::uint64_t> digest)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    disk_ = {absolute, tavi::FileIdentityOf(FileSystemName(absolute)), digest};
    deletionReported_ = false;
}

TForm1::TDiskChange TForm1::DiskChange() const
{
    // Only the file this program last read or wrote is watched, and only while it is the
    // document's (the boxes may already name the file a save is about to make).
    if (IsUntitled() || !disk_.Identity.Exists ||
        disk_.Path != QDir::cleanPath(QFileInfo(DocumentPath()).absoluteFilePath()))
        return TDiskChange::None;
    const std::string name = FileSystemName(disk_.Path);
    const tavi::TFileIdentity now = tavi::FileIdentityOf(name);
    if (now == disk_.Identity)
        return TDiskChange::None;
    if (!now.Exists)
        return TDiskChange::Deleted;
    // Touched or checked out again with the same bytes: nothing to ask about.
    if (disk_.Digest) {
        try {
            if (tavi::ContentDigest(tavi::ReadFileBytes(name)) == *disk_.Digest)
                return TDiskChange::SameBytes;
        } catch (const std::exception&) {
            // Unreadable now: it changed as far as this editor can tell.
        }
    }
    return TDiskChange::Changed;
}

void TForm1::CheckDiskFile()
{
    if (checkingDisk_)
        return;
    checkingDisk_ = true;
    const TDiskChange change = DiskChange();
    const QString name = Edit3->text();
    if (change == TDiskChange::SameBytes) {
        disk_.Identity = tavi::FileIdentityOf(FileSystemName(disk_.Path));
    } else if (change == TDiskChange::Deleted && !deletionReported_) {
        deletionReported_ = true;
        QMessageBox box(
            QMessageBox::Information, Application() ? Application()->Title() : QString(),
            QStringLiteral("ファイル %1 は削除されたか、名前が変わりました。\n保存するときに作り直すか確かめます。")
                .arg(name),
            QMessageBox::Ok, this);
        box.exec();
    } else if (change == TDiskChange::Changed) {
        const QString text =
            ExtMemo1->Modified()
                ? QStringLiteral(
                      "ファイル %1 は他のプログラムで変更されました。\n"
                      "読み込み直しますか? この画面での変更は失われます。")
                : QStringLiteral("ファイル %1 は他のプログラムで変更されました。\n読み込み直しますか?");
        if (AskTwoWays(this, QMessageBox::Question, text.arg(name), QStringLiteral("読み込み直す(&R)"),
                       QStringLiteral("このまま(&K)"))) {
            Guarded([this] { LoadDocument(DocumentPath()); });
        } else {
            // Kept: the editor's text stands, and the next save writes it without asking again.
            disk_.Identity = tavi::FileIdentityOf(FileSystemName(disk_.Path));
            disk_.Digest.reset();
        }
    }
    checkingDisk_ = false;
}

bool TForm1::ConfirmSaveOverDisk(const QString& path)
{
    if (IsUntitled() || path != DocumentPath())
        return true;
    const QString name = Edit3->text();
    switch (DiskChange()) {
        case TDiskChange::None:
        case TDiskChange::SameBytes:
            return true;
        case TDiskChange::Deleted:
            return AskTwoWays(this, QMessageBox::Warning,
                              QStringLiteral("ファイル %1 は削除されています。\n保存して作り直しますか?").arg(name),
                              QStringLiteral("作り直す(&C)"), QStringLiteral("ｷｬﾝｾﾙ"));
        case TDiskChange::Changed:
            return AskTwoWays(
                this, QMessageBox::Warning,
                QStringLiteral("ファイル %1 は他のプログラムで変更されています。\n上書きしますか?").arg(name),
                QStringLiteral("上書き(&O)"), QStringLiteral("ｷｬﾝｾﾙ"));
    }
    return true;
}

void TForm1::OfferLeftoverBackup(const QString& path)
{
    const std::string name = FileSystemName(path);
    const std::vector<std::string> backups = tavi::LeftoverBackups(name);
    if (backups.empty())
        return;
    const QString backup = QFile::decodeName(backups.front().c_str());
    const TKeptCopyAnswer answer =
        AskAboutKeptCopy(this, QMessageBox::Warning,
                         QStringLiteral("ファイル %1 の保存が途中で止まったため、保存前の内容が残っています。\n(%2)\n"
                                        "保存前の内容に戻しますか?")
                             .arg(QFileInfo(path).fileName(), QDir::toNativeSeparators(backup)),
                         QStringLiteral("戻す(&R)"));
    if (answer == TKeptCopyAnswer::Restore)
        tavi::RestoreBackup(backups.front(), name);
    else if (answer == TKeptCopyAnswer::Discard)
        QFile::remove(backup);
}

void TForm1::OfferInterruptedSaves()
{
    for (const std::string& name : tavi::InterruptedSaves(IsWriterRunning)) {
        Guarded([&] { OfferLeftoverBackup(QFile::decodeName(name.c_str())); });
        // A backup still there (the user decides later) is offered again at the next start.
        if (tavi::LeftoverBackups(name).empty())
            tavi::ForgetInterruptedSave(name);
    }
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // Back from another program, which may have changed the file; leaving for one, the
    // journal is made durable (the user may not come back to this program).
    if (isActiveWindow() && !ExtMemo1->WorkProgress().Working())
        CheckDiskFile();
    else if (Journal1)
        Journal1->Sync();
}
