// Saves a picture of each style rule dialog, of the editor customisation dialog and of the about box as it opens, and
// with every option ticked, for looking at the layout. Usage: grab-style-dialogs <folder>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <iostream>
#include <memory>

#include "app/about_box.h"
#include "app/application.h"
#include "app/customize_dialog.h"
#include "app/main_editor_setup.h"
#include "components/combo_box.h"
#include "dialogs/aural_dialog.h"
#include "dialogs/basic_style_dialog.h"
#include "dialogs/border_dialog.h"
#include "dialogs/color_dialog.h"
#include "dialogs/font_dialog.h"
#include "dialogs/list_dialog.h"
#include "dialogs/margin_dialog.h"
#include "dialogs/text_layout_dialog.h"
#include "editor/editor.h"

namespace {

bool Grab(QDialog& dialog, const QString& path)
{
    dialog.show();
    QCoreApplication::processEvents();
    return dialog.grab().save(path);
}

// Opens and grabs one dialog, then again with all its check boxes ticked.
bool GrabBoth(QDialog& dialog, const QString& folder, const QString& name)
{
    bool ok = Grab(dialog, folder + "/" + name + ".png");
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
        box->setChecked(true);
    // The first radio button of each frame that is not a radio group shows its controls.
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
        if (!radio->parentWidget()->inherits("TRadioGroup") &&
            radio->parentWidget()->findChildren<QRadioButton*>().constFirst() == radio)
            radio->setChecked(true);
    }
    ok = Grab(dialog, folder + "/" + name + "_ticked.png") && ok;
    dialog.hide();
    return ok;
}

// The whole screen: pop-ups and choosers are windows of their own.
bool GrabScreen(const QString& path)
{
    QCoreApplication::processEvents();
    return QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

// The font dialog with its font name list open, and the customisation dialog's font chooser.
bool GrabFontLists(const QString& folder, TEditor& mainEditor)
{
    TForm2 font([](const QString&) {});
    font.move(0, 0);
    font.show();
    font.CheckBox5->click();
    font.ComboBox7->showPopup();
    bool ok = GrabScreen(folder + "/font_list_open.png");
    font.ComboBox7->hidePopup();
    font.hide();

    TForm12 customize(&mainEditor);
    customize.move(0, 0);
    customize.show();
    QTimer::singleShot(300, [&] {
        if (QWidget* chooser = QApplication::activeModalWidget()) {
            chooser->move(40, 40);
            ok = GrabScreen(folder + "/customize_font_chooser.png") && ok;
            chooser->close();
        }
    });
    customize.Button1->click();
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: grab-style-dialogs <folder>\n";
        return 2;
    }
    TApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const auto sink = [](const QString&) {};
    TEditor mainEditor;
    bool insertRuleAtCaret = false;
    ConfigureMainEditor(&mainEditor);
    const std::vector<std::pair<QString, std::function<std::unique_ptr<QDialog>()>>> dialogs{
        {"font", [&] { return std::make_unique<TForm2>(sink); }},
        {"margin", [&] { return std::make_unique<TForm3>(sink); }},
        {"color", [&] { return std::make_unique<TForm9>(sink); }},
        {"border", [&] { return std::make_unique<TForm4>(sink); }},
        {"list", [&] { return std::make_unique<TForm7>(sink); }},
        {"basic", [&] { return std::make_unique<TForm8>(sink); }},
        {"layout", [&] { return std::make_unique<TForm10>(sink); }},
        {"aural", [&] { return std::make_unique<TForm11>(sink); }},
        {"customize", [&] { return std::make_unique<TForm12>(&mainEditor, &insertRuleAtCaret); }},
        {"border-read-back",
         [&] {
             auto dialog = std::make_unique<TForm4>([](const QString&) {});
             dialog->ReadRule(
                 *tavi::ReadRuleText("div.box{padding:4px 8px;border-style:dashed;"
                                     "border-top-color:#FF0000;border-left-color:navy;"
                                     "border-width:2px;box-shadow:0 0 4px gray}"));
             return dialog;
         }},
        {"about", [&] { return std::make_unique<TForm6>(); }},
    };
    bool ok = true;
    for (const auto& [name, make] : dialogs) {
        std::unique_ptr<QDialog> dialog = make();
        ok = GrabBoth(*dialog, folder, name) && ok;
    }
    ok = GrabFontLists(folder, mainEditor) && ok;
    return ok ? 0 : 1;
}
