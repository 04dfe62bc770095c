// Where the main window opens: centred on its screen, and never larger than what the screen shows.
#pragma once

#include <QRect>
#include <QSize>

// The frame of a window of outer size `outer` on a screen `screen` whose windows may use
// `available` (the screen less its panels): centred on the screen as before when it fits;
// otherwise shrunk to the available area and centred in it, so that its title and menu bar
// are always on the screen.
QRect PlacedOnScreen(QSize outer, const QRect& screen, const QRect& available);
