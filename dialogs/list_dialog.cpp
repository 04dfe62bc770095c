// The list dialog: the kind of list mark or a picture as the mark, and where the mark stands.
#include "dialogs/list_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "components/bit_btn.h"
#include "components/control_links.h"
#include "components/image.h"
#include "components/open_picture_dialog.h"
#include "components/radio_group.h"
#include "components/spoken_names.h"
#include "components/value_pickers.h"
#include "dialogs/css_values.h"
#include "dialogs/dialog_layout.h"

QPointer<TForm7> Form7;

namespace {

const TDialogFrame kFrame{
    .Caption = QStringLiteral("リスト"),
    .ClientSize = {560, 519},
    .HeaderHeight = 146,
    .TitlePicture = QStringLiteral(":/pictures/list_title.jpg"),
    .HeaderText =
        QStringLiteral(" セレクターにスタイルシートを適用する要素、クラスを指定して、それぞれを指定します。"
                       "ここでは、リストのスタイルを指定できます。したがって、適用する要素は OL、ULなどです。"),
    .HeaderTextRect = {68, 8, 484, 48},
    .SelectorRect = {66, 58, 486, 82},
    .SelectorBehaviour = sbDisableKeepText,
    .SelectorLabel = QStringLiteral("に対し、下のスタイルを適用します"),
    .CommentPos = {8, 488},
    .CommentEditWidth = 240,
    .OkPos = {388, 484},
    .CancelPos = {474, 484},
};

const QStringList kMarkItems{
    QStringLiteral("●（中黒丸）"),
    QStringLiteral("○（中白丸）"),
    QStringLiteral("■（四角）"),
    QStringLiteral("数字 1,2,3..."),
    QStringLiteral("ローマ数字小文字 ⅰⅱⅲ..."),
    QStringLiteral("ローマ数字大文字 ⅠⅡⅢ..."),
    QStringLiteral("アルファベット小文字 a,b,c..."),
    QStringLiteral("アルファベット大文字 A,B,C..."),
    QStringLiteral("ゼロ付きの数字(CSS2) 01,02,03..."),
    QStringLiteral("ギリシア文字(CSS2) α,β..."),
    QStringLiteral("ジョージア式(CSS2) an,ban,gan...."),
    QStringLiteral("アルメニア式(CSS2) ?"),
    QStringLiteral("ヘブライ式(CSS2) ?"),
    QStringLiteral("ひらがな(CSS2) あ,い,う..."),
    QStringLiteral("カタカナ(CSS2) ア,イ,ウ..."),
    QStringLiteral("いろは式ひらがな(CSS2) い,ろ,は..."),
    QStringLiteral("イロハ式カタカナ(CSS2) イ,ロ,ハ..."),
    QStringLiteral("無し・無効"),
};

}  // namespace

// Item 10 is CSS2's Georgian numbering, whose keyword is "georgian".
const QStringList TForm7::kMarkKeywords{"disc",           "circle",         "square",
                                        "decimal",        "lower-roman",    "upper-roman",
                                        "lower-alpha",    "upper-alpha",    "decimal-leading-zero",
                                        "lower-greek",    "georgian",       "armenian",
                                        "hebrew",         "hiragana",       "katakana",
                                        "hiragana-iroha", "katakana-iroha", "none"};

TForm7::TForm7(TLineSink sink, QWidget* parent) : TStyleDialog(kFrame, std::move(sink), parent)
{
    NameFrameControls(Panel1, Image1, Label2, GroupBox1, CheckBox1, Edit1, CheckBox2, Edit2, Label3, CheckBox6, Edit4,
                      BitBtn1, BitBtn2);
    ConnectButtons(this, &TForm7::BitBtn1Click, &TForm7::BitBtn2Click);
    OpenPictureDialog1 = new TOpenPictureDialog(this);

    RadioGroup1 = tavi::MakeOptionRadioGroup(this, CheckBox3, {8, 152, 544, 196}, QStringLiteral("リストマークの種類"),
                                             kMarkItems);
    CreatePictureGroup();
    CreatePositionGroup();

    tavi::EnableWith(CheckBox3, {RadioGroup1});
    tavi::EnableWith(CheckBox4, {Edit3, Button1, Label1});
    tavi::ExcludeEachOther(CheckBox3, CheckBox4);
    tavi::EnableWith(CheckBox5, {RadioButton1, RadioButton2});
    tavi::ShowWith(RadioButton1, {Image2});
    tavi::ShowWith(RadioButton2, {Image3});
}

void TForm7::CreatePictureGroup()
{
    GroupBox2 =
        tavi::MakeOptionFrame(this, CheckBox4, {8, 356, 260, 114}, QStringLiteral("リストマークにイメージを使用"));
    Label1 = tavi::MakeLabel(GroupBox2, {10, 30}, QStringLiteral("画像ファイルのＵＲＬ"));
    Button1 = new QPushButton(QStringLiteral("参照"), GroupBox2);
    Button1->setGeometry(186, 24, 62, 24);
    Edit3 = tavi::MakeEdit(GroupBox2, {10, 54, 238, 22});
    tavi::NameAfter(Edit3, Label1);
    connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
}

void TForm7::CreatePositionGroup()
{
    GroupBox3 = tavi::MakeOptionFrame(this, CheckBox5, {276, 356, 276, 114}, QStringLiteral("リストマークの位置"));
    RadioButton1 = tavi::MakeRadioButton(GroupBox3, {10, 30, 180, 22}, QStringLiteral("Outside （マークが外側に）"));
    RadioButton2 = tavi::MakeRadioButton(GroupBox3, {10, 60, 180, 22}, QStringLiteral("Inside （マークが内側に）"));
    RadioButton1->setChecked(true);
    // The two pictures stand in one place; the chosen position shows its own.
    const QRect pictures(192, 28, 76, 62);
    Image2 = tavi::MakeFigure(GroupBox3, pictures, QStringLiteral(":/pictures/list_outside.jpg"));
    Image3 = tavi::MakeFigure(GroupBox3, pictures, QStringLiteral(":/pictures/list_inside.jpg"));
}

void TForm7::Button1Click()
{
    if (const std::optional<QString> name = tavi::PickFileName(*OpenPictureDialog1))
        Edit3->setText(*name);
}

std::vector<tavi::TOptionGroup> TForm7::OptionGroups() const
{
    const auto url = [this](const QString& value) {
        qsizetype end = 0;
        const std::optional<QString> text = tavi::CssUrlText(value.trimmed(), &end);
        if (!text || end != value.trimmed().size())
            return false;
        Edit3->setText(*text);
        return true;
    };
    const auto is = [](const char* keyword) {
        return [keyword](const QString& value) { return value.trimmed().compare(keyword, Qt::CaseInsensitive) == 0; };
    };
    return {
        tavi::KeywordGroup(CheckBox3, "  list-style-type: ", RadioGroup1, kMarkKeywords),
        {CheckBox4,
         [this] { return tavi::TRuleLines{tavi::Line("  list-style-image: " + tavi::CssUrl(Edit3->text()))}; },
         {{"list-style-image", url}}},
        {CheckBox5,
         [this] {
             // Both position lines end with a space after the brace.
             const QString where = RadioButton2->isChecked() ? "inside" : "outside";
             return tavi::TRuleLines{tavi::ClosingLine("  list-style-position: " + where + " } ")};
         },
         {{"list-style-position", is("outside"), RadioButton1}, {"list-style-position", is("inside"), RadioButton2}}},
    };
}
