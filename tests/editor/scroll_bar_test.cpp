// Tests of the editor's quiet scroll bars: a value that leaves the thumb where it is costs no
// repaint, and what the screen shows always equals a fresh paint of the bar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

#include "editor/scroll_bar.h"

namespace {

class CountingScrollBar : public tavi::TQuietScrollBar {
public:
    using TQuietScrollBar::TQuietScrollBar;
    int Paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++Paints;
        TQuietScrollBar::paintEvent(event);
    }
};

class QuietScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar.setRange(0, 100000);
        bar.setPageStep(50);
        bar.resize(16, 300);
        bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
        QApplication::processEvents();
    }

    // Paints caused by `change`, once the event loop has run.
    template <class F>
    int PaintsAfter(F change)
    {
        QApplication::processEvents();
        bar.Paints = 0;
        change();
        QApplication::processEvents();
        return bar.Paints;
    }

    void ExpectScreenMatchesFreshPaint(const char* what)
    {
        QApplication::processEvents();
        const QImage screen =
            QGuiApplication::primaryScreen()->grabWindow(bar.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        QImage fresh(bar.size(), QImage::Format_RGB32);
        bar.render(&fresh);
        EXPECT_EQ(screen, fresh) << what;
    }

    CountingScrollBar bar{Qt::Vertical};
};

TEST_F(QuietScrollBarTest, RepaintsOnlyWhenTheThumbOrTheEndsLookDifferent)
{
    // Leaving the start changes the arrows' look; a further step of one in a hundred
    // thousand does not move the thumb by a pixel.
    EXPECT_GT(PaintsAfter([&] { bar.setValue(1); }), 0);
    EXPECT_EQ(PaintsAfter([&] { bar.setValue(2); }), 0);
    EXPECT_GT(PaintsAfter([&] { bar.setValue(50000); }), 0);
    // Reaching and leaving the end, too.
    EXPECT_GT(PaintsAfter([&] { bar.setValue(bar.maximum()); }), 0);
    EXPECT_GT(PaintsAfter([&] { bar.setValue(bar.maximum() - 1); }), 0);
    EXPECT_GT(PaintsAfter([&] { bar.setRange(0, 10); }), 0);
    EXPECT_GT(PaintsAfter([&] { bar.setRange(0, 0); }), 0);
}

TEST_F(QuietScrollBarTest, ScreenAlwaysShowsTheCurrentThumb)
{
    const int values[] = {1, 2, 400, 401, 50000, 99999, 100000, 99998, 0, 3};
    for (int v : values) {
        bar.setValue(v);
        ExpectScreenMatchesFreshPaint(("value " + std::to_string(v)).c_str());
    }
    bar.resize(16, 200);  // the thumb's track shrinks under an unchanged value
    ExpectScreenMatchesFreshPaint("resized");
    bar.setValue(4);
    ExpectScreenMatchesFreshPaint("after_resize");
    bar.setPageStep(50000);  // a longer thumb
    ExpectScreenMatchesFreshPaint("page_step");
}

}  // namespace
