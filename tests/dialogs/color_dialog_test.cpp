// Tests of the colour and background dialog: its switches, colour and picture choosers, and every line it writes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "components/bit_btn.h"
#include "components/combo_box.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "dialogs/color_dialog.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"

namespace {

class ColorDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<TForm9>([this](const QString& line) { written << line; });
        dialog->show();
    }

    QStringList Declarations() const
    {
        dialog->CheckBox1->setChecked(true);
        return dialog->RuleLines().value().mid(1);
    }

    std::unique_ptr<TForm9> dialog;
    QStringList written;
};

TEST_F(ColorDialogTest, StartsFromItsDefaultsAndTheBoxesEnableTheirControls)
{
    TForm9& d = *dialog;
    EXPECT_TRUE(d.ComboBox1->isEnabled());  // the one picture control that starts enabled
    EXPECT_EQ(d.ComboBox1->Text(), "fixed");
    EXPECT_EQ(d.RadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(d.ComboBox2->Text(), "%");
    EXPECT_EQ(d.ComboBox2->count(), 2);
    EXPECT_EQ(d.ComboBox3->Text(), "%");
    EXPECT_EQ(d.ComboBox3->count(), 0);
    EXPECT_TRUE(d.Edit6->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{d.Edit5, d.CheckBox8, d.RadioGroup1, d.Button1, d.Label6,
                                                      d.SpinEdit3, d.ComboBox2, d.SpinEdit4, d.ComboBox3, d.Edit3,
                                                      d.SpeedButton1, d.Edit4, d.SpeedButton2})
        EXPECT_FALSE(w->isEnabled());

    d.CheckBox5->click();
    for (QWidget* w :
         std::initializer_list<QWidget*>{d.Edit5, d.CheckBox8, d.ComboBox1, d.RadioGroup1, d.Button1, d.Label6})
        EXPECT_TRUE(w->isEnabled());
    d.CheckBox8->click();
    EXPECT_TRUE(d.SpinEdit3->isEnabled());
    EXPECT_TRUE(d.ComboBox3->isEnabled());
    // Unticking the picture box disables the position box but neither unticks it nor
    // disables the position controls.
    d.CheckBox5->click();
    EXPECT_FALSE(d.ComboBox1->isEnabled());
    EXPECT_FALSE(d.CheckBox8->isEnabled());
    EXPECT_TRUE(d.CheckBox8->isChecked());
    EXPECT_TRUE(d.SpinEdit3->isEnabled());

    d.CheckBox3->click();
    EXPECT_TRUE(d.Edit3->isEnabled());
    EXPECT_TRUE(d.SpeedButton1->isEnabled());
    d.CheckBox4->click();
    EXPECT_TRUE(d.Edit4->isEnabled());
    EXPECT_TRUE(d.SpeedButton2->isEnabled());
}

TEST_F(ColorDialogTest, TheThreeSwitchesDecideWhichLineClosesTheRule)
{
    TForm9& d = *dialog;
    d.Edit5->setText("a.gif");
    d.Edit3->setText("red");
    d.Edit4->setText("#FFFFFF");
    const QString bg = "  background: url(a.gif) fixed repeat";
    const struct {
        bool image, color, background;
        QStringList lines;
    } cases[] = {
        {true, true, true, {bg + ";", "  color:red;", "  background-color:#FFFFFF }"}},
        {true, true, false, {bg + ";", "  color:red }"}},
        {true, false, true, {bg + ";", "  background-color:#FFFFFF }"}},
        {true, false, false, {bg + " }"}},
        {false, true, true, {"  color:red;", "  background-color:#FFFFFF }"}},
        {false, true, false, {"  color:red }"}},
        {false, false, true, {"  background-color:#FFFFFF }"}},
        {false, false, false, {"}"}},
    };
    for (const auto& c : cases) {
        d.CheckBox5->setChecked(c.image);
        d.CheckBox3->setChecked(c.color);
        d.CheckBox4->setChecked(c.background);
        EXPECT_EQ(Declarations(), c.lines) << c.image << c.color << c.background;
    }
    // An empty colour writes no declaration; the rule is still closed.
    d.CheckBox3->setChecked(true);
    d.CheckBox4->setChecked(true);
    d.Edit4->setText(" ");
    EXPECT_EQ(Declarations(), QStringList({"  color:red;", "}"}));
}

TEST_F(ColorDialogTest, TheBackgroundLineWithPositionAndTiling)
{
    TForm9& d = *dialog;
    d.CheckBox5->click();
    EXPECT_EQ(Declarations(), QStringList{"  background: url() fixed repeat }"});
    d.Edit5->setText("a.gif");
    d.CheckBox8->click();
    d.CheckBox3->click();
    EXPECT_EQ(Declarations().first(), "  background: url(a.gif) fixed 0% 0% repeat;");
    d.CheckBox3->click();
    d.SpinEdit3->SetText("5");
    d.ComboBox2->setCurrentIndex(0);  // the empty unit entry
    emit d.ComboBox2->activated(0);
    EXPECT_EQ(Declarations(), QStringList{"  background: url(a.gif) fixed 5 0% repeat }"});
    const char* const tiling[] = {"repeat", "repeat-x", "repeat-y", "no-repeat"};
    for (int i = 0; i < 4; ++i) {
        d.RadioGroup1->Button(i)->click();
        EXPECT_EQ(Declarations(), QStringList{QString("  background: url(a.gif) fixed 5 0% ") + tiling[i] + " }"});
    }
    d.SpinEdit4->SetText("");  // a position without a number is left out
    EXPECT_EQ(Declarations(), QStringList{"  background: url(a.gif) fixed no-repeat }"});
    d.Edit5->setText("my sky (2).jpg");
    EXPECT_EQ(Declarations(), QStringList{"  background: url(\"my sky (2).jpg\") fixed no-repeat }"});
    d.CheckBox5->click();  // the position box stays ticked, but there is no picture line
    EXPECT_EQ(Declarations(), QStringList{"}"});
}

TEST_F(ColorDialogTest, WritesTheCompleteRule)
{
    TForm9& d = *dialog;
    d.CheckBox1->click();
    d.Edit1->setText("BODY");
    d.CheckBox5->click();
    d.Edit5->setText("sky.jpg");
    d.CheckBox8->click();
    d.SpinEdit3->SetText("10");
    d.ComboBox2->setCurrentIndex(1);
    emit d.ComboBox2->activated(1);
    d.SpinEdit4->SetText("20");
    d.RadioGroup1->Button(1)->click();
    d.CheckBox3->click();
    d.Edit3->setText("#000080");
    d.CheckBox4->click();
    d.Edit4->setText("#FFFFFF");
    QTest::mouseClick(d.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(written, QStringList({"BODY {", "  background: url(sky.jpg) fixed 10px 20% repeat-x;", "  color:#000080;",
                                    "  background-color:#FFFFFF }"}));
}

TEST_F(ColorDialogTest, ColourButtonsFillTheirEditAndRecolourThePreview)
{
    TForm9& d = *dialog;
    EXPECT_EQ(d.Label1->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(d.Label1->palette().color(QPalette::Window), QColor(Qt::white));
    d.CheckBox3->click();
    d.CheckBox4->click();
    QColor shown;
    AnswerColorChooser(Qt::red, true, &shown);
    d.SpeedButton1->click();
    EXPECT_EQ(shown, QColor(Qt::black));
    EXPECT_EQ(d.Edit3->text(), "#FF0000");
    EXPECT_EQ(d.Label1->palette().color(QPalette::WindowText), QColor(Qt::red));

    // The other button starts from the colour last confirmed in this dialog.
    AnswerColorChooser(QColor(0, 0, 0x80), true, &shown);
    d.SpeedButton2->click();
    EXPECT_EQ(shown, QColor(Qt::red));
    EXPECT_EQ(d.Edit4->text(), "#000080");
    EXPECT_EQ(d.Label1->palette().color(QPalette::Window), QColor(0, 0, 0x80));

    // Cancel changes nothing; typing does not recolour the preview.
    AnswerColorChooser(Qt::green, false);
    d.SpeedButton1->click();
    EXPECT_EQ(d.Edit3->text(), "#FF0000");
    d.Edit3->setText("blue");
    EXPECT_EQ(d.Label1->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(ColorDialogTest, BrowsingPutsOnlyThePicturesNameIntoTheUrl)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString saved = QDir::currentPath();
    const QString picture = dir.filePath("sky.jpg");
    QFile(picture).open(QIODevice::WriteOnly);
    TForm9& d = *dialog;
    d.CheckBox5->click();
    QString filter;
    AnswerNextModal([&](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        filter = files->selectedNameFilter();
        files->selectFile(picture);
        static_cast<QDialog*>(files)->accept();
    });
    d.Button1->click();
    EXPECT_EQ(d.Edit5->text(), "sky.jpg");
    EXPECT_TRUE(filter.startsWith("すべてのﾌｧｲﾙ (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)"));

    AnswerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    d.Button1->click();
    EXPECT_EQ(d.Edit5->text(), "sky.jpg");
    QDir::setCurrent(saved);
}

}  // namespace
