// Where the main window and the forms open.
#include "app/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
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

QRect CentredOver(QSize outer, const QRect& owner, const QRect& available)
{
    QRect placed(QPoint(0, 0), outer);
    placed.moveCenter(owner.center());
    // A form larger than the free area keeps its top-left corner (title, first controls) on it.
    placed.moveLeft(std::max(available.left(), std::min(placed.left(), available.right() + 1 - outer.width())));
    placed.moveTop(std::max(available.top(), std::min(placed.top(), available.bottom() + 1 - outer.height())));
    return placed;
}

void CentreOverActiveWindow(QWidget& form)
{
    const QWidget* owner = QApplication::activeWindow();
    if (!owner || owner == &form || !owner->screen())
        return;
    form.move(CentredOver(form.frameGeometry().size(), owner->frameGeometry(), owner->screen()->availableGeometry())
                  .topLeft());
}
