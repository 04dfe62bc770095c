// Controls that follow a check box or radio button: enabled or shown with it, or excluding another box.
#pragma once

#include <initializer_list>

class QAbstractButton;
class QWidget;

namespace tavi {

// Each link acts on every change of the button's state, whatever made it (mouse, keyboard,
// a program, or an assistive technology's toggle action), as the forms' click handlers do.

// The controls are enabled exactly while `box` is ticked (or chosen); set now and on every change.
void EnableWith(QAbstractButton* box, std::initializer_list<QWidget*> controls);

// The controls are shown exactly while `box` is ticked (or chosen); set now and on every change.
void ShowWith(QAbstractButton* box, std::initializer_list<QWidget*> controls);

// The click handler of a radio button that enables its value controls: it runs when the
// button becomes chosen, so controls enabled by an earlier choice in its group stay enabled.
void EnableWhenChosen(QAbstractButton* radio, std::initializer_list<QWidget*> controls);

// Two check boxes of which at most one is ticked: ticking one unticks the other (which
// runs the other's own links).
void ExcludeEachOther(QAbstractButton* a, QAbstractButton* b);

}  // namespace tavi
