// The wavy line under text a browser will not take.
#include "editor/squiggle.h"

#include <QPainter>
#include <QPolygon>

void DrawSquiggle(QPainter& p, const QRect& cells, const QColor& color)
{
    QPolygon line;
    const int bottom = cells.bottom();
    for (int x = cells.left(); x <= cells.right() + 1; x += 2)
        line << QPoint(x, bottom - ((x - cells.left()) / 2) % 2);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(color);
    p.drawPolyline(line);
    p.restore();
}
