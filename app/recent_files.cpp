// The recently used files: their order and limit, and their keys in the settings file.
#include "app/recent_files.h"

#include <QFileInfo>
#include <algorithm>
#include <string>

#include "platform/private_profile.h"

namespace {

constexpr char kRecentFiles[] = "RecentFiles";

std::string FileKey(int n)
{
    return "File" + std::to_string(n + 1);
}

}  // namespace

void TRecentFiles::Add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    Files.removeAll(absolute);
    Files.prepend(absolute);
    while (Files.size() > kKept)
        Files.removeLast();
}

void TRecentFiles::Remove(const QString& path)
{
    Files.removeAll(path);
}

TRecentFiles ReadRecentFiles(const tavi::TPrivateProfile& profile)
{
    TRecentFiles recent;
    const int count = std::clamp(tavi::ReadInteger(profile, kRecentFiles, "Count", 0), 0, TRecentFiles::kKept);
    for (int i = 0; i < count; ++i) {
        const QString file = QString::fromStdString(profile.ReadString(kRecentFiles, FileKey(i)).value_or(""));
        if (!file.isEmpty() && !recent.Files.contains(file))
            recent.Files.append(file);
    }
    return recent;
}

void WriteRecentFiles(tavi::TPrivateProfile& profile, const TRecentFiles& recent)
{
    const auto count = static_cast<int>(std::min<qsizetype>(recent.Files.size(), TRecentFiles::kKept));
    for (int i = 0; i < count; ++i)
        profile.WriteString(kRecentFiles, FileKey(i), recent.Files[i].toStdString());
    tavi::WriteInteger(profile, kRecentFiles, "Count", count);
}
