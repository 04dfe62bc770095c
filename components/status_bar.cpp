// A status line divided into panels of fixed widths, each showing one text.
#include "components/status_bar.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QToolTip>
#include <QWindow>
#include <algorithm>

namespace {
constexpr int kPanelGap = 2;    // space between two panels
constexpr int kTextIndent = 2;  // space between a panel's edge and its text
}  // namespace

namespace {

// What a screen reader sees of the bar: a status bar whose children are its panels, each
// a static text named by the panel's text.
class TStatusPanelAccessible : public QAccessibleInterface {
public:
    TStatusPanelAccessible(TStatusBar* bar, int index) : bar_(bar), index_(index) {}
    bool isValid() const override { return bar_ && index_ < static_cast<int>(bar_->Panels().size()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return isValid() && t == QAccessible::Name ? bar_->Panels()[index_].Text : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = bar_->PanelRect(index_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<TStatusBar> bar_;
    int index_;
};

class TStatusBarAccessible : public QAccessibleWidget {
public:
    explicit TStatusBarAccessible(TStatusBar* bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}
    ~TStatusBarAccessible() override
    {
        for (QAccessible::Id id : panels_)
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return static_cast<int>(Bar()->Panels().size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // Panel interfaces are made once and registered, as the accessibility cache expects.
        while (static_cast<int>(panels_.size()) <= index)
            panels_.push_back(QAccessible::registerAccessibleInterface(
                new TStatusPanelAccessible(Bar(), static_cast<int>(panels_.size()))));
        return QAccessible::accessibleInterface(panels_[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < static_cast<int>(panels_.size()); ++i) {
            if (QAccessible::accessibleInterface(panels_[i]) == child)
                return i;
        }
        return -1;
    }

private:
    TStatusBar* Bar() const { return static_cast<TStatusBar*>(widget()); }
    mutable std::vector<QAccessible::Id> panels_;
};

QAccessibleInterface* StatusBarAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("TStatusBar") && object && object->isWidgetType())
        return new TStatusBarAccessible(static_cast<TStatusBar*>(object));
    return nullptr;
}

}  // namespace

TStatusBar::TStatusBar(QWidget* parent) : QWidget(parent)
{
    setFixedHeight(21);
    static const bool installed = [] {
        QAccessible::installFactory(StatusBarAccessible);
        return true;
    }();
    (void)installed;
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
    const std::vector<int> before = PanelWidths();
    panels_[index].Text = text;
    // A growing panel that changes its width moves the panels after it.
    update(PanelWidths() == before ? PanelRect(index) : rect());
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        changed.setChild(index);
        QAccessible::updateAccessibility(&changed);
    }
}

QRect TStatusBar::PanelRect(int index) const
{
    if (index < 0 || index >= static_cast<int>(panels_.size()))
        return {};
    const std::vector<int> widths = PanelWidths();
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += widths[i];
    const bool last = index + 1 == static_cast<int>(panels_.size());
    const int right = last ? width() : left + widths[index] - kPanelGap;
    return QRect(QPoint(left, kPanelGap), QPoint(right - 1, height() - 1));
}

int TStatusBar::TextWidth(int index) const
{
    constexpr int kShadeFrame = 2;  // the panel's sunken edge, one pixel each side
    return fontMetrics().horizontalAdvance(panels_[index].Text) + 2 * kTextIndent + kPanelGap + kShadeFrame;
}

std::vector<int> TStatusBar::PanelWidths() const
{
    std::vector<int> widths;
    const int count = static_cast<int>(panels_.size());
    for (int i = 0; i < count; ++i)
        widths.push_back(panels_[i].Fits ? std::max(panels_[i].Width, TextWidth(i)) : panels_[i].Width);
    if (count == 0)
        return widths;
    // The room the panels ask for: the last one keeps its text's width unless it yields.
    const auto asked = [&] {
        int sum = panels_[count - 1].Yields ? 0 : TextWidth(count - 1);
        for (int k = 0; k + 1 < count; ++k)
            sum += widths[k];
        return sum;
    };
    for (int i = 0; i + 1 < count; ++i) {
        if (panels_[i].Grows)
            widths[i] = std::max(widths[i], std::min(TextWidth(i), width() - (asked() - widths[i])));
    }
    if (panels_[count - 1].Yields) {
        int lack = TextWidth(count - 1) - (width() - asked());
        for (int i = 0; i + 1 < count && lack > 0; ++i) {
            if (!panels_[i].Shrinks)
                continue;
            const int give = std::clamp(lack, 0, std::max(0, widths[i] - TextWidth(i)));
            widths[i] -= give;
            lack -= give;
        }
    }
    return widths;
}

bool TStatusBar::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        for (int i = 0; i < static_cast<int>(panels_.size()); ++i) {
            if (PanelRect(i).contains(help->pos()) && !panels_[i].Text.isEmpty()) {
                QToolTip::showText(help->globalPos(), panels_[i].Text, this, PanelRect(i));
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
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
        // A text longer than its panel ends in "…" (its whole text is the panel's tooltip).
        const QRect textRect = r.adjusted(kTextIndent, 1, -kTextIndent, -1);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         fontMetrics().elidedText(panels_[i].Text, Qt::ElideRight, textRect.width()));
    }
}
