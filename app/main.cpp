// Program entry: the application object, the main window with the file named on the command line, and the message loop.
#include <QStringList>
#include <QTextStream>

#include "app/application.h"
#include "app/command_line.h"
#include "app/main_window.h"

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    application.SetTitle(QStringLiteral("TAVI CSS Editor"));

    // What is left in argv once the toolkit has taken its own options.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine line = ParseCommandLine(arguments);
    if (line.Help || line.Version) {
        QTextStream(stdout) << (line.Help ? HelpText() : VersionText());
        return 0;
    }
    TForm1 mainForm;
    Form1 = &mainForm;
    mainForm.show();
    if (!line.File.isEmpty())
        mainForm.OpenStartupFile(line.File);
    return application.exec();
}
