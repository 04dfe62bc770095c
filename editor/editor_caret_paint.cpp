// The editor control's own caret: its shape and place, nested hiding, blinking while focused, and drawing it.
#include <QFocusEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QStyleHints>
#include <QTimerEvent>

#include "editor/editor.h"

QRect TEditor::TextArea() const
{
    return QRect(leftMargin_, topMargin_, std::max(0, viewport()->width() - leftMargin_),
                 std::max(0, viewport()->height() - topMargin_));
}

bool TEditor::CaretShown() const
{
    // While composing, the composition text stands where the caret would.
    return focused_ && caretHide_ == 0 && caretBlinkOn_ && preedit_.empty();
}

void TEditor::UpdateCaretPos()
{
    const int row = core_.CaretRow();
    const int col = core_.CaretCol();
    caretPos_ = CellPos(row, col);
    if (caretStyle_ == tavi::csBrief)
        caretPos_.ry() += rowHeight_ - 2;
    const tavi::TCaretShape shape =
        tavi::CaretShapeIn(caretStyle_, core_.CaretOnDoubleByte(), charWidth_, characterMargin_, rowHeight_);
    const QRect rect = QRect(CellPos(row, col) + QPoint(shape.Left, shape.Top), QSize(shape.Width, shape.Height))
                           .intersected(TextArea());
    // Only the caret's own cells are repainted: where it was and where it is now.
    viewport()->update(caretRect_);
    caretRect_ = rect;
    viewport()->update(caretRect_);
    if (!preedit_.empty()) {
        viewport()->update(preeditRect_);
        preeditRect_ = PreeditRect();
        viewport()->update(preeditRect_);
    }
    if (row != gutterCaretRow_) {
        gutterCaretRow_ = row;
        RepaintGutterFrom(0);  // the caret's line number stands out
    }
    // A caret that was just placed shows at once and blinks from there.
    if (focused_)
        RestartBlink();
}

void TEditor::HideCaret()
{
    // Repainting the caret's cells before a scroll lets the pending repaint move with the
    // pixels, so that no copy of the caret is left behind.
    if (caretHide_++ == 0)
        viewport()->update(caretRect_);
}

void TEditor::ShowCaret()
{
    if (--caretHide_ == 0)
        viewport()->update(caretRect_);
}

void TEditor::RestartBlink()
{
    caretBlinkOn_ = true;
    viewport()->update(caretRect_);
    // The flash time is a whole on-off cycle; zero or less means a steady caret.
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (flash > 0)
        caretBlink_.start(std::max(1, flash / 2), this);
    else
        caretBlink_.stop();
}

void TEditor::StopBlink()
{
    caretBlink_.stop();
    caretBlinkOn_ = true;
    viewport()->update(caretRect_);
}

void TEditor::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    focused_ = true;
    UpdateCaretPos();
}

void TEditor::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    focused_ = false;
    StopBlink();
    completion_->Close();
    if (dragging_) {
        // The button's release goes elsewhere now: end the drag here.
        dragging_ = false;
        dragScroll_.stop();
        core_.MouseUp();
    }
}

void TEditor::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == caretBlink_.timerId()) {
        caretBlinkOn_ = !caretBlinkOn_;
        viewport()->update(caretRect_);
    } else if (event->timerId() == dragScroll_.timerId()) {
        if (dragging_ && !TextArea().contains(dragPoint_))
            DragTo(dragPoint_);
        else
            dragScroll_.stop();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

void TEditor::PaintCaret(QPainter& p)
{
    if (!CaretShown() || caretRect_.isEmpty())
        return;
    // Inverting keeps the caret visible on the text, the selection and any colour.
    p.save();
    p.setClipping(false);
    p.setCompositionMode(QPainter::CompositionMode_Difference);
    p.fillRect(caretRect_, Qt::white);
    p.restore();
}
