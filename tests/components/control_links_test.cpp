// Tests of controls linked to a check box or radio button, and of the frame titled by a check box.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "components/check_group_box.h"
#include "components/control_links.h"

namespace {

// Toggles a button as an assistive technology does, without a click.
void ToggleByAccessibility(QAbstractButton* button)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(iface, nullptr);
    ASSERT_NE(iface->actionInterface(), nullptr);
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

TEST(ControlLinks, FollowTheStateHoweverItChanges)
{
    QWidget form;
    auto* box = new QCheckBox("box", &form);
    auto* edit = new QLineEdit(&form);
    auto* shown = new QLineEdit(&form);
    tavi::EnableWith(box, {edit});
    tavi::ShowWith(box, {shown});
    form.show();
    EXPECT_FALSE(edit->isEnabled());  // applied at once
    EXPECT_FALSE(shown->isVisible());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_TRUE(shown->isVisible());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_FALSE(edit->isEnabled());
    ToggleByAccessibility(box);
    EXPECT_TRUE(edit->isEnabled());
    box->setChecked(false);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_FALSE(shown->isVisible());
}

TEST(ControlLinks, ARadioButtonEnablesItsControlsOnlyWhenChosenAndLeavesThemSo)
{
    QWidget form;
    auto* first = new QRadioButton("1", &form);
    auto* second = new QRadioButton("2", &form);
    auto* firstValue = new QLineEdit(&form);
    auto* secondValue = new QLineEdit(&form);
    firstValue->setEnabled(false);
    secondValue->setEnabled(false);
    tavi::EnableWhenChosen(first, {firstValue});
    tavi::EnableWhenChosen(second, {secondValue});
    ToggleByAccessibility(first);
    EXPECT_TRUE(first->isChecked());
    EXPECT_TRUE(firstValue->isEnabled());
    second->setChecked(true);
    EXPECT_TRUE(secondValue->isEnabled());
    EXPECT_TRUE(firstValue->isEnabled());  // the earlier choice's control stays enabled
}

TEST(ControlLinks, BoxesThatExcludeEachOther)
{
    QCheckBox a, b;
    QLineEdit aValue;
    tavi::EnableWith(&a, {&aValue});
    tavi::ExcludeEachOther(&a, &b);
    a.setChecked(true);
    EXPECT_TRUE(aValue.isEnabled());
    b.setChecked(true);
    EXPECT_FALSE(a.isChecked());
    EXPECT_FALSE(aValue.isEnabled());  // a's own link ran
    a.setChecked(true);
    EXPECT_FALSE(b.isChecked());
    b.setChecked(false);
    EXPECT_TRUE(a.isChecked());  // unticking one leaves the other alone
}

TEST(CheckGroupBox, ItsBoxStandsOnTheFrameAndDisablesNothingByItself)
{
    TCheckGroupBox group("背景にイメージを使う");
    group.resize(300, 100);
    auto* inside = new QLineEdit(&group);
    inside->setGeometry(10, 30, 100, 22);
    group.show();
    EXPECT_EQ(group.CheckBox()->text(), "背景にイメージを使う");
    EXPECT_EQ(group.CheckBox()->y(), 0);
    EXPECT_FALSE(group.CheckBox()->isChecked());
    EXPECT_TRUE(inside->isEnabled());
    group.CheckBox()->setChecked(true);
    group.CheckBox()->setChecked(false);
    EXPECT_TRUE(inside->isEnabled());
}

}  // namespace
