// Go to line: a logical line number asked for, and the caret put at the start of that line.
#include <QInputDialog>
#include <algorithm>

#include "app/main_window.h"
#include "editor/editor.h"

int TForm1::CaretLine() const
{
    // The last line whose first row is at or above the caret's row: line starts only grow.
    const tavi::TEditorCore& core = ExtMemo1->Core();
    int low = 0;
    int high = std::max(1, ExtMemo1->Lines().GetCount()) - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (core.LineToRow(middle) <= core.CaretRow())
            low = middle;
        else
            high = middle - 1;
    }
    return low + 1;
}

void TForm1::GoToLine(int line)
{
    const int count = std::max(1, ExtMemo1->Lines().GetCount());
    const int row = ExtMemo1->Core().LineToRow(std::clamp(line, 1, count) - 1);
    ExtMemo1->Core().Deselect();
    ExtMemo1->Core().PlaceCaretAt(row, 0);
    ExtMemo1->ScrollToCaret();
}

void TForm1::GoToLine1Click()
{
    const int count = std::max(1, ExtMemo1->Lines().GetCount());
    QInputDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("指定行へ移動"));
    dialog.setLabelText(QStringLiteral("行番号 (1 - %1):").arg(count));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, count);
    dialog.setIntValue(CaretLine());
    dialog.setOkButtonText(QStringLiteral("移動"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() == QDialog::Accepted)
        GoToLine(dialog.intValue());
    ExtMemo1->setFocus();
}
