// Tests of the spin edit: stepping, typing, bounds and the text it keeps.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "components/spin_edit.h"
#include "tests/support/qt_printers.h"

namespace {

class SpinEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        other.move(0, 40);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        spin.setFocus();
    }

    void LeaveFocus() { other.setFocus(); }

    QWidget window;
    TSpinEdit spin{&window};
    QLineEdit other{&window};
};

}  // namespace

TEST_F(SpinEditTest, ArrowKeysAndStepsAddTheIncrementWithinTheRange)
{
    spin.SetMinValue(1);
    spin.SetMaxValue(5);
    spin.SetIncrement(2);
    spin.SetValue(1);
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.Text(), "3");
    QTest::keyClick(&spin, Qt::Key_Up);
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.Text(), "5");  // pulled to the upper bound
    QTest::keyClick(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.Text(), "3");
    spin.stepBy(-10);  // what the down button does while held
    EXPECT_EQ(spin.Text(), "1");
}

TEST_F(SpinEditTest, BothBoundsZeroMeansNoRange)
{
    spin.SetValue(-40);
    EXPECT_EQ(spin.Text(), "-40");
    QTest::keyClick(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.Value(), -41);
    spin.SetValue(2000000000);
    LeaveFocus();
    EXPECT_EQ(spin.Text(), "2000000000");
}

TEST_F(SpinEditTest, TypingAcceptsOnlyNumberCharactersAndEditingKeys)
{
    spin.SetText("");
    QTest::keyClicks(&spin, "1a2-+x");
    EXPECT_EQ(spin.Text(), "12-+");
    QTest::keyClick(&spin, Qt::Key_Backspace);
    EXPECT_EQ(spin.Text(), "12-");
    QTest::keyClick(&spin, Qt::Key_Return);  // dropped, not taken as a command
    EXPECT_EQ(spin.Text(), "12-");
}

TEST_F(SpinEditTest, FullWidthDigitsTypedOrCommittedBecomeAsciiAndOtherDigitsAreDropped)
{
    spin.SetText("");
    for (const QChar c : QStringLiteral("1２－３٣")) {  // the Arabic-Indic three is dropped
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&spin, &key);
    }
    EXPECT_EQ(spin.Text(), "12-3");
    spin.SetText("");
    const auto commit = [this](const QString& text) {
        QInputMethodEvent event(QString(), {});
        event.setCommitString(text);
        QApplication::sendEvent(spin.findChild<QLineEdit*>(), &event);  // the focus widget
    };
    commit(QStringLiteral("４５"));
    EXPECT_EQ(spin.Text(), "45");
    commit(QStringLiteral("ａ６"));
    EXPECT_EQ(spin.Text(), "456");
    commit(QStringLiteral("7"));
    EXPECT_EQ(spin.Text(), "4567");
}

TEST_F(SpinEditTest, LosingTheFocusPullsANumberIntoRangeButKeepsOtherText)
{
    spin.SetMinValue(1);
    spin.SetMaxValue(1000000);
    spin.SetText("0");
    LeaveFocus();
    EXPECT_EQ(spin.Text(), "1");

    spin.setFocus();
    spin.SetText("99999999");
    LeaveFocus();
    EXPECT_EQ(spin.Text(), "1000000");

    spin.setFocus();
    spin.SetText("1-2");
    LeaveFocus();
    EXPECT_EQ(spin.Text(), "1-2");
    EXPECT_EQ(spin.Value(), 1);  // a text that is no number counts as the lower bound

    spin.setFocus();
    spin.SetText("");
    LeaveFocus();
    EXPECT_EQ(spin.Text(), "");
}

TEST_F(SpinEditTest, SteppingFromTextThatIsNoNumberStartsAtTheLowerBound)
{
    spin.SetMinValue(10);
    spin.SetMaxValue(20);
    spin.SetText("abc");
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.Text(), "11");
}
