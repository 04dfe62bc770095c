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

template <typename Form>
void TForm1::RunStyleDialog(QPointer<Form>& formVariable, bool editRule)
{
    std::optional<TRuleAtCaret> rule;
    if (editRule) {
        rule = RuleAtCaret();
        if (!rule) {
            Inform(kNoRuleAtCaretText);
            return;
        }
    }
    QStringList lines;
    bool shown = true;
    OpenStyleDialogPrepared(
        formVariable, [&](Form& form) { return shown = !rule || form.ReadRule(rule->Rule); },
        [&lines](const QString& line) { lines << line; });
    if (!shown)
        Inform(kSelectorNotShownText.arg(rule->Rule.Selector));
    else if (!lines.isEmpty())
        PlaceRule(lines, rule);
}

void TForm1::EditRuleWith(int dialog)
{
    switch (dialog) {
        case 0:
            return RunStyleDialog(Form2, true);
        case 1:
            return RunStyleDialog(Form3, true);
        case 2:
            return RunStyleDialog(Form4, true);
        case 3:
            return RunStyleDialog(Form7, true);
        case 4:
            return RunStyleDialog(Form9, true);
        case 5:
            return RunStyleDialog(Form10, true);
        case 6:
            return RunStyleDialog(Form8, true);
        default:
            return RunStyleDialog(Form11, true);
    }
}

int TForm1::DialogForRule(const tavi::TReadRule& rule) const
{
    const auto none = [](const QString&) {};
    const std::vector<QStringList> known = {TForm2(none).ReadableProperties(), TForm3(none).ReadableProperties(),
                                            TForm4(none).ReadableProperties(), TForm7(none).ReadableProperties(),
                                            TForm9(none).ReadableProperties(), TForm10(none).ReadableProperties(),
                                            TForm8(none).ReadableProperties(), TForm11(none).ReadableProperties()};
    int best = 0;
    int bestCount = -1;
    for (std::size_t d = 0; d < known.size(); ++d) {
        int count = 0;
        for (const tavi::TReadDeclaration& declaration : rule.Declarations)
            count += known[d].contains(declaration.Property.trimmed().toLower()) ? 1 : 0;
        if (count > bestCount) {
            best = static_cast<int>(d);
            bestCount = count;
        }
    }
    return best;
}

void TForm1::N3Click()
{
    RunStyleDialog(Form2, RuleSelected());
}

void TForm1::N4Click()
{
    RunStyleDialog(Form3, RuleSelected());
}

void TForm1::N5Click()
{
    RunStyleDialog(Form4, RuleSelected());
}

void TForm1::N6Click()
{
    RunStyleDialog(Form7, RuleSelected());
}

void TForm1::N18Click()
{
    RunStyleDialog(Form9, RuleSelected());
}

void TForm1::N19Click()
{
    RunStyleDialog(Form10, RuleSelected());
}

void TForm1::N20Click()
{
    RunStyleDialog(Form8, RuleSelected());
}

void TForm1::N21Click()
{
    RunStyleDialog(Form11, RuleSelected());
}

void TForm1::N26Click()
{
    OpenStyleDialog(Form12, ExtMemo1, &InsertRuleAtCaret);
}

void TForm1::About1Click()
{
    OpenStyleDialog(Form6);
}
