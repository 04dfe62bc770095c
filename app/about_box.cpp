// The about box: the program's picture, a mail link to its makers and a Close button.
#include "app/about_box.h"

#include "components/bit_btn.h"
#include "components/image.h"
#include "components/url_link.h"
#include "platform/font_names.h"

QPointer<TForm6> Form6;

const QString TForm6::kMailAddress = QStringLiteral("tavi@example.org");

TForm6::TForm6(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFont(tavi::FormFont(12));
    // The box's outer size 308 by 224 is a client area of 300 by 197 inside the frame.
    setFixedSize(300, 197);
    move(433, 73);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Image1 = new TImage(this);
    Image1->setGeometry(rect());
    Image1->SetStretch(true);
    Image1->LoadPicture(QStringLiteral(":/pictures/splash.jpg"));

    BitBtn1 = new TBitBtn(QStringLiteral("&Close"), this);
    BitBtn1->setGeometry(123, 120, 47, 20);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm6::BitBtn1Click);

    URLLink1 = new TURLLink(this);
    URLLink1->setGeometry(88, 168, 120, 13);
    URLLink1->SetURLType(tpMAIL);
    URLLink1->SetLink(kMailAddress);
    URLLink1->setText(kMailAddress);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(11);
    font.setBold(true);
    font.setUnderline(true);
    URLLink1->setFont(font);
    URLLink1->SetFontColor(tavi::clAqua);
    URLLink1->SetLinkColor(tavi::clRed);
    URLLink1->SetHintFormFont(tavi::FormFont(12));
    URLLink1->setAttribute(Qt::WA_TranslucentBackground);
    URLLink1->setAlignment(Qt::AlignCenter);
}
