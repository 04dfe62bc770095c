// Tests of the aural dialog: the azimuth dial by mouse and keyboard, the play options, and every line it writes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

#include "components/check_group_box.h"
#include "components/combo_box.h"
#include "components/image.h"
#include "components/spin_edit.h"
#include "dialogs/aural_dialog.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"

namespace {

class AuralDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<TForm11>([](const QString&) {});
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        dialog->CheckBox1->click();
        dialog->Edit1->setText("H1");
    }
    QStringList Declarations() const { return dialog->RuleLines().value().mid(1); }

    std::unique_ptr<TForm11> dialog;
};

TEST_F(AuralDialogTest, EveryOptionAtItsStartStateExceptVolume)
{
    TForm11& d = *dialog;
    EXPECT_EQ(d.ComboBox1->itemText(0), "female");
    for (QCheckBox* box : {d.CheckBox3, d.CheckBox4, d.CheckBox5, d.CheckBox6, d.CheckBox7, d.CheckBox8, d.CheckBox10,
                           d.CheckBox11, d.CheckBox12})
        box->click();
    EXPECT_EQ(Declarations(),
              QStringList({"  voice-family : male;", "  speech-rate : medium;", "  pitch : medium;",
                           "  pitch-range : 50;", "  stress : 50;", "  richness : 50;", "  azimuth : center;",
                           "  speak-header : once;", "  play-during : url() }"}));
}

TEST_F(AuralDialogTest, VolumeLinesAndTheRuleLeftOpenWithoutAChoice)
{
    TForm11& d = *dialog;
    EXPECT_FALSE(d.SpinEdit1->isEnabled());
    d.CheckBox8->click();
    d.CheckBox9->click();
    EXPECT_TRUE(d.SpinEdit1->isEnabled());                              // follows the box, not the button
    EXPECT_EQ(Declarations(), QStringList({"  richness : 50;", "}"}));  // a line "}" closes what was left open
    d.CheckBox8->click();
    d.RadioButton2->click();
    EXPECT_EQ(Declarations(), QStringList{"  volume : 0 }"});
    d.RadioButton1->click();
    EXPECT_EQ(Declarations(), QStringList{"  volume : silent }"});
}

TEST_F(AuralDialogTest, TheDialsButtonsSitOnTheRimClockwiseAndExactlyOneIsChosen)
{
    TForm11& d = *dialog;
    const std::array<QRadioButton*, 16> dial = d.DialButtons();
    const QPointF centre = QPointF(d.Image1->pos()) + QPointF(100, 107);
    double previous = -1;
    for (QRadioButton* button : dial) {
        EXPECT_EQ(button->size(), QSize(13, 12));
        EXPECT_TRUE(button->text().isEmpty());
        EXPECT_FALSE(button->isEnabled());
        const QPointF c = QRectF(button->geometry()).center();
        EXPECT_NEAR(std::hypot(c.x() - centre.x(), c.y() - centre.y()), 79, 5);
        // The angle clockwise from the top grows from one button to the next.
        double angle = std::atan2(c.x() - centre.x(), centre.y() - c.y());
        if (angle < -0.1)
            angle += 2 * M_PI;
        EXPECT_GT(angle, previous);
        previous = angle;
    }
    EXPECT_TRUE(d.RadioButton3->isChecked());
    d.CheckBox10->click();
    d.RadioButton11->click();
    EXPECT_EQ(std::count_if(dial.begin(), dial.end(), [](QRadioButton* b) { return b->isChecked(); }), 1);
    EXPECT_EQ(Declarations(), QStringList{"  azimuth : center behind }"});
    d.RadioButton18->click();
    EXPECT_EQ(Declarations(), QStringList{"  azimuth : center-left }"});
}

TEST_F(AuralDialogTest, TheKeyboardReachesEveryDialPosition)
{
    TForm11& d = *dialog;
    const QStringList expected{"center",        "center-right",       "right",        "far-right",
                               "right-side",    "far-right behind",   "right behind", "center-right behind",
                               "center behind", "center-left behind", "left behind",  "far-left behind",
                               "left-side",     "far-left",           "left",         "center-left"};
    d.CheckBox10->click();
    d.RadioButton3->setFocus();
    for (int step = 1; step <= 16; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        EXPECT_EQ(Declarations(), QStringList{"  azimuth : " + expected[step % 16] + " }"}) << step;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_TRUE(d.RadioButton18->isChecked());
    EXPECT_TRUE(d.RadioButton18->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(d.RadioButton3->isChecked());
    EXPECT_EQ(d.RadioButton7->accessibleName(), "azimuth right-side");
}

TEST_F(AuralDialogTest, PlayOptionsChooseTheWholeEnding)
{
    TForm11& d = *dialog;
    EXPECT_FALSE(d.CheckBox13->isEnabled());
    d.CheckBox12->click();
    EXPECT_TRUE(d.CheckBox13->isEnabled());
    d.Edit3->setText("bgm.mid");
    const struct {
        bool repeat, mixed;
        const char* line;
    } cases[] = {{true, true, "  play-during : url(bgm.mid) repeat mix }"},
                 {true, false, "  play-during : url(bgm.mid) repeat }"},
                 {false, true, "  play-during : url(bgm.mid) mix }"},
                 {false, false, "  play-during : url(bgm.mid) }"}};
    for (const auto& c : cases) {
        d.CheckBox13->setChecked(c.repeat);
        d.CheckBox14->setChecked(c.mixed);
        EXPECT_EQ(Declarations(), QStringList{c.line});
    }
    d.Edit3->setText("my bgm.mid");  // a name a bare url cannot hold is quoted
    EXPECT_EQ(Declarations(), QStringList{"  play-during : url(\"my bgm.mid\") }"});
    d.CheckBox11->click();
    EXPECT_EQ(Declarations().first(), "  speak-header : once;");
    d.CheckBox12->click();
    EXPECT_EQ(Declarations(), QStringList{"  speak-header : once }"});
}

TEST_F(AuralDialogTest, BrowsingPutsOnlyTheSoundsNameIntoTheUrl)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString saved = QDir::currentPath();
    QFile(dir.filePath("bgm.mid")).open(QIODevice::WriteOnly);
    TForm11& d = *dialog;
    d.CheckBox12->click();
    QStringList filters;
    AnswerNextModal([&](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        filters = files->nameFilters();
        files->selectFile(dir.filePath("bgm.mid"));
        static_cast<QDialog*>(files)->accept();
    });
    d.Button1->click();
    EXPECT_EQ(d.Edit3->text(), "bgm.mid");
    EXPECT_EQ(filters, QStringList({"WAVファイル (*.wav)", "MIDIファイル (*.mid)"}));
    QDir::setCurrent(saved);
}

TEST_F(AuralDialogTest, PercentSpinEditsKeepToZeroToAHundredAndTheCompleteResult)
{
    TForm11& d = *dialog;
    for (auto [box, spin] :
         {std::pair{d.CheckBox6, d.SpinEdit2}, {d.CheckBox7, d.SpinEdit3}, {d.CheckBox8, d.SpinEdit4}}) {
        box->click();
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, "150");
        d.Edit1->setFocus();
        EXPECT_EQ(spin->Text(), "100");
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, "-5");
        d.Edit1->setFocus();
        EXPECT_EQ(spin->Text(), "0");
        box->click();
    }

    d.CheckBox3->click();
    d.ComboBox1->setCurrentIndex(2);
    emit d.ComboBox1->activated(2);
    d.CheckBox9->click();
    d.RadioButton1->click();
    d.CheckBox10->click();
    d.RadioButton7->click();
    d.CheckBox12->click();
    d.Edit3->setText("intro.wav");
    d.CheckBox13->click();
    EXPECT_EQ(d.RuleLines(), QStringList({"H1 {", "  voice-family : child;", "  volume : silent;",
                                          "  azimuth : right-side;", "  play-during : url(intro.wav) repeat }"}));
}

}  // namespace
