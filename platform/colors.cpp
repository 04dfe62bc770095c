// Converts colour values to Qt colours; system colours follow the palette's roles.
#include "platform/colors.h"

#include <QGuiApplication>
#include <array>

namespace tavi {

namespace {

struct TSystemRole {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// The palette role closest in meaning to each system colour index 0..24.
constexpr std::array<TSystemRole, 25> kSystemRoles{{
    {QPalette::Active, QPalette::Button},           // clScrollBar
    {QPalette::Active, QPalette::Dark},             // clBackground (the desktop)
    {QPalette::Active, QPalette::Highlight},        // clActiveCaption
    {QPalette::Inactive, QPalette::Mid},            // clInactiveCaption
    {QPalette::Active, QPalette::Window},           // clMenu
    {QPalette::Active, QPalette::Base},             // clWindow
    {QPalette::Active, QPalette::Shadow},           // clWindowFrame
    {QPalette::Active, QPalette::WindowText},       // clMenuText
    {QPalette::Active, QPalette::Text},             // clWindowText
    {QPalette::Active, QPalette::HighlightedText},  // clCaptionText
    {QPalette::Active, QPalette::Window},           // clActiveBorder
    {QPalette::Inactive, QPalette::Window},         // clInactiveBorder
    {QPalette::Active, QPalette::Dark},             // clAppWorkSpace
    {QPalette::Active, QPalette::Highlight},        // clHighlight
    {QPalette::Active, QPalette::HighlightedText},  // clHighlightText
    {QPalette::Active, QPalette::Button},           // clBtnFace
    {QPalette::Active, QPalette::Dark},             // clBtnShadow
    {QPalette::Disabled, QPalette::Text},           // clGrayText
    {QPalette::Active, QPalette::ButtonText},       // clBtnText
    {QPalette::Inactive, QPalette::WindowText},     // clInactiveCaptionText
    {QPalette::Active, QPalette::Light},            // clBtnHighlight
    {QPalette::Active, QPalette::Shadow},           // cl3DDkShadow
    {QPalette::Active, QPalette::Midlight},         // cl3DLight
    {QPalette::Active, QPalette::ToolTipText},      // clInfoText
    {QPalette::Active, QPalette::ToolTipBase},      // clInfoBk
}};

}  // namespace

QColor ColorToQColor(TColor c, const QPalette& palette)
{
    if (c == clNone)
        return QColor(Qt::transparent);
    if (IsSystemColor(c)) {
        const TColor index = c & 0x00FFFFFFu;
        if (index >= kSystemRoles.size())
            return QColor(Qt::black);
        const TSystemRole& role = kSystemRoles[index];
        return palette.color(role.Group, role.Role);
    }
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QColor ColorToQColor(TColor c)
{
    return ColorToQColor(c, QGuiApplication::palette());
}

}  // namespace tavi
