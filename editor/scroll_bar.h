// The editor's scroll bars: they repaint only when what they show changes.
#pragma once

#include <QRect>
#include <QScrollBar>

namespace tavi {

// A scroll bar over a long document moves its thumb by a pixel only every many rows, yet a
// plain QScrollBar repaints itself (a tall gradient groove) on every value. This one skips
// the repaint while the thumb's rectangle and the arrows' end-of-range looks stay as they
// were last painted.
class TQuietScrollBar : public QScrollBar {
public:
    explicit TQuietScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct TLook {
        QRect Thumb;
        bool AtMinimum = false, AtMaximum = false, Empty = false, Down = false;
        bool operator==(const TLook&) const = default;
    };
    TLook CurrentLook() const;

    TLook painted_;
    bool paintedOnce_ = false;
};

}  // namespace tavi
