// The strip left of the editor's text that numbers its logical lines.
#pragma once

#include <QColor>
#include <QFont>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <vector>

class TEditor;

// Shows the number of each logical line beside its first row (rows a line wraps onto stay
// blank), in the editor's font and on its row grid. A press selects the line under the
// pointer, a drag selects the lines passed over, Shift extends from the caret's line.
class TLineNumberGutter : public QWidget {
public:
    explicit TLineNumberGutter(TEditor& editor);

    // The width numbering `lineCount` lines needs in `font`: the widest number and a
    // digit's room on either side.
    static int WidthFor(int lineCount, const QFont& font);
    // The logical line shown at viewport height y (rows past the text give the last line).
    int LineAt(int y) const;
    // The rows in view that start a logical line, with the line's number (1-based).
    struct TNumberedRow {
        int Row;
        int Number;
    };
    std::vector<TNumberedRow> NumberedRows() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void wheelEvent(QWheelEvent* event) override;

private:
    // The ten digits drawn in the font and the two colours, and their cell width.
    struct TDigitImages {
        QFont Font;
        QColor NormalColor, CaretColor;
        qreal Ratio = 0;
        int Width = 1;
        std::array<QPixmap, 10> Normal, Caret;
    };
    void PrepareDigits(const QFont& font, const QColor& normal, const QColor& caret, qreal ratio);

    TEditor& editor_;
    int anchorLine_ = 0;  // where the drag started
    TDigitImages digits_;
};
