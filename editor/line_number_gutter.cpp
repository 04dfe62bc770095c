// The line-number strip: numbers on the rows that start a logical line, and line selection with the mouse.
#include "editor/line_number_gutter.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <string>

#include "editor/editor.h"
#include "editor/grid_text.h"

TLineNumberGutter::TLineNumberGutter(TEditor& editor) : QWidget(&editor), editor_(editor)
{
    setObjectName(QStringLiteral("LineNumbers"));
    setCursor(Qt::ArrowCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int TLineNumberGutter::WidthFor(int lineCount, const QFont& font)
{
    int digits = 1;
    for (int n = std::max(1, lineCount); n >= 10; n /= 10)
        ++digits;
    const int digit = QFontMetrics(font).horizontalAdvance(QLatin1Char('0'));
    return (std::max(digits, 2) + 2) * std::max(1, digit);
}

int TLineNumberGutter::LineAt(int y) const
{
    const tavi::TEditorCore& core = editor_.Core();
    const int pitch = std::max(1, editor_.RowPitch());
    const int band = y < editor_.TopMargin() ? -1 : (y - editor_.TopMargin()) / pitch;
    const int row = std::clamp(editor_.TopRow() + band, 0, core.LastCaretRow());
    return core.LineOfRow(row);
}

std::vector<TLineNumberGutter::TNumberedRow> TLineNumberGutter::NumberedRows() const
{
    const tavi::TEditorCore& core = editor_.Core();
    const int top = editor_.TopRow();
    const int last = std::min(core.LastCaretRow(), top + editor_.VisibleRows());
    // One look-up for the first row; the rest is counted down the row ends.
    int line = core.LineOfRow(top);
    if (top > 0 && core.RowEnd(top - 1) == tavi::reWrap)
        ++line;  // the first numbered row below starts the next line
    std::vector<TNumberedRow> rows;
    for (int row = top; row <= last; ++row) {
        if (row > 0 && core.RowEnd(row - 1) == tavi::reWrap)
            continue;
        rows.push_back({row, ++line});
    }
    return rows;
}

void TLineNumberGutter::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(event->rect(), pal.color(QPalette::Window));
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(width() - 1, event->rect().top(), width() - 1, event->rect().bottom());

    // The numbers go on a grid of digit cells in two batches (the caret's line stands out), drawn
    // as the rows are: one call each, not one per number.
    const QFont& font = editor_.ShownFont();
    if (font != metricsFont_) {
        const QFontMetrics metrics(font);
        metricsFont_ = font;
        digitWidth_ = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
        ascent_ = metrics.ascent();
    }
    const int cell = digitWidth_;
    const int ascent = ascent_;
    const tavi::TEditorCore& core = editor_.Core();
    const int caretLine = core.LineOfRow(core.CaretRow()) + 1;
    tavi::TGridBatch others, caret;
    for (const TNumberedRow& numbered : NumberedRows()) {
        const int y = editor_.TopMargin() + (numbered.Row - editor_.TopRow()) * editor_.RowPitch();
        if (y > event->rect().bottom() || y + editor_.RowPitch() < event->rect().top())
            continue;
        const std::string digits = std::to_string(numbered.Number);
        const int count = static_cast<int>(digits.size());
        const int x = width() - (count + 1) * cell;
        (numbered.Number == caretLine ? caret : others).Add(digits, 0, count, x, y + ascent, cell);
    }
    others.Flush(p, font, pal.color(QPalette::PlaceholderText));
    caret.Flush(p, font, pal.color(QPalette::WindowText));
}

void TLineNumberGutter::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    editor_.setFocus(Qt::MouseFocusReason);
    tavi::TEditorCore& core = editor_.Core();
    const int line = LineAt(event->position().toPoint().y());
    anchorLine_ = (event->modifiers() & Qt::ShiftModifier) ? core.LineOfRow(core.CaretRow()) : line;
    core.SelectLines(anchorLine_, line);
    editor_.ScrollToCaret();
}

void TLineNumberGutter::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    editor_.Core().SelectLines(anchorLine_, LineAt(event->position().toPoint().y()));
    editor_.ScrollToCaret();
}

void TLineNumberGutter::wheelEvent(QWheelEvent* event)
{
    // The wheel scrolls (or zooms) the text beside the numbers.
    QCoreApplication::sendEvent(editor_.viewport(), event);
}
