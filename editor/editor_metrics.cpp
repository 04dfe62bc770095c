// The editor control's grid metrics: cell size from the font, visible rows and columns, caret and underline positions.
#include <QFontMetrics>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "editor/editor.h"

void TEditor::UpdateMetrics()
{
    const QFontMetrics fm(shownFont_);
    rowHeight_ = std::max(1, fm.height() + std::max(0, fm.leading()));
    ascent_ = fm.ascent();
    // A negative CharacterMargin may not shrink a cell to nothing: every width and
    // column computation divides by it.
    charWidth_ = std::max(1, fm.averageCharWidth() + characterMargin_);
    PlaceGutter();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const bool horz = scrollBars_ == tavi::ssHorizontal || scrollBars_ == tavi::ssBoth;
    const bool vert = scrollBars_ == tavi::ssVertical || scrollBars_ == tavi::ssBoth;
    visibleRows_ = std::max(0, (height() - topMargin_ - 5 - (horz ? bar : 0)) / RowPitch());
    visibleCols_ = std::max(0, (width() - gutterWidth_ - leftMargin_ - charWidth_ / 2 - (vert ? bar : 0)) / charWidth_);
}

void TEditor::Relayout()
{
    UpdateMetrics();
    UpdateScrollBars();
    UpdateCaretPos();
    RepaintGutterFrom(0);
    viewport()->update();
    FollowWindowWidth();
}

void TEditor::SetWrapToWindow(bool value)
{
    wrapToWindow_ = value;
    FollowWindowWidth();
}

void TEditor::FollowWindowWidth()
{
    // One cell stays free for the return mark after a full row.
    const int width = std::clamp(visibleCols_ - 1, 20, 250);
    if (!wrapToWindow_ || !core_.WordWrap() || followingWidth_ || width == core_.WrapByte())
        return;
    followingWidth_ = true;
    const bool selected = core_.Selected();
    const long long start = core_.SelStart();
    const long long length = core_.SelLength();
    const int caretBand = core_.CaretRow() - topRow_;
    core_.SetWrapByte(width);
    core_.SetSelStart(start);
    if (selected)
        core_.SetSelLength(length);
    if (caretBand >= 0 && caretBand < visibleRows_)
        SetTopRow(std::max(0, core_.CaretRow() - caretBand));
    ScrollToCaret();
    followingWidth_ = false;
}

void TEditor::ApplyScrollBarPolicy()
{
    const bool horz = scrollBars_ == tavi::ssHorizontal || scrollBars_ == tavi::ssBoth;
    const bool vert = scrollBars_ == tavi::ssVertical || scrollBars_ == tavi::ssBoth;
    setHorizontalScrollBarPolicy(horz ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vert ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

QPoint TEditor::CellPos(int row, int col) const
{
    return {leftMargin_ + (col - leftCol_) * charWidth_, topMargin_ + (row - topRow_) * RowPitch()};
}

int TEditor::MaxTopRow() const
{
    return std::max(0, core_.Rows().Count() + visibleRows_ - 2);
}

QColor TEditor::Qc(tavi::TColor c) const
{
    return tavi::ColorToQColor(c, palette());
}

int TEditor::UnderlineY() const
{
    return topMargin_ + (core_.CaretRow() - topRow_) * RowPitch() + rowHeight_;
}

bool TEditor::UnderlineVisible() const
{
    const int y = UnderlineY();
    return underLine_ && underlineHide_ == 0 && !CurrentSelection().Active && y > topMargin_ &&
           y <= viewport()->height();
}

QRect TEditor::UnderlineRect() const
{
    return QRect(leftMargin_, UnderlineY(), std::max(0, viewport()->width() - leftMargin_), 1);
}

void TEditor::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void TEditor::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    // System colours follow the palette.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        viewport()->update();
}
