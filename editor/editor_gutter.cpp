// The editor control's line-number strip: its width from the line count, its place beside the viewport, its repaints.
#include "editor/editor.h"
#include "editor/line_number_gutter.h"

void TEditor::SetLineNumbers(bool value)
{
    if (value == lineNumbers_)
        return;
    lineNumbers_ = value;
    gutter_->setVisible(value);
    Relayout();
}

void TEditor::PlaceGutter()
{
    const int width = lineNumbers_ ? TLineNumberGutter::WidthFor(core_.Lines().GetCount(), shownFont_) : 0;
    if (width != gutterWidth_) {
        gutterWidth_ = width;
        setViewportMargins(width, 0, 0, 0);
    }
    if (lineNumbers_) {
        const QRect view = viewport()->geometry();
        gutter_->setGeometry(view.left() - width, view.top(), width, view.height());
    }
}

void TEditor::RepaintGutterFrom(int row)
{
    if (!lineNumbers_)
        return;
    const int y = row <= topRow_ ? 0 : CellPos(row, 0).y();
    if (y < gutter_->height())
        gutter_->update(0, y, gutter_->width(), gutter_->height() - y);
}
