// Runs one of the program's dialogs modally and releases it afterwards.
#pragma once

#include <QDialog>
#include <QPointer>
#include <utility>

#include "app/window_placement.h"

// Creates a `Form` (constructed from `args`, with no parent window: the application
// owns it), stores it in `formVariable`, shows it modally centred over the window that
// opened it and, when the modal loop
// ends by any route (a button, closing the window, an exception), releases it with a
// deferred destruction. The modal result is not examined: the dialog does its work
// itself before it closes. `formVariable` becomes null once the form is destroyed.
template <typename Form, typename... Args>
void OpenStyleDialog(QPointer<Form>& formVariable, Args&&... args)
{
    OpenStyleDialogPrepared(
        formVariable, [](Form&) { return true; }, std::forward<Args>(args)...);
}

// The same, with `prepare` run on the form before it shows; when it returns false the form
// is released without showing.
template <typename Form, typename Prepare, typename... Args>
void OpenStyleDialogPrepared(QPointer<Form>& formVariable, Prepare&& prepare, Args&&... args)
{
    Form* form = new Form(std::forward<Args>(args)...);
    formVariable = form;
    struct Release {
        QDialog* dialog;
        ~Release() { dialog->deleteLater(); }
    } release{form};
    if (prepare(*form)) {
        CentreOverActiveWindow(*form);
        form->exec();
    }
}
