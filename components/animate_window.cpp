// Minimising and restoring a form together with the whole application.
#include "components/animate_window.h"

#include <QApplication>
#include <QEvent>
#include <QList>
#include <QSet>
#include <QWidget>
#include <QWindowStateChangeEvent>
#include <stdexcept>

namespace {

QSet<const QWidget*>& FormsWithOne()
{
    static QSet<const QWidget*> forms;
    return forms;
}

// The application's main window: the top-level window that is no dialog.
QWidget* MainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("QMainWindow"))
            return w;
    }
    return nullptr;
}

// The application's own windows a user sees: not pop-ups, tool tips or hidden forms.
QList<QWidget*> ShownWindows()
{
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            windows << w;
    }
    return windows;
}

}  // namespace

TAnimateWindow::TAnimateWindow(QWidget* form) : QObject(form), form_(form), appWide_(form->inherits("QMainWindow"))
{
    if (FormsWithOne().contains(form))
        throw std::runtime_error("AnimateWindowはフォームに一つしか置けません");
    FormsWithOne().insert(form);
    // On the main window it watches every window of the application, its own included.
    if (appWide_)
        qApp->installEventFilter(this);
    else
        form->installEventFilter(this);
}

TAnimateWindow::~TAnimateWindow()
{
    FormsWithOne().remove(form_);
}

bool TAnimateWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::WindowStateChange || !watched->isWidgetType())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMinimized = change->oldState() & Qt::WindowMinimized;
    const bool minimized = window->windowState() & Qt::WindowMinimized;
    if (appWide_ && window->isWindow() && minimized != wasMinimized)
        FollowWindow(window, minimized);
    if (watched != form_)
        return false;
    QWidget* main = MainWindow();
    if (minimized && !wasMinimized) {
        // A secondary form takes the whole application with it.
        if (main && main != form_ && !(main->windowState() & Qt::WindowMinimized))
            main->showMinimized();
        if (OnMinimize)
            OnMinimize();
    } else if (!minimized && wasMinimized) {
        if (main && (main->windowState() & Qt::WindowMinimized || !main->isVisible()))
            main->showNormal();
        if (OnRestore)
            OnRestore();
    }
    return false;
}

void TAnimateWindow::FollowWindow(QWidget* window, bool minimized)
{
    if (following_)
        return;  // the changes made here
    following_ = true;
    for (QWidget* other : ShownWindows()) {
        // Only the minimised flag changes: a maximised window comes back maximised.
        if (other != window && other->isMinimized() != minimized)
            other->setWindowState(other->windowState() ^ Qt::WindowMinimized);
    }
    // A modal box stays in front of the window it blocks.
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && !minimized) {
        modal->raise();
        modal->activateWindow();
    }
    following_ = false;
}
