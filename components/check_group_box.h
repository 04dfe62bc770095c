// A group frame whose title is a check box.
#pragma once

#include <QGroupBox>

class QCheckBox;

// Stands `box` on the top edge of `frame` in place of a title: the frame keeps a gap as
// wide as the box, where the box stands.
// The box may be a child of the frame, or a sibling standing over it (so that disabling
// the frame leaves the box usable).
void StandOnFrame(QCheckBox* box, QGroupBox* frame);

// The check box stands on the frame's top edge in place of a title. Unlike a checkable
// QGroupBox, ticking it enables or disables nothing by itself: the form links it to the
// controls it governs (some of which may stay enabled, or lie outside the frame).
class TCheckGroupBox : public QGroupBox {
    Q_OBJECT
public:
    TCheckGroupBox(const QString& caption, QWidget* parent = nullptr);

    QCheckBox* CheckBox() const { return checkBox_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QCheckBox* checkBox_;
};
