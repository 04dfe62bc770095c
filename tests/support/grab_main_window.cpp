// Saves a picture of the main window as it first shows, for the README and for looking at the layout.
// Usage: grab-main-window <file.png>
#include <QTimer>
#include <iostream>

#include "app/application.h"
#include "app/main_window.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: grab-main-window <file.png>\n";
        return 2;
    }
    TApplication application(argc, argv);
    application.SetTitle(QStringLiteral("TAVI CSS Editor"));
    TForm1 form;
    Form1 = &form;
    form.show();
    int result = 1;
    QTimer::singleShot(200, [&] {
        result = form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        application.quit();
    });
    application.exec();
    return result;
}
