// A picture control that shows one image at its natural size or stretched over its area.
#pragma once

#include <QPixmap>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // Loads a picture (a file path or a ":/" resource path). Returns false and shows
    // nothing when the picture is missing or cannot be decoded; never throws.
    bool LoadPicture(const QString& path);

    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);

    // When true the picture is scaled to the control's size; otherwise it is drawn
    // at its natural size from the top left corner.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

    // When stretching, keeps the picture's proportions and centres it.
    bool Proportional() const { return proportional_; }
    void SetProportional(bool proportional);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
    bool proportional_ = false;
};
