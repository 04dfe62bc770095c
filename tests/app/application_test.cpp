// Tests of the application object: the error box and how command errors reach it.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <stdexcept>

#include "app/application.h"
#include "tests/support/modal_answer.h"

TEST(ErrorBoxText, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(TApplication::ErrorBoxText("ﾌｧｲﾙ a.css は開けません"), "ﾌｧｲﾙ a.css は開けません.");
    EXPECT_EQ(TApplication::ErrorBoxText("Disk full"), "Disk full.");
    EXPECT_EQ(TApplication::ErrorBoxText("code 7"), "code 7.");
    EXPECT_EQ(TApplication::ErrorBoxText("path /"), "path /.");
    // "." itself and everything that sorts before it are left alone.
    EXPECT_EQ(TApplication::ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(TApplication::ErrorBoxText("Stop!"), "Stop!");
    EXPECT_EQ(TApplication::ErrorBoxText("(see log)"), "(see log)");
    EXPECT_EQ(TApplication::ErrorBoxText("trailing space "), "trailing space ");
    EXPECT_EQ(TApplication::ErrorBoxText("a-"), "a-");
    EXPECT_EQ(TApplication::ErrorBoxText(""), "");
}

TEST(DefaultErrorBox, ShowsTheErrorOfAFailedCommandAndTheProgramGoesOn)
{
    SeenMessageBox seen;
    RecordNextMessageBox(seen);
    bool ranAfterwards = false;
    Application()->RunGuarded([] { throw std::runtime_error("ﾌｧｲﾙ x.css を作成できません"); });
    Application()->RunGuarded([&] { ranAfterwards = true; });

    EXPECT_EQ(seen.caption, "TAVI CSS Editor");
    EXPECT_EQ(seen.text, "ﾌｧｲﾙ x.css を作成できません.");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
    EXPECT_TRUE(ranAfterwards);
}

TEST(DefaultErrorBox, CatchesErrorsThrownWhileAnEventIsHandled)
{
    struct FailingReceiver : QObject {
        bool event(QEvent*) override { throw std::runtime_error("broken"); }
    } receiver;
    SeenMessageBox seen;
    RecordNextMessageBox(seen);
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &event));
    EXPECT_EQ(seen.text, "broken.");
}

TEST(ToolkitTexts, TheToolkitsOwnDialogsAndButtonsSpeakJapanese)
{
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    const auto* lookIn = files.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    ASSERT_NE(lookIn, nullptr);
    EXPECT_NE(lookIn->text(), "Look in:");
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(), "キャンセル");
    EXPECT_NE(QColorDialog::tr("&Basic colors"), "&Basic colors") << "the colour chooser";
}
