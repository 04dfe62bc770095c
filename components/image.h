// A picture control that shows one image at its natural size or stretched over its area.
#pragma once

#include <QPixmap>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // Loads a picture (a file path or a ":/" resource path). Returns false and shows
    // nothing when the picture is missing or cannot be decoded; never throws. A picture
    // drawn at twice the size, named with "@2x" before the extension, is loaded too when
    // there is one, and shown on screens of device pixel ratio above 1.
    bool LoadPicture(const QString& path);

    const QPixmap& Picture() const { return picture_; }
    // The "@2x" picture, null when there is none.
    const QPixmap& SharpPicture() const { return sharpPicture_; }
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
    // What paints: the sharp picture on a high-density screen, else the picture.
    const QPixmap& PictureToPaint() const;

    QPixmap picture_;
    QPixmap sharpPicture_;
    bool stretch_ = false;
    bool proportional_ = false;
};
