// A form's Tab order in reading order: the order in which its controls are laid out.
#pragma once

#include <QList>

class QWidget;

namespace tavi {

// Which way a stretch of a form is cut first: into bands across (rows, for a form read
// line by line) or into columns down (for options set side by side in two columns).
enum class TCut { Across, Down };

// The controls among `widgets` (siblings) and inside them that take the focus by Tab, in
// reading order. The widgets are cut wherever no widget spans the gap, `first` way first,
// then the other; each part is read the same way, starting across. What cannot be cut
// (a check box standing on its frame's edge) is read by its middles, then left to
// right. A frame (group box, panel, picture) is read where it stands, its own controls
// starting across; a radio group's items keep their own order.
QList<QWidget*> ControlsInReadingOrder(const QList<QWidget*>& widgets, TCut first = TCut::Across);

// The child widgets of `parent` that are not windows.
QList<QWidget*> ChildWidgets(const QWidget* parent);

// Tab runs through `controls` in this order.
void SetTabOrder(const QList<QWidget*>& controls);

}  // namespace tavi
