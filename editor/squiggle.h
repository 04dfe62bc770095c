// The wavy line under text a browser will not take.
#pragma once

class QColor;
class QPainter;
class QRect;

// A zigzag line along the bottom of `cells`.
void DrawSquiggle(QPainter& p, const QRect& cells, const QColor& color);
