// Keyboard stepping around a ring of radio buttons, such as a dial.
#pragma once

#include <vector>

class QRadioButton;

namespace tavi {

// Makes `buttons` (the radio buttons of one exclusive group, in ring order) answer the
// arrow keys: Right and Down choose the next button, Left and Up the one before, wrapping
// around the ring; the chosen button takes the focus. Qt's own arrow keys move by screen
// geometry, which on a circle skips buttons or gets stuck.
void MakeRadioRing(const std::vector<QRadioButton*>& buttons);

}  // namespace tavi
