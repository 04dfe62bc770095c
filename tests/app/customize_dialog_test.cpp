// Tests of the editor customisation dialog: its preview, its links, its choosers, and what OK and Cancel do.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/customize_dialog.h"
#include "app/main_editor_setup.h"
#include "components/bit_btn.h"
#include "components/spin_edit.h"
#include "editor/editor.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"

namespace {

class CustomizeDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ConfigureMainEditor(&main);
        Open();
    }
    void Open()
    {
        dialog = std::make_unique<TForm12>(&main);
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    // Types `text` over the whole field (never passing through an empty field, which the
    // live fields report as no number).
    void Retype(TSpinEdit* spin, const QString& text)
    {
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, text);
    }

    TEditor main;
    std::unique_ptr<TForm12> dialog;
};

TEST_F(CustomizeDialogTest, OpensWithThePreviewAndTheBoxesOfTheMainEditorsLook)
{
    TForm12& d = *dialog;
    EXPECT_EQ(d.windowTitle(), "メインエディタのカスタマイズ");
    EXPECT_EQ(d.size(), QSize(845, 417));
    EXPECT_TRUE(d.Editor1->ReadOnly());
    EXPECT_EQ(d.Editor1->WrapByte(), 20);
    EXPECT_EQ(d.Editor1->ReserveWordList(), std::vector<std::string>{"Reserved"});
    EXPECT_EQ(d.Editor1->Lines().Get(0), "TAVI CSS Editor ");
    EXPECT_EQ(d.Editor1->Lines().Get(6), "Reserved Word Color");
    for (QCheckBox* on : {d.CheckBox17, d.CheckBox3, d.CheckBox6, d.CheckBox13, d.CheckBox12, d.CheckBox15})
        EXPECT_TRUE(on->isChecked()) << on->text().toStdString();
    EXPECT_EQ(d.SpinEdit3->Text(), "80");
    EXPECT_EQ(d.SpinEdit1->Text(), "19");
    EXPECT_EQ(d.SpinEdit2->Text(), "0");
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{d.BitBtn1, d.SpeedButton1, d.SpeedButton2, d.SpeedButton3, d.SpeedButton4,
                                         d.Button1, d.SpeedButton5, d.SpeedButton6, d.SpeedButton7})
        EXPECT_FALSE(hidden->isVisible());
    EXPECT_FALSE(d.SpinEdit1->isEnabled());

    // A main editor that does not wrap: the width field shows 0.
    main.SetWordWrap(false);
    Open();
    EXPECT_FALSE(dialog->CheckBox12->isChecked());
    EXPECT_EQ(dialog->SpinEdit3->Text(), "0");
    EXPECT_FALSE(dialog->SpinEdit3->isEnabled());
}

TEST_F(CustomizeDialogTest, EachBoxShowsEnablesOrSwitchesWhatItGoverns)
{
    TForm12& d = *dialog;
    const std::pair<QCheckBox*, QWidget*> shows[] = {
        {d.CheckBox1, d.BitBtn1},      {d.CheckBox2, d.SpeedButton1},  {d.CheckBox4, d.SpeedButton2},
        {d.CheckBox5, d.SpeedButton3}, {d.CheckBox7, d.SpeedButton4},  {d.CheckBox8, d.Button1},
        {d.CheckBox9, d.SpeedButton5}, {d.CheckBox14, d.SpeedButton6}, {d.CheckBox16, d.SpeedButton7}};
    for (auto [box, shown] : shows) {
        box->click();
        EXPECT_TRUE(shown->isVisible()) << box->text().toStdString();
    }
    d.CheckBox10->click();
    EXPECT_TRUE(d.SpinEdit1->isEnabled());
    // Switches of the preview; a disabled box stays ticked and its button stays shown.
    d.CheckBox6->click();
    EXPECT_FALSE(d.Editor1->UnderLine());
    EXPECT_FALSE(d.CheckBox5->isEnabled());
    EXPECT_TRUE(d.CheckBox5->isChecked());
    EXPECT_TRUE(d.SpeedButton3->isVisible());
    d.CheckBox13->click();
    EXPECT_FALSE(d.Editor1->EofMark());
    EXPECT_FALSE(d.CheckBox14->isEnabled());
    d.CheckBox15->click();
    EXPECT_FALSE(d.Editor1->RetMark());
    d.CheckBox3->click();
    EXPECT_FALSE(d.Editor1->ReserveWordColor());
    EXPECT_FALSE(d.CheckBox8->isEnabled());
    d.CheckBox12->click();
    EXPECT_FALSE(d.Editor1->WordWrap());
    EXPECT_FALSE(d.SpinEdit3->isEnabled());
    EXPECT_TRUE(main.UnderLine());  // the main editor is untouched until OK
}

TEST_F(CustomizeDialogTest, NumberFieldsChangeThePreviewLiveAndReportWhatIsNoNumber)
{
    TForm12& d = *dialog;
    d.CheckBox10->click();
    Retype(d.SpinEdit1, "30");
    EXPECT_EQ(d.Editor1->LeftMargin(), 30);
    SeenMessageBox seen;
    RecordNextMessageBox(seen);
    d.SpinEdit1->setFocus();
    QTest::keyClick(d.SpinEdit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(d.SpinEdit1, Qt::Key_Delete);  // the empty text is no number
    EXPECT_EQ(seen.text, "'' は整数ではありません.");
    EXPECT_EQ(d.Editor1->LeftMargin(), 30);
    d.CheckBox11->click();
    Retype(d.SpinEdit2, "4");
    EXPECT_EQ(d.Editor1->LineMargin(), 4);
    EXPECT_EQ(main.LeftMargin(), 19);
}

TEST_F(CustomizeDialogTest, ColourAndFontChoosersSetThePreview)
{
    TForm12& d = *dialog;
    d.CheckBox2->click();
    QColor shown;
    AnswerColorChooser(Qt::red, true, &shown);
    d.SpeedButton1->click();
    EXPECT_EQ(shown, tavi::ColorToQColor(tavi::clWindowText));  // the preview's colour, preselected
    EXPECT_EQ(d.Editor1->FontColor(), tavi::clRed);
    AnswerColorChooser(Qt::blue, false);
    d.SpeedButton1->click();
    EXPECT_EQ(d.Editor1->FontColor(), tavi::clRed);

    // The font chooser lists fixed-pitch fonts; its Apply button sets the text font, OK the
    // font of the button that opened it.
    d.CheckBox8->click();
    QFont applied = d.Editor1->Font();
    applied.setPixelSize(20);
    bool monospacedOnly = false;
    AnswerNextModal([&](QWidget* modal) {
        auto* chooser = qobject_cast<QFontDialog*>(modal);
        ASSERT_NE(chooser, nullptr);
        monospacedOnly = chooser->testOption(QFontDialog::MonospacedFonts);
        chooser->setCurrentFont(applied);
        QPushButton* apply = nullptr;
        for (QAbstractButton* b : chooser->findChild<QDialogButtonBox*>()->buttons()) {
            if (b->text() == "適用(&A)")
                apply = qobject_cast<QPushButton*>(b);
        }
        ASSERT_NE(apply, nullptr);
        apply->click();
        chooser->reject();
    });
    d.Button1->click();
    EXPECT_TRUE(monospacedOnly);
    EXPECT_EQ(d.Editor1->Font().pixelSize(), 20);
}

TEST_F(CustomizeDialogTest, TheFontChooserListsFixedPitchFamiliesAndOpensOnTheFontItChanges)
{
    TForm12& d = *dialog;
    QFont stored(QStringLiteral("DejaVu Sans Mono"));
    stored.setPixelSize(15);
    d.Editor1->SetFont(stored);
    const QFont before = d.Editor1->Font();
    QStringList families;
    QFont opened;
    AnswerNextModal([&](QWidget* modal) {
        auto* chooser = qobject_cast<QFontDialog*>(modal);
        ASSERT_NE(chooser, nullptr);
        opened = chooser->currentFont();
        for (QListView* list : chooser->findChildren<QListView*>()) {
            auto* strings = qobject_cast<QStringListModel*>(list->model());
            if (strings != nullptr && strings->stringList().contains(opened.family()))
                families = strings->stringList();
        }
        static_cast<QDialog*>(chooser)->accept();  // confirmed without a change
    });
    d.Button1->click();
    EXPECT_EQ(opened.family(), "DejaVu Sans Mono");
    EXPECT_FALSE(opened.italic());
    EXPECT_EQ(opened.weight(), QFont::Normal);
    EXPECT_EQ(QFontInfo(opened).pixelSize(), 15);
    ASSERT_FALSE(families.isEmpty());
    for (const char* proportional : {"DejaVu Sans", "DejaVu Serif", "C059", "Nimbus Roman", "P052", "Serif"})
        EXPECT_FALSE(families.contains(proportional)) << proportional;
    // Confirming the font it opened on leaves the preview as it was.
    EXPECT_EQ(d.Editor1->Font().family(), before.family());
    EXPECT_EQ(d.Editor1->Font().pixelSize(), before.pixelSize());
    EXPECT_EQ(d.Editor1->Font().italic(), before.italic());
}

TEST_F(CustomizeDialogTest, OkAppliesTheLookAndClampsTheWrapWidthCancelDiscards)
{
    dialog->CheckBox15->click();  // return marks off
    dialog->CheckBox13->click();  // end mark off
    dialog->BitBtn4->click();
    EXPECT_TRUE(main.RetMark());
    EXPECT_TRUE(main.EofMark());

    Open();
    TForm12& d = *dialog;
    d.CheckBox15->click();
    d.CheckBox13->click();
    d.CheckBox17->click();
    Retype(d.SpinEdit3, "5");
    d.BitBtn3->click();
    EXPECT_FALSE(main.RetMark());
    EXPECT_FALSE(main.EofMark());
    EXPECT_FALSE(main.CaretAutoIndent());
    EXPECT_EQ(main.WrapByte(), 20);  // clamped by the editor
    EXPECT_FALSE(d.isVisible());

    // A width that is no number: everything before it is applied and the dialog stays.
    main.SetWordWrap(false);
    Open();
    dialog->CheckBox12->click();
    dialog->CheckBox6->click();
    Retype(dialog->SpinEdit3, "-");
    SeenMessageBox seen;
    RecordNextMessageBox(seen);
    dialog->BitBtn3->click();
    EXPECT_EQ(seen.text, "'-' は整数ではありません.");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(main.WordWrap());
    EXPECT_FALSE(main.UnderLine());
    Retype(dialog->SpinEdit3, "0");
    dialog->BitBtn3->click();
    EXPECT_EQ(main.WrapByte(), 20);
    EXPECT_EQ(dialog->Editor1->WrapByte(), 20);  // the preview never shows the chosen width
}

TEST_F(CustomizeDialogTest, LineNumbersShowInThePreviewAndWrappingAtTheWindowGoesToTheMainEditor)
{
    TForm12& d = *dialog;
    EXPECT_EQ(d.CheckBox20->text(), "行番号を表示する");
    EXPECT_EQ(d.CheckBox21->text(), "ウィンドウ幅で折り返す");
    EXPECT_EQ(d.CheckBox20->isChecked(), main.LineNumbers());
    d.CheckBox20->setChecked(true);
    EXPECT_TRUE(d.Editor1->LineNumbers());
    d.CheckBox21->setChecked(true);
    EXPECT_FALSE(d.Editor1->WrapToWindow());  // the preview keeps its width of 20
    d.CheckBox12->setChecked(false);
    EXPECT_FALSE(d.CheckBox21->isEnabled());  // only with wrapping on
    d.CheckBox12->setChecked(true);
    d.BitBtn3->click();
    EXPECT_TRUE(main.LineNumbers());
    EXPECT_TRUE(main.WrapToWindow());
}

}  // namespace

TEST(CustomizeDialogRulePlace, TheBoxForNewRulesAtTheCaretShowsAndSetsTheWindowsChoice)
{
    TEditor main;
    ConfigureMainEditor(&main);
    bool atCaret = true;
    TForm12 dialog(&main, &atCaret);
    dialog.show();
    EXPECT_EQ(dialog.CheckBox19->text(), "ルールをキャレット位置に書く");
    EXPECT_TRUE(dialog.CheckBox19->isChecked());
    dialog.CheckBox19->setChecked(false);
    QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
    EXPECT_FALSE(atCaret);
    // Without a choice to set, the box is not shown.
    TForm12 plain(&main);
    plain.show();
    EXPECT_FALSE(plain.CheckBox19->isVisible());
}
