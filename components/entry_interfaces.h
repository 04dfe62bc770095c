// Frees the accessibility interfaces a screen reader was given for the entries of item views.
#pragma once

#include <QList>

class QAbstractItemView;

namespace tavi {

// Frees every accessibility interface standing for an entry of one of `views`, and the
// views' own interfaces. Call it while the views and their models still exist.
//
// Why: the toolkit makes a new interface, holding a place in the model, each time a
// screen reader asks a tree view (such as the file dialogs' detail list) for an entry,
// and frees those only when the application object goes, after the model is gone;
// freeing one then can read the freed model and crash the program at exit.
void ReleaseEntryInterfaces(const QList<QAbstractItemView*>& views);

}  // namespace tavi
