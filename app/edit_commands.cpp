// The main window's editing commands: whole-document and selection commands, comments, the STYLE element, colours.
#include <QAction>
#include <QPushButton>
#include <QToolButton>

#include "app/command.h"
#include "app/main_window.h"
#include "components/html_color_dialog.h"
#include "editor/editor.h"
#include "platform/code_page.h"

namespace {

const QString kStyleOpening = QStringLiteral("<STYLE TYPE=\"text/css\"><!--  ");
const QString kStyleClosing = QStringLiteral("    --></STYLE>");

}  // namespace

void TForm1::ConnectEditCommands()
{
    HTMLcolorDialog1 = new THTMLcolorDialog(this);
    HTMLcolorDialog1->SetOptions(cdFullOpen);
    HTMLcolorDialog1->SetCtl3D(true);

    ConnectCommand(N7, &QAction::triggered, this, &TForm1::N7Click);
    ConnectCommand(N8, &QAction::triggered, this, &TForm1::N8Click);
    ConnectCommand(N9, &QAction::triggered, this, &TForm1::N9Click);
    ConnectCommand(N10, &QAction::triggered, this, &TForm1::N10Click);
    for (QAction* paste : {Paste2, Paste1})
        ConnectCommand(paste, &QAction::triggered, this, &TForm1::Paste2Click);
    ConnectCommand(SpeedButton8, &QToolButton::clicked, this, &TForm1::Paste2Click);
    for (QAction* remove : {Delete1, N2})
        ConnectCommand(remove, &QAction::triggered, this, &TForm1::Delete1Click);
    ConnectCommand(SpeedButton10, &QToolButton::clicked, this, &TForm1::Delete1Click);
    for (QAction* cut : {Cut2, Cut1})
        ConnectCommand(cut, &QAction::triggered, this, &TForm1::Cut2Click);
    ConnectCommand(SpeedButton9, &QToolButton::clicked, this, &TForm1::Cut2Click);
    for (QAction* copy : {N17, N11})
        ConnectCommand(copy, &QAction::triggered, this, &TForm1::N17Click);
    ConnectCommand(SpeedButton7, &QToolButton::clicked, this, &TForm1::N17Click);
    ExtMemo1->OnColorSwatchClick = [this](TEditor*, const tavi::TColourValue& value) { SwatchClick(value); };
    ConnectCommand(N28, &QAction::triggered, this, &TForm1::N28Click);
    ConnectCommand(SpeedButton5, &QToolButton::clicked, this, &TForm1::N28Click);
    ConnectCommand(N29, &QAction::triggered, this, &TForm1::N29Click);
    ConnectCommand(SpeedButton6, &QToolButton::clicked, this, &TForm1::N29Click);
    ConnectCommand(N13, &QAction::triggered, this, &TForm1::N13Click);
    ConnectCommand(STYLE1, &QAction::triggered, this, &TForm1::STYLE1Click);
    for (QAction* colour : {N22, N24})
        ConnectCommand(colour, &QAction::triggered, this, &TForm1::N22Click);
}

void TForm1::N7Click()
{
    ExtMemo1->SelectAll();
}

void TForm1::N8Click()
{
    ExtMemo1->SelectAll();
    ExtMemo1->ClearSelection();
}

void TForm1::N9Click()
{
    ExtMemo1->SelectAll();
    ExtMemo1->CopyToClipboard();
}

void TForm1::N10Click()
{
    ExtMemo1->SelectAll();
    ExtMemo1->CopyToClipboard();
    ExtMemo1->ClearSelection();
}

void TForm1::Paste2Click()
{
    ExtMemo1->PasteFromClipboard();
}

void TForm1::Delete1Click()
{
    ExtMemo1->ClearSelection();
}

void TForm1::Cut2Click()
{
    ExtMemo1->CopyToClipboard();
    ExtMemo1->ClearSelection();
}

void TForm1::N17Click()
{
    ExtMemo1->CopyToClipboard();
}

void TForm1::N28Click()
{
    ExtMemo1->Undo();
}

void TForm1::N29Click()
{
    ExtMemo1->Redo();
}

void TForm1::ReplaceSelection(const QString& before, const QString& after)
{
    // The selection is read once and replaced in one write, so the command is one undo step.
    const std::string selected = ExtMemo1->SelText();
    ExtMemo1->SetSelText(ExtMemo1->ToDocument(before) + selected + ExtMemo1->ToDocument(after));
}

void TForm1::N13Click()
{
    ReplaceSelection(QStringLiteral("/* "), QStringLiteral(" */"));
}

void TForm1::STYLE1Click()
{
    ReplaceSelection(kStyleOpening, kStyleClosing);
}

void TForm1::SwatchClick(const tavi::TColourValue& value)
{
    const QColor old = value.Color;
    HTMLcolorDialog1->SetColor(static_cast<tavi::TColor>(old.blue() << 16 | old.green() << 8 | old.red()));
    if (!HTMLcolorDialog1->Execute())
        return;
    // The chooser has no alpha: a translucent colour keeps its own.
    QColor chosen = tavi::ColorToQColor(HTMLcolorDialog1->Color());
    chosen.setAlpha(old.alpha());
    ExtMemo1->ReplaceColourValue(value, tavi::CssColourText(chosen));
}

void TForm1::N22Click()
{
    if (HTMLcolorDialog1->Execute())
        ExtMemo1->SetSelText(HTMLcolorDialog1->HtmlColorText());
}
