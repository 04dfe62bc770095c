// Tests of running a dialog modally and releasing it afterwards.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <stdexcept>

#include "app/open_style_dialog.h"
#include "tests/support/modal_answer.h"

namespace {

struct CountingDialog : QDialog {
    explicit CountingDialog(int* alive) : alive_(alive) { ++*alive_; }
    ~CountingDialog() override { --*alive_; }
    int* alive_;
};

struct FailingDialog : CountingDialog {
    using CountingDialog::CountingDialog;
    int exec() override { throw std::runtime_error("failed"); }
};

void RunDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

TEST(OpenStyleDialog, ShowsTheFormModallyAndReleasesItWhenTheLoopEnds)
{
    int alive = 0;
    QPointer<CountingDialog> variable;
    bool wasModal = false;
    bool storedWhileOpen = false;
    AnswerNextModal([&](QWidget* modal) {
        wasModal = modal->isModal();
        storedWhileOpen = variable == modal;
        modal->close();  // closing the window ends the loop like any button
    });
    OpenStyleDialog(variable, &alive);
    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(storedWhileOpen);
    EXPECT_EQ(alive, 1);  // released when the loop next runs, not at once
    RunDeferredDeletes();
    EXPECT_EQ(alive, 0);
    EXPECT_TRUE(variable.isNull());
}

TEST(OpenStyleDialog, ReleasesTheFormWhenItsLoopEndsWithAnError)
{
    int alive = 0;
    QPointer<FailingDialog> variable;
    EXPECT_THROW(OpenStyleDialog(variable, &alive), std::runtime_error);
    RunDeferredDeletes();
    EXPECT_EQ(alive, 0);
    EXPECT_TRUE(variable.isNull());
}
