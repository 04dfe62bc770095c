// What the settings file keeps of the preview: whether it shows, its width, and the page chosen for each sheet.
#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace tavi {
class TPrivateProfile;
}

struct TPreviewSettings {
    static constexpr int kPagesKept = 20;

    bool Shown = false;
    int Width = 0;  // pixels; 0 until the user sets it
    // Sheet file and the page chosen for it, the most recent first (an untitled sheet's,
    // under an empty name, is not written).
    std::vector<std::pair<QString, QString>> Pages;

    // The page chosen for `sheet`, empty for the sample page.
    QString PageFor(const QString& sheet) const;
    // Remembers `page` for `sheet` (empty: the sample page again), first in the list.
    void SetPageFor(const QString& sheet, const QString& page);
};

// The "Preview" section.
TPreviewSettings ReadPreviewSettings(const tavi::TPrivateProfile& profile);
void WritePreviewSettings(tavi::TPrivateProfile& profile, const TPreviewSettings& settings);
