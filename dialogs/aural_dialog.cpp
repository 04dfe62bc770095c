// The aural dialog: the speech properties of CSS level 2, with a dial for the direction the voice comes from.
#include "dialogs/aural_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "components/bit_btn.h"
#include "components/check_group_box.h"
#include "components/combo_box.h"
#include "components/control_links.h"
#include "components/image.h"
#include "components/radio_ring.h"
#include "components/spin_edit.h"
#include "components/spoken_names.h"
#include "components/text_file_dialogs.h"
#include "components/value_pickers.h"
#include "dialogs/css_values.h"
#include "dialogs/dialog_layout.h"

QPointer<TForm11> Form11;

namespace {

const TDialogFrame kFrame{
    .Caption = QStringLiteral("音声・読み上げ"),
    .ClientSize = {562, 528},
    .HeaderHeight = 121,
    .TitlePicture = QStringLiteral(":/pictures/aural_title.jpg"),
    .HeaderText = QStringLiteral(" セレクターにスタイルシートを適用するタグ・クラスを指定し、それぞれの指定を行います。"
                                 "ここでは音声読み上げに関するスタイルを指定できます。"
                                 "なお、ここで指定できる属性は、ＣＳＳレヴェル２で定義されています"),
    .HeaderTextRect = {68, 2, 488, 45},
    .SelectorRect = {66, 47, 488, 73},
    .SelectorBehaviour = sbDisableKeepText,
    .SelectorLabel = QStringLiteral("に対し下のスタイルを適用します"),
    .CommentPos = {272, 458},
    .CommentEditWidth = 162,
    .OkPos = {392, 494},
    .CancelPos = {478, 494},
};

// Where each dial button stands in its group (left, top), clockwise from the top.
constexpr QPoint kDialPositions[16] = {{122, 42},  {153, 50},  {176, 68},  {194, 90}, {201, 121}, {197, 155},
                                       {179, 179}, {155, 196}, {122, 200}, {88, 196}, {67, 180},  {50, 156},
                                       {41, 124},  {46, 93},   {65, 68},   {90, 49}};
// The dial picture puts its circle's centre at (100, 107); in the group that is (128, 127).
constexpr QRect kDial(28, 20, 201, 217);

constexpr int kSmallGroupWidth = 132;
constexpr int kGap = 6;

}  // namespace

const std::array<const char*, 16> TForm11::kAzimuths{
    "center",        "center-right",       "right",        "far-right",
    "right-side",    "far-right behind",   "right behind", "center-right behind",
    "center behind", "center-left behind", "left behind",  "far-left behind",
    "left-side",     "far-left",           "left",         "center-left"};

TForm11::TForm11(TLineSink sink, QWidget* parent) : TStyleDialog(kFrame, std::move(sink), parent)
{
    NameFrameControls(Panel1, Image2, Label5, GroupBox3, CheckBox1, Edit1, CheckBox2, Edit2, Label3, CheckBox15, Edit4,
                      BitBtn1, BitBtn2);
    ConnectButtons(this, &TForm11::BitBtn1Click, &TForm11::BitBtn2Click);

    OpenDialog1 = new TEnhOpenDialog(this);
    OpenDialog1->SetFilter(QStringLiteral("WAVファイル|*.wav|MIDIファイル|*.mid"));
    OpenDialog1->SetFilterIndex(1);

    CreateValueGroups();
    CreateDial();
    CreateMusicGroup();
    LinkControls();
}

void TForm11::CreateValueGroups()
{
    // Two rows of small groups under the top panel; the volume group is the wider one.
    const auto small = [this](int column, int top, const QString& caption, QCheckBox*& box) {
        TCheckGroupBox* group =
            tavi::MakeCheckGroup(this, {8 + column * (kSmallGroupWidth + kGap), top, kSmallGroupWidth, 52}, caption);
        box = group->CheckBox();
        return group;
    };
    const QRect value(10, 22, kSmallGroupWidth - 20, 22);
    // The first voice stands for the generic female voice of CSS level 2.
    GroupBox1 = small(0, 128, QStringLiteral("声の種類"), CheckBox3);
    ComboBox1 = tavi::MakeComboBox(GroupBox1, value, {"female", "male", "child"}, QStringLiteral("male"));
    GroupBox4 = small(1, 128, QStringLiteral("読み上げ速度"), CheckBox4);
    ComboBox2 = tavi::MakeComboBox(GroupBox4, value, {"x-slow", "slow", "medium", "fast", "x-fast", "faster", "slower"},
                                   QStringLiteral("medium"));
    GroupBox5 = small(2, 128, QStringLiteral("ピッチ（音程）"), CheckBox5);
    ComboBox3 =
        tavi::MakeComboBox(GroupBox5, value, {"x-low", "low", "medium", "high", "x-high"}, QStringLiteral("medium"));
    GroupBox6 = small(3, 128, QStringLiteral("抑揚"), CheckBox6);
    SpinEdit2 = tavi::MakeSpinEdit(GroupBox6, value, 0, 100, 50);
    GroupBox7 = small(0, 186, QStringLiteral("アクセント"), CheckBox7);
    SpinEdit3 = tavi::MakeSpinEdit(GroupBox7, value, 0, 100, 50);
    GroupBox8 = small(1, 186, QStringLiteral("声の豊かさ"), CheckBox8);
    SpinEdit4 = tavi::MakeSpinEdit(GroupBox8, value, 0, 100, 50);

    GroupBox2 = tavi::MakeCheckGroup(this, {8 + 2 * (kSmallGroupWidth + kGap), 186, 2 * kSmallGroupWidth + kGap, 52},
                                     QStringLiteral("音量"));
    CheckBox9 = GroupBox2->CheckBox();
    RadioButton1 = tavi::MakeRadioButton(GroupBox2, {10, 22, 60, 22}, QStringLiteral("無音"));
    RadioButton2 = tavi::MakeRadioButton(GroupBox2, {74, 22, 90, 22}, QStringLiteral("音量指定"));
    SpinEdit1 = tavi::MakeSpinEdit(GroupBox2, {166, 22, 90, 22}, 0, 0, 0);
    tavi::NameAfter(ComboBox1, CheckBox3);
    tavi::NameAfter(ComboBox2, CheckBox4);
    tavi::NameAfter(ComboBox3, CheckBox5);
    tavi::NameAfter(SpinEdit2, CheckBox6);
    tavi::NameAfter(SpinEdit3, CheckBox7);
    tavi::NameAfter(SpinEdit4, CheckBox8);
    tavi::NameAfter(SpinEdit1, RadioButton2);
}

void TForm11::CreateDial()
{
    GroupBox9 =
        tavi::MakeCheckGroup(this, {8, 244, 257, 257}, QStringLiteral("左右のスピーカーバランス（ＰＡＮ調整）"));
    CheckBox10 = GroupBox9->CheckBox();
    Image1 = tavi::MakeFigure(GroupBox9, kDial, QStringLiteral(":/pictures/azimuth_dial.jpg"));
    QRadioButton** dial[] = {&RadioButton3,  &RadioButton4,  &RadioButton5,  &RadioButton6,
                             &RadioButton7,  &RadioButton8,  &RadioButton9,  &RadioButton10,
                             &RadioButton11, &RadioButton12, &RadioButton13, &RadioButton14,
                             &RadioButton15, &RadioButton16, &RadioButton17, &RadioButton18};
    for (int i = 0; i < 16; ++i) {
        QRadioButton* button = tavi::MakeRadioButton(GroupBox9, QRect(kDialPositions[i], QSize(13, 12)), QString());
        // Caption-less on screen; its keyword names it for tooltips and screen readers.
        button->setToolTip(QLatin1String(kAzimuths[i]));
        button->setAccessibleName(QStringLiteral("azimuth ") + QLatin1String(kAzimuths[i]));
        *dial[i] = button;
    }
    RadioButton3->setChecked(true);
    const std::array<QRadioButton*, 16> buttons = DialButtons();
    tavi::MakeRadioRing({buttons.begin(), buttons.end()});
}

void TForm11::CreateMusicGroup()
{
    GroupBox10 = tavi::MakeCheckGroup(this, {272, 244, 282, 52}, QStringLiteral("テーブル・ヘッディングの読み上げ"));
    CheckBox11 = GroupBox10->CheckBox();
    ComboBox4 = tavi::MakeComboBox(GroupBox10, {10, 22, 120, 22}, {"always", "once"}, QStringLiteral("once"));

    GroupBox11 = tavi::MakeCheckGroup(this, {272, 302, 282, 146}, QStringLiteral("BGMの指定"));
    CheckBox12 = GroupBox11->CheckBox();
    Label1 = tavi::MakeLabel(GroupBox11, {10, 30}, QStringLiteral("サウンドファイルのＵＲＬ"));
    Button1 = new QPushButton(QStringLiteral("参照"), GroupBox11);
    Button1->setGeometry(208, 24, 62, 24);
    Edit3 = tavi::MakeEdit(GroupBox11, {10, 54, 260, 22});
    tavi::NameAfter(ComboBox4, CheckBox11);
    tavi::NameAfter(Edit3, Label1);
    CheckBox13 = tavi::MakeCheckBox(GroupBox11, {10, 84, 260, 22}, QStringLiteral("繰り返し再生します"));
    CheckBox14 = tavi::MakeCheckBox(GroupBox11, {10, 112, 260, 22}, QStringLiteral("親要素のBGMも再生します"));
    connect(Button1, &QPushButton::clicked, this, &TForm11::Button1Click);
}

void TForm11::LinkControls()
{
    tavi::EnableWith(CheckBox3, {ComboBox1});
    tavi::EnableWith(CheckBox4, {ComboBox2});
    tavi::EnableWith(CheckBox5, {ComboBox3});
    tavi::EnableWith(CheckBox6, {SpinEdit2});
    tavi::EnableWith(CheckBox7, {SpinEdit3});
    tavi::EnableWith(CheckBox8, {SpinEdit4});
    // The volume follows its box, not the "音量指定" button.
    tavi::EnableWith(CheckBox9, {SpinEdit1, RadioButton1, RadioButton2});
    for (QRadioButton* button : DialButtons())
        tavi::EnableWith(CheckBox10, {button});
    tavi::EnableWith(CheckBox11, {ComboBox4});
    tavi::EnableWith(CheckBox12, {Label1, Edit3, CheckBox13, CheckBox14, Button1});
}

std::array<QRadioButton*, 16> TForm11::DialButtons() const
{
    return {RadioButton3,  RadioButton4,  RadioButton5,  RadioButton6,  RadioButton7,  RadioButton8,
            RadioButton9,  RadioButton10, RadioButton11, RadioButton12, RadioButton13, RadioButton14,
            RadioButton15, RadioButton16, RadioButton17, RadioButton18};
}

void TForm11::Button1Click()
{
    if (const std::optional<QString> name = tavi::PickFileName(*OpenDialog1))
        Edit3->setText(*name);
}

tavi::TRuleLines TForm11::VolumeLine() const
{
    if (RadioButton1->isChecked())
        return {tavi::Line("  volume : silent")};
    if (RadioButton2->isChecked())
        return tavi::Declaration("  volume : ", tavi::Number(SpinEdit1));
    return {};
}

tavi::TRuleLines TForm11::AzimuthLine() const
{
    const std::array<QRadioButton*, 16> buttons = DialButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked())
            return {tavi::Line(QStringLiteral("  azimuth : ") + QLatin1String(kAzimuths[i]))};
    }
    return {};
}

tavi::TRuleLines TForm11::PlayDuringLine() const
{
    // The play options choose the whole ending, which closes the rule.
    const bool repeat = CheckBox13->isChecked();
    const bool mix = CheckBox14->isChecked();
    const QString ending = repeat && mix ? " repeat mix }" : repeat ? " repeat }" : mix ? " mix }" : " }";
    return {tavi::ClosingLine("  play-during : " + tavi::CssUrl(Edit3->text()) + ending)};
}

bool TForm11::TakeAzimuth(const QString& value) const
{
    const std::array<QRadioButton*, 16> buttons = DialButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (value.trimmed().compare(QLatin1String(kAzimuths[i]), Qt::CaseInsensitive) == 0) {
            buttons[i]->setChecked(true);
            return true;
        }
    }
    return false;
}

bool TForm11::TakePlayDuring(const QString& value) const
{
    qsizetype end = 0;
    const std::optional<QString> url = tavi::CssUrlText(value, &end);
    if (!url)
        return false;
    const QStringList options = value.mid(end).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const bool repeat = options.contains(QStringLiteral("repeat"));
    const bool mix = options.contains(QStringLiteral("mix"));
    if (options.size() != int(repeat) + int(mix))
        return false;
    Edit3->setText(*url);
    CheckBox13->setChecked(repeat);
    CheckBox14->setChecked(mix);
    return true;
}

std::vector<tavi::TOptionGroup> TForm11::OptionGroups() const
{
    using tavi::DeclarationGroup;
    using tavi::NumberField;
    using tavi::TextField;
    const auto silent = [](const QString& value) {
        return value.trimmed().compare("silent", Qt::CaseInsensitive) == 0;
    };
    return {
        DeclarationGroup(CheckBox3, "  voice-family : ", TextField(ComboBox1)),
        DeclarationGroup(CheckBox4, "  speech-rate : ", TextField(ComboBox2)),
        DeclarationGroup(CheckBox5, "  pitch : ", TextField(ComboBox3)),
        DeclarationGroup(CheckBox6, "  pitch-range : ", NumberField(SpinEdit2)),
        DeclarationGroup(CheckBox7, "  stress : ", NumberField(SpinEdit3)),
        DeclarationGroup(CheckBox8, "  richness : ", NumberField(SpinEdit4)),
        {CheckBox9,
         [this] { return VolumeLine(); },
         {{"volume", silent, RadioButton1}, {"volume", NumberField(SpinEdit1).Take, RadioButton2}}},
        {CheckBox10,
         [this] { return AzimuthLine(); },
         {{"azimuth", [this](const QString& v) { return TakeAzimuth(v); }}}},
        DeclarationGroup(CheckBox11, "  speak-header : ", TextField(ComboBox4)),
        {CheckBox12,
         [this] { return PlayDuringLine(); },
         {{"play-during", [this](const QString& v) { return TakePlayDuring(v); }}}},
    };
}
