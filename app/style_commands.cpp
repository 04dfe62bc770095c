// The main window's commands that open dialogs: the eight style rule dialogs, the customisation dialog and the
// about box; and how the window's commands are connected.
#include <QAction>
#include <QPushButton>
#include <QToolButton>

#include "app/about_box.h"
#include "app/command.h"
#include "app/customize_dialog.h"
#include "app/main_window.h"
#include "app/open_style_dialog.h"
#include "dialogs/aural_dialog.h"
#include "dialogs/basic_style_dialog.h"
#include "dialogs/border_dialog.h"
#include "dialogs/color_dialog.h"
#include "dialogs/font_dialog.h"
#include "dialogs/list_dialog.h"
#include "dialogs/margin_dialog.h"
#include "dialogs/text_layout_dialog.h"
#include "editor/editor.h"
#include "platform/code_page.h"

void TForm1::ConnectCommands()
{
    ConnectCommand(N26, &QAction::triggered, this, &TForm1::N26Click);
    ConnectCommand(About1, &QAction::triggered, this, &TForm1::About1Click);
    ConnectCommand(SaveKey, &QAction::triggered, this, &TForm1::Open1Click);
    ConnectCommand(SaveAsKey, &QAction::triggered, this, &TForm1::SaveAs1Click);
    ConnectCommand(OpenKey, &QAction::triggered, this, &TForm1::Open2Click);
    ConnectCommand(UndoKey, &QAction::triggered, this, &TForm1::N28Click);
    ConnectCommand(RedoKey, &QAction::triggered, this, &TForm1::N29Click);
    ConnectCommand(SelectAllKey, &QAction::triggered, this, &TForm1::N7Click);
    ConnectCommand(GoToLineKey, &QAction::triggered, this, &TForm1::GoToLine1Click);
    ConnectCommand(FindKey, &QAction::triggered, this, &TForm1::Find1Click);
    ConnectCommand(ReplaceKey, &QAction::triggered, this, &TForm1::Replace1Click);
    ConnectCommand(N3, &QAction::triggered, this, &TForm1::N3Click);
    ConnectCommand(BitBtn1, &QPushButton::clicked, this, &TForm1::N3Click);
    ConnectCommand(N4, &QAction::triggered, this, &TForm1::N4Click);
    ConnectCommand(BitBtn2, &QPushButton::clicked, this, &TForm1::N4Click);
    ConnectCommand(N5, &QAction::triggered, this, &TForm1::N5Click);
    ConnectCommand(BitBtn3, &QPushButton::clicked, this, &TForm1::N5Click);
    ConnectCommand(N6, &QAction::triggered, this, &TForm1::N6Click);
    ConnectCommand(BitBtn4, &QPushButton::clicked, this, &TForm1::N6Click);
    ConnectCommand(N18, &QAction::triggered, this, &TForm1::N18Click);
    ConnectCommand(BitBtn5, &QPushButton::clicked, this, &TForm1::N18Click);
    ConnectCommand(N19, &QAction::triggered, this, &TForm1::N19Click);
    ConnectCommand(BitBtn6, &QPushButton::clicked, this, &TForm1::N19Click);
    ConnectCommand(N20, &QAction::triggered, this, &TForm1::N20Click);
    ConnectCommand(BitBtn7, &QPushButton::clicked, this, &TForm1::N20Click);
    ConnectCommand(N21, &QAction::triggered, this, &TForm1::N21Click);
    ConnectCommand(BitBtn8, &QPushButton::clicked, this, &TForm1::N21Click);
    ConnectCommand(Open1, &QAction::triggered, this, &TForm1::Open1Click);
    ConnectCommand(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    ConnectCommand(SaveAs1, &QAction::triggered, this, &TForm1::SaveAs1Click);
    ConnectCommand(Open2, &QAction::triggered, this, &TForm1::Open2Click);
    ConnectCommand(ReopenShiftJis1, &QAction::triggered, this, &TForm1::ReopenShiftJis1Click);
    ConnectCommand(ReopenUtf81, &QAction::triggered, this, &TForm1::ReopenUtf81Click);
    ConnectCommand(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    ConnectEditCommands();
}

void TForm1::AppendLine(const QString& line)
{
    ExtMemo1->Lines().Add(ExtMemo1->ToDocument(line));
}

void TForm1::N3Click()
{
    OpenStyleDialog(Form2, [this](const QString& line) { AppendLine(line); });
}

void TForm1::N4Click()
{
    OpenStyleDialog(Form3, [this](const QString& line) { AppendLine(line); });
}

void TForm1::N5Click()
{
    OpenStyleDialog(Form4, [this](const QString& line) { AppendLine(line); });
}

void TForm1::N6Click()
{
    OpenStyleDialog(Form7, [this](const QString& line) { AppendLine(line); });
}

void TForm1::N18Click()
{
    OpenStyleDialog(Form9, [this](const QString& line) { AppendLine(line); });
}

void TForm1::N19Click()
{
    OpenStyleDialog(Form10, [this](const QString& line) { AppendLine(line); });
}

void TForm1::N20Click()
{
    OpenStyleDialog(Form8, [this](const QString& line) { AppendLine(line); });
}

void TForm1::N21Click()
{
    OpenStyleDialog(Form11, [this](const QString& line) { AppendLine(line); });
}

void TForm1::N26Click()
{
    OpenStyleDialog(Form12, ExtMemo1);
}

void TForm1::About1Click()
{
    OpenStyleDialog(Form6);
}
