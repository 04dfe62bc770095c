// The window's side of long work on a document: a progress box after a while, with a way to stop.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

#include "editor/core/work_meter.h"

class QProgressDialog;
class QWidget;

namespace tavi {

// Work that runs longer than a moment (two seconds by default) shows a box over `owner`'s
// window with its progress and a "中止" button; the button, Escape or closing the box stop
// it, wherever the keyboard focus is. While the box shows, the window takes no input, and
// the work lets the window repaint between its steps.
class TWorkProgress : public QObject, public TWorkMeter {
public:
    explicit TWorkProgress(QWidget* owner);
    ~TWorkProgress() override;

    void Begin() override;
    void End() override;
    bool GoOn(long long done, long long total) override;

    // Whether work is under way (a box may show, and the document must not change).
    bool Working() const { return depth_ > 0; }
    // How long work runs before the box shows; tests show it at once.
    void SetShowAfter(int milliseconds) { showAfterMs_ = milliseconds; }
    // The box, while it shows.
    QProgressDialog* Box() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowBox();

    QWidget* owner_;
    QElapsedTimer clock_;
    QPointer<QProgressDialog> box_;
    int depth_ = 0;
    int showAfterMs_ = 2000;
    bool stopped_ = false;
};

}  // namespace tavi
