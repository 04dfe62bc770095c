// Answers the next modal window from inside its own loop, so that tests can run code that shows one.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

// Arranges for `answer` to be called with the first modal window that appears, once it
// runs its loop; the answer must close it. Polling stops after `attempts` tries so that a
// test whose box never shows does not keep a timer alive.
inline void AnswerNextModal(std::function<void(QWidget*)> answer, int attempts = 200)
{
    QTimer::singleShot(0, [answer = std::move(answer), attempts]() {
        if (QWidget* modal = QApplication::activeModalWidget())
            answer(modal);
        else if (attempts > 0)
            AnswerNextModal(answer, attempts - 1);
    });
}

// Answers the next colour chooser: picks `pick` and presses OK, or Cancel when `accept` is
// false. `shown` receives the colour it opened with.
inline void AnswerColorChooser(QColor pick, bool accept, QColor* shown = nullptr)
{
    AnswerNextModal([pick, accept, shown](QWidget* modal) {
        auto* chooser = qobject_cast<QColorDialog*>(modal);
        if (!chooser) {
            ADD_FAILURE() << "expected the colour chooser";
            modal->close();
            return;
        }
        if (shown)
            *shown = chooser->currentColor();
        chooser->setCurrentColor(pick);
        accept ? chooser->accept() : chooser->reject();
    });
}

// What a message box showed.
struct SeenMessageBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Records the next message box and presses its button with the role `press` (or its
// escape button when none has that role).
inline void RecordNextMessageBox(SeenMessageBox& seen, QMessageBox::ButtonRole press = QMessageBox::AcceptRole)
{
    AnswerNextModal([&seen, press](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            modal->close();
            return;
        }
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        QAbstractButton* toPress = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
            if (!toPress && box->buttonRole(button) == press)
                toPress = button;
        }
        if (!toPress)
            toPress = box->escapeButton();
        if (toPress)
            toPress->click();
        else
            box->close();
    });
}
