// Where the main window opens.
#include "app/window_placement.h"

#include <algorithm>

QRect PlacedOnScreen(QSize outer, const QRect& screen, const QRect& available)
{
    const bool fits = outer.width() <= available.width() && outer.height() <= available.height();
    const QRect area = fits ? screen : available;
    const QSize size = outer.boundedTo(available.size());
    QRect placed(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2,
                 size.width(), size.height());
    // Centred on the whole screen, a window may still reach under a panel: keep it in the free area.
    placed.moveLeft(std::clamp(placed.left(), available.left(), available.right() + 1 - size.width()));
    placed.moveTop(std::clamp(placed.top(), available.top(), available.bottom() + 1 - size.height()));
    return placed;
}
