// Controls that follow a check box or radio button: enabled or shown with it, or excluding another box.
#include "components/control_links.h"

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace tavi {

namespace {

// Calls `apply(control, state)` for each control now and whenever `box` toggles.
template <typename Apply>
void Follow(QAbstractButton* box, std::initializer_list<QWidget*> controls, Apply apply, bool applyNow)
{
    std::vector<QPointer<QWidget>> followers(controls.begin(), controls.end());
    auto update = [followers, apply](bool on) {
        for (const QPointer<QWidget>& control : followers) {
            if (control)
                apply(control.data(), on);
        }
    };
    if (applyNow)
        update(box->isChecked());
    QObject::connect(box, &QAbstractButton::toggled, box, update);
}

}  // namespace

void EnableWith(QAbstractButton* box, std::initializer_list<QWidget*> controls)
{
    Follow(
        box, controls, [](QWidget* control, bool on) { control->setEnabled(on); }, true);
}

void ShowWith(QAbstractButton* box, std::initializer_list<QWidget*> controls)
{
    Follow(
        box, controls, [](QWidget* control, bool on) { control->setVisible(on); }, true);
}

void EnableWhenChosen(QAbstractButton* radio, std::initializer_list<QWidget*> controls)
{
    Follow(
        radio, controls,
        [](QWidget* control, bool on) {
            if (on)
                control->setEnabled(true);
        },
        false);
}

void ExcludeEachOther(QAbstractButton* a, QAbstractButton* b)
{
    QObject::connect(a, &QAbstractButton::toggled, b, [b](bool on) {
        if (on)
            b->setChecked(false);
    });
    QObject::connect(b, &QAbstractButton::toggled, a, [a](bool on) {
        if (on)
            a->setChecked(false);
    });
}

}  // namespace tavi
