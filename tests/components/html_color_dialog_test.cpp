// Tests of the HTML colour dialog: the colour text and what OK and Cancel keep.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>

#include "components/html_color_dialog.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"

TEST(HtmlColorText, IsRedGreenBlueInUpperCaseHexadecimal)
{
    EXPECT_EQ(THTMLcolorDialog::HtmlColorText(tavi::clRed), "#FF0000");
    EXPECT_EQ(THTMLcolorDialog::HtmlColorText(tavi::clBlue), "#0000FF");
    EXPECT_EQ(THTMLcolorDialog::HtmlColorText(0x00123456), "#563412");
    EXPECT_EQ(THTMLcolorDialog::HtmlColorText(0x0080FF00), "#00FF80");
    EXPECT_EQ(THTMLcolorDialog::HtmlColorText(tavi::clBlack), "#000000");
    EXPECT_EQ(THTMLcolorDialog::HtmlColorText(tavi::clWhite), "#FFFFFF");
}

TEST(HtmlColorText, ASystemColourGivesThePalettesPresentColour)
{
    const QColor window = QApplication::palette().color(QPalette::Base);
    EXPECT_EQ(THTMLcolorDialog::HtmlColorText(tavi::clWindow), window.name(QColor::HexRgb).toUpper());
}

TEST(HtmlColorDialog, OkTakesThePickedColourAndTheNextOpeningStartsFromIt)
{
    THTMLcolorDialog dialog;
    EXPECT_EQ(dialog.HtmlColorText(), "#000000");
    QColor shown;
    AnswerColorChooser(QColor(0x12, 0x34, 0x56), true, &shown);
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(shown, QColor(Qt::black));
    EXPECT_EQ(dialog.Color(), 0x00563412u);
    EXPECT_EQ(dialog.HtmlColorText(), "#123456");

    AnswerColorChooser(Qt::red, false, &shown);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(shown, QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(dialog.HtmlColorText(), "#123456");  // Cancel changes nothing
}

TEST(HtmlColorDialog, CustomColoursGoIntoTheChooserAndComeBackAfterOk)
{
    THTMLcolorDialog dialog;
    dialog.SetCustomColors({"ColorA=0000FF", "ColorC=FF0000", "junk"});
    AnswerNextModal([](QWidget* modal) {
        EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::red));
        EXPECT_EQ(QColorDialog::customColor(1), QColor(Qt::white));
        EXPECT_EQ(QColorDialog::customColor(2), QColor(Qt::blue));
        QColorDialog::setCustomColor(15, QColor(0x12, 0x34, 0x56));
        qobject_cast<QDialog*>(modal)->accept();
    });
    ASSERT_TRUE(dialog.Execute());
    const QStringList saved = dialog.CustomColors();
    ASSERT_EQ(saved.size(), 16);
    EXPECT_EQ(saved[0], "ColorA=0000FF");
    EXPECT_EQ(saved[1], "ColorB=FFFFFF");
    EXPECT_EQ(saved[15], "ColorP=563412");
}
