// A picture control that shows one image at its natural size or stretched over its area.
#include "components/image.h"

#include <QImageReader>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

bool TImage::LoadPicture(const QString& path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    SetPicture(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    return !image.isNull();
}

void TImage::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void TImage::SetStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void TImage::SetProportional(bool proportional)
{
    proportional_ = proportional;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, stretch_);
    if (stretch_ && proportional_) {
        QRect target(QPoint(), picture_.size().scaled(size(), Qt::KeepAspectRatio));
        target.moveCenter(rect().center());
        painter.drawPixmap(target, picture_);
    } else if (stretch_)
        painter.drawPixmap(rect(), picture_);
    else
        painter.drawPixmap(0, 0, picture_);
}
