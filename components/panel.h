// A raised panel that holds controls at fixed positions and can keep one control against its right edge.
#pragma once

#include <QFrame>
#include <QPointer>

class TPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);

    // Keeps `control` against the right inner edge, at the top inner edge, whatever the
    // panel's width; null releases it.
    void SetRightAligned(QWidget* control);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceRightAligned();

    QPointer<QWidget> rightAligned_;
};
