// Program entry: the application object, the main window, and the message loop.
#include "app/application.h"
#include "app/main_window.h"

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    application.SetTitle(QStringLiteral("TAVI CSS Editor"));

    TForm1 mainForm;
    Form1 = &mainForm;
    mainForm.show();
    return application.exec();
}
