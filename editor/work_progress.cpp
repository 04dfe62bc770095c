// The window's side of long work on a document: a progress box after a while, with a way to stop.
#include "editor/work_progress.h"

#include <algorithm>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QWidget>

namespace tavi {

namespace {

constexpr int kBoxSteps = 1000;

}  // namespace

TWorkProgress::TWorkProgress(QWidget* owner) : owner_(owner) {}

TWorkProgress::~TWorkProgress()
{
    delete box_;
}

QProgressDialog* TWorkProgress::Box() const
{
    return box_;
}

void TWorkProgress::Begin()
{
    if (depth_++ == 0) {
        stopped_ = false;
        clock_.start();
    }
}

void TWorkProgress::End()
{
    if (depth_ > 0 && --depth_ == 0 && box_ != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
        delete box_;
    }
}

bool TWorkProgress::eventFilter(QObject* watched, QEvent* event)
{
    // Escape belongs to the work while its box shows, even where the focus stayed in the
    // window (where it would close the find bar, say).
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (box_ != nullptr && key && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        stopped_ = true;
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool TWorkProgress::GoOn(long long done, long long total)
{
    if (stopped_)
        return false;
    if (box_ == nullptr) {
        if (clock_.elapsed() < showAfterMs_)
            return true;
        ShowBox();
    }
    box_->setValue(static_cast<int>(done * kBoxSteps / std::max(1LL, total)));
    // The box repaints and its button and Escape work; the window behind it takes no input.
    QCoreApplication::processEvents();
    return !stopped_;
}

void TWorkProgress::ShowBox()
{
    box_ = new QProgressDialog(QStringLiteral("処理しています…"), QStringLiteral("中止"), 0, kBoxSteps,
                               owner_ != nullptr ? owner_->window() : nullptr);
    box_->setWindowTitle(QStringLiteral("お待ちください"));
    box_->setWindowModality(Qt::WindowModal);
    box_->setAutoClose(false);
    box_->setAutoReset(false);
    box_->setMinimumDuration(0);
    // 中止, Escape (which rejects the box) and closing the box all stop the work.
    connect(box_, &QProgressDialog::canceled, this, [this] { stopped_ = true; });
    connect(box_, &QDialog::rejected, this, [this] { stopped_ = true; });
    connect(box_, &QObject::destroyed, this, [this] { stopped_ = depth_ > 0; });
    box_->show();
    QCoreApplication::instance()->installEventFilter(this);
}

}  // namespace tavi
