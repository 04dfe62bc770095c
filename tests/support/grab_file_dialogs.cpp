// Saves pictures of the open and save dialogs previewing a Japanese style sheet, for looking at their layout.
// Usage: grab-file-dialogs <open.png> <save.png>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <iostream>

#include "app/application.h"
#include "components/text_file_dialogs.h"
#include "platform/code_page.h"

namespace {

bool Grab(TTextOpenDialog& dialog, const QString& folder, const QString& file, const QString& picture)
{
    dialog.SetFilter(
        QStringLiteral("Cascading Style Sheet ファイル|*.css|テキストファイル|*.txt|その他のファイル|*.*"));
    dialog.SetPreview(true);
    dialog.setDirectory(folder);
    dialog.show();
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (!list || !QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) > 0; }))
        return false;
    const QModelIndex first = list->model()->index(0, 0, list->rootIndex());
    list->setCurrentIndex(list->model()->match(first, Qt::DisplayRole, file).value(0));
    QTest::qWait(100);
    return dialog.grab().save(picture);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: grab-file-dialogs <open.png> <save.png>\n";
        return 2;
    }
    TApplication application(argc, argv);
    application.SetTitle(QStringLiteral("TAVI CSS Editor"));
    QTemporaryDir folder;
    QFile sheet(folder.filePath(QStringLiteral("見出し.css")));
    if (!sheet.open(QIODevice::WriteOnly))
        return 1;
    sheet.write(
        tavi::ToCp932(QStringLiteral("/* 見出しのスタイル */\r\nH1 {\r\n  font-family : \"ＭＳ ゴシック\";\r\n"
                                     "  color : #FF0000 }\r\nP.注意 {\r\n  margin : 10px }\r\n")));
    sheet.close();
    QFile other(folder.filePath(QStringLiteral("base.css")));
    if (other.open(QIODevice::WriteOnly))
        other.write("BODY { }\r\n");
    other.close();

    TTextOpenDialog open;
    TTextSaveDialog save;
    const bool ok = Grab(open, folder.path(), QStringLiteral("見出し.css"), QString::fromLocal8Bit(argv[1])) &&
                    Grab(save, folder.path(), QStringLiteral("見出し.css"), QString::fromLocal8Bit(argv[2]));
    return ok ? 0 : 1;
}
