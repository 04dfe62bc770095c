// A status line divided into panels of fixed widths, each showing one text.
#include "components/status_bar.h"

#include <qdrawutil.h>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

namespace {
constexpr int kPanelGap = 2;    // space between two panels
constexpr int kTextIndent = 2;  // space between a panel's edge and its text
}  // namespace

TStatusBar::TStatusBar(QWidget* parent) : QWidget(parent)
{
    setFixedHeight(21);
}

void TStatusBar::SetPanels(std::vector<TStatusPanel> panels)
{
    panels_ = std::move(panels);
    update();
}

void TStatusBar::SetPanelText(int index, const QString& text)
{
    if (index < 0 || index >= static_cast<int>(panels_.size()) || panels_[index].Text == text)
        return;
    panels_[index].Text = text;
    update(PanelRect(index));
}

QRect TStatusBar::PanelRect(int index) const
{
    if (index < 0 || index >= static_cast<int>(panels_.size()))
        return {};
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += panels_[i].Width;
    const bool last = index + 1 == static_cast<int>(panels_.size());
    const int right = last ? width() : left + panels_[index].Width - kPanelGap;
    return QRect(QPoint(left, kPanelGap), QPoint(right - 1, height() - 1));
}

void TStatusBar::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    for (int i = 0; i < static_cast<int>(panels_.size()); ++i) {
        const QRect r = PanelRect(i);
        if (!r.intersects(event->rect()))
            continue;
        qDrawShadePanel(&painter, r, palette(), true, 1);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(r.adjusted(kTextIndent, 1, -kTextIndent, -1),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, panels_[i].Text);
    }
}
