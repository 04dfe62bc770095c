// Every control of every form has a name a screen reader can speak, and its actions work as the mouse does.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QWidget>
#include <memory>

#include "app/about_box.h"
#include "app/customize_dialog.h"
#include "app/main_window.h"
#include "dialogs/aural_dialog.h"
#include "dialogs/basic_style_dialog.h"
#include "dialogs/border_dialog.h"
#include "dialogs/color_dialog.h"
#include "dialogs/font_dialog.h"
#include "dialogs/list_dialog.h"
#include "dialogs/margin_dialog.h"
#include "dialogs/text_layout_dialog.h"
#include "tests/support/qt_printers.h"

namespace {

// The roles of what a user works: buttons, boxes, edits, lists and the document.
bool IsControl(QAccessible::Role role)
{
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::EditableText:
        case QAccessible::Slider:
        case QAccessible::List:
        case QAccessible::Document:
        case QAccessible::Link:
            return true;
        default:
            return false;
    }
}

// Each control under `form` that has no name, as "class objectName role".
QStringList NamelessControls(QWidget* form)
{
    QStringList nameless;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        // The parts of a spin edit or combo box are spoken as the whole control.
        if (widget->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<QComboBox*>(widget->parent()) ||
            widget->window() != form)
            continue;
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
        if (!control || !IsControl(control->role()))
            continue;
        // A value control speaks its value too: its name must be its own, not an echo of the value.
        const QString name = control->text(QAccessible::Name);
        // (A list's interface gives its name for its value as well.)
        const bool echo = control->role() != QAccessible::List && name == control->text(QAccessible::Value);
        if (name.trimmed().isEmpty() || echo)
            nameless << QStringLiteral("%1 %2 (role %3)")
                            .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName())
                            .arg(int(control->role()));
    }
    return nameless;
}

void NoSink(const QString&) {}

// Every form, the main window first.
std::vector<std::pair<const char*, std::unique_ptr<QWidget>>> EveryForm(TForm1& main)
{
    std::vector<std::pair<const char*, std::unique_ptr<QWidget>>> forms;
    forms.emplace_back("main window", nullptr);
    forms.emplace_back("TForm2", std::make_unique<TForm2>(NoSink));
    forms.emplace_back("TForm3", std::make_unique<TForm3>(NoSink));
    forms.emplace_back("TForm4", std::make_unique<TForm4>(NoSink));
    forms.emplace_back("TForm7", std::make_unique<TForm7>(NoSink));
    forms.emplace_back("TForm8", std::make_unique<TForm8>(NoSink));
    forms.emplace_back("TForm9", std::make_unique<TForm9>(NoSink));
    forms.emplace_back("TForm10", std::make_unique<TForm10>(NoSink));
    forms.emplace_back("TForm11", std::make_unique<TForm11>(NoSink));
    forms.emplace_back("TForm6", std::make_unique<TForm6>());
    forms.emplace_back("TForm12", std::make_unique<TForm12>(main.ExtMemo1));
    return forms;
}

}  // namespace

TEST(AccessibleNames, EveryControlOfEveryFormHasAName)
{
    TForm1 main;
    for (auto& [name, form] : EveryForm(main)) {
        QWidget* widget = form ? form.get() : &main;
        EXPECT_EQ(NamelessControls(widget), QStringList()) << name;
    }
}

TEST(AccessibleActions, BoxesAndRadioButtonsChangeThroughTheirActionsAsByTheMouse)
{
    TForm1 main;
    for (auto& [name, form] : EveryForm(main)) {
        QWidget* widget = form ? form.get() : &main;
        for (QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
            if (!button->isCheckable() || !button->isEnabled())
                continue;
            QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(button)->actionInterface();
            ASSERT_NE(actions, nullptr) << name;
            const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
            const bool before = button->isChecked();
            QSignalSpy toggled(button, &QAbstractButton::toggled);
            ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
            actions->doAction(QAccessibleActionInterface::toggleAction());
            EXPECT_EQ(button->isChecked(), radio || !before) << name << " " << button->text().toStdString();
            EXPECT_EQ(toggled.count(), button->isChecked() != before ? 1 : 0);
        }
    }
}
