// Tests of the editable drop-down list and the radio group: what they report as chosen, and to assistive technologies.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QRadioButton>
#include <QTest>

#include "components/combo_box.h"
#include "components/radio_group.h"

TEST(ComboBox, ShowsItsStartTextWithNoItemChosenUntilOneIsPicked)
{
    TComboBox box({"px", "mm", "%"}, "px");
    box.show();
    EXPECT_EQ(box.Text(), "px");
    EXPECT_EQ(box.ItemIndex(), -1);

    box.setCurrentIndex(2);
    emit box.activated(2);  // what a pick in the list reports
    EXPECT_EQ(box.Text(), "%");
    EXPECT_EQ(box.ItemIndex(), 2);

    box.setFocus();
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, "em");
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.Text(), "em");
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.count(), 3);  // the typed text is not added to the items
}

TEST(ComboBox, ShowsAssistiveTechnologiesItsItemsAsAListBesideItsNameAndValue)
{
    TComboBox box({"px", "mm", "%"}, "px");
    box.setAccessibleName("Width unit");
    box.show();
    QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(&box);
    EXPECT_EQ(combo->text(QAccessible::Name), "Width unit");
    EXPECT_EQ(combo->text(QAccessible::Value), "px");
    ASSERT_EQ(combo->childCount(), 2);
    QAccessibleInterface* list = combo->child(0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(combo->indexOfChild(list), 0);
    EXPECT_EQ(combo->indexOfChild(combo->child(1)), 1);
    EXPECT_EQ(combo->child(1)->role(), QAccessible::EditableText);
    QStringList items;
    for (int i = 0; i < list->childCount(); ++i)
        items << list->child(i)->text(QAccessible::Name);
    EXPECT_EQ(items, QStringList({"px", "mm", "%"}));
}

TEST(RadioGroup, StartsWithNoneChosenAndReportsThePickedItem)
{
    TRadioGroup group("位置");
    group.resize(200, 100);
    group.SetItems({"inside", "outside", "none"});
    group.SetColumns(2);
    group.show();
    EXPECT_EQ(group.ItemIndex(), -1);

    int clicks = 0;
    group.OnClick = [&] { ++clicks; };
    QTest::mouseClick(group.Button(1), Qt::LeftButton, {}, QPoint(5, group.Button(1)->height() / 2));
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);

    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(2);
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_EQ(clicks, 2);  // a choice made by a program runs the handler too, unchoosing does not

    // Two columns of three items: the first column holds two, filled top to bottom.
    EXPECT_EQ(group.Button(0)->x(), group.Button(1)->x());
    EXPECT_GT(group.Button(1)->y(), group.Button(0)->y());
    EXPECT_GT(group.Button(2)->x(), group.Button(0)->x());
    EXPECT_EQ(group.Button(2)->y(), group.Button(0)->y());
}
