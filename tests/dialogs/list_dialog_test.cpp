// Tests of the list dialog: its eighteen marks, the picture and kind excluding each other, and the position line.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "components/bit_btn.h"
#include "components/image.h"
#include "components/radio_group.h"
#include "dialogs/list_dialog.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"

namespace {

class ListDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<TForm7>([this](const QString& line) { written << line; });
        dialog->show();
        dialog->CheckBox1->click();
        dialog->Edit1->setText("UL");
    }

    QStringList Declarations() const { return dialog->RuleLines().value().mid(1); }

    std::unique_ptr<TForm7> dialog;
    QStringList written;
};

TEST_F(ListDialogTest, EveryMarkWritesItsKeywordOpenOrClosedByThePositionBox)
{
    TForm7& d = *dialog;
    const QStringList keywords{"disc",           "circle",         "square",
                               "decimal",        "lower-roman",    "upper-roman",
                               "lower-alpha",    "upper-alpha",    "decimal-leading-zero",
                               "lower-greek",    "georgian",       "armenian",
                               "hebrew",         "hiragana",       "katakana",
                               "hiragana-iroha", "katakana-iroha", "none"};
    ASSERT_EQ(d.RadioGroup1->Items().size(), 18);
    EXPECT_EQ(d.RadioGroup1->Items()[2], "■（四角）");
    EXPECT_EQ(d.RadioGroup1->Items()[10], "ジョージア式(CSS2) an,ban,gan....");
    EXPECT_EQ(d.RadioGroup1->Items()[11], "アルメニア式(CSS2) ?");
    EXPECT_FALSE(d.RadioGroup1->isEnabled());
    d.CheckBox3->click();
    EXPECT_EQ(Declarations(), QStringList{"}"});  // no item chosen: a line of its own closes the rule
    for (int i = 0; i < 18; ++i) {
        d.RadioGroup1->Button(i)->click();
        EXPECT_EQ(Declarations(), QStringList{"  list-style-type: " + keywords[i] + " }"});
        d.CheckBox5->click();
        EXPECT_EQ(Declarations(),
                  QStringList({"  list-style-type: " + keywords[i] + ";", "  list-style-position: outside } "}));
        d.CheckBox5->click();
    }
}

TEST_F(ListDialogTest, PositionLineAndItsPictures)
{
    TForm7& d = *dialog;
    EXPECT_TRUE(d.RadioButton1->isChecked());
    EXPECT_FALSE(d.RadioButton1->isEnabled());
    EXPECT_TRUE(d.Image2->isVisible());
    EXPECT_FALSE(d.Image3->isVisible());
    EXPECT_EQ(d.Image2->geometry(), d.Image3->geometry());
    d.CheckBox5->click();
    EXPECT_EQ(Declarations(), QStringList{"  list-style-position: outside } "});
    d.RadioButton2->click();
    EXPECT_FALSE(d.Image2->isVisible());
    EXPECT_TRUE(d.Image3->isVisible());
    d.CheckBox3->click();
    d.RadioGroup1->Button(3)->click();
    QTest::mouseClick(d.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(written, QStringList({"UL {", "  list-style-type: decimal;", "  list-style-position: inside } "}));
}

TEST_F(ListDialogTest, KindAndPictureExcludeEachOther)
{
    TForm7& d = *dialog;
    for (QWidget* w : std::initializer_list<QWidget*>{d.Edit3, d.Button1, d.Label1})
        EXPECT_FALSE(w->isEnabled());
    d.CheckBox3->click();
    d.RadioGroup1->Button(0)->click();
    d.CheckBox4->click();
    EXPECT_FALSE(d.CheckBox3->isChecked());
    EXPECT_FALSE(d.RadioGroup1->isEnabled());
    EXPECT_TRUE(d.CheckBox4->isChecked());
    for (QWidget* w : std::initializer_list<QWidget*>{d.Edit3, d.Button1, d.Label1})
        EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(Declarations(), QStringList{"  list-style-image: url() }"});
    d.Edit3->setText("dot.gif");
    d.CheckBox5->click();
    EXPECT_EQ(Declarations(), QStringList({"  list-style-image: url(dot.gif);", "  list-style-position: outside } "}));
    d.Edit3->setText("o'dot\\\"1\".gif");  // quoted, with the quote and the backslash escaped
    EXPECT_EQ(Declarations().first(), "  list-style-image: url(\"o'dot\\\\\\\"1\\\".gif\");");
    d.CheckBox3->click();
    EXPECT_FALSE(d.CheckBox4->isChecked());
    EXPECT_FALSE(d.Edit3->isEnabled());
}

TEST_F(ListDialogTest, BrowsingPutsOnlyThePicturesNameIntoTheUrl)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir(dir.path()).mkdir("images"));
    const QString picture = dir.filePath("images/mark.bmp");
    QFile(picture).open(QIODevice::WriteOnly);
    TForm7& d = *dialog;
    d.CheckBox4->click();
    AnswerNextModal([&](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        files->selectFile(picture);
        static_cast<QDialog*>(files)->accept();
    });
    d.Button1->click();
    EXPECT_EQ(d.Edit3->text(), "mark.bmp");
    AnswerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    d.Button1->click();
    EXPECT_EQ(Declarations(), QStringList{"  list-style-image: url(mark.bmp) }"});
    QDir::setCurrent(saved);
}

}  // namespace
