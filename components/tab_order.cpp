// A form's Tab order in reading order: the order in which its controls are laid out.
#include "components/tab_order.h"

#include <QWidget>
#include <algorithm>

#include "components/radio_group.h"

namespace tavi {

namespace {

int Start(const QWidget* w, TCut cut)
{
    return cut == TCut::Across ? w->y() : w->x();
}

int End(const QWidget* w, TCut cut)
{
    return cut == TCut::Across ? w->y() + w->height() : w->x() + w->width();
}

// The widgets in runs that no widget spans, in order along the cut's axis.
QList<QList<QWidget*>> Split(QList<QWidget*> widgets, TCut cut)
{
    std::stable_sort(widgets.begin(), widgets.end(),
                     [cut](const QWidget* a, const QWidget* b) { return Start(a, cut) < Start(b, cut); });
    QList<QList<QWidget*>> runs;
    int runEnd = 0;
    for (QWidget* w : widgets) {
        if (runs.isEmpty() || Start(w, cut) >= runEnd) {
            runs.append(QList<QWidget*>());
            runEnd = End(w, cut);
        }
        runs.last().append(w);
        runEnd = std::max(runEnd, End(w, cut));
    }
    return runs;
}

QList<QWidget*> ReadingOrder(const QList<QWidget*>& widgets, TCut first)
{
    if (widgets.size() <= 1)
        return widgets;
    for (const TCut cut : {first, first == TCut::Across ? TCut::Down : TCut::Across}) {
        const QList<QList<QWidget*>> runs = Split(widgets, cut);
        if (runs.size() > 1) {
            QList<QWidget*> ordered;
            for (const QList<QWidget*>& run : runs)
                ordered += ReadingOrder(run, TCut::Across);
            return ordered;
        }
    }
    QList<QWidget*> ordered = widgets;
    std::stable_sort(ordered.begin(), ordered.end(), [](const QWidget* a, const QWidget* b) {
        const int ay = a->geometry().center().y();
        const int by = b->geometry().center().y();
        return ay != by ? ay < by : a->x() < b->x();
    });
    return ordered;
}

void Collect(const QList<QWidget*>& widgets, QList<QWidget*>& out)
{
    for (QWidget* w : widgets) {
        // A control that takes the focus is one stop, whatever it is made of (an editable
        // list's or a spin edit's inner edit is its own).
        if (w->focusPolicy() & Qt::TabFocus)
            out << w;
        else if (qobject_cast<TRadioGroup*>(w))
            Collect(ChildWidgets(w), out);
        else
            Collect(ReadingOrder(ChildWidgets(w), TCut::Across), out);
    }
}

}  // namespace

QList<QWidget*> ChildWidgets(const QWidget* parent)
{
    QList<QWidget*> children;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow())
            children << w;
    }
    return children;
}

QList<QWidget*> ControlsInReadingOrder(const QList<QWidget*>& widgets, TCut first)
{
    QList<QWidget*> controls;
    Collect(ReadingOrder(widgets, first), controls);
    return controls;
}

void SetTabOrder(const QList<QWidget*>& controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

}  // namespace tavi
