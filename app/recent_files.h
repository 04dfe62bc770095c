// The files opened or saved last, most recent first, as the settings file keeps them.
#pragma once

#include <QStringList>

namespace tavi {
class TPrivateProfile;
}

// Absolute paths, most recent first, at most kKept, none twice.
struct TRecentFiles {
    static constexpr int kKept = 10;

    QStringList Files;

    // Puts `path` first (moving it up when listed already).
    void Add(const QString& path);
    void Remove(const QString& path);
};

// The "RecentFiles" section: Count, File1..FileN.
TRecentFiles ReadRecentFiles(const tavi::TPrivateProfile& profile);
void WriteRecentFiles(tavi::TPrivateProfile& profile, const TRecentFiles& recent);
