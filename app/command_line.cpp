// What the program is told on its command line: a style sheet to open, or a request for help or the version.
#include "app/command_line.h"

TCommandLine ParseCommandLine(const QStringList& arguments)
{
    TCommandLine line;
    bool options = true;
    for (const QString& argument : arguments) {
        if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            line.Help = true;
        } else if (options && argument == QLatin1String("--version")) {
            line.Version = true;
        } else if (line.File.isEmpty()) {
            line.File = argument;
        }
    }
    return line;
}

QString HelpText()
{
    return QStringLiteral(
        "使い方: tavi-css-editor [ファイル]\n"
        "Usage: tavi-css-editor [FILE]\n"
        "\n"
        "CSS スタイルシートを編集します。ファイルを指定すると、そのファイルを開いて起動します。\n"
        "2 つ目以降の引数は無視されます。\n"
        "Edits CSS style sheets; with FILE, starts with that file open. Further arguments are ignored.\n"
        "\n"
        "  -h, --help   この説明を表示して終了します (show this help and exit)\n"
        "  --version    バージョンを表示して終了します (show the version and exit)\n");
}

QString VersionText()
{
    return QStringLiteral("TAVI CSS Editor " TAVI_VERSION "\n");
}
