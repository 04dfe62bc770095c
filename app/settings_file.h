// The settings file: where it lives, and the window bounds and main editor look it keeps between runs.
#pragma once

#include <QRect>
#include <QString>
#include <optional>

namespace tavi {
class TPrivateProfile;
}
class TEditor;

// Where the settings file may be: the program's own file (its path names the file beside
// it), whether the program's folder can be written, and the user's configuration folder.
struct TSettingsPlace {
    QString ProgramFile;
    bool ProgramFolderWritable = true;
    QString ConfigFolder;
};

// The place of the program at `programFile`: its folder counts as writable only when it can
// be written and the program is not installed, that is when no desktop entry of its name lies
// in the "share/applications" folder beside its folder (an installed program shares its
// folder with other programs and keeps its settings in the user's folder, even for root).
TSettingsPlace SettingsPlaceOf(const QString& programFile, const QString& configFolder);

// This program's place; tests replace it with SetSettingsPlace so that they never touch
// a real settings file.
TSettingsPlace CurrentSettingsPlace();
void SetSettingsPlace(const TSettingsPlace& place);

// The file beside the program (its name with ".ini") when the program's folder can be
// written; otherwise the same name in the user's configuration folder, which reading
// skips while it does not exist yet in favour of a file beside the program.
QString SettingsFileToRead(const TSettingsPlace& place);
QString SettingsFileToWrite(const TSettingsPlace& place);

// The "FormSize" bounds, each key defaulting to its part of `defaults`.
QRect ReadFormBounds(const tavi::TPrivateProfile& profile, const QRect& defaults);
// The "MainEditor" keys in start-up order, each applied to `editor` as soon as it is read.
// A stored colour that is neither a name nor an integer throws tavi::TConversionError at
// its key; what was read before it stays applied.
void ReadMainEditorSettings(const tavi::TPrivateProfile& profile, TEditor& editor);
// "FormSize" from `normalBounds` when given (the window is in its normal state), then the
// "MainEditor" keys in close order; in memory until the profile is saved.
void WriteSettings(tavi::TPrivateProfile& profile, const std::optional<QRect>& normalBounds, const TEditor& editor);
