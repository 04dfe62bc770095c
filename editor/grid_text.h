// Drawing code page 932 bytes on a fixed cell grid: one cell per byte, whatever the font's glyph widths.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>
#include <string_view>

class QPainter;

namespace tavi {

// The start of the character that holds byte `i` of `text` (i itself unless it is the
// trail byte of a double-byte character). Scans from the start of the text.
int CharStartAt(std::string_view text, int i);

// Characters collected for one font and colour and drawn in one go. Japanese text is
// converted from code page 932 only here, for drawing.
class TGridBatch {
public:
    // Adds the characters of `text` that start in bytes [from, to): the character at
    // byte b goes with its left edge at x0 + b * cellWidth on the baseline `baseline`.
    // Control characters and spaces draw nothing, nor does a lead byte without its trail.
    void Add(std::string_view text, int from, int to, int x0, int baseline, int cellWidth);
    bool Empty() const { return chars_.isEmpty(); }
    // Draws what was added and forgets it. Characters the face lacks are drawn through
    // the font's fallbacks.
    void Flush(QPainter& p, const QFont& font, const QColor& color);

private:
    QString chars_;
    QList<QPointF> positions_;  // baseline-left of each character
};

// Draws one range at once (see TGridBatch::Add).
void DrawGridText(QPainter& p, const QFont& font, const QColor& color, std::string_view text, int from, int to, int x0,
                  int baseline, int cellWidth);

}  // namespace tavi
