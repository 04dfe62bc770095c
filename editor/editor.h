// The editor control: a custom-drawn, fixed-pitch editor for Shift-JIS text.
#pragma once

#include <QWidget>

class TEditor : public QWidget {
    Q_OBJECT
public:
    explicit TEditor(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {185, 89}; }
};
