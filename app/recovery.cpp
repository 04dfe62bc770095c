// Crash recovery: what the journal records of the document, and the journals of editors that ended without closing.
#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/application.h"
#include "app/main_window.h"
#include "editor/editor.h"
#include "platform/os/file_bytes.h"

namespace {

std::string Number(long long value)
{
    return std::to_string(value);
}

long long ToNumber(const std::string& text)
{
    try {
        return std::stoll(text);
    } catch (const std::exception&) {
        return -1;
    }
}

// Whether the file a journal began from still holds what it held then.
bool FileUnchangedSince(const tavi::TJournalFile& journal, const std::string& path)
{
    const tavi::TFileIdentity now = tavi::FileIdentityOf(path);
    if (!now.Exists || static_cast<long long>(now.Size) != ToNumber(journal.Field("size")))
        return false;
    if (now.ModifiedNs == ToNumber(journal.Field("mtime")))
        return true;
    const std::string digest = journal.Field("digest");
    try {
        return !digest.empty() &&
               Number(static_cast<long long>(tavi::ContentDigest(tavi::ReadFileBytes(path)))) == digest;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

tavi::TJournalFields TForm1::DescribeForJournal() const
{
    const bool titled = !IsUntitled() && disk_.Identity.Exists;
    return {
        {"pid", Number(::getpid())},
        {"path", titled ? FileSystemName(disk_.Path) : std::string()},
        {"encoding", Number(static_cast<int>(encoding_))},
        {"lineend", Number(static_cast<int>(ExtMemo1->Lines().LineEnd()))},
        {"size", titled ? Number(static_cast<long long>(disk_.Identity.Size)) : std::string()},
        {"mtime", titled ? Number(disk_.Identity.ModifiedNs) : std::string()},
        {"digest", titled && disk_.Digest ? Number(static_cast<long long>(*disk_.Digest)) : std::string()},
    };
}

void TForm1::TakeRecoveredText(const tavi::TJournalFile& journal, const std::string& text, bool ontoFile)
{
    if (ontoFile)
        OpenDocument(QFile::decodeName(journal.Field("path").c_str()));
    const long long encoding = ToNumber(journal.Field("encoding"));
    const long long lineEnd = ToNumber(journal.Field("lineend"));
    // Onto its file the text is in the file's encoding, as loaded; otherwise in the one noted.
    if (!ontoFile && encoding >= 0 && encoding <= 2)
        encoding_ = static_cast<tavi::TSheetEncoding>(encoding);
    ExtMemo1->Lines().LoadFromBytes(text, tavi::DocumentEncodingOf(encoding_));
    if (lineEnd >= 0 && lineEnd <= 2)
        ExtMemo1->Lines().SetLineEnd(static_cast<tavi::TLineEnd>(lineEnd));
    ExtMemo1->SetModified(true);  // recovered, not saved
    ShowEncoding();
    Journal1->Start();
}

bool TForm1::OfferRecoveries()
{
    const std::string folder = tavi::StateFolder();
    if (folder.empty())
        return false;
    for (const std::string& journalPath : tavi::FilesEndingWith(folder, ".journal")) {
        if (journalPath == Journal1->Path())
            continue;
        std::string bytes;
        try {
            bytes = tavi::ReadFileBytes(journalPath);
        } catch (const std::exception&) {
            continue;
        }
        const tavi::TJournalFile journal = tavi::ParseJournal(bytes);
        if (!journal.Valid || IsWriterRunning(static_cast<int>(ToNumber(journal.Field("pid")))))
            continue;
        const std::string path = journal.Field("path");
        const bool ontoFile = !path.empty() && FileUnchangedSince(journal, path);
        const QString name = path.empty() ? QStringLiteral("無題") : QFile::decodeName(path.c_str());
        QString text = QStringLiteral("保存されないまま終わった編集が残っています。\nファイル: %1\n最後の変更: %2")
                           .arg(QDir::toNativeSeparators(name), QFileInfo(QFile::decodeName(journalPath.c_str()))
                                                                    .lastModified()
                                                                    .toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
        if (!path.empty() && !ontoFile)
            text += QStringLiteral("\nこのファイルはその後変更されたため、復元した内容は無題の文書として開きます。");
        const TKeptCopyAnswer answer = AskAboutKeptCopy(this, QMessageBox::Question, text, QStringLiteral("復元(&R)"));
        if (answer == TKeptCopyAnswer::Discard) {
            QFile::remove(QFile::decodeName(journalPath.c_str()));
        } else if (answer == TKeptCopyAnswer::Restore) {
            const tavi::TReplayed replayed = tavi::ReplayJournal(journal.Base, journal.Records);
            bool taken = false;
            Guarded([&] {
                TakeRecoveredText(journal, replayed.Text, ontoFile);
                taken = true;
            });
            // The text lives in this editor's own journal now.
            if (taken) {
                if (journalPath != Journal1->Path())
                    QFile::remove(QFile::decodeName(journalPath.c_str()));
                return true;
            }
        }
    }
    return false;
}
