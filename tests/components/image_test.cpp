// Tests of the picture control, including pictures that are missing or broken.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTemporaryFile>

#include "components/image.h"

namespace {

QImage Render(TImage& image)
{
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(Qt::magenta);
    image.render(&out, QPoint(), QRegion(), QWidget::DrawChildren);  // no window background
    return out;
}

}  // namespace

TEST(Image, DecodesTheCompiledInJpegPictures)
{
    TImage image;
    EXPECT_TRUE(image.LoadPicture(":/pictures/banner.jpg"));
    EXPECT_EQ(image.Picture().size(), QSize(257, 63));
    EXPECT_TRUE(image.LoadPicture(":/pictures/splash.jpg"));
    EXPECT_EQ(image.Picture().size(), QSize(296, 198));
    // High-density screens get the picture drawn at twice the size.
    EXPECT_EQ(image.SharpPicture().size(), QSize(592, 396));
    EXPECT_EQ(image.SharpPicture().devicePixelRatio(), 2);
    image.SetPicture(QPixmap(4, 4));
    EXPECT_TRUE(image.SharpPicture().isNull());
}

TEST(Image, AMissingOrBrokenPictureLeavesTheControlEmptyAndPaintable)
{
    TImage image;
    image.resize(40, 20);
    ASSERT_TRUE(image.LoadPicture(":/pictures/banner.jpg"));
    EXPECT_FALSE(image.LoadPicture(":/pictures/no-such-picture.jpg"));
    EXPECT_TRUE(image.Picture().isNull());

    QTemporaryFile broken;
    ASSERT_TRUE(broken.open());
    broken.write("\xFF\xD8\xFF\xE0 not really a JPEG");
    broken.close();
    EXPECT_FALSE(image.LoadPicture(broken.fileName()));
    EXPECT_EQ(Render(image).pixelColor(5, 5), QColor(Qt::magenta));  // nothing drawn
}

TEST(Image, StretchScalesThePictureOverTheWholeControl)
{
    QPixmap red(2, 2);
    red.fill(Qt::red);
    TImage image;
    image.resize(30, 30);
    image.SetPicture(red);
    EXPECT_EQ(Render(image).pixelColor(20, 20), QColor(Qt::magenta));
    image.SetStretch(true);
    EXPECT_EQ(Render(image).pixelColor(20, 20), QColor(Qt::red));
}
