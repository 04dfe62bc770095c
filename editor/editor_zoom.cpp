// The editor control's zoom: the text font drawn larger or smaller, the font as set left alone.
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>

#include "editor/editor.h"

namespace {

// The sizes zooming steps through, in percent.
constexpr std::array kZoomLadder{25, 33, 50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};

QFont Zoomed(QFont font, int percent)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(4, static_cast<int>(std::lround(font.pixelSize() * percent / 100.0))));
    else
        font.setPointSizeF(std::max(3.0, font.pointSizeF() * percent / 100.0));
    return font;
}

}  // namespace

void TEditor::ApplyZoom()
{
    shownFont_ = Zoomed(font_, zoom_);
    shownReserveWordFont_ = Zoomed(reserveWordFont_, zoom_);
}

void TEditor::SetZoom(int percent)
{
    percent = std::clamp(percent, kZoomLadder.front(), kZoomLadder.back());
    if (percent == zoom_)
        return;
    // Keeps the caret's row where it is on the screen while the rows change height.
    const int caretBand = core_.CaretRow() - topRow_;
    zoom_ = percent;
    ApplyZoom();
    if (leftCol_ > 0)
        SetLeftCol(0);
    Relayout();
    if (caretBand >= 0 && caretBand < visibleRows_)
        SetTopRow(core_.CaretRow() - std::min(caretBand, std::max(0, visibleRows_ - 1)));
    ScrollToCaret();
}

void TEditor::StepZoom(int steps)
{
    if (steps == 0)
        return;
    // From a size off the ladder, the first step goes to the ladder's next size that way.
    const auto above = std::upper_bound(kZoomLadder.begin(), kZoomLadder.end(), zoom_);
    const auto atOrAbove = std::lower_bound(kZoomLadder.begin(), kZoomLadder.end(), zoom_);
    auto index = static_cast<int>((steps > 0 ? above : atOrAbove) - kZoomLadder.begin());
    index += steps > 0 ? steps - 1 : steps;
    SetZoom(kZoomLadder[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(kZoomLadder.size()) - 1))]);
}
