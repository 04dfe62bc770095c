// Where windows open: the main window centred on its screen and never larger than what the screen shows, the
// forms centred over the main window.
#pragma once

#include <QRect>
#include <QSize>

// The frame of a window of outer size `outer` on a screen `screen` whose windows may use
// `available` (the screen less its panels): centred on the screen as before when it fits;
// otherwise shrunk to the available area and centred in it, so that its title and menu bar
// are always on the screen.
QRect PlacedOnScreen(QSize outer, const QRect& screen, const QRect& available);

// The frame of a form of outer size `outer` centred over the frame `owner`, moved (never
// resized) into `available` where it would leave it; its top-left corner stays on it.
QRect CentredOver(QSize outer, const QRect& owner, const QRect& available);

class QWidget;
// Before `form` first shows: centres it over the window active now, on that window's screen.
// Without an active window it keeps its place.
void CentreOverActiveWindow(QWidget& form);
