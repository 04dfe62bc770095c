// Font names the forms and the editor use, and their mapping to installed Japanese fonts.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace tavi {

// The proportional Gothic face of the forms.
inline const QString kFormFontName = QStringLiteral("ＭＳ Ｐゴシック");
// The fixed-pitch Gothic face of previews.
inline const QString kFixedGothicFontName = QStringLiteral("ＭＳ ゴシック");
// The fixed-pitch face of the editor.
inline const QString kFixedSysFontName = QStringLiteral("FixedSys");

// Maps the font names the forms and settings use to installed faces (IPA Gothic family first) so that
// the names can stay in code and in settings files. Call once after the
// application object exists; calling again is harmless.
void InstallFontSubstitutions();

// Every installed font family once, by its family name alone (without the foundry the
// toolkit adds when two foundries share a name), sorted without regard to case.
QStringList InstalledFontFamilies();

// The installed families whose every character has the same width.
QStringList FixedPitchFontFamilies();

// The form font "ＭＳ Ｐゴシック" at a character height of `pixelSize` pixels.
QFont FormFont(int pixelSize = 12);

}  // namespace tavi
