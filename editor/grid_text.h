// Drawing row texts on a fixed cell grid, whatever the font's glyph widths: code page 932 one cell per byte, UTF-8
// one or two cells per character.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>
#include <string_view>
#include <vector>

class QPainter;

namespace tavi {

// The start of the character that holds byte `i` of `text` (i itself unless it is the
// trail byte of a double-byte character). Scans from the start of the text.
int CharStartAt(std::string_view text, int i);

// The characters of a UTF-8 row (tabs expanded) to draw, by the column each starts at:
// tabs, spaces and control characters draw nothing, an ill-formed byte draws U+FFFD.
struct TCellGlyphs {
    std::vector<int> Columns;  // ascending
    std::vector<int> Widths;   // the cells each covers
    std::vector<int> Starts;   // where each begins in Text, which ends the last
    QString Text;              // the characters, each with the marks shown with it
};
TCellGlyphs CellGlyphsOf(std::string_view text, int tabSpaceCount);

// Characters collected for one font and colour and drawn in one go. Japanese text is
// converted from code page 932 only here, for drawing.
class TGridBatch {
public:
    // Adds the characters that start in columns [from, to): the one at column c goes with
    // its left edge at x0 + c * cellWidth on the baseline `baseline`. They are `glyphs`
    // when given (a UTF-8 row); otherwise `text` is code page 932 with a column per byte,
    // where control characters and spaces draw nothing, nor does a lead byte without its
    // trail.
    void Add(std::string_view text, int from, int to, int x0, int baseline, int cellWidth,
             const TCellGlyphs* glyphs = nullptr);
    bool Empty() const { return chars_.isEmpty() && clusters_.empty(); }
    // Draws what was added and forgets it. Characters the face lacks are drawn through
    // the font's fallbacks; so are characters of more than one code unit (marks, emoji,
    // flags), each clipped to its cells.
    void Flush(QPainter& p, const QFont& font, const QColor& color);

private:
    struct TCluster {
        QString Text;
        QPointF Position;
        int Width = 0;  // in pixels
    };
    QString chars_;
    QList<QPointF> positions_;  // baseline-left of each character
    std::vector<TCluster> clusters_;
};

// Draws one range at once (see TGridBatch::Add).
void DrawGridText(QPainter& p, const QFont& font, const QColor& color, std::string_view text, int from, int to, int x0,
                  int baseline, int cellWidth, const TCellGlyphs* glyphs = nullptr);

}  // namespace tavi
