// Colour values as the settings file and the editor store them, and their conversion to Qt colours.
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace tavi {

// A colour: 0x00BBGGRR for an RGB colour (red in the low byte); 0x80000000 plus an index
// 0..24 for a system colour, which follows the application's palette; clNone for "no
// colour".
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

inline constexpr TColor kSystemColorBase = 0x80000000u;
inline constexpr TColor clScrollBar = kSystemColorBase + 0;
inline constexpr TColor clBackground = kSystemColorBase + 1;
inline constexpr TColor clActiveCaption = kSystemColorBase + 2;
inline constexpr TColor clInactiveCaption = kSystemColorBase + 3;
inline constexpr TColor clMenu = kSystemColorBase + 4;
inline constexpr TColor clWindow = kSystemColorBase + 5;
inline constexpr TColor clWindowFrame = kSystemColorBase + 6;
inline constexpr TColor clMenuText = kSystemColorBase + 7;
inline constexpr TColor clWindowText = kSystemColorBase + 8;
inline constexpr TColor clCaptionText = kSystemColorBase + 9;
inline constexpr TColor clActiveBorder = kSystemColorBase + 10;
inline constexpr TColor clInactiveBorder = kSystemColorBase + 11;
inline constexpr TColor clAppWorkSpace = kSystemColorBase + 12;
inline constexpr TColor clHighlight = kSystemColorBase + 13;
inline constexpr TColor clHighlightText = kSystemColorBase + 14;
inline constexpr TColor clBtnFace = kSystemColorBase + 15;
inline constexpr TColor clBtnShadow = kSystemColorBase + 16;
inline constexpr TColor clGrayText = kSystemColorBase + 17;
inline constexpr TColor clBtnText = kSystemColorBase + 18;
inline constexpr TColor clInactiveCaptionText = kSystemColorBase + 19;
inline constexpr TColor clBtnHighlight = kSystemColorBase + 20;
inline constexpr TColor cl3DDkShadow = kSystemColorBase + 21;
inline constexpr TColor cl3DLight = kSystemColorBase + 22;
inline constexpr TColor clInfoText = kSystemColorBase + 23;
inline constexpr TColor clInfoBk = kSystemColorBase + 24;
inline constexpr TColor clNone = 0x1FFFFFFF;

// True for 0x80000000 + index, whatever the index.
constexpr bool IsSystemColor(TColor c)
{
    return (c & 0xFF000000u) == kSystemColorBase;
}

// The colour `c` stands for: a system colour takes the matching role of `palette`
// (an index past clInfoBk gives black, as the system does for unknown indexes);
// clNone gives a fully transparent colour; any other value is read as 0x??BBGGRR,
// the high byte ignored.
QColor ColorToQColor(TColor c, const QPalette& palette);
// The same with the application's palette.
QColor ColorToQColor(TColor c);

}  // namespace tavi
