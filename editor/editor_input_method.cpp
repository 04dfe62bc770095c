// The editor control's input method: committed text inserted once, the composition drawn at the caret, and queries.
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QPainter>
#include <climits>

#include "editor/editor.h"
#include "editor/grid_text.h"
#include "editor/text_input.h"
#include "text/row_text.h"

QRect TEditor::PreeditRect() const
{
    if (preedit_.empty())
        return {};
    const QPoint cell = CellPos(core_.CaretRow(), core_.CaretCol());
    const int width = tavi::DisplayWidth(preedit_, core_.TabSpaceCount(), core_.Encoding()) * charWidth_;
    return QRect(cell, QSize(width, rowHeight_)).intersected(TextArea());
}

void TEditor::SetPreedit(const QString& text)
{
    // Shown as the document would hold it; characters it cannot hold show as "?".
    std::string bytes = tavi::DocumentBytes(text, core_.Encoding());
    if (bytes == preedit_)
        return;
    viewport()->update(preeditRect_);
    preedit_ = std::move(bytes);
    preeditRect_ = PreeditRect();
    viewport()->update(preeditRect_);
    viewport()->update(caretRect_);
}

void TEditor::inputMethodEvent(QInputMethodEvent* event)
{
    event->accept();
    // A read-only document takes nothing from the input method, not even a composition.
    if (core_.Options().ReadOnly) {
        SetPreedit({});
        return;
    }
    SetPreedit({});
    // One insertion, one undo step, however long the result; characters the document
    // cannot hold are left out.
    const std::string typed = tavi::InsertableText(event->commitString(), core_.Encoding());
    if (!typed.empty()) {
        HideCaret();
        core_.TypeChars(typed);
        ShowCaret();
    }
    SetPreedit(event->preeditString());
}

void TEditor::PaintPreedit(QPainter& p)
{
    if (preedit_.empty() || preeditRect_.isEmpty())
        return;
    // The composition covers the text after the caret without changing it.
    const QPoint cell = CellPos(core_.CaretRow(), core_.CaretCol());
    p.save();
    p.setClipRect(preeditRect_, Qt::IntersectClip);
    p.fillRect(preeditRect_, Qc(color_));
    const QColor text = Qc(fontColor_);
    const bool utf8 = core_.Encoding() == tavi::TTextEncoding::Utf8;
    const tavi::TCellGlyphs glyphs = utf8 ? tavi::CellGlyphsOf(preedit_, core_.TabSpaceCount()) : tavi::TCellGlyphs();
    tavi::DrawGridText(p, shownFont_, text, preedit_, 0, INT_MAX, cell.x(), cell.y() + ascent_, charWidth_,
                       utf8 ? &glyphs : nullptr);
    p.fillRect(QRect(preeditRect_.left(), cell.y() + rowHeight_ - 1, preeditRect_.width(), 1), text);
    p.restore();
}

QVariant TEditor::inputMethodQuery(Qt::InputMethodQuery query) const
{
    const int row = core_.CaretRow();
    const std::string_view text = core_.RowText(row);
    switch (query) {
        case Qt::ImEnabled:
            return !core_.Options().ReadOnly;
        case Qt::ImCursorRectangle: {
            // The caret's cell, in the control's own coordinates.
            const QRect cell(CellPos(row, core_.CaretCol()), QSize(charWidth_, rowHeight_));
            return cell.translated(viewport()->pos());
        }
        case Qt::ImFont:
            return shownFont_;
        case Qt::ImSurroundingText:
            return tavi::DocumentText(text, core_.Encoding());
        case Qt::ImCursorPosition:
        case Qt::ImAnchorPosition: {
            // The caret's character index in its row; a free caret counts as the row's end.
            const tavi::TColumnMap map = core_.ColumnMapOf(row);
            const int byte = std::min<int>(tavi::ColumnToByte(map, core_.CaretCol()), static_cast<int>(text.size()));
            return static_cast<int>(tavi::DocumentText(text.substr(0, byte), core_.Encoding()).size());
        }
        case Qt::ImCurrentSelection:
            return QString();
        case Qt::ImHints:
            return static_cast<int>(Qt::ImhMultiLine);
        default:
            return QAbstractScrollArea::inputMethodQuery(query);
    }
}
