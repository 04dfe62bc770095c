// The line-number strip: numbers on the rows that start a logical line, and line selection with the mouse.
#include "editor/line_number_gutter.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <string>

#include "editor/editor.h"

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

    // Digits are drawn once per font, colour and pixel ratio and then copied: a page shows
    // hundreds of them, and copying is far cheaper than drawing glyphs each time.
    const QColor normal = pal.color(QPalette::PlaceholderText);
    const QColor caretColor = pal.color(QPalette::WindowText);
    PrepareDigits(editor_.ShownFont(), normal, caretColor, devicePixelRatioF());
    const tavi::TEditorCore& core = editor_.Core();
    const int caretLine = core.LineOfRow(core.CaretRow()) + 1;
    for (const TNumberedRow& numbered : NumberedRows()) {
        const int y = editor_.TopMargin() + (numbered.Row - editor_.TopRow()) * editor_.RowPitch();
        if (y > event->rect().bottom() || y + editor_.RowPitch() < event->rect().top())
            continue;
        const std::array<QPixmap, 10>& digits = numbered.Number == caretLine ? digits_.Caret : digits_.Normal;
        const std::string text = std::to_string(numbered.Number);
        int x = width() - (static_cast<int>(text.size()) + 1) * digits_.Width;
        for (const char digit : text) {
            p.drawPixmap(x, y, digits[static_cast<std::size_t>(digit - '0')]);
            x += digits_.Width;
        }
    }
}

void TLineNumberGutter::PrepareDigits(const QFont& font, const QColor& normal, const QColor& caret, qreal ratio)
{
    if (font == digits_.Font && normal == digits_.NormalColor && caret == digits_.CaretColor && ratio == digits_.Ratio)
        return;
    const QFontMetrics metrics(font);
    digits_ = {font, normal, caret, ratio, std::max(1, metrics.horizontalAdvance(QLatin1Char('0'))), {}, {}};
    const QSize size(digits_.Width, metrics.height());
    for (int d = 0; d < 10; ++d) {
        for (auto [images, color] : {std::pair{&digits_.Normal, normal}, std::pair{&digits_.Caret, caret}}) {
            QPixmap image(size * ratio);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::transparent);
            QPainter q(&image);
            q.setFont(font);
            q.setPen(color);
            q.drawText(QPointF(0, metrics.ascent()), QString(QChar(u'0' + d)));
            (*images)[static_cast<std::size_t>(d)] = image;
        }
    }
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
