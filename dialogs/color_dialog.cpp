// The colour and background dialog: a background picture with its attachment, position and tiling, the text colour
// and the background colour.
#include "dialogs/color_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "components/bit_btn.h"
#include "components/check_group_box.h"
#include "components/combo_box.h"
#include "components/control_links.h"
#include "components/html_color_dialog.h"
#include "components/open_picture_dialog.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "components/spoken_names.h"
#include "components/value_pickers.h"
#include "dialogs/css_values.h"
#include "dialogs/dialog_layout.h"
#include "platform/font_names.h"

QPointer<TForm9> Form9;

namespace {

const QStringList kRepeats = {"repeat", "repeat-x", "repeat-y", "no-repeat"};

const TDialogFrame kFrame{
    .Caption = QStringLiteral("色・背景"),
    .ClientSize = {625, 396},
    .HeaderHeight = 113,
    .TitlePicture = QStringLiteral(":/pictures/color_title.jpg"),
    .HeaderText = QStringLiteral("セレクターにスタイルシートを適用する要素・クラスを指定し、それぞれの指定を行います。"
                                 "このダイアログでは、背景、色の指定を行うことができます"),
    .HeaderTextRect = {470, 8, 148, 98},
    .SelectorRect = {66, 14, 396, 84},
    .SelectorBehaviour = sbDisableKeepText,
    .SelectorLabel = QStringLiteral("に対して下のスタイルを指定します"),
    .CommentPos = {10, 362},
    .CommentEditWidth = 250,
    .CommentEditStartsEnabled = true,
    .OkPos = {450, 358},
    .CancelPos = {536, 358},
};

QToolButton* ColorButton(QWidget* parent, QPoint pos)
{
    auto* button = new QToolButton(parent);
    button->setGeometry(QRect(pos, QSize(24, 24)));
    button->setIcon(tavi::PaletteGlyph());
    button->setToolTip(QStringLiteral("色の選択"));
    return button;
}

}  // namespace

TForm9::TForm9(TLineSink sink, QWidget* parent) : TStyleDialog(kFrame, std::move(sink), parent)
{
    NameFrameControls(Panel1, Image3, Label5, GroupBox1, CheckBox1, Edit1, CheckBox2, Edit2, Label3, CheckBox9, Edit6,
                      BitBtn1, BitBtn2);
    ConnectButtons(this, &TForm9::BitBtn1Click, &TForm9::BitBtn2Click);

    HTMLcolorDialog1 = new THTMLcolorDialog(this);
    HTMLcolorDialog1->SetCtl3D(true);
    HTMLcolorDialog1->SetOptions(cdFullOpen);
    OpenPictureDialog1 = new TOpenPictureDialog(this);

    CreatePictureGroup();
    CreatePositionGroup();
    CreateColorGroups();
    LinkControls();
}

void TForm9::CreatePictureGroup()
{
    GroupBox5 = tavi::MakeCheckGroup(this, {8, 118, 609, 140}, QStringLiteral("背景にイメージを使う"));
    CheckBox5 = GroupBox5->CheckBox();
    Label6 = tavi::MakeLabel(GroupBox5, {12, 26}, QStringLiteral("画像のＵＲＬ"));
    QFont bold = Label6->font();
    bold.setBold(true);
    Label6->setFont(bold);
    Label6->adjustSize();
    Edit5 = tavi::MakeEdit(GroupBox5, {12, 46, 200, 22});
    Button1 = new QPushButton(QStringLiteral("参照"), GroupBox5);
    Button1->setGeometry(150, 20, 62, 24);
    GroupBox4 = new QGroupBox(QStringLiteral("背景の固定/非固定"), GroupBox5);
    GroupBox4->setGeometry(224, 16, 180, 54);
    ComboBox1 = tavi::MakeComboBox(GroupBox4, {10, 22, 120, 22}, {"fixed", "scroll"}, QStringLiteral("fixed"));
    tavi::NameAfter(Edit5, Label6);
    tavi::NameAfter(ComboBox1, GroupBox4);
    RadioGroup1 =
        tavi::MakeRadioGroup(GroupBox5, {412, 16, 188, 116}, QStringLiteral("イメージの繰り返し"),
                             {QStringLiteral("タイル状にすべて敷き詰める"), QStringLiteral("横方向にのみ反復"),
                              QStringLiteral("縦方向にのみ反復"), QStringLiteral("反復なし")});
    RadioGroup1->SetItemIndex(0);
}

void TForm9::CreatePositionGroup()
{
    GroupBox6 = tavi::MakeCheckGroup(GroupBox5, {12, 76, 392, 56}, QStringLiteral("背景イメージの表示位置指定"));
    CheckBox8 = GroupBox6->CheckBox();
    Label7 = tavi::MakeLabel(GroupBox6, {10, 28}, QStringLiteral("Ｘ方向（横）"));
    SpinEdit3 = tavi::MakeSpinEdit(GroupBox6, {Label7->geometry().right() + 4, 24, 56, 22}, 0, 0, 0);
    ComboBox2 =
        tavi::MakeComboBox(GroupBox6, {SpinEdit3->geometry().right() + 3, 24, 52, 22}, {"", "px"}, QStringLiteral("%"));
    ii = tavi::MakeLabel(GroupBox6, {ComboBox2->geometry().right() + 12, 28}, QStringLiteral("Ｙ方向（縦）"));
    SpinEdit4 = tavi::MakeSpinEdit(GroupBox6, {ii->geometry().right() + 4, 24, 56, 22}, 0, 0, 0);
    ComboBox3 = tavi::MakeComboBox(GroupBox6, {SpinEdit4->geometry().right() + 3, 24, 52, 22}, {}, QStringLiteral("%"));
    tavi::NameAfter(SpinEdit3, Label7);
    tavi::NameAfter(ComboBox2, Label7, QStringLiteral("の単位"));
    tavi::NameAfter(SpinEdit4, ii);
    tavi::NameAfter(ComboBox3, ii, QStringLiteral("の単位"));
}

void TForm9::CreateColorGroups()
{
    GroupBox2 = tavi::MakeCheckGroup(this, {8, 264, 164, 62}, QStringLiteral("前景色の指定"));
    CheckBox3 = GroupBox2->CheckBox();
    Edit3 = tavi::MakeEdit(GroupBox2, {10, 28, 116, 22});
    SpeedButton1 = ColorButton(GroupBox2, {130, 27});
    GroupBox3 = tavi::MakeCheckGroup(this, {178, 264, 164, 62}, QStringLiteral("背景色の指定"));
    CheckBox4 = GroupBox3->CheckBox();
    Edit4 = tavi::MakeEdit(GroupBox3, {10, 28, 116, 22});
    SpeedButton2 = ColorButton(GroupBox3, {130, 27});
    tavi::NameEach({{Edit3, QStringLiteral("前景色")},
                    {SpeedButton1, QStringLiteral("前景色の選択")},
                    {Edit4, QStringLiteral("背景色")},
                    {SpeedButton2, QStringLiteral("背景色の選択")}});

    Label1 = new QLabel(QStringLiteral("TAVI CSS Editor! "), this);
    QFont preview = tavi::FormFont(29);
    preview.setBold(true);
    preview.setItalic(true);
    Label1->setFont(preview);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(348, 270, 269, 56);
    tavi::SetTextColor(Label1, tavi::clBlack);
    tavi::SetBackgroundColor(Label1, tavi::clWhite);

    connect(SpeedButton1, &QToolButton::clicked, this, &TForm9::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm9::SpeedButton2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
}

void TForm9::LinkControls()
{
    tavi::EnableWith(CheckBox5, {Edit5, CheckBox8, ComboBox1, RadioGroup1, Button1, Label6});
    // The attachment box starts enabled and follows the picture box from its first change.
    ComboBox1->setEnabled(true);
    tavi::EnableWith(CheckBox8, {SpinEdit3, ComboBox2, ComboBox3, SpinEdit4});
    tavi::EnableWith(CheckBox3, {Edit3, SpeedButton1});
    tavi::EnableWith(CheckBox4, {Edit4, SpeedButton2});
}

void TForm9::SpeedButton1Click()
{
    if (tavi::PickColorText(*HTMLcolorDialog1, Edit3))
        tavi::SetTextColor(Label1, HTMLcolorDialog1->Color());
}

void TForm9::SpeedButton2Click()
{
    if (tavi::PickColorText(*HTMLcolorDialog1, Edit4))
        tavi::SetBackgroundColor(Label1, HTMLcolorDialog1->Color());
}

void TForm9::Button1Click()
{
    if (const std::optional<QString> name = tavi::PickFileName(*OpenPictureDialog1))
        Edit5->setText(*name);
}

tavi::TRuleLines TForm9::BackgroundLine() const
{
    // The position is written only while its box is ticked, each number fused to its unit;
    // a box holding no number leaves the position out.
    const QString x = tavi::Length(SpinEdit3, ComboBox2);
    const QString y = tavi::Length(SpinEdit4, ComboBox3);
    const QString position = CheckBox8->isChecked() && !x.isEmpty() && !y.isEmpty()
                                 ? QLatin1Char(' ') + x + QLatin1Char(' ') + y
                                 : QString();
    return tavi::KeywordLine("  background: " + tavi::CssUrl(Edit5->text()) + " " + ComboBox1->Text() + position + " ",
                             RadioGroup1, kRepeats);
}

bool TForm9::TakeBackground(const QString& value) const
{
    // Read back as BackgroundLine writes it: url, the attachment list's text, the position
    // when there is one, the repeat keyword.
    qsizetype end = 0;
    const std::optional<QString> url = tavi::CssUrlText(value, &end);
    if (!url || end >= value.size() || value[end] != QLatin1Char(' '))
        return false;
    const QString rest = value.mid(end + 1);
    const qsizetype lastSpace = rest.lastIndexOf(QLatin1Char(' '));
    if (lastSpace < 0)
        return false;
    // The keyword first: a value it refuses leaves every control as it was.
    if (!tavi::KeywordField(RadioGroup1, kRepeats).Take(rest.mid(lastSpace + 1)))
        return false;
    QStringList middle = rest.left(lastSpace).split(QLatin1Char(' '));
    const tavi::TField x = tavi::LengthField(SpinEdit3, ComboBox2);
    const tavi::TField y = tavi::LengthField(SpinEdit4, ComboBox3);
    const bool position = middle.size() >= 3 && x.Take(middle[middle.size() - 2]) && y.Take(middle.back());
    if (position)
        middle.resize(middle.size() - 2);
    CheckBox8->setChecked(position);
    Edit5->setText(*url);
    ComboBox1->SetText(middle.join(QLatin1Char(' ')));
    return true;
}

std::vector<tavi::TOptionGroup> TForm9::OptionGroups() const
{
    return {
        {CheckBox5,
         [this] { return BackgroundLine(); },
         {{"background", [this](const QString& value) { return TakeBackground(value); }}}},
        tavi::DeclarationGroup(CheckBox3, "  color:", tavi::TextField(Edit3)),
        tavi::DeclarationGroup(CheckBox4, "  background-color:", tavi::TextField(Edit4)),
    };
}
