// The about box: the program's picture, a mail link to its makers and a Close button.
#pragma once

#include <QDialog>
#include <QPointer>

class TBitBtn;
class TImage;
class TURLLink;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    // The address behind the mail link.
    static const QString kMailAddress;

    TImage* Image1;
    TBitBtn* BitBtn1;  // Close
    TURLLink* URLLink1;

public slots:
    void BitBtn1Click() { close(); }
};

extern QPointer<TForm6> Form6;
