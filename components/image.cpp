// A picture control that shows one image at its natural size or stretched over its area.
#include "components/image.h"

#include <QImageReader>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

namespace {

QString SharpName(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return dot > slash ? path.left(dot) + QStringLiteral("@2x") + path.mid(dot) : path + QStringLiteral("@2x");
}

}  // namespace

bool TImage::LoadPicture(const QString& path)
{
    const QImage image = QImageReader(path).read();
    SetPicture(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    if (!image.isNull()) {
        QImage sharp = QImageReader(SharpName(path)).read();
        if (sharp.size() == image.size() * 2) {
            sharp.setDevicePixelRatio(2);
            sharpPicture_ = QPixmap::fromImage(sharp);
        }
    }
    return !image.isNull();
}

void TImage::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    sharpPicture_ = QPixmap();
    update();
}

const QPixmap& TImage::PictureToPaint() const
{
    return devicePixelRatioF() > 1 && !sharpPicture_.isNull() ? sharpPicture_ : picture_;
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
        painter.drawPixmap(target, PictureToPaint());
    } else if (stretch_)
        painter.drawPixmap(rect(), PictureToPaint());
    else
        painter.drawPixmap(0, 0, PictureToPaint());
}
