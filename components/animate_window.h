// Minimising and restoring a form together with the whole application.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Placed on a form: minimising the main window, or a secondary form carrying one,
// minimises the application; restoring it shows the main window again. On the main
// window it keeps all the application's windows together: minimising any of them (a modal
// box included) minimises the others, restoring any restores them all, and the modal box
// comes back on top, so that the window is never blocked by a box the user cannot see. The desktop's
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
    // Minimises or restores every other window of the application with `window`.
    void FollowWindow(QWidget* window, bool minimized);

    QWidget* form_;
    bool appWide_;
    bool following_ = false;
};
