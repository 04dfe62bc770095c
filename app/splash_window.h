// The splash window shown while the main window prepares itself.
#pragma once

#include <QPointer>
#include <QWidget>

class TImage;

// A borderless 296 by 198 window centred on the screen and covered by one picture.
class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    TImage* Image1;
};

extern QPointer<TForm5> Form5;
