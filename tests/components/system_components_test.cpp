// Tests of the system information component, the link label and the window animation component.
#include <gtest/gtest.h>

#include <QDialog>
#include <QWindow>

#include <QMainWindow>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <memory>

#include "components/animate_window.h"
#include "components/sys_info.h"
#include "components/url_link.h"
#include "tests/support/fake_system_facts.h"
#include "tests/support/qt_printers.h"

namespace {

TEST(SysInfo, FactsAreGatheredAtCreationWithTheirStandInsWhenMissing)
{
    FakeSystemFacts facts;
    TSysInfo info;
    EXPECT_EQ(info.Owner(), "山田 太郎");
    EXPECT_EQ(info.LogOnUserName(), "taro");
    EXPECT_EQ(info.ComputerName(), "desk");
    EXPECT_EQ(info.PlatForm(), "Linux");
    EXPECT_EQ(info.Version(), "6.1-21-amd64");
    EXPECT_EQ(info.BuildNo(), "0");
    EXPECT_EQ(info.ProcessorType(), "x86_64");
    EXPECT_EQ(info.NtProductType(), ntNone);
    facts.fullName.clear();
    facts.logOn.clear();
    facts.kernel.clear();
    TSysInfo bare;
    EXPECT_EQ(bare.Owner(), "UnKnownUserName");
    EXPECT_EQ(bare.LogOnUserName(), "UnKnownLogOnUserName");
    EXPECT_EQ(bare.PlatForm(), "UnSuccessful");
    EXPECT_EQ(info.Owner(), "山田 太郎");  // gathered once, at creation
}

TEST(SysInfo, MemoryIsReadFreshInItsUnitAnd64BitWide)
{
    FakeSystemFacts facts;
    TSysInfo info;
    EXPECT_EQ(info.MemoryTotal(), std::int64_t{16} << 30);  // beyond what 32 bits hold
    EXPECT_EQ(info.MemoryFree(), std::int64_t{3} << 30);
    EXPECT_EQ(info.MemoryLoad(), 81);
    info.SetMemoryStatusKind(mkKB);
    EXPECT_EQ(info.PageFree(), 1);  // 1536 bytes
    info.SetMemoryStatusKind(mkMB);
    EXPECT_EQ(info.PageTotal(), 2048);
    info.SetMemoryStatusKind(static_cast<TMemoryStatusKind>(3));  // above mkMB: ignored
    EXPECT_EQ(info.MemoryStatusKind(), mkMB);
    const int reads = facts.memoryReads;
    facts.memory.AvailPhys = std::int64_t{5} << 20;
    EXPECT_EQ(info.MemoryFree(), 5);  // nothing cached between reads
    EXPECT_EQ(facts.memoryReads, reads + 1);
}

TEST(SysInfo, AutoRefreshRaisesItsEventOnEachTick)
{
    FakeSystemFacts facts;
    TSysInfo info;
    EXPECT_EQ(info.MemoryAutoRefreshInterval(), 1000);
    int refreshes = 0;
    std::int64_t seenFree = 0;
    info.OnMemoryRefresh = [&](TSysInfo* sender, const tavi::TMemoryStatus& status) {
        EXPECT_EQ(sender, &info);
        ++refreshes;
        seenFree = status.AvailPhys;
    };
    info.SetMemoryAutoRefresh(true);
    ASSERT_NE(info.RefreshTimer(), nullptr);
    EXPECT_TRUE(info.RefreshTimer()->isActive());
    info.SetMemoryAutoRefreshInterval(250);
    EXPECT_EQ(info.RefreshTimer()->interval(), 250);
    QMetaObject::invokeMethod(info.RefreshTimer(), "timeout");  // a tick, without waiting for one
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(seenFree, std::int64_t{3} << 30);
    info.SetMemoryAutoRefresh(false);
    EXPECT_FALSE(info.RefreshTimer()->isActive());
}

class URLLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = TURLLink::ShellOpen;
        TURLLink::ShellOpen = [this](const QUrl& url) { opened << url.toString(); };
        window.resize(200, 100);
        link = new TURLLink(&window);
        link->setGeometry(10, 10, 120, 20);
        link->setText("tavi@example.org");
        link->SetLink("tavi@example.org");
        link->SetURLType(tpMAIL);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { TURLLink::ShellOpen = saved; }

    void Enter(QPointF at = QPointF(5, 5))
    {
        QEnterEvent enter(at, at + QPointF(10, 10), link->mapToGlobal(at));
        QCoreApplication::sendEvent(link, &enter);
        QMouseEvent move(QEvent::MouseMove, at, link->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(link, &move);
    }
    void Leave()
    {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(link, &leave);
    }
    QColor TextColor() const { return link->palette().color(QPalette::WindowText); }

    std::function<void(const QUrl&)> saved;
    QWidget window;
    TURLLink* link = nullptr;
    QStringList opened;
};

TEST_F(URLLinkTest, HoverColoursTheLinkAndShowsItsTargetBesideTheCursor)
{
    EXPECT_EQ(TextColor(), QColor(Qt::blue));
    Enter();
    EXPECT_EQ(TextColor(), QColor(Qt::red));
    ASSERT_TRUE(link->HintForm()->isVisible());
    EXPECT_EQ(link->HintForm()->text(), "tavi@example.org");
    EXPECT_EQ(link->HintForm()->pos(), link->mapToGlobal(QPoint(5, 5)) + QPoint(15, 15));
    Leave();
    EXPECT_EQ(TextColor(), QColor(Qt::blue));
    EXPECT_FALSE(link->HintForm()->isVisible());
    Enter(QPointF(40, 6));  // re-entering shows it again, beside the new place
    EXPECT_TRUE(link->HintForm()->isVisible());
    EXPECT_EQ(link->HintForm()->pos(), link->mapToGlobal(QPoint(40, 6)) + QPoint(15, 15));
    Leave();

    link->SetEnableShowHint(false);
    Enter();
    EXPECT_EQ(TextColor(), QColor(Qt::red));
    EXPECT_FALSE(link->HintForm()->isVisible());
}

TEST_F(URLLinkTest, ALeftClickOpensTheMailAddressARightClickNothing)
{
    Enter();
    QTest::mouseClick(link, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(link->HintForm()->isVisible());
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(opened, QStringList{"mailto:tavi@example.org"});
    EXPECT_FALSE(link->HintForm()->isVisible());
    link->SetURLType(tpURL);
    link->SetLink("http://example.org/");
    EXPECT_EQ(link->Target().toString(), "http://example.org/");
}

TEST(AnimateWindow, OnePerFormAndASecondaryFormTakesTheApplicationAlong)
{
    QMainWindow main;
    QWidget secondary;
    main.show();
    secondary.show();
    auto* animate = new TAnimateWindow(&main);
    EXPECT_THROW(TAnimateWindow{&main}, std::runtime_error);
    try {
        TAnimateWindow again(&main);
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "AnimateWindowはフォームに一つしか置けません");
    }
    auto* onSecondary = new TAnimateWindow(&secondary);
    int minimized = 0, restored = 0;
    animate->OnMinimize = [&] { ++minimized; };
    animate->OnRestore = [&] { ++restored; };
    secondary.showMinimized();
    EXPECT_TRUE(main.windowState() & Qt::WindowMinimized);
    EXPECT_EQ(minimized, 1);
    main.showNormal();
    EXPECT_EQ(restored, 1);
    EXPECT_TRUE(main.isVisible());
    delete onSecondary;
    delete animate;
    TAnimateWindow afresh(&main);  // the form is free again once its component is gone
}

TEST(AnimateWindow, AModalBoxMinimisesAndRestoresWithTheApplicationAndStaysInFront)
{
    QMainWindow main;
    main.show();
    TAnimateWindow animate(&main);
    QDialog box(&main);
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &box);
    const auto shown = [](const QWidget& w) {
        return w.isVisible() && w.windowHandle()->visibility() != QWindow::Minimized && !w.isMinimized();
    };

    main.showMinimized();  // from the main window's title bar
    EXPECT_TRUE(box.isMinimized());
    EXPECT_FALSE(shown(box));
    main.showNormal();  // from the task bar
    EXPECT_TRUE(shown(main));
    EXPECT_TRUE(shown(box));

    box.showMinimized();  // from the box's own title bar
    EXPECT_TRUE(main.isMinimized());
    main.showNormal();
    EXPECT_TRUE(shown(box));  // never a blocked window without its box
    box.showMinimized();
    box.showNormal();
    EXPECT_TRUE(shown(main));
    EXPECT_TRUE(shown(box));

    // A maximised window comes back maximised.
    main.showMaximized();
    box.showMinimized();
    EXPECT_TRUE(main.isMinimized());
    box.showNormal();
    EXPECT_TRUE(main.isMaximized());
    EXPECT_FALSE(main.isMinimized());
}

}  // namespace
