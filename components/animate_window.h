// Minimising and restoring a form together with the whole application.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Placed on a form: minimising the main window, or a secondary form carrying one,
// minimises the application; restoring it shows the main window again. The desktop's
// window manager animates both from and to the window's own rectangle, as every window
// here has its own task bar entry, so the component lets it do so rather than drawing an
// animation of its own. One per form: a second throws "AnimateWindowはフォームに一つしか置けません".
class TAnimateWindow : public QObject {
    Q_OBJECT
public:
    explicit TAnimateWindow(QWidget* form);
    ~TAnimateWindow() override;

    // Raised after a minimise and after a restore.
    std::function<void()> OnMinimize;
    std::function<void()> OnRestore;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* form_;
};
