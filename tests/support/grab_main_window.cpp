// Saves a picture of the main window as it first shows, for the README and for looking at the layout.
// Usage: grab-main-window <file.png> [style sheet to show in the editor [text to find, with the replace row]]
//        grab-main-window <file.png> <style sheet> --complete=ROW:COL  (the completion list at that place)
//        grab-main-window <file.png> <style sheet> --preview  (the preview beside it, once it judged the sheet)
#include <QTimer>
#include <iostream>

#include "app/application.h"
#include "app/find_bar.h"
#include "app/main_window.h"
#include "editor/editor.h"
#include "preview/preview_pane.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: grab-main-window <file.png> [style-sheet [find-text]]\n";
        return 2;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    TApplication application(argc, argv);
    application.SetTitle(QStringLiteral("TAVI CSS Editor"));
    TForm1 form;
    Form1 = &form;
    if (argc > 2) {
        // Opened as a dropped file is: its encoding is found as Open finds it.
        form.DropFiles({QString::fromLocal8Bit(argv[2])});
        form.ExtMemo1->Core().PlaceCaretAt(2, 5);  // inside the text, where a caret row shows
    }
    form.show();
    const QString third = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    if (third.startsWith(QStringLiteral("--complete="))) {
        const QStringList place = third.mid(11).split(QLatin1Char(':'));
        form.ExtMemo1->setFocus();
        form.ExtMemo1->Core().PlaceCaretAt(place.value(0).toInt(), place.value(1).toInt());
        form.ExtMemo1->Completion().Update(true);
    } else if (third == QStringLiteral("--preview")) {
        form.CreatePreview = [](QWidget* parent, QString&) -> TPreview* { return new TPreviewPane(parent); };
        form.SetPreviewShown(true);
    } else if (argc > 3) {
        form.FindBar1->OpenReplace(QString::fromLocal8Bit(argv[3]));
        form.FindBar1->FindNext();
    }
    int result = 1;
    QTimer::singleShot(third == QStringLiteral("--preview") ? 2500 : 200, [&] {
        result = form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        application.exit(result);  // unlike quit(), closes no window: a changed document asks nothing
    });
    application.exec();
    return result;
}
