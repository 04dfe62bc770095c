// A text label that behaves as a hyperlink: it changes colour under the mouse, shows its target in a floating hint,
// and hands its target to the desktop on a left click.
#include "components/url_link.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QMouseEvent>

#include "components/value_pickers.h"

std::function<void(const QUrl&)> TURLLink::ShellOpen = [](const QUrl& url) { QDesktopServices::openUrl(url); };

TURLLink::TURLLink(QWidget* parent) : QLabel(parent), hint_(new QLabel)
{
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    ShowColor(fontColor_);
    // A window of its own, without owner, that never takes the focus.
    hint_->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    hint_->setAttribute(Qt::WA_ShowWithoutActivating);
    hint_->setMargin(2);
}

TURLLink::~TURLLink()
{
    delete hint_;
}

void TURLLink::SetFontColor(tavi::TColor color)
{
    fontColor_ = color;
    ShowColor(color);
}

QUrl TURLLink::Target() const
{
    return QUrl(urlType_ == tpMAIL ? QStringLiteral("mailto:") + link_ : link_);
}

void TURLLink::ShowColor(tavi::TColor color)
{
    tavi::SetTextColor(this, color);
}

void TURLLink::enterEvent(QEnterEvent* event)
{
    ShowColor(linkColor_);
    QLabel::enterEvent(event);
}

void TURLLink::mouseMoveEvent(QMouseEvent* event)
{
    // Shown once where the mouse first moves; it stays there until the mouse leaves.
    if (enableShowHint_ && !hint_->isVisible()) {
        hint_->setFont(hintFormFont_);
        tavi::SetBackgroundColor(hint_, hintFormColor_);
        hint_->setText(link_);
        hint_->adjustSize();
        hint_->move(event->globalPosition().toPoint() + hintOffset_);
        hint_->show();
    }
    QLabel::mouseMoveEvent(event);
}

void TURLLink::leaveEvent(QEvent* event)
{
    ShowColor(fontColor_);
    hint_->hide();
    QLabel::leaveEvent(event);
}

void TURLLink::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // What the desktop makes of the target is not examined: an address no program
    // handles simply does nothing.
    if (ShellOpen)
        ShellOpen(Target());
    hint_->hide();
}
