// The main window's start-up reading of the settings file, and its close: the save question, then the settings.
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include "app/application.h"
#include "app/main_window.h"
#include "app/settings_file.h"
#include "components/text_file_dialogs.h"
#include "editor/editor.h"
#include "platform/private_profile.h"

namespace {

// The window's default bounds: the defaults of the "FormSize" keys.
constexpr QRect kDesignBounds(190, 156, 711, 571);

}  // namespace

void TForm1::ApplySettings()
{
    // Each value is applied as it is read, so a bad value stops there with the ones
    // before it in effect; the window opens all the same.
    Guarded([this] {
        const tavi::TPrivateProfile profile(SettingsFileToRead(CurrentSettingsPlace()));
        const QRect bounds = ReadFormBounds(profile, kDesignBounds);
        move(bounds.topLeft());
        resize(bounds.size());
        ReadMainEditorSettings(profile, *ExtMemo1);
        previewSettings_ = ReadPreviewSettings(profile);
        InsertRuleAtCaret = tavi::ReadBool(profile, "MainEditor", "InsertRuleAtCaret?", false);
        ExtMemo1->SetZoom(tavi::ReadInteger(profile, "MainEditor", "Zoom", 100));
        ExtMemo1->SetWrapToWindow(tavi::ReadBool(profile, "MainEditor", "WrapToWindow?", false));
        recentFiles_ = ReadRecentFiles(profile);
    });
    // The preview opens again once the window shows, so that the editor comes first.
    if (previewSettings_.Shown)
        QTimer::singleShot(0, this, [this] { Guarded([this] { SetPreviewShown(true); }); });
}

void TForm1::WriteSettingsFile()
{
    const QString path = SettingsFileToWrite(CurrentSettingsPlace());
    QDir().mkpath(QFileInfo(path).absolutePath());
    tavi::TPrivateProfile profile(path);
    const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    WriteSettings(profile, normal ? std::optional<QRect>(QRect(pos(), size())) : std::nullopt, *ExtMemo1);
    tavi::WriteBool(profile, "MainEditor", "InsertRuleAtCaret?", InsertRuleAtCaret);
    tavi::WriteInteger(profile, "MainEditor", "Zoom", ExtMemo1->Zoom());
    tavi::WriteBool(profile, "MainEditor", "WrapToWindow?", ExtMemo1->WrapToWindow());
    WriteRecentFiles(profile, recentFiles_);
    if (Preview)
        previewSettings_.Width = Preview->width();
    WritePreviewSettings(profile, previewSettings_);
    profile.Save();
}

bool TForm1::SaveChangesFirst()
{
    if (!ExtMemo1->Modified())
        return true;
    switch (AskToSave()) {
        case TSaveAnswer::Cancel:
            return false;
        case TSaveAnswer::No:
            Journal1->Discard();  // the user let the changes go
            return true;
        case TSaveAnswer::Yes: {
            std::optional<TSaveFormat> format;
            if (IsUntitled()) {
                format = RunSaveDialog();
                if (!format)
                    return false;
                // Named before the write: should it fail, the boxes already show the chosen file.
                UpdateFileBoxes(SaveDialog1->FileName());
            }
            return SaveDocument(DocumentPath(), format);
        }
    }
    return false;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A changed document is never lost by closing: the user saves it, discards it or
    // stays. A failed save keeps the window open with the document. Long work on the
    // document is stopped from its own box first.
    if (ExtMemo1->WorkProgress().Working()) {
        event->ignore();
        return;
    }
    bool close = false;
    Guarded([this, &close] { close = SaveChangesFirst(); });
    if (!close) {
        event->ignore();
        return;
    }
    // Settings that cannot be written are reported, and the window closes all the same:
    // they are not worth keeping a user from quitting (a full disk or a read-only folder
    // would otherwise trap them), and the old file is left whole.
    Guarded([this] { WriteSettingsFile(); });
    // Closed with nothing unsaved: no journal is left to offer at the next start.
    Journal1->Discard();
    event->accept();
}
