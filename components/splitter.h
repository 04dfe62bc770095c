// A thin bar between two aligned controls that resizes the control on one side of it when dragged.
#pragma once

#include <QPointer>
#include <QWidget>

class TSplitter : public QWidget {
    Q_OBJECT
public:
    // A horizontal bar (the controls are stacked top to bottom) is `thickness`
    // pixels high; a vertical one is that many pixels wide.
    TSplitter(Qt::Orientation orientation, int thickness, QWidget* parent = nullptr);

    // The control whose height (or width) a drag changes; none means the bar is inert.
    QWidget* Control() const { return control_; }
    void SetControl(QWidget* control);
    // Whether the control lies after the bar (right of it, or below) rather than before it.
    bool ControlAfter() const { return controlAfter_; }
    void SetControlAfter(bool after) { controlAfter_ = after; }

    // The smallest size a drag may give the control.
    int MinSize() const { return minSize_; }
    void SetMinSize(int minSize) { minSize_ = minSize; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int Along(const QPointF& globalPos) const;

    Qt::Orientation orientation_;
    QPointer<QWidget> control_;
    int minSize_ = 30;
    bool controlAfter_ = false;
    bool dragging_ = false;
    int dragStart_ = 0;
    int sizeAtStart_ = 0;
};
