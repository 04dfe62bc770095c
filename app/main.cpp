// Program entry: the application object, the main window with the file named on the command line, and the message loop.
#include <QStringList>
#include <QTextStream>

#include "app/application.h"
#include "app/command_line.h"
#include "app/main_window.h"

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Help and the version are printed before any window system is needed, so that they
    // work in a terminal without a display.
    if (const TCommandLine asked = ParseCommandLine(arguments); asked.Help || asked.Version) {
        QTextStream(stdout) << (asked.Help ? HelpText() : VersionText());
        return 0;
    }
    // The preview's browser engine, loaded later, draws with contexts shared from the start.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    TApplication application(argc, argv);
    application.SetTitle(QStringLiteral("TAVI CSS Editor"));

    // The file is looked for in what is left once the toolkit has taken its own options.
    arguments.clear();
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine line = ParseCommandLine(arguments);
    TForm1 mainForm;
    Form1 = &mainForm;
    mainForm.show();
    // Saves an earlier run left half done, then edits it left unsaved; a text restored
    // takes the file's place.
    mainForm.OfferInterruptedSaves();
    if (!mainForm.OfferRecoveries() && !line.File.isEmpty())
        mainForm.OpenStartupFile(line.File);
    return application.exec();
}
