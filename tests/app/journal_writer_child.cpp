// A window that edits the file named by its argument, typing a line a key at a time, writes the journal out as the
// window losing the focus would, says "ready" and then waits to be killed: the recovery test's editor that dies.
#include <QTimer>
#include <iostream>

#include "app/application.h"
#include "app/main_window.h"
#include "editor/editor.h"

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    application.SetTitle(QStringLiteral("TAVI CSS Editor"));
    if (argc < 2)
        return 2;
    TForm1 form;
    form.OpenStartupFile(QString::fromLocal8Bit(argv[1]));
    form.ExtMemo1->Core().PlaceCaretAt(1, 0);
    for (const char c : std::string("Q { color : red }"))
        form.ExtMemo1->Core().TypeChars(std::string(1, c));
    form.ExtMemo1->Core().KeyDown(tavi::TEditKey::Enter);
    form.Journal1->Sync();
    // Typed after the last sync and never written: lost with the process, as after a power cut.
    form.ExtMemo1->Core().TypeChars("lost");
    std::cout << "ready" << std::endl;
    return application.exec();
}
