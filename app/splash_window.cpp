// The splash window shown while the main window prepares itself.
#include "app/splash_window.h"

#include <QScreen>

#include "components/image.h"

QPointer<TForm5> Form5;

TForm5::TForm5(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setFixedSize(296, 198);
    Image1 = new TImage(this);
    Image1->setGeometry(rect());
    Image1->SetStretch(true);
    Image1->LoadPicture(QStringLiteral(":/pictures/splash.jpg"));
    if (const QScreen* screen = this->screen())
        move(screen->geometry().center() - rect().center());
}
