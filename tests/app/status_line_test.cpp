// Tests of the main window's status line, its refresh behind a modal dialog, and the about box.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/about_box.h"
#include "app/main_window.h"
#include "components/bit_btn.h"
#include "components/image.h"
#include "components/status_bar.h"
#include "components/url_link.h"
#include "tests/support/fake_system_facts.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"

namespace {

class StatusLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>();
        form->Now = [this] { return now; };
        form->show();
    }
    QString Panel(int i) const { return form->StatusBar1->Panels()[i].Text; }
    QString DateTimeText(const QDateTime& t) const
    {
        const QLocale locale = QLocale::system();
        return locale.toString(t.date(), QLocale::ShortFormat) + "  " + locale.toString(t.time(), QLocale::LongFormat);
    }

    FakeSystemFacts facts;
    QDateTime now{QDate(2026, 12, 8), QTime(9, 30, 5)};
    std::unique_ptr<TForm1> form;
};

TEST_F(StatusLineTest, ShowsOwnerMemoryDateAndTimeFromStartUpOn)
{
    EXPECT_EQ(Panel(0), " TAVI CSS Editor ");
    EXPECT_EQ(Panel(1), "User: 山田 太郎     MemoryTotal: 17179869184     MemoryFree: 3221225472");
    form->Timer1Timer();
    EXPECT_EQ(Panel(2), DateTimeText(now));
    EXPECT_EQ(form->Timer1->interval(), 1000);
    EXPECT_TRUE(form->Timer1->isActive());

    facts.fullName.clear();
    TForm1 ownerless;
    EXPECT_EQ(ownerless.StatusBar1->Panels()[1].Text.left(21), "User: UnKnownUserName");
}

TEST_F(StatusLineTest, EveryTickRefreshesTheTextsAlsoBehindAModalDialog)
{
    QStringList seenInDialog;
    AnswerNextModal([&](QWidget* modal) {
        facts.memory.AvailPhys = 1234;
        now = now.addSecs(1);
        QMetaObject::invokeMethod(form->Timer1, "timeout");  // a tick, without waiting for one
        seenInDialog << Panel(1) << Panel(2);
        modal->close();
    });
    form->About1->trigger();
    ASSERT_EQ(seenInDialog.size(), 2);
    EXPECT_TRUE(seenInDialog[0].endsWith("MemoryFree: 1234"));
    EXPECT_EQ(seenInDialog[1], DateTimeText(now));
}

TEST_F(StatusLineTest, TheUserPanelGrowsToShowItsWholeTextWhileTheDatePanelKeepsItsOwn)
{
    form->Timer1Timer();
    TStatusBar& bar = *form->StatusBar1;
    const QFontMetrics metrics = bar.fontMetrics();
    const auto fits = [&](int i) { return bar.PanelRect(i).width() > metrics.horizontalAdvance(Panel(i)); };
    // Wide enough for both texts: neither is cut.
    form->resize(1600, form->height());
    EXPECT_GT(bar.PanelRect(1).width(), 400);
    EXPECT_TRUE(fits(1));
    EXPECT_TRUE(fits(2));
    EXPECT_TRUE(fits(3));
    EXPECT_EQ(bar.PanelRect(1).left(), 150);
    // Narrow: the date keeps its width, the user panel takes what is left but never less
    // than its own width, and its tooltip keeps the whole text. The caret panel has what
    // they leave and the first panel's room beyond its text, never taking from their texts.
    form->resize(form->minimumWidth(), form->height());
    EXPECT_GE(bar.PanelRect(1).width(), 400 - 2);
    if (bar.width() >= 150 + 400 + metrics.horizontalAdvance(Panel(2)) + 10) {
        EXPECT_TRUE(fits(2));
    }
    EXPECT_TRUE(fits(0));
    EXPECT_LE(bar.PanelRect(1).left(), 150);
    EXPECT_EQ(bar.PanelRect(3).left(), bar.PanelRect(2).right() + 1 + 2);
}

TEST_F(StatusLineTest, AScreenReaderReadsEachPanel)
{
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(form->StatusBar1);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::StatusBar);
    ASSERT_EQ(bar->childCount(), 4);
    EXPECT_EQ(bar->child(0)->text(QAccessible::Name), " TAVI CSS Editor ");
    EXPECT_EQ(bar->child(1)->text(QAccessible::Name), Panel(1));
    facts.memory.AvailPhys = 99;
    form->Timer1Timer();
    EXPECT_TRUE(bar->child(1)->text(QAccessible::Name).endsWith("MemoryFree: 99"));
    EXPECT_EQ(bar->indexOfChild(bar->child(2)), 2);
    EXPECT_EQ(bar->child(3)->text(QAccessible::Name), "行 1, 列 1");
}

TEST(AboutBox, ShowsThePictureTheMailLinkAndCloses)
{
    TForm6 about;
    about.show();
    EXPECT_EQ(about.windowTitle(), "バージョン情報");
    EXPECT_EQ(about.size(), QSize(300, 197));
    EXPECT_FALSE(about.Image1->Picture().isNull());
    EXPECT_EQ(about.BitBtn1->text(), "&Close");
    EXPECT_EQ(about.URLLink1->URLType(), tpMAIL);
    EXPECT_EQ(about.URLLink1->Target().toString(), "mailto:" + TForm6::kMailAddress);
    EXPECT_GE(about.URLLink1->width(), about.URLLink1->sizeHint().width());
    EXPECT_EQ(about.URLLink1->LinkColor(), tavi::clRed);
    EXPECT_EQ(about.URLLink1->FontColor(), tavi::clAqua);
    about.BitBtn1->click();
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
