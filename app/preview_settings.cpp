// What the settings file keeps of the preview.
#include "app/preview_settings.h"

#include <algorithm>
#include <string>

#include "platform/private_profile.h"

namespace {

constexpr char kPreview[] = "Preview";

std::string Numbered(const char* key, std::size_t n)
{
    return key + std::to_string(n + 1);
}

QString ReadText(const tavi::TPrivateProfile& profile, const std::string& key)
{
    return QString::fromStdString(profile.ReadString(kPreview, key).value_or(std::string()));
}

}  // namespace

QString TPreviewSettings::PageFor(const QString& sheet) const
{
    const auto it = std::find_if(Pages.begin(), Pages.end(), [&](const auto& entry) { return entry.first == sheet; });
    return it == Pages.end() ? QString() : it->second;
}

void TPreviewSettings::SetPageFor(const QString& sheet, const QString& page)
{
    std::erase_if(Pages, [&](const auto& entry) { return entry.first == sheet; });
    if (page.isEmpty())
        return;
    Pages.insert(Pages.begin(), {sheet, page});
    if (Pages.size() > kPagesKept)
        Pages.resize(kPagesKept);
}

TPreviewSettings ReadPreviewSettings(const tavi::TPrivateProfile& profile)
{
    TPreviewSettings settings;
    settings.Shown = tavi::ReadBool(profile, kPreview, "Shown?", false);
    settings.Width = std::max(0, tavi::ReadInteger(profile, kPreview, "Width", 0));
    const int count = std::clamp(tavi::ReadInteger(profile, kPreview, "Pages", 0), 0, TPreviewSettings::kPagesKept);
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        const QString sheet = ReadText(profile, Numbered("Sheet", i));
        const QString page = ReadText(profile, Numbered("Page", i));
        if (!sheet.isEmpty() && !page.isEmpty())
            settings.Pages.emplace_back(sheet, page);
    }
    return settings;
}

void WritePreviewSettings(tavi::TPrivateProfile& profile, const TPreviewSettings& settings)
{
    tavi::WriteBool(profile, kPreview, "Shown?", settings.Shown);
    tavi::WriteInteger(profile, kPreview, "Width", settings.Width);
    // The page of an untitled sheet lasts for the run only.
    std::size_t written = 0;
    for (const auto& [sheet, page] : settings.Pages) {
        if (sheet.isEmpty())
            continue;
        profile.WriteString(kPreview, Numbered("Sheet", written), sheet.toStdString());
        profile.WriteString(kPreview, Numbered("Page", written), page.toStdString());
        ++written;
    }
    tavi::WriteInteger(profile, kPreview, "Pages", static_cast<int>(written));
}
