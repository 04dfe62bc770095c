// Keyboard stepping around a ring of radio buttons, such as a dial.
#include "components/radio_ring.h"

#include <QEvent>
#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>

namespace tavi {

namespace {

class TRadioRing : public QObject {
public:
    TRadioRing(const std::vector<QRadioButton*>& buttons, QObject* owner) : QObject(owner), buttons_(buttons) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        int step = 0;
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Right:
            case Qt::Key_Down:
                step = 1;
                break;
            case Qt::Key_Left:
            case Qt::Key_Up:
                step = -1;
                break;
            default:
                return false;
        }
        const auto at = std::find(buttons_.begin(), buttons_.end(), watched);
        if (at == buttons_.end())
            return false;
        const int count = static_cast<int>(buttons_.size());
        const int next = (static_cast<int>(at - buttons_.begin()) + step + count) % count;
        QRadioButton* target = buttons_[next];
        target->setChecked(true);
        target->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    std::vector<QRadioButton*> buttons_;
};

}  // namespace

void MakeRadioRing(const std::vector<QRadioButton*>& buttons)
{
    if (buttons.empty())
        return;
    auto* ring = new TRadioRing(buttons, buttons.front());
    for (QRadioButton* button : buttons)
        button->installEventFilter(ring);
}

}  // namespace tavi
