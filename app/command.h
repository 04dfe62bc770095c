// Connects controls to the window's command handlers through the application's error guard.
#pragma once

#include <QObject>

#include "app/application.h"

// When `signal` of `sender` fires, runs `handler` of `form`; an exception that escapes the
// handler is shown in the application's error box and the program goes on.
template <typename Sender, typename Signal, typename Form>
void ConnectCommand(Sender* sender, Signal signal, Form* form, void (Form::*handler)())
{
    QObject::connect(sender, signal, form, [form, handler] { Guarded([form, handler] { (form->*handler)(); }); });
}
