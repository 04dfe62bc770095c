// What the program is told on its command line: a style sheet to open, or a request for help or the version.
#pragma once

#include <QString>
#include <QStringList>

struct TCommandLine {
    bool Help = false;
    bool Version = false;
    // The style sheet to open at start; empty for none.
    QString File;
};

// Reads the arguments after the program's name. "--help"/"-h" and "--version" win over a
// file; the first other argument names the file, any further one is ignored.
TCommandLine ParseCommandLine(const QStringList& arguments);

// The texts "--help" and "--version" print.
QString HelpText();
QString VersionText();
