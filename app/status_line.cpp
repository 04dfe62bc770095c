// The main window's status line: the owner and memory figures, and the date and time, refreshed once a second.
#include <QLocale>
#include <QTimer>

#include "app/main_window.h"
#include "components/animate_window.h"
#include "components/status_bar.h"
#include "components/sys_info.h"
#include "editor/editor.h"

void TForm1::CreateStatusSources()
{
    SysInfo1 = new TSysInfo(this);
    AnimateWindow1 = new TAnimateWindow(this);
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    // A timer keeps running while a modal dialog's loop runs, so the line updates behind it.
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();
}

void TForm1::FillStatusTexts()
{
    // Read fresh each time; the memory figures are 64-bit, as machines have more than 2 GiB.
    StatusBar1->SetPanelText(1, QStringLiteral("User: ") + SysInfo1->Owner() + QStringLiteral("     MemoryTotal: ") +
                                    QString::number(SysInfo1->MemoryTotal()) + QStringLiteral("     MemoryFree: ") +
                                    QString::number(SysInfo1->MemoryFree()));
    // The date and the time are read one after the other, each in the user's regional format.
    const QLocale locale = QLocale::system();
    const QString date = locale.toString(Now().date(), QLocale::ShortFormat);
    const QString time = locale.toString(Now().time(), QLocale::LongFormat);
    StatusBar1->SetPanelText(2, date + QStringLiteral("  ") + time);
    // Edits, caret moves and saves show at once; the tick catches any other way the
    // modified state changes (a recovered text, a reload).
    ShowCaretPlace();
}

void TForm1::ShowCaretPlace()
{
    // The line is the logical line; the column counts display cells from the line's start,
    // over the rows it wraps onto.
    const tavi::TEditorCore& core = ExtMemo1->Core();
    const int row = core.CaretRow();
    const int line = core.LineOfRow(row);
    int column = core.CaretCol();
    for (int r = core.LineToRow(line); r < row; ++r)
        column += core.RowWidth(r);
    QString text = QStringLiteral("行 %1, 列 %2").arg(line + 1).arg(column + 1);
    if (ExtMemo1->Modified())
        text += QStringLiteral("  変更あり");
    StatusBar1->SetPanelText(kCaretPanel, text);
}
