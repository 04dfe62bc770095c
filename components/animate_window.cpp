// Minimising and restoring a form together with the whole application.
#include "components/animate_window.h"

#include <QApplication>
#include <QEvent>
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

}  // namespace

TAnimateWindow::TAnimateWindow(QWidget* form) : QObject(form), form_(form)
{
    if (FormsWithOne().contains(form))
        throw std::runtime_error("AnimateWindowはフォームに一つしか置けません");
    FormsWithOne().insert(form);
    form->installEventFilter(this);
}

TAnimateWindow::~TAnimateWindow()
{
    FormsWithOne().remove(form_);
}

bool TAnimateWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != form_ || event->type() != QEvent::WindowStateChange)
        return false;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMinimized = change->oldState() & Qt::WindowMinimized;
    const bool minimized = form_->windowState() & Qt::WindowMinimized;
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
